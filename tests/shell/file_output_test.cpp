// The data file on the disk: written whole, the old one kept, failures said.
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <memory>
#include <optional>
#include <system_error>

#include "shell/app/qt_platform.h"

namespace {

const std::string kName = "Qelt-CAD-float.csv";
const QString kQName = QString::fromStdString(kName);

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Everything in the working directory: a failed replace must leave no stray temporary file.
QStringList Entries() {
    return QDir::current().entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Why the write failed, or where it kept the file it replaced: "kept PATH", or "kept " for none.
QString Said(const std::variant<qelt::Written, qelt::WriteFailure>& result) {
    const auto* written = std::get_if<qelt::Written>(&result);
    return QString::fromStdString(written != nullptr ? "kept " + written->kept
                                                     : std::get<qelt::WriteFailure>(result).why);
}

bool IsRoot() {
    return geteuid() == 0;
}

bool Run(const QString& program, const QStringList& arguments) {
    return QProcess::execute(program, arguments) == 0;
}

}  // namespace

class FileOutputTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void writesExactBytes();
    void replacesExistingFileKeepingItBeside();
    void keepsTheLastTenDrawings();
    void failsWhenTargetIsADirectory();
    void failsWhenWorkingDirectoryIsGone();
    void rewritesInPlaceInReadOnlyDirectory();
    void failsOnReadOnlyFileSystem();
    void failsOnFullDiskLeavingOldFile_data();
    void failsOnFullDiskLeavingOldFile();

  private:
    // A tiny file system of its own at `disk`, made the working directory; false if the
    // machine does not allow mounting.
    bool MountTinyDisk(const QString& options);
    // Fills the tiny disk until it takes no more, keeping `spare` bytes free.
    void FillDisk(qint64 spare);

    QString original_ = QDir::currentPath();
    std::unique_ptr<QTemporaryDir> dir_;
    QString mounted_;
    QString readOnly_;
    QDateTime now_;
    std::optional<qelt::shell::QtFileOutput> output_;
};

void FileOutputTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(QDir::setCurrent(dir_->path()));
    now_ = QDateTime(QDate(2026, 12, 9), QTime(15, 4, 5));
    output_.emplace(qelt::shell::KeptDrawings(dir_->filePath("state"), [this] { return now_; }));
}

void FileOutputTest::cleanup() {
    QDir::setCurrent(original_);
    if (!readOnly_.isEmpty()) {
        QFile::setPermissions(readOnly_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        readOnly_.clear();
    }
    if (!mounted_.isEmpty()) {
        Run("umount", {mounted_});
        mounted_.clear();
    }
    dir_.reset();
}

void FileOutputTest::writesExactBytes() {
    const std::string bytes("a,b\r\n \r\n\0\xE9\n\r\n", 12);
    QCOMPARE(Said(output_->Replace(kName, bytes)), QString("kept "));
    QCOMPARE(Read(kQName), QByteArray::fromStdString(bytes));
    QCOMPARE(Entries(), QStringList{kQName});
}

// The old file makes the ~, where an older ~ makes way.
void FileOutputTest::replacesExistingFileKeepingItBeside() {
    Write(kQName, QByteArray(5000, 'o'));
    Write(kQName + "~", "older\r\n");
    QCOMPARE(Said(output_->Replace(kName, "new\r\n")), "kept " + dir_->filePath(kQName + "~"));
    QCOMPARE(Read(kQName), QByteArray("new\r\n"));
    QCOMPARE(Read(kQName + "~"), QByteArray(5000, 'o'));
    QCOMPARE(Entries(), (QStringList{kQName, kQName + "~"}));
}

// Two within a second, then one a second; the eleventh takes the place of the first.
void FileOutputTest::keepsTheLastTenDrawings() {
    QStringList names;
    for (int i = 0; i < 11; ++i) {
        const auto kept = output_->Keep(std::to_string(i));
        names << QFileInfo(QString::fromStdString(std::get<std::string>(kept))).fileName();
        now_ = now_.addSecs(i == 0 ? 0 : 1);
    }
    QCOMPARE(names[1], QString("Qelt-CAD-float_2026-12-09_15-04-05_2.csv"));
    QCOMPARE(QDir("state").entryList(QDir::Files, QDir::Name), names.mid(1));
}

void FileOutputTest::failsWhenTargetIsADirectory() {
    QVERIFY(QDir().mkdir(kQName));
    QVERIFY(!Said(output_->Replace(kName, "data\r\n")).startsWith("kept "));
    QVERIFY(QFileInfo(kQName).isDir());
    QCOMPARE(Entries(), QStringList{kQName});
}

// Works for every user: a directory that no longer exists cannot take a new file.
void FileOutputTest::failsWhenWorkingDirectoryIsGone() {
    QVERIFY(QDir().mkdir("gone"));
    QVERIFY(QDir::setCurrent("gone"));
    QVERIFY(QDir(dir_->path()).rmdir("gone"));
    QVERIFY(!Said(output_->Replace(kName, "data\r\n")).startsWith("kept "));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

// The file there is rewritten in place, the old one kept among the kept drawings; a new one
// cannot be made, and the message names the folder. Root may write anywhere, so root writes as
// another user.
void FileOutputTest::rewritesInPlaceInReadOnlyDirectory() {
    QVERIFY(QDir().mkdir("locked"));
    readOnly_ = dir_->filePath("locked");
    Write(readOnly_ + "/" + kQName, "old\r\n");
    const auto everyone = QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther | QFile::ExeUser |
                          QFile::ExeGroup | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(readOnly_ + "/" + kQName,
                                  QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup |
                                      QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther));
    QVERIFY(QFile::setPermissions(readOnly_, everyone));
    QVERIFY(QDir().mkdir("state") &&
            QFile::setPermissions("state", everyone | QFile::WriteGroup | QFile::WriteOther));
    QVERIFY(QFile::setPermissions(dir_->path(), everyone | QFile::WriteUser));
    QVERIFY(QDir::setCurrent(readOnly_));
    const uid_t user = geteuid();
    QVERIFY(user != 0 || seteuid(65534) == 0);
    const auto inPlace = output_->Replace(kName, "new\r\n");
    const auto created = output_->Replace("new.csv", "new\r\n");
    QVERIFY(seteuid(user) == 0);
    QCOMPARE(Said(inPlace),
             "kept " + dir_->filePath("state/Qelt-CAD-float_2026-12-09_15-04-05.csv"));
    QCOMPARE(Read(kQName), QByteArray("new\r\n"));
    QCOMPARE(Read(Said(inPlace).mid(5)), QByteArray("old\r\n"));
    QCOMPARE(Said(created),
             "Permission denied; the folder " + readOnly_ + " is read-only for this user");
    QCOMPARE(Entries(), QStringList{kQName});
}

// Stops root too, where the read-only directory does not.
void FileOutputTest::failsOnReadOnlyFileSystem() {
    if (!MountTinyDisk("size=64k")) {
        QSKIP("cannot mount a file system here");
    }
    Write(kQName, "old\r\n");
    QVERIFY(Run("mount", {"-o", "remount,ro", mounted_}));
    QCOMPARE(Said(output_->Replace(kName, "new\r\n")),
             "Existing file " + kQName + " is not writable; the folder " + mounted_ +
                 " is on a read-only file system");
    QCOMPARE(Read(kQName), QByteArray("old\r\n"));
    QCOMPARE(Entries(), QStringList{kQName});
}

void FileOutputTest::failsOnFullDiskLeavingOldFile_data() {
    QTest::addColumn<qint64>("spare");
    QTest::newRow("no room at all") << qint64{0};
    // The first write goes through in part; only the next one reports the full disk.
    QTest::newRow("room for part of the file") << qint64{4096};
}

void FileOutputTest::failsOnFullDiskLeavingOldFile() {
    QFETCH(qint64, spare);
    if (!MountTinyDisk("size=64k")) {
        QSKIP("cannot mount a file system here");
    }
    Write(kQName, "old\r\n");
    Write(kQName + "~", "older\r\n");
    FillDisk(spare);
    QCOMPARE(Said(output_->Replace(kName, std::string(40000, 'n'))),
             QString::fromStdString(std::generic_category().message(ENOSPC)));
    QCOMPARE(Read(kQName), QByteArray("old\r\n"));
    QCOMPARE(Read(kQName + "~"), QByteArray("older\r\n"));
    QCOMPARE(Entries(), (QStringList{kQName, kQName + "~", "filler"}));
}

bool FileOutputTest::MountTinyDisk(const QString& options) {
    if (!IsRoot() || !QDir().mkdir("disk")) {
        return false;
    }
    const QString disk = dir_->filePath("disk");
    if (!Run("mount", {"-t", "tmpfs", "-o", options, "tmpfs", disk})) {
        return false;
    }
    mounted_ = disk;
    return QDir::setCurrent(disk);
}

void FileOutputTest::FillDisk(qint64 spare) {
    if (spare > 0) {
        Write("spare", QByteArray(spare, 's'));
    }
    QFile filler("filler");
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    filler.close();
    QVERIFY(!spare || QFile::remove("spare"));
}

QTEST_MAIN(FileOutputTest)
#include "file_output_test.moc"

// The data file written on the disk, with the file it replaces kept.
#include "shell/files/qt_file_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <optional>

#include "shell/files/whole_file.h"

namespace qelt::shell {

namespace {

// Raised inside the writer only; Replace returns it.
[[noreturn]] void Fail(const QString& why) {
    throw WriteFailure{why.toStdString()};
}

QString FullPath(const QString& name) {
    return QDir::current().absoluteFilePath(name);
}

// The bytes of the regular file `name`, which are to be kept; nothing when there is none.
std::optional<QByteArray> OldBytes(const QString& name) {
    if (!QFileInfo(name).isFile()) {
        return std::nullopt;
    }
    QFile file(name);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
    }
    if (file.error() != QFileDevice::NoError) {
        Fail(name + " cannot be read to keep it: " + file.errorString());
    }
    return bytes;
}

// Opens the save file and puts every byte on the disk; committing is the caller's.
void WriteWhole(QSaveFile& file, const QByteArray& bytes) {
    // Unbuffered, so that a short write shows in the count written.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        Fail(file.errorString());
    }
    if (const auto failure = WriteAndSync(file, bytes)) {
        Fail(QString::fromStdString(*failure));
    }
}

// Puts `bytes` in place of the file `name` in one step.
void Put(const QString& name, const QByteArray& bytes) {
    QSaveFile file(name);
    WriteWhole(file, bytes);
    if (!file.commit()) {
        Fail(file.errorString());
    }
}

// A folder the user may not write in takes no new file, but a file there may be writable.
bool RewrittenInPlace(const QString& name) {
    const QByteArray folder = QFile::encodeName(QFileInfo(name).absolutePath());
    return ::faccessat(AT_FDCWD, folder.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES &&
           QFileInfo(name).isWritable();
}

// Where the folder keeps the file from being written, the message says so and names it.
std::string WithFolderFault(const std::string& failure, const QString& folder) {
    if (::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK, AT_EACCESS) == 0) {
        return failure;
    }
    const std::string name = folder.toStdString();
    if (errno == EROFS) {
        return failure + "; the folder " + name + " is on a read-only file system";
    }
    if (errno == EACCES) {
        return failure + "; the folder " + name + " is read-only for this user";
    }
    return failure;
}

}  // namespace

std::variant<Written, WriteFailure> QtFileOutput::Replace(const std::string& name,
                                                          const std::string& bytes) {
    // Written by the name given, relative to the working directory even when that is gone.
    const QString file = QString::fromStdString(name);
    try {
        Written written = Write(file, QByteArray::fromStdString(bytes));
        failedPath_.clear();
        return written;
    } catch (const WriteFailure& failure) {
        failedPath_ = FullPath(file);
        return WriteFailure{WithFolderFault(failure.why, QFileInfo(failedPath_).absolutePath())};
    }
}

// The old file goes to `name`~ only once the new one is whole, and in one step, so that at every
// moment one of the two holds it; the new one takes its place last. A file that stays the same
// leaves an older ~ as it is.
Written QtFileOutput::Write(const QString& name, const QByteArray& bytes) {
    const std::optional<QByteArray> old = OldBytes(name);
    if (old && RewrittenInPlace(name)) {
        return RewriteInPlace(name, bytes, *old);
    }
    QSaveFile file(name);
    WriteWhole(file, bytes);
    const QString tilde = name + "~";
    std::optional<QByteArray> older;
    QString kept;
    if (old && *old != bytes) {
        older = OldBytes(tilde);
        Put(tilde, *old);
        kept = FullPath(tilde);
    }
    if (!file.commit()) {
        // The older ~ comes back: a failed write changes nothing.
        try {
            if (older) {
                Put(tilde, *older);
            } else if (!kept.isEmpty()) {
                QFile::remove(tilde);
            }
        } catch (const WriteFailure&) {
        }
        Fail(file.errorString());
    }
    return {FullPath(name).toStdString(), kept.toStdString()};
}

// Where no ~ can be made, the old file is kept among the kept drawings before it is rewritten in
// place, as editors rewrite it; it is not whole on the disk meanwhile.
Written QtFileOutput::RewriteInPlace(const QString& name, const QByteArray& bytes,
                                     const QByteArray& old) {
    QString kept;
    if (old != bytes) {
        auto keep = kept_.Keep(old);
        if (const auto* failure = std::get_if<WriteFailure>(&keep)) {
            Fail("the file it would replace cannot be kept: " +
                 QString::fromStdString(failure->why));
        }
        kept = std::get<QString>(keep);
    }
    QSaveFile file(name);
    file.setDirectWriteFallback(true);
    try {
        WriteWhole(file, bytes);
        if (!file.commit()) {
            Fail(file.errorString());
        }
    } catch (WriteFailure& failure) {
        if (!kept.isEmpty()) {
            failure.why += "; the file it was replacing is kept as " + kept.toStdString();
        }
        throw;
    }
    return {FullPath(name).toStdString(), kept.toStdString()};
}

std::variant<std::string, WriteFailure> QtFileOutput::Keep(const std::string& bytes) {
    auto kept = kept_.Keep(QByteArray::fromStdString(bytes));
    if (auto* failure = std::get_if<WriteFailure>(&kept)) {
        failedPath_ = kept_.folder();
        return *failure;
    }
    failedPath_.clear();
    return std::get<QString>(kept).toStdString();
}

}  // namespace qelt::shell

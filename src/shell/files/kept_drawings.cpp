// Drawings kept against loss in the user's state folder, by date and time.
#include "shell/files/kept_drawings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "shell/files/whole_file.h"

namespace qelt::shell {

namespace {

constexpr int kKept = 10;
// Names that sort by the time they were kept: a second one within a second gets "_2".
const QString kPrefix = "Qelt-CAD-float_";
const QString kSuffix = ".csv";

}  // namespace

QString StateFolder() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    return (QDir::isAbsolutePath(state) ? state : QDir::homePath() + "/.local/state") + "/qelt-cad";
}

std::variant<QString, WriteFailure> KeptDrawings::Keep(const QByteArray& bytes) {
    if (!QDir().mkpath(folder_)) {
        return WriteFailure{"the folder " + folder_.toStdString() + " cannot be made"};
    }
    const QString stamp = kPrefix + now_().toString("yyyy-MM-dd_HH-mm-ss");
    QString name = stamp + kSuffix;
    for (int n = 2; QFile::exists(folder_ + "/" + name); ++n) {
        name = stamp + "_" + QString::number(n) + kSuffix;
    }
    QFile file(folder_ + "/" + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        return WriteFailure{file.errorString().toStdString()};
    }
    if (auto failure = WriteAndSync(file, bytes)) {
        file.remove();
        return WriteFailure{*failure};
    }
    file.close();
    KeepTheLastTen(name);
    return QFileInfo(file).absoluteFilePath();
}

// The one just kept stays, even when a clock set back names it before the others.
void KeptDrawings::KeepTheLastTen(const QString& newest) {
    QDir folder(folder_);
    QStringList others = folder.entryList({kPrefix + "*" + kSuffix}, QDir::Files, QDir::Name);
    others.removeOne(newest);
    while (others.size() >= kKept) {
        folder.remove(others.takeFirst());
    }
}

}  // namespace qelt::shell

#include "shell/drawing_file.h"

#include <QFile>
#include <QFileInfo>

#include "output/read_data_file.h"

namespace qelt::shell {

namespace {

QString Refused(const QString& path, const QString& why) {
    return QString("%1: %2").arg(path, why);
}

}  // namespace

// The size is looked at before a byte is read, so that a huge file is refused at once.
std::variant<DrawingState, QString> ReadDrawingFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return Refused(path, "no such file");
    }
    if (info.isDir()) {
        return Refused(path, "is a folder, not a data file");
    }
    if (info.size() > static_cast<qint64>(MaxDataFileBytes)) {
        return Refused(path, QString("%1 bytes, more than a data file of this program can hold "
                                     "(%2 bytes)")
                                 .arg(info.size())
                                 .arg(MaxDataFileBytes));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Refused(path, "cannot be read: " + file.errorString());
    }
    const QByteArray bytes = file.readAll();
    auto read = ReadDataFile(std::string_view(bytes.constData(), bytes.size()));
    if (const auto* error = std::get_if<DataFileError>(&read)) {
        return Refused(path, QString::fromStdString(error->message));
    }
    return std::get<DrawingState>(std::move(read));
}

}  // namespace qelt::shell

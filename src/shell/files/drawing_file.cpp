// Reading a data file the program wrote earlier from the disk.
#include "shell/files/drawing_file.h"

#include <unistd.h>

#include <QFile>
#include <optional>
#include <system_error>

#include "output/read_data_file.h"
#include "shell/files/file_names.h"
#include "shell/files/opened_file.h"

namespace qelt::shell {

namespace {

QString CannotBeRead(int error) {
    return "cannot be read: " + QString::fromStdString(std::generic_category().message(error));
}

// A folder, a pipe or a device is no data file: reading a pipe waits for a writer, and a device
// such as /dev/zero never ends.
std::optional<QString> NotAFile(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return "is a folder, not a data file";
    }
    if (!S_ISREG(info.st_mode)) {
        return "is a pipe, device or socket, not a data file";
    }
    return std::nullopt;
}

std::variant<QByteArray, QString> ReadSmallFile(const std::string& path) {
    const auto opened = OpenToRead(path, "FILE is an empty name; give the name of a data file",
                                   NotAFile, CannotBeRead);
    if (const auto* why = std::get_if<QString>(&opened)) {
        return *why;
    }
    const int descriptor = std::get<int>(opened);
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return Refusal(path, "cannot be read: " + file.errorString());
    }
    // One byte more than the most a data file holds tells a longer file, whatever size the
    // file system reports for it.
    const QByteArray bytes = file.read(MaxDataFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return Refusal(path, "cannot be read: " + file.errorString());
    }
    if (bytes.size() > static_cast<qsizetype>(MaxDataFileBytes)) {
        return Refusal(path, QString("longer than a data file of this program can be (%1 bytes)")
                                 .arg(MaxDataFileBytes));
    }
    return bytes;
}

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

std::variant<DrawingState, QString> ReadDrawing(const std::string& path, const QByteArray& bytes) {
    auto read = ReadDataFile(View(bytes));
    if (const auto* error = std::get_if<DataFileError>(&read)) {
        return Refusal(path, QString::fromStdString(error->message));
    }
    return std::get<DrawingState>(std::move(read));
}

}  // namespace

std::variant<DrawingState, QString> ReadDrawingFile(const std::string& path) {
    const auto bytes = ReadSmallFile(path);
    if (const auto* error = std::get_if<QString>(&bytes)) {
        return *error;
    }
    return ReadDrawing(path, std::get<QByteArray>(bytes));
}

std::optional<std::variant<DrawingState, QString>> ReadDroppedDrawing(const std::string& path) {
    const auto bytes = ReadSmallFile(path);
    const auto* data = std::get_if<QByteArray>(&bytes);
    if (data == nullptr || !BeginsAsDataFile(View(*data))) {
        return std::nullopt;
    }
    return ReadDrawing(path, *data);
}

}  // namespace qelt::shell

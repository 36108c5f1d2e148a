// Putting every byte of a file on the disk, or saying why not.
#include "shell/files/whole_file.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace qelt::shell {

namespace {

// An unbuffered write may take only part of what it is given, and a full disk shows only in
// the next one; the file is good only when every byte went in.
std::optional<std::string> WriteAll(QFileDevice& file, const QByteArray& bytes) {
    qint64 written = 0;
    const qint64 size = bytes.size();
    while (written < size) {
        const qint64 n = file.write(bytes.constData() + written, size - written);
        if (n < 0) {
            return file.errorString().toStdString();
        }
        if (n == 0) {
            return "the disk took no more data";
        }
        written += n;
    }
    return std::nullopt;
}

}  // namespace

// Some file systems report a full disk or a failing device only when the data is flushed, and
// a save file would ignore that and put the damaged file in place of the old one.
std::optional<std::string> WriteAndSync(QFileDevice& file, const QByteArray& bytes) {
    if (auto failure = WriteAll(file, bytes)) {
        return failure;
    }
    if (::fsync(file.handle()) != 0) {
        return std::generic_category().message(errno);
    }
    return std::nullopt;
}

}  // namespace qelt::shell

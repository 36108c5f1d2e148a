// A picture decoded in a process of its own, under limits of time and memory set by the program.
#include "shell/pictures/picture_reader.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThreadPool>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <system_error>
#include <variant>

#include "shell/pictures/picture_decoding.h"
#include "shell/pictures/picture_limits.h"

extern char** environ;

namespace qelt::shell {

namespace {

constexpr char kReaderArgument[] = "--read-one-picture-for-qelt-cad";
constexpr int kWorkSeconds = 4;
constexpr int kWaitSeconds = 6;
// The reader's own code and libraries, the file, and the pictures it decodes, twice over.
constexpr rlim_t kAddressSpaceMB = 2048;
constexpr qint32 kLongestMessage = 4096;

// What comes first in the reader's answer: a picture of 4 bytes a pixel follows, or a message.
struct Header {
    qint32 width = 0;
    qint32 height = 0;
    qint32 statedWidth = 0;
    qint32 statedHeight = 0;
    qint32 messageBytes = 0;
};

QString Cause(int error) {
    return QString::fromStdString(std::generic_category().message(error));
}

bool WriteAll(const void* data, qint64 size) {
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, next, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        next += written;
        size -= written;
    }
    return true;
}

[[noreturn]] void Answer(const QString& message) {
    const QByteArray text = message.toUtf8().left(kLongestMessage);
    Header header;
    header.messageBytes = static_cast<qint32>(text.size());
    WriteAll(&header, sizeof header);
    WriteAll(text.constData(), text.size());
    std::_Exit(0);
}

void Limit(int resource, rlim_t soft, rlim_t hard) {
    const rlimit limit{soft, hard};
    ::setrlimit(resource, &limit);
}

// Past the CPU time the kernel stops the reader; it writes no file and leaves no core.
void LimitReader() {
    Limit(RLIMIT_CPU, kWorkSeconds, kWorkSeconds + 1);
    Limit(RLIMIT_FSIZE, 0, 0);
    Limit(RLIMIT_CORE, 0, 0);
#ifndef __SANITIZE_ADDRESS__  // the address sanitizer reserves terabytes of addresses for itself
    Limit(RLIMIT_AS, kAddressSpaceMB << 20, kAddressSpaceMB << 20);
#endif
}

// One byte more than the largest picture file tells a longer one.
QByteArray ReadStandardInput() {
    QByteArray bytes;
    constexpr qint64 kMost = kPictureFileLimitMB * kMB + 1;
    while (bytes.size() < kMost) {
        const qsizetype start = bytes.size();
        bytes.resize(std::min(kMost, start + kMB));
        const ssize_t got = ::read(STDIN_FILENO, bytes.data() + start, bytes.size() - start);
        if (got < 0 && errno == EINTR) {
            bytes.resize(start);
            continue;
        }
        if (got < 0) {
            Answer("cannot be read: " + Cause(errno));
        }
        bytes.resize(start + got);
        if (got == 0) {
            break;
        }
    }
    if (bytes.size() >= kMost) {
        Answer(
            QString("larger than %1 MB, more than a picture file may be").arg(kPictureFileLimitMB));
    }
    return bytes;
}

void Serve() {
    LimitReader();
    // Fonts for an SVG's text, without any display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "qelt-cad";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    // Every thread would take its share of the address space, however many cores there are.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    auto decoded = DecodePicture(ReadStandardInput());
    if (const auto* why = std::get_if<QString>(&decoded)) {
        Answer(*why);
    }
    const ReadPicture& read = std::get<ReadPicture>(decoded);
    const Header header{read.picture.width(), read.picture.height(), read.size.width(),
                        read.size.height(), 0};
    if (WriteAll(&header, sizeof header)) {
        WriteAll(read.picture.constBits(), read.picture.sizeInBytes());
    }
}

// Exactly `size` bytes of the reader's answer, as long as the deadline allows.
bool ReadExactly(int from, void* data, qint64 size, const QDeadlineTimer& deadline, bool& late) {
    char* next = static_cast<char*>(data);
    while (size > 0) {
        pollfd ready{from, POLLIN, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(deadline.remainingTime()));
        if (polled == 0) {
            late = true;
            return false;
        }
        const ssize_t got = polled < 0 ? -1 : ::read(from, next, size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        next += got;
        size -= got;
    }
    return true;
}

// A message may quote the file, which could hold characters that steer a terminal.
QString Printable(QString text) {
    for (QChar& character : text) {
        if (character.category() == QChar::Other_Control ||
            character.category() == QChar::Other_Format) {
            character = QChar::ReplacementCharacter;
        }
    }
    return text;
}

std::optional<std::variant<ReadPicture, QString>> TakeAnswer(int from, bool& late) {
    const QDeadlineTimer deadline(kWaitSeconds * 1000);
    Header header;
    if (!ReadExactly(from, &header, sizeof header, deadline, late)) {
        return std::nullopt;
    }
    if (header.messageBytes > 0 && header.messageBytes <= kLongestMessage) {
        QByteArray message(header.messageBytes, Qt::Uninitialized);
        if (!ReadExactly(from, message.data(), message.size(), deadline, late)) {
            return std::nullopt;
        }
        return Printable(QString::fromUtf8(message));
    }
    const qint64 bytes = qint64{header.width} * header.height * 4;
    if (header.width <= 0 || header.height <= 0 || bytes > kDecodedLimitMB * kMB) {
        return std::nullopt;
    }
    QImage picture(header.width, header.height, QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull()) {
        return QString("needs more memory than is free to show it");
    }
    if (!ReadExactly(from, picture.bits(), picture.sizeInBytes(), deadline, late)) {
        return std::nullopt;
    }
    return ReadPicture{std::move(picture), QSize(header.statedWidth, header.statedHeight)};
}

// Why a reader gave no answer.
QString Failure(int status, bool late) {
    if (late) {
        return QString("took longer than %1 seconds to read").arg(kWaitSeconds);
    }
    if (WIFSIGNALED(status) && (WTERMSIG(status) == SIGXCPU || WTERMSIG(status) == SIGKILL)) {
        return QString("needs more than %1 seconds of work to read").arg(kWorkSeconds);
    }
    if (WIFSIGNALED(status)) {
        return QString("stopped the program's picture reader (%1)")
            .arg(strsignal(WTERMSIG(status)));
    }
    return QString("cannot be read: the program's picture reader ended without an answer");
}

}  // namespace

bool IsPictureReader(int argc, char* argv[]) {
    return argc == 2 && std::strcmp(argv[1], kReaderArgument) == 0;
}

void ServePictureReader() {
    try {
        Serve();
    } catch (const std::bad_alloc&) {
        Answer(QString("needs more than %1 MB of memory to read").arg(kAddressSpaceMB));
    }
    std::_Exit(0);  // nothing of the reader needs tidying, and its parent waits
}

// The program file itself is started, even when it was replaced since: the reader is always the
// same build as the program that asks.
std::variant<ReadPicture, QString> ReadPictureInChild(int descriptor) {
    int answer[2];
    if (::pipe2(answer, O_CLOEXEC) != 0) {
        return "cannot be read: " + Cause(errno);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, descriptor, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, answer[1], STDOUT_FILENO);
    // Some image libraries write their lines straight to standard error.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES")) {
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    char name[] = "qelt-cad";
    char argument[sizeof kReaderArgument];
    std::memcpy(argument, kReaderArgument, sizeof kReaderArgument);
    char* arguments[] = {name, argument, nullptr};
    pid_t reader = 0;
    const int failed =
        posix_spawn(&reader, "/proc/self/exe", &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(answer[1]);
    if (failed != 0) {
        ::close(answer[0]);
        return "cannot be read: the program's picture reader did not start: " + Cause(failed);
    }
    bool late = false;
    auto taken = TakeAnswer(answer[0], late);
    ::close(answer[0]);
    ::kill(reader, SIGKILL);  // it has answered, or it is given up
    int status = 0;
    while (::waitpid(reader, &status, 0) < 0 && errno == EINTR) {
    }
    if (taken) {
        return std::move(*taken);
    }
    return Failure(status, late);
}

}  // namespace qelt::shell

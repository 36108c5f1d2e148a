#include "shell/qt_platform.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QTime>
#include <cerrno>
#include <system_error>

#include "shell/message_box.h"

namespace qelt::shell {

Single QtClock::Timer() {
    return static_cast<Single>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

namespace {

// An unbuffered write may take only part of what it is given, and a full disk shows only in
// the next one; the file is good only when every byte went in.
std::optional<std::string> WriteAll(QSaveFile& file, const std::string& bytes) {
    qint64 written = 0;
    const auto size = static_cast<qint64>(bytes.size());
    while (written < size) {
        const qint64 n = file.write(bytes.data() + written, size - written);
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

// Some file systems report a full disk or a failing device only when the data is flushed, and
// the save file would ignore that and put the damaged file in place of the old one.
std::optional<std::string> SyncToDisk(QSaveFile& file) {
    if (::fsync(file.handle()) != 0) {
        return std::generic_category().message(errno);
    }
    return std::nullopt;
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

std::optional<std::string> QtFileOutput::Replace(const std::string& name,
                                                 const std::string& bytes) {
    // Written by the name given, relative to the working directory even when that is gone.
    const QString file = QString::fromStdString(name);
    const auto failure = Write(file, bytes);
    if (!failure) {
        failedPath_.clear();
        return std::nullopt;
    }
    failedPath_ = QDir::current().absoluteFilePath(file);
    return WithFolderFault(*failure, QFileInfo(failedPath_).absolutePath());
}

std::optional<std::string> QtFileOutput::Write(const QString& name, const std::string& bytes) {
    QSaveFile file(name);
    // In a folder the user may not write in, a file there that the user may write is rewritten
    // in place, as editors do: the old file is then no longer kept until the new one is whole.
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a short write shows in the count written.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString().toStdString();
    }
    auto failure = WriteAll(file, bytes);
    if (!failure) {
        failure = SyncToDisk(file);
    }
    if (failure) {
        file.cancelWriting();
        return failure;
    }
    if (!file.commit()) {
        return file.errorString().toStdString();
    }
    return std::nullopt;
}

void QtSession::Show(Form form) {
    windows_.at(form)->show();
}

// One message at a time, modal so that it is read before the drawing goes on; a second one
// takes the place of the first rather than piling up over it. It names the file a failed write
// was to write, since the message itself gives only its name.
void QtSession::Alert(const std::string& text) {
    QWidget* main = windows_.at(Form::CAD8frm);
    auto* box = main->findChild<QMessageBox*>("AlertBox", Qt::FindDirectChildrenOnly);
    if (box == nullptr) {
        box = new QMessageBox(QMessageBox::Warning, "Qelt graphics", {}, QMessageBox::Ok, main);
        box->setObjectName("AlertBox");
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::ApplicationModal);
    }
    box->setText(QString::fromStdString(text));
    const QString path = output_.TakeFailedPath();
    box->setInformativeText(path.isEmpty() ? QString() : "The file it tried to write: " + path);
    ShowAsPlainText(*box);
    box->show();
}

void QtSession::End() {
    for (auto& [form, window] : windows_) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

}  // namespace qelt::shell

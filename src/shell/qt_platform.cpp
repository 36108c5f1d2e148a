#include "shell/qt_platform.h"

#include <unistd.h>

#include <QApplication>
#include <QDir>
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

}  // namespace

std::optional<std::string> QtFileOutput::Replace(const std::string& name,
                                                 const std::string& bytes) {
    // Written by the name given, relative to the working directory even when that is gone.
    const QString file = QString::fromStdString(name);
    auto failure = Write(file, bytes);
    failedPath_ = failure ? QDir::current().absoluteFilePath(file) : QString();
    return failure;
}

std::optional<std::string> QtFileOutput::Write(const QString& name, const std::string& bytes) {
    QSaveFile file(name);
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

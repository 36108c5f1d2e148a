// The platform parts on Qt: the clock and the session.
#include "shell/app/qt_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTime>
#include <iostream>

#include "shell/windows/message_box.h"

namespace qelt::shell {

Single QtClock::Timer() {
    return static_cast<Single>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
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

void QtSession::Print(Stream stream, const std::string& line) {
    (stream == Stream::Output ? std::cout : std::cerr) << line << std::endl;
}

void QtSession::End() {
    for (auto& [form, window] : windows_) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

}  // namespace qelt::shell

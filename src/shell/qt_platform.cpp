#include "shell/qt_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QSaveFile>
#include <QTime>

namespace qelt::shell {

Single QtClock::Timer() {
    return static_cast<Single>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

std::optional<std::string> QtFileOutput::Replace(const std::string& name,
                                                 const std::string& bytes) {
    QSaveFile file(QString::fromStdString(name));
    // Unbuffered, so that a short write on a full disk shows in the count written.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString().toStdString();
    }
    qint64 written = 0;
    const auto size = static_cast<qint64>(bytes.size());
    while (written < size) {
        const qint64 n = file.write(bytes.data() + written, size - written);
        if (n <= 0) {
            const std::string reason =
                n < 0 ? file.errorString().toStdString() : "the disk took no more data";
            file.cancelWriting();
            return reason;
        }
        written += n;
    }
    if (!file.commit()) {
        return file.errorString().toStdString();
    }
    return std::nullopt;
}

void QtSession::Show(Form form) { windows_.at(form)->show(); }

// Not modal, so that the user can put the cause right and try again at once.
void QtSession::Alert(const std::string& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, "Qelt graphics",
                                QString::fromStdString(text), QMessageBox::Ok,
                                windows_.at(Form::CAD8frm));
    box->setObjectName("AlertBox");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void QtSession::End() {
    for (auto& [form, window] : windows_) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

}  // namespace qelt::shell

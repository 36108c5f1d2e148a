// The display: the application object on it, and what the program says where there is none.
#include "shell/start/display.h"

#include <QByteArray>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <vector>

#include "shell/start/refusal.h"

namespace qelt::shell {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Qt's message handler is one plain function for the whole process, called from Qt's own
// threads too: what it needs lives here.
struct Messages {
    std::mutex mutex;
    QtMessageHandler previous = nullptr;
    std::optional<WithoutDisplay> opening;  // while the application object is made
    std::vector<HeldMessage> held;
};
Messages messages;

// While the application object is made, Qt's messages wait until it is known whether a display
// answered: where none does, they are advice about its plugins, and the program's own line
// takes their place.
void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(messages.mutex);
    if (!messages.opening) {
        messages.previous(type, context, text);
    } else if (type == QtFatalMsg) {
        if (messages.opening->says != nullptr) {
            Refuse(messages.opening->says, messages.opening->status);
        }
        std::_Exit(messages.opening->status);
    } else {
        messages.held.push_back({type, context.category, text});
    }
}

void Drop(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

void HoldQtMessagesUnlessAsked() {
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES")) {
        qInstallMessageHandler(Drop);
    }
}

std::unique_ptr<QApplication> OpenDisplay(int& argc, char* argv[], WithoutDisplay without) {
    // Nothing of a run is kept to restore it, and a session manager would start the program
    // again with an option it does not take.
    QCoreApplication::setAttribute(Qt::AA_DisableSessionManager);
    {
        const std::lock_guard lock(messages.mutex);
        messages.opening = without;
        messages.previous = qInstallMessageHandler(Hold);
    }
    auto application = std::make_unique<QApplication>(argc, argv);
    const std::lock_guard lock(messages.mutex);
    qInstallMessageHandler(messages.previous);
    messages.opening.reset();
    for (const HeldMessage& message : messages.held) {
        messages.previous(message.type,
                          QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
                          message.text);
    }
    messages.held.clear();
    return application;
}

bool SeenByAPerson() {
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

}  // namespace qelt::shell

#include "shell/display.h"

#include <QByteArray>
#include <cstdlib>
#include <iostream>
#include <vector>

namespace qelt::shell {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Qt's message handler is one plain function for the whole process: what it needs while the
// application object is made lives here, for that time only.
struct Opening {
    WithoutDisplay without;
    std::vector<HeldMessage> held;
};
Opening* opening = nullptr;

// Qt's messages wait until it is known whether a display answered: where none does, they are
// advice about its plugins, and the program's own line takes their place.
void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::cerr << opening->without.says;
        std::_Exit(opening->without.status);
    }
    opening->held.push_back({type, context.category, text});
}

}  // namespace

std::unique_ptr<QApplication> OpenDisplay(int& argc, char* argv[], WithoutDisplay without) {
    // Nothing of a run is kept to restore it, and a session manager would start the program
    // again with an option it does not take.
    QCoreApplication::setAttribute(Qt::AA_DisableSessionManager);
    Opening state{without, {}};
    opening = &state;
    const QtMessageHandler previous = qInstallMessageHandler(Hold);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    opening = nullptr;
    for (const HeldMessage& message : state.held) {
        previous(message.type,
                 QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
                 message.text);
    }
    return application;
}

bool SeenByAPerson() {
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

}  // namespace qelt::shell

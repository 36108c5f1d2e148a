#include <QApplication>

#include "shell/application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    qelt::shell::Application program;
    program.Start();
    return QApplication::exec();
}

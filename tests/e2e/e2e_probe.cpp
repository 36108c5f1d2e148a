// What the end-to-end scripts cannot see from outside the X server: where a control lies inside
// its window, and the colours on the screen.
//
//   e2e_probe locate WINDOW CONTROL   x y width height of CONTROL inside top-level WINDOW
//   e2e_probe shot X Y W H FILE.png   saves that part of the screen
//   e2e_probe colours FILE.png X Y R  the distinct colours "r,g,b" within R pixels of (X, Y)
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <QWidget>
#include <set>
#include <tuple>

#include "shell/app/application.h"

namespace {

int Usage() {
    QTextStream(stderr) << "usage: e2e_probe locate WINDOW CONTROL | shot X Y W H FILE.png"
                           " | colours FILE.png X Y R\n";
    return 2;
}

// The layout of a window is settled once it is shown, so the program is started as it starts
// on its own; the windows close again when the probe ends.
int Locate(const QString& window, const QString& control) {
    qelt::shell::Application program;
    program.Start();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() != window) {
            continue;
        }
        if (auto* child = top->findChild<QWidget*>(control)) {
            const QRect r(child->mapTo(top, QPoint(0, 0)), child->size());
            QTextStream(stdout) << r.x() << ' ' << r.y() << ' ' << r.width() << ' ' << r.height()
                                << '\n';
            return 0;
        }
    }
    QTextStream(stderr) << "no control " << control << " in window " << window << '\n';
    return 1;
}

int Shot(const QStringList& a, const QString& file) {
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, a[0].toInt(), a[1].toInt(),
                                                                      a[2].toInt(), a[3].toInt());
    return shot.save(file, "PNG") ? 0 : 1;
}

int Colours(const QString& file, int x, int y, int radius) {
    const QImage image(file);
    if (image.isNull()) {
        QTextStream(stderr) << "cannot read " << file << '\n';
        return 1;
    }
    std::set<std::tuple<int, int, int>> found;
    for (int j = y - radius; j <= y + radius; ++j) {
        for (int i = x - radius; i <= x + radius; ++i) {
            if (image.valid(i, j)) {
                const QColor c = image.pixelColor(i, j);
                found.emplace(c.red(), c.green(), c.blue());
            }
        }
    }
    QTextStream out(stdout);
    for (const auto& [r, g, b] : found) {
        out << r << ',' << g << ',' << b << '\n';
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList a = QApplication::arguments().mid(1);
    if (a.size() == 3 && a[0] == "locate") {
        return Locate(a[1], a[2]);
    }
    if (a.size() == 6 && a[0] == "shot") {
        return Shot(a.mid(1, 4), a[5]);
    }
    if (a.size() == 5 && a[0] == "colours") {
        return Colours(a[1], a[2].toInt(), a[3].toInt(), a[4].toInt());
    }
    return Usage();
}

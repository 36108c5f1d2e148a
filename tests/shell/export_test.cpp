// Pictures of a drawing written without a window: PNG pixels, SVG coordinates, one PDF page;
// names that may not be written to, and what is said of them.
#include <sys/stat.h>
#include <unistd.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <iostream>
#include <sstream>

#include "output/data_file.h"
#include "shell/export.h"
#include "support/example_file.h"
#include "support/picture_reader_main.h"
#include "support/scenario.h"

using qelt::shell::CommandLine;

class ExportTest : public QObject {
    Q_OBJECT

  private:
    // Canvas pixel (x, y) in a PNG at twice the canvas's pixels: right of and below the canvas's
    // grey frame, one canvas pixel wide.
    static QPoint OnCanvas(const QImage& png, int x, int y) {
        const QColor frame(Qt::gray);
        int left = 0;
        while (png.pixelColor(left, png.height() / 2) != frame) {
            ++left;
        }
        int top = 0;
        while (png.pixelColor(png.width() / 2, top) != frame) {
            ++top;
        }
        return {left + 2 + 2 * x, top + 2 + 2 * y};
    }

  private slots:
    // The example drawing is one segment from (100, 200) to (150, 250). Beside it: the data file
    // by another name, a blue picture, a pipe and a link to no file yet.
    void writesThePictureInTheFormatOfItsSuffix() {
        QTemporaryDir dir;
        QFile data(dir.filePath("Qelt-CAD-float.csv"));
        QVERIFY(data.open(QIODevice::WriteOnly) && data.write(kExampleFile) > 0);
        data.close();
        const auto path = [&](const char* name) { return dir.filePath(name).toStdString(); };
        QVERIFY(::link(path("Qelt-CAD-float.csv").c_str(), path("same.svg").c_str()) == 0);
        QImage blue(200, 100, QImage::Format_RGB32);
        blue.fill(QColor(0, 0, 200));
        QVERIFY(blue.save(dir.filePath("blue.png")));
        QVERIFY(::mkfifo(path("pipe.pdf").c_str(), 0600) == 0);
        QVERIFY(QFile::link(dir.filePath("none.png"), dir.filePath("link.png")));
        const auto read = [&](const QString& name) {
            QFile file(dir.filePath(name));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray blueBytes = read("blue.png");
        const QString madeFrom = ", which the picture is made from";
        const struct {
            const char* out;
            const char* backdrop;
            int status;
            QString cause;  // what is said after the name
            std::function<void()> check;
        } cases[] = {
            {"picture.png",
             nullptr,
             0,
             {},
             [&] {
                 const QImage png = QImage::fromData(read("picture.png"));
                 QCOMPARE(png.pixelColor(OnCanvas(png, 125, 225)), QColor(Qt::black));
                 QCOMPARE(png.pixelColor(OnCanvas(png, 125, 215)), QColor(Qt::white));
                 QCOMPARE(png.pixelColor(OnCanvas(png, 600, 400)), QColor(Qt::white));
             }},
            {"picture.svg",
             nullptr,
             0,
             {},
             [&] { QVERIFY(read("picture.svg").contains("points=\"100,200 150,250 \"")); }},
            {"picture.pdf",
             nullptr,
             0,
             {},
             [&] {
                 const QByteArray pdf = read("picture.pdf");
                 QCOMPARE(pdf.count("/Type /Page\n"), 1);
                 const auto box = QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])")
                                      .match(QString::fromLatin1(pdf));
                 QVERIFY(box.hasMatch());
                 const QSize png = QImage::fromData(read("picture.png")).size();
                 QCOMPARE(qRound(100 * box.captured(1).toDouble() / box.captured(2).toDouble()),
                          qRound(100.0 * png.width() / png.height()));
             }},
            // The picture under the drawing, lightened half way to white.
            {"over.png",
             "blue.png",
             0,
             {},
             [&] {
                 const QImage png = QImage::fromData(read("over.png"));
                 QCOMPARE(png.pixelColor(OnCanvas(png, 400, 300)), QColor(128, 128, 228));
             }},
            // None of the files read is written over, by whatever name.
            {"same.svg", nullptr, 1, "is the same file as " + data.fileName() + madeFrom,
             [&] { QCOMPARE(read("same.svg"), QByteArray(kExampleFile)); }},
            {"./blue.png", "blue.png", 1,
             "is the same file as " + dir.filePath("blue.png") + madeFrom,
             [&] { QCOMPARE(read("blue.png"), blueBytes); }},
            {"pipe.pdf", nullptr, 1, "is a pipe, device or socket, not a file to hold a picture",
             [&] {
                 struct stat info {};
                 QVERIFY(::stat(path("pipe.pdf").c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
             }},
            {"link.png", nullptr, 1,
             "is a symbolic link; a picture is written only under a file's own name",
             [&] { QVERIFY(!QFile::exists(dir.filePath("none.png"))); }},
            // Nothing of an unknown kind, and nothing half-written of any kind, is left.
            {"picture.txt", nullptr, 1, "the name must end in .png, .svg or .pdf",
             [&] {
                 QCOMPARE(QDir(dir.path())
                              .entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name),
                          QStringList({"Qelt-CAD-float.csv", "blue.png", "link.png", "over.png",
                                       "picture.pdf", "picture.png", "picture.svg", "pipe.pdf",
                                       "same.svg"}));
             }},
        };
        for (const auto& c : cases) {
            CommandLine command;
            command.file = data.fileName().toStdString();
            command.exportTo = dir.filePath(c.out).toStdString();
            if (c.backdrop != nullptr) {
                command.backdrop = path(c.backdrop);
            }
            std::ostringstream said;
            std::streambuf* const terminal = std::cerr.rdbuf(said.rdbuf());
            const int status = qelt::shell::ExportPicture(command);
            std::cerr.rdbuf(terminal);
            QCOMPARE(status, c.status);
            const QString line = "qelt-cad: " + dir.filePath(c.out) + ": " + c.cause + "\n";
            QCOMPARE(QString::fromStdString(said.str()), c.cause.isEmpty() ? QString() : line);
            c.check();
        }
    }

    // A point at y = 2: its square is cut at the top edge, and nothing runs to it from the square
    // drawn before, through canvas pixels 250..550 by 60..250.
    void aSquareCutByTheTopEdgeLeavesTheRestWhite() {
        qelt::DrawingState d;
        qelt::testing::AddLine(d, {{100, 300}, {200, 300}});
        qelt::testing::AddLine(d, {{600, 2}});
        QTemporaryDir dir;
        QFile data(dir.filePath("Qelt-CAD-float.csv"));
        QVERIFY(data.open(QIODevice::WriteOnly) && data.write(qelt::DataFileText(d).c_str()) > 0);
        data.close();
        CommandLine command;
        command.file = data.fileName().toStdString();
        command.exportTo = dir.filePath("picture.png").toStdString();
        command.scale = 2;
        QCOMPARE(qelt::shell::ExportPicture(command), 0);
        const QImage png(dir.filePath("picture.png"));
        QCOMPARE(png.pixelColor(OnCanvas(png, 604, 1)), QColor(Qt::black));
        const QImage away = png.copy(QRect(OnCanvas(png, 250, 60), QSize(600, 380)));
        QImage white(away.size(), away.format());
        white.fill(Qt::white);
        QCOMPARE(away, white);
    }
};

QELT_TEST_MAIN_READING_PICTURES(ExportTest)
#include "export_test.moc"

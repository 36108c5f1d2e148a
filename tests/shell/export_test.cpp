// Pictures of a drawing written without a window: PNG pixels, SVG groups, one PDF page; names
// that may not be written to, and what is said of them.
#include <sys/stat.h>
#include <unistd.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <iostream>
#include <sstream>

#include "output/data_file.h"
#include "shell/start/export.h"
#include "support/contrast.h"
#include "support/example_file.h"
#include "support/picture_reader_main.h"
#include "support/scenario.h"

using qelt::shell::CommandLine;

class ExportTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    // Three lines as the program writes them, the last one crossing the others.
    std::string ThreeLines() {
        qelt::DrawingState d;
        d.Lines8pudt[qelt::testing::AddLine(d, {{100, 100}, {300, 100}, {500, 200}})].Code = "GS";
        d.Lines8pudt[qelt::testing::AddLine(d, {{100, 300}, {400, 250}, {700, 300}})].Code = "S1";
        d.Lines8pudt[qelt::testing::AddLine(d, {{200, 50}, {250, 400}})].Code = "C";
        QFile file(dir_.filePath("drawing.csv"));
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray::fromStdString(qelt::DataFileText(d)));
        return file.fileName().toStdString();
    }

    // The picture of the three lines written to `out`, over the example section if `backdrop`.
    QByteArray Export(const QString& out, bool backdrop) {
        CommandLine command;
        command.file = ThreeLines();
        command.exportTo = dir_.filePath(out).toStdString();
        command.backdrop =
            backdrop ? std::optional<std::string>(QELT_DOCS "/example-section.svg") : std::nullopt;
        QFile file(dir_.filePath(out));
        const bool written = qelt::shell::ExportPicture(command) == 0;
        return written && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

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
             [&] { QVERIFY(read("picture.svg").contains("<title>Line 1, code UN</title>")); }},
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

    // The canvas's pixels as they were before lines had halos and pictures titles.
    void withoutABackdropTheCanvasIsUnchanged() {
        const QImage png = QImage::fromData(Export("plain.png", false));
        const QImage canvas = png.convertToFormat(QImage::Format_RGB32)
                                  .copy(QRect(OnCanvas(png, 0, 0), QSize(2 * 785, 2 * 442)));
        const QByteArrayView pixels(canvas.constBits(), canvas.sizeInBytes());
        QCOMPARE(QCryptographicHash::hash(pixels, QCryptographicHash::Md5).toHex(),
                 "3605a4532509a2f04ee34b6e2383d8ac");
    }

    // White, a pixel wide at the canvas's scale: black marks meet only black and white (21:1).
    void overABackdropEveryMarkHasALightHalo() {
        const QImage png = QImage::fromData(Export("halo.png", true));
        const QImage canvas = png.copy(QRect(OnCanvas(png, 0, 0), QSize(2 * 785, 2 * 442)));
        QCOMPARE(LeastContrast(canvas, Qt::black, {Qt::black}), 21.0);
        QString across;  // the line from (100, 100) to (300, 100), at two pixels per canvas pixel
        for (QPoint at = OnCanvas(png, 200, 98); across.size() < 10; ++at.ry()) {
            const QColor c = png.pixelColor(at);
            across += c == Qt::white ? 'W' : c == Qt::black ? 'B' : '-';
        }
        QCOMPARE(across, "-WWBBBBWW-");
    }

    // Each line a group named for it alone, its segments and squares one path (and the halo's).
    void anSvgHoldsEachLineAsOneGroup() {
        const QString svg = QString::fromUtf8(Export("lines.svg", true));
        const QRegularExpression titled("<g id=\"([^\"]+)\"[^>]*>\\s*<title>([^<]+)</title>");
        QStringList groups;
        for (const auto& group : titled.globalMatch(svg)) {
            groups << group.captured(1) + ": " + group.captured(2);
        }
        QCOMPARE(groups, QStringList({"backdrop: Backdrop", "halo: Halo under the lines",
                                      "line-1: Line 1, code GS", "line-2: Line 2, code S1",
                                      "line-3: Line 3, code C", "axis-labels: Axis labels"}));
        QCOMPARE(svg.count("<path "), 4);
        QVERIFY(svg.contains("<title>drawing.csv</title>") && !svg.contains(dir_.path()));
    }

    void everyFormatHasTheAxisTitles() {
        const QString svg = QString::fromUtf8(Export("titles.svg", false));
        QVERIFY(svg.contains(">Elevation (feet)</text>") &&
                svg.contains(">Cross Section lateral distance (feet)</text>"));
        // Ink left of the canvas's middle, and below it between the numbers at its two ends.
        const QImage png = QImage::fromData(Export("titles.png", false));
        const auto inked = [&](QRect r) {
            return LeastContrast(png.copy(r), Qt::white, {Qt::white}) < 21;
        };
        QVERIFY(inked(QRect(QPoint(0, OnCanvas(png, 0, 200).y()), OnCanvas(png, -3, 240))));
        QVERIFY(inked(QRect(OnCanvas(png, 150, 446), OnCanvas(png, 400, 456))));
        // Four numbers and two titles: six texts, each its own text object.
        int texts = 0;
        const QString pdf = QString::fromLatin1(Export("titles.pdf", false));
        const QRegularExpression streams("(?s)/FlateDecode\n>>\nstream\n(.*?)\nendstream");
        for (const auto& stream : streams.globalMatch(pdf)) {
            texts += qUncompress(QByteArray("\0\0\0\1", 4) + stream.captured(1).toLatin1())
                         .count("BT\n");
        }
        QCOMPARE(texts, 6);
    }
};

QELT_TEST_MAIN_READING_PICTURES(ExportTest)
#include "export_test.moc"

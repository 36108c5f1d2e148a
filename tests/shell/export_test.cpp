// Pictures of a drawing written without a window: PNG pixels, SVG groups, one PDF page.
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "output/data_file.h"
#include "shell/export.h"
#include "support/contrast.h"
#include "support/example_file.h"
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
        command.exportTo = dir_.filePath(out);
        command.scale = "2";
        command.backdrop =
            backdrop ? std::optional<QString>(QELT_DOCS "/example-section.svg") : std::nullopt;
        QFile file(*command.exportTo);
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
    // The example drawing is one segment from (100, 200) to (150, 250).
    void writesThePictureInTheFormatOfItsSuffix() {
        QTemporaryDir dir;
        QFile data(dir.filePath("Qelt-CAD-float.csv"));
        QVERIFY(data.open(QIODevice::WriteOnly) && data.write(kExampleFile) > 0);
        data.close();
        const auto read = [&](const QString& name) {
            QFile file(dir.filePath(name));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const struct {
            const char* out;
            int status;
            std::function<void()> check;
        } cases[] = {
            {"picture.png", 0,
             [&] {
                 const QImage png = QImage::fromData(read("picture.png"));
                 QCOMPARE(png.pixelColor(OnCanvas(png, 125, 225)), QColor(Qt::black));
                 QCOMPARE(png.pixelColor(OnCanvas(png, 125, 215)), QColor(Qt::white));
                 QCOMPARE(png.pixelColor(OnCanvas(png, 600, 400)), QColor(Qt::white));
             }},
            {"picture.svg", 0,
             [&] { QVERIFY(read("picture.svg").contains("<title>Line 1, code UN</title>")); }},
            {"picture.pdf", 0,
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
            // Nothing of an unknown kind, and nothing half-written of any kind, is left.
            {"picture.txt", 1,
             [&] {
                 QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
                          QStringList(
                              {"Qelt-CAD-float.csv", "picture.pdf", "picture.png", "picture.svg"}));
             }},
        };
        for (const auto& c : cases) {
            CommandLine command;
            command.file = data.fileName().toStdString();
            command.exportTo = dir.filePath(c.out);
            command.scale = "2";
            QCOMPARE(qelt::shell::ExportPicture(command), c.status);
            c.check();
        }
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

QTEST_MAIN(ExportTest)
#include "export_test.moc"

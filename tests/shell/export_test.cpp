// Pictures of a drawing written without a window: PNG pixels, SVG coordinates, one PDF page.
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "output/data_file.h"
#include "shell/export.h"
#include "support/example_file.h"
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
             [&] { QVERIFY(read("picture.svg").contains("points=\"100,200 150,250 \"")); }},
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
        command.exportTo = dir.filePath("picture.png");
        command.scale = "2";
        QCOMPARE(qelt::shell::ExportPicture(command), 0);
        const QImage png(dir.filePath("picture.png"));
        QCOMPARE(png.pixelColor(OnCanvas(png, 604, 1)), QColor(Qt::black));
        const QImage away = png.copy(QRect(OnCanvas(png, 250, 60), QSize(600, 380)));
        QImage white(away.size(), away.format());
        white.fill(Qt::white);
        QCOMPARE(away, white);
    }
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"

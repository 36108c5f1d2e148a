// The canvas's pixels on the screen and in pictures, after real clicks.
#include <QApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "interaction/mouse.h"
#include "plotting/rendering.h"
#include "shell/app/application.h"
#include "shell/pictures/backdrop.h"
#include "support/contrast.h"
#include "support/picture_reader_main.h"

using qelt::shell::Application;

// The drawing as it reaches the pixels of the real canvas.
class CanvasPixelsTest : public QObject {
    Q_OBJECT

  private:
    static const QColor kBlack;
    static const QColor kNearBlack;
    static const QColor kLightGrey;
    static const QColor kWhite;

    static QPoint OnCanvas(int x, int y) { return {x + 2, y + 2}; }  // inside the 2-pixel border

    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    static void ClickCanvas(Application& app, int x, int y) {
        QTest::mouseClick(app.mainWindow().canvas, Qt::LeftButton, {}, OnCanvas(x, y));
    }

    // Draws a line with the buttons and the mouse, as a user would.
    static void DrawLine(Application& app, std::initializer_list<std::pair<int, int>> points) {
        qelt::shell::MainWindow& w = app.mainWindow();
        Click(w.button1);
        for (auto [x, y] : points) {
            ClickCanvas(app, x, y);
        }
        Click(w.button3);
    }

    // Puts a line straight into the drawing; points off the canvas cannot be clicked.
    static void AddLine(qelt::Program& p, std::initializer_list<std::pair<int, int>> points) {
        qelt::DrawingState& d = p.drawing;
        qelt::LineRec& line = d.Lines8pudt[++d.LineCount8pint];
        line.InUse = true;
        line.LineNo = d.LineCount8pint;
        line.Code = "UN";
        for (auto [x, y] : points) {
            const auto slot = ++d.PointsUsed8pint;
            d.Points8pudt[slot] = {static_cast<qelt::Integer>(x), static_cast<qelt::Integer>(y),
                                   true};
            line.PtIdx[++line.PtCount] = slot;
        }
    }

    static QImage Image(Application& app) { return app.mainWindow().canvas->image(); }

    // Every pixel of the canvas is white or one of the colours asked for: nothing blended.
    static bool OnlyColours(const QImage& image, std::initializer_list<QColor> colours) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c != kWhite && std::find(colours.begin(), colours.end(), c) == colours.end()) {
                    qWarning() << "pixel" << x << y << c;
                    return false;
                }
            }
        }
        return true;
    }

  private slots:
    void aDrawnLineIsBlackAlongItsWholeLength() {
        Application app;
        app.Start();
        DrawLine(app, {{100, 100}, {300, 100}, {500, 200}});
        const QImage& image = Image(app);
        for (int x = 100; x <= 300; ++x) {
            QCOMPARE(image.pixelColor(x, 100), kBlack);
            QCOMPARE(image.pixelColor(x, 99), kBlack);  // two pixels wide
        }
        for (int x = 110; x <= 290; ++x) {
            QCOMPARE(image.pixelColor(x, 98), kWhite);
            QCOMPARE(image.pixelColor(x, 101), kWhite);
        }
        for (int x = 300; x <= 500; x += 2) {
            QCOMPARE(image.pixelColor(x, 100 + (x - 300) / 2), kBlack);
        }
        QVERIFY(OnlyColours(image, {kBlack}));
    }

    void aPointIsASquareWithACentreDot() {
        Application app;
        app.Start();
        DrawLine(app, {{400, 200}});
        const QImage& image = Image(app);
        // A symbol unit of 7.85 pixels: half extent nearest(3.925) = 4.
        for (auto [x, y] : {std::pair{396, 196},
                            {404, 196},
                            {404, 204},
                            {396, 204},
                            {400, 196},
                            {404, 200},
                            {400, 204},
                            {396, 200},
                            {400, 200}}) {
            QCOMPARE(image.pixelColor(x, y), kBlack);
        }
        for (auto [x, y] : {std::pair{395, 196},
                            {405, 204},
                            {396, 195},
                            {404, 205},
                            {401, 201},
                            {398, 200},
                            {400, 202}}) {
            QCOMPARE(image.pixelColor(x, y), kWhite);
        }
        QVERIFY(OnlyColours(image, {kBlack}));
    }

    void lineSearchShowsTheFoundLineNearBlackAndTheOthersGrey() {
        Application app;
        app.Start();
        DrawLine(app, {{100, 100}, {300, 150}});
        DrawLine(app, {{100, 300}, {300, 350}});
        Click(app.mainWindow().button2);
        ClickCanvas(app, 200, 120);
        QVERIFY(app.program().actions.LineSearchOn8pbol);
        QCOMPARE(app.program().drawing.SelectedLine8pint, qelt::Integer{1});
        const QImage& image = Image(app);
        // The segments' start dots are in the foreground colour, black, and the squares
        // cover the ends; in between, each line has its own colour.
        for (int x = 108; x <= 292; x += 4) {
            QCOMPARE(image.pixelColor(x, 100 + (x - 100) / 4), kNearBlack);
            QCOMPARE(image.pixelColor(x, 300 + (x - 100) / 4), kLightGrey);
        }
        QCOMPARE(image.pixelColor(96, 96), kNearBlack);  // a corner of a square
        QCOMPARE(image.pixelColor(304, 354), kLightGrey);
        QVERIFY(OnlyColours(image, {kBlack, kNearBlack, kLightGrey}));
    }

    void aVertexOffTheCanvasIsReachedUpToTheEdge() {
        Application app;
        app.Start();
        AddLine(app.program(), {{100, 100}, {900, 250}, {100, 300}});
        qelt::RedrawAll(app.program().plotView());
        const QImage& image = Image(app);
        for (int y = 110; y <= 290; ++y) {  // where a chord would run
            QCOMPARE(image.pixelColor(100, y), kWhite);
        }
        for (int x = 120; x <= 780; x += 20) {
            QCOMPARE(image.pixelColor(x, 100 + (x - 100) * 150 / 800), kBlack);
            QCOMPARE(image.pixelColor(x, 300 - (x - 100) * 50 / 800), kBlack);
        }
    }

    // The square of a point at y = 2 is cut at the top edge; nothing runs to it from the square
    // drawn before.
    void aSquareCutByTheTopEdgeLeavesTheRestWhite() {
        Application app;
        app.Start();
        DrawLine(app, {{100, 300}, {200, 300}});
        DrawLine(app, {{600, 2}});
        QImage image = Image(app);
        QCOMPARE(image.pixelColor(604, 0), kBlack);
        QPainter(&image).fillRect(QRect(95, 295, 111, 11), Qt::white);
        QPainter(&image).fillRect(QRect(595, 0, 11, 8), Qt::white);
        QVERIFY(OnlyColours(image, {}));
    }

    void theZoomBoxIsOutlinedInNearBlackWhileDragging() {
        Application app;
        app.Start();
        Click(app.mainWindow().zoomInBox);
        qelt::RedrawAll(app.program().plotView());
        const QImage& image = Image(app);
        // The start-up frame: 196..588 by 111..331.
        for (int x = 196; x <= 588; ++x) {
            QCOMPARE(image.pixelColor(x, 111), kNearBlack);
            QCOMPARE(image.pixelColor(x, 331), kNearBlack);
        }
        for (int y = 111; y <= 331; ++y) {
            QCOMPARE(image.pixelColor(196, y), kNearBlack);
            QCOMPARE(image.pixelColor(588, y), kNearBlack);
        }
        QCOMPARE(image.pixelColor(392, 221), kWhite);
    }

    void theWidgetShowsTheDrawingInsideItsBorder() {
        Application app;
        app.Start();
        DrawLine(app, {{100, 100}, {300, 100}});
        const QImage shown = app.mainWindow().canvas->grab().toImage();
        QCOMPARE(shown.pixelColor(OnCanvas(200, 100)), kBlack);
        QCOMPARE(shown.pixelColor(OnCanvas(200, 110)), kWhite);
    }

    // Only what a change drew on or erased is painted again; the screen shows all the canvas holds.
    void theScreenFollowsEveryChange() {
        Application app;
        app.Start();
        qelt::shell::MainWindow& w = app.mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect area(w.canvas->mapTo(&w, w.canvas->contentsRect().topLeft()),
                         w.canvas->contentsRect().size());
        const auto screen = [&] {
            return w.screen()
                ->grabWindow(w.winId(), area.x(), area.y(), area.width(), area.height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        DrawLine(app, {{100, 100}, {300, 150}, {400, 300}});
        QTRY_COMPARE(screen(), Image(app));
        Click(w.button2);
        ClickCanvas(app, 200, 200);
        Click(w.button2);
        Click(w.button4);  // the line goes, and comes back
        QTRY_COMPARE(screen(), Image(app));
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE(screen(), Image(app));
    }

    // Run again on screens scaled by 150 % and 200 % (see CMakeLists.txt): the points stay in
    // canvas pixels, and a 2-pixel line is as many device pixels thick all along.
    void linesHaveAnEvenWidthOnAScaledScreen() {
        Application app;
        app.Start();
        DrawLine(app, {{101, 100}, {301, 100}, {301, 300}});
        const qelt::DrawingState& d = app.program().drawing;
        QCOMPARE(qelt::PointOf(d, 1, 2).X, qelt::Integer{301});
        QCOMPARE(qelt::PointOf(d, 1, 2).Y, qelt::Integer{100});
        const QImage& image = Image(app);
        const qreal ratio = image.devicePixelRatio();
        QCOMPARE(ratio, app.mainWindow().devicePixelRatioF());
        const int thick = qRound(2 * ratio);
        const auto black = [&](int x, int y) { return image.pixelColor(x, y) == kBlack ? 1 : 0; };
        for (int x = qRound(120 * ratio); x < qRound(280 * ratio); ++x) {
            int across = 0;
            for (int y = qRound(90 * ratio); y < qRound(110 * ratio); ++y) {
                across += black(x, y);
            }
            QCOMPARE(across, thick);
        }
        for (int y = qRound(120 * ratio); y < qRound(280 * ratio); ++y) {
            int across = 0;
            for (int x = qRound(290 * ratio); x < qRound(310 * ratio); ++x) {
                across += black(x, y);
            }
            QCOMPARE(across, thick);
        }
    }

    // Pictures of the canvas's size in one colour each, lightened half way to white; one has a
    // name that is not UTF-8. A picture that refers to itself is refused like a damaged one.
    void aBackdropLiesUnderTheDrawingAndADroppedPictureReplacesIt() {
        QTemporaryDir dir;
        const auto picture = [&](const char* name, QColor colour) {
            QImage image(785, 442, QImage::Format_RGB32);
            image.fill(colour);
            QVERIFY(image.save(dir.filePath(name)));
        };
        picture("red.png", QColor(200, 0, 0));
        picture("blue.bmp", QColor(0, 0, 201));
        const QByteArray folder = QFile::encodeName(dir.path()) + '/';
        const QByteArray blue = folder + "blue.bmp", unnamed = folder + "bl\xe9u.bmp";
        QVERIFY(std::rename(blue, unnamed) == 0);
        const auto write = [&](const char* name, const QByteArray& bytes) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        };
        write("damaged.png", "\x89PNG\r\n\x1a\n");
        write("self.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" width="9" height="9" )"
                          R"(xmlns:xlink="http://www.w3.org/1999/xlink">)"
                          R"(<image xlink:href="self.svg" width="9" height="9"/></svg>)");
        const auto drop = [&](QWidget* window, const char* name) {
            QMimeData data;
            data.setUrls(
                {QUrl::fromEncoded("file://" + QByteArray(folder + name).toPercentEncoding("/"))});
            // A drop reaches only the window or control that took the drag as it entered.
            QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(window, &enter);
            QDropEvent event({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(window, &event);
        };
        Application app;
        app.Start();
        drop(&app.mainWindow(), "red.png");
        DrawLine(app, {{100, 100}, {300, 100}});
        QCOMPARE(Image(app).pixelColor(200, 100), kBlack);
        QCOMPARE(Image(app).pixelColor(200, 300), QColor(228, 128, 128));
        drop(&app.mapWindow(), "bl\xe9u.bmp");
        QCOMPARE(Image(app).pixelColor(200, 100), kBlack);
        QCOMPARE(Image(app).pixelColor(200, 300), QColor(128, 128, 228));
        QCOMPARE(app.mainWindow().completion->text(), "Backdrop bl\ufffdu.bmp, 785 x 442 pixels");
        app.program().drawing.LineCount8pint = 0;  // the next repaint puts the picture back
        qelt::RedrawAll(app.program().plotView());
        QCOMPARE(Image(app).pixelColor(200, 100), QColor(128, 128, 228));
        app.program().drawing.LineCount8pint = 1;
        drop(app.listWindow().findChild<QWidget*>("List7"), "damaged.png");
        QCOMPARE(Image(app).pixelColor(200, 300), QColor(128, 128, 228));
        QCOMPARE(app.program().drawing.LineCount8pint, qelt::Integer{1});
        const auto* box = app.mainWindow().findChild<QMessageBox*>("AlertBox");
        QVERIFY(box != nullptr &&
                box->text().startsWith(dir.filePath("damaged.png") + ": damaged"));
        drop(&app.mainWindow(), "self.svg");
        QCOMPARE(box->text(), dir.filePath("self.svg") + ": an SVG that refers to other files");
        QCOMPARE(Image(app).pixelColor(200, 300), QColor(128, 128, 228));
        QVERIFY(std::remove(unnamed) == 0);  // a name the temporary folder cannot take away
    }

    // A light halo sets every line off from a light drawing and from a dark photograph alike.
    void overABackdropTheFoundLineAndTheOthersStandOut() {
        QTemporaryDir dir;
        QVERIFY(DarkPhotograph({785, 442}).save(dir.filePath("dark.png")));
        for (const QString& picture :
             {QString(QELT_DOCS "/example-section.svg"), dir.filePath("dark.png")}) {
            Application app;
            app.Start();
            app.ShowBackdrop(
                std::get<qelt::shell::Backdrop>(qelt::shell::ReadBackdrop(picture.toStdString())));
            DrawLine(app, {{100, 100}, {300, 150}, {700, 120}});
            DrawLine(app, {{100, 300}, {300, 250}, {700, 420}});
            Click(app.mainWindow().button2);
            ClickCanvas(app, 200, 120);
            QCOMPARE(app.program().drawing.SelectedLine8pint, qelt::Integer{1});
            const QImage around = Image(app).copy(90, 90, 620, 340);  // a picture holds greys too
            QCOMPARE_GE(LeastContrast(around, kLightGrey, {kBlack, kNearBlack, kLightGrey}), 1.5);
            QCOMPARE_GE(LeastContrast(around, kNearBlack, {kBlack, kNearBlack, kLightGrey}), 3.0);
        }
    }

    // Whatever the last repaint drew, the next starts from the bare canvas, white or the
    // backdrop: lines through the image's last pixels, and more drawn between two repaints
    // than a clear keeps account of.
    void aRepaintStartsFromTheBareCanvas_data() {
        QTest::addColumn<bool>("backdrop");
        QTest::addColumn<int>("linesBetween");
        QTest::newRow("white") << false << 0;
        QTest::newRow("backdrop") << true << 0;
        QTest::newRow("white, much drawn between") << false << 100;
        QTest::newRow("backdrop, much drawn between") << true << 100;
    }
    void aRepaintStartsFromTheBareCanvas() {
        QFETCH(bool, backdrop);
        QFETCH(int, linesBetween);
        Application app;
        app.Start();
        if (backdrop) {
            app.ShowBackdrop({DarkPhotograph({785, 442}), "dark.png", {785, 442}});
        }
        qelt::Program& p = app.program();
        qelt::RedrawAll(p.plotView());
        const QImage bare = Image(app).copy();
        AddLine(p, {{0, 0}, {784, 441}, {400, 0}, {0, 441}, {784, 0}});
        AddLine(p, {{100, 100}, {300, 100}, {300, 300}});
        qelt::RedrawAll(p.plotView());
        QVERIFY(Image(app) != bare);
        qelt::Canvas& canvas = *app.mainWindow().canvas;
        for (int x = 0; x < linesBetween; ++x) {
            canvas.MoveTo(static_cast<qelt::Single>(x), 0);
            canvas.Line(static_cast<qelt::Single>(x), 441, 0);
        }
        p.drawing.LineCount8pint = 0;
        qelt::RedrawAll(p.plotView());
        QVERIFY(Image(app) == bare);
    }

    // A repaint after any other shows exactly what one onto a whole clear canvas shows: random
    // drawings, lines cut at every edge among them, one after another.
    void aRepaintAfterAnotherDrawsWhatAFreshOneDraws_data() {
        QTest::addColumn<bool>("backdrop");
        QTest::newRow("white") << false;
        QTest::newRow("backdrop") << true;
    }
    void aRepaintAfterAnotherDrawsWhatAFreshOneDraws() {
        QFETCH(bool, backdrop);
        Application app;
        app.Start();
        const QImage picture = backdrop ? DarkPhotograph({785, 442}) : QImage();
        if (backdrop) {
            app.ShowBackdrop({picture, "dark.png", {785, 442}});
        }
        qelt::Program& p = app.program();
        QRandomGenerator dice(2026);
        for (int round = 0; round < 30; ++round) {
            p.drawing.LineCount8pint = p.drawing.PointsUsed8pint = 0;
            for (int line = 1 + dice.bounded(3); line > 0; --line) {
                p.drawing.Lines8pudt[p.drawing.LineCount8pint + 1] = {};
                AddLine(p, {});
                for (int point = 1 + dice.bounded(18); point > 0; --point) {
                    qelt::DrawingState& d = p.drawing;
                    d.Points8pudt[++d.PointsUsed8pint] = {
                        static_cast<qelt::Integer>(dice.bounded(-8, 793)),
                        static_cast<qelt::Integer>(dice.bounded(-8, 450)), true};
                    qelt::LineRec& rec = d.Lines8pudt[d.LineCount8pint];
                    rec.PtIdx[++rec.PtCount] = d.PointsUsed8pint;
                }
            }
            qelt::RedrawAll(p.plotView());
            const QImage afterAnother = Image(app);
            app.mainWindow().canvas->SetBackground(picture);  // the next clear is whole
            qelt::RedrawAll(p.plotView());
            QVERIFY2(afterAnother == Image(app), qPrintable(QString("round %1").arg(round)));
        }
    }
};

const QColor CanvasPixelsTest::kBlack(0, 0, 0);
const QColor CanvasPixelsTest::kNearBlack(1, 1, 1);
const QColor CanvasPixelsTest::kLightGrey(192, 192, 192);
const QColor CanvasPixelsTest::kWhite(255, 255, 255);

QELT_TEST_MAIN_READING_PICTURES(CanvasPixelsTest)
#include "canvas_pixels_test.moc"

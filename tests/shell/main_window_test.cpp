// The main window driven by simulated clicks: captions, enabled states and keys.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "output/read_data_file.h"
#include "shell/app/application.h"
#include "support/example_file.h"

using qelt::shell::Application;

// Drives the real main window with simulated clicks.
class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    static QPoint OnCanvas(int x, int y) { return {x + 2, y + 2}; }  // inside the 2-pixel border

    static void ClickCanvas(Application& app, Qt::MouseButton button, int x, int y) {
        QTest::mouseClick(app.mainWindow().canvas, button, {}, OnCanvas(x, y));
    }

    static QString Caption(QAbstractButton* button) { return button->text(); }

    // Started, with a new line of one point under way.
    static void StartAndDrawAPoint(Application& app) {
        app.Start();
        QTest::mouseClick(app.mainWindow().button1, Qt::LeftButton);
        ClickCanvas(app, Qt::LeftButton, 10, 10);
    }

    // A new empty working directory, also the user's state folder, until the end of the scope.
    struct InTemporaryFolder {
        InTemporaryFolder() { QDir::setCurrent(dir.path()); }
        ~InTemporaryFolder() { QDir::setCurrent(home); }
        QStringList Kept() const { return QDir("qelt-cad").entryList(QDir::Files); }
        QTemporaryDir dir;
        QString home = QDir::currentPath();
        bool set = qputenv("XDG_STATE_HOME", QFile::encodeName(dir.path()));
    };

  private slots:
    void startsIdleWithEveryControlInPlace() {
        Application app;
        app.Start();
        qelt::shell::MainWindow& w = app.mainWindow();
        QCOMPARE(w.windowTitle(), QString("Qelt graphics"));
        QCOMPARE(w.size(), QSize(962, 606));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(255, 224, 192));
        QVERIFY(w.isVisible());
        QCOMPARE(Caption(w.button1), QString("Add a new line"));
        QVERIFY(w.button1->isEnabled());
        QCOMPARE(Caption(w.button2), QString("2) Select_Un/Assign_Yes"));
        QVERIFY(!w.button2->isEnabled());
        QVERIFY(!w.button3->isEnabled());
        QVERIFY(!w.button4->isEnabled());
        QVERIFY(!w.cancel->isEnabled());
        QCOMPARE(w.prompt->text(), QString("waiting for your next activity"));

        QCOMPARE(w.canvas->geometry(), QRect(54, 126, 789, 446));
        QCOMPARE(w.canvas->contentsRect().size(), QSize(785, 442));
        QCOMPARE(w.button1->geometry(), QRect(7, 98, 123, 22));
        QCOMPARE(w.end->geometry(), QRect(843, 126, 95, 49));
        QCOMPARE(w.prompt->font().bold(), true);

        const QImage image = w.canvas->image();
        QCOMPARE(image.size(), QSize(785, 442));
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                QCOMPARE(image.pixelColor(x, y), QColor(Qt::white));
            }
        }
    }

    void everyNamedControlExists() {
        Application app;
        const char* const names[] = {
            "ZoomOut_8cbn", "Command1",      "Command6",       "List1",          "List12",
            "Text1",        "Text5",         "Label20",        "selectInfo8lbl", "FoundLine_8lbl",
            "Label22",      "comment1_8lbl", "comment10_8lbl", "Label17",        "or8lbl",
            "Label1",       "Label2",        "Image2",         "LineNumber8lbl", "Label21"};
        for (const char* name : names) {
            QVERIFY2(app.mainWindow().findChild<QWidget*>(name) != nullptr, name);
        }
        QCOMPARE(app.mainWindow().findChild<QPushButton*>("ZoomOut_8cbn")->text(),
                 QString("Zoom Out x2"));
        QCOMPARE(app.mainWindow().findChild<QLabel*>("Label22")->text(), QString("Label21"));
    }

    void theOperationLabelShowsWholeBeforeTheNextOne() {
        Application app;
        const auto* operation = app.mainWindow().findChild<QLabel*>("Label20");
        const auto* next = app.mainWindow().findChild<QLabel*>("Label18");
        QVERIFY(operation->fontMetrics().horizontalAdvance(operation->text()) <=
                operation->contentsRect().width());
        QVERIFY(operation->geometry().right() < next->x());
    }

    void theElevationCaptionIsDrawnBottomToTop() {
        Application app;
        auto* image = app.mainWindow().findChild<QLabel*>("Image2");
        QCOMPARE(image->geometry(), QRect(10, 315, 19, 91));
        const QImage pixels = image->pixmap().toImage();
        int dark = 0;
        for (int y = 0; y < pixels.height(); ++y) {
            for (int x = 0; x < pixels.width(); ++x) {
                dark += qGray(pixels.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        QVERIFY2(dark > 20, "the words are drawn");
    }

    void drawsALineThroughTheButtonsAndTheCanvas() {
        Application app;
        app.Start();
        qelt::shell::MainWindow& w = app.mainWindow();
        QTest::mouseClick(w.button1, Qt::LeftButton);
        QCOMPARE(Caption(w.button3), QString("Done adding Line"));
        ClickCanvas(app, Qt::LeftButton, 100, 100);
        ClickCanvas(app, Qt::RightButton, 300, 200);
        QCOMPARE(w.completion->text(), QString("   UP "));
        QTest::mouseClick(w.button3, Qt::LeftButton);
        QCOMPARE(w.completion->text(),
                 QString("Action completed... Done with creating a new Line"));
        QCOMPARE(Caption(w.button2), QString("Modify a Line"));
        QVERIFY(w.button2->isEnabled());
        const qelt::DrawingState& d = app.program().drawing;
        QCOMPARE(d.LineCount8pint, qelt::Integer{1});
        QCOMPARE(d.Lines8pudt[1].PtCount, qelt::Integer{2});
        QCOMPARE(qelt::PointOf(d, 1, 2).X, qelt::Integer{300});
        QCOMPARE(qelt::PointOf(d, 1, 2).Y, qelt::Integer{200});
    }

    // Widget positions on the canvas's 2-pixel frame and just inside it; -1 where no point is
    // added.
    void onlyPressesOnTheDrawingAreaAddPoints_data() {
        QTest::addColumn<QPoint>("pressed");
        QTest::addColumn<QPoint>("stored");
        QTest::newRow("frame top left") << QPoint(1, 1) << QPoint(-1, -1);
        QTest::newRow("frame inner edge") << QPoint(1, 100) << QPoint(-1, -1);
        QTest::newRow("frame bottom right") << QPoint(788, 445) << QPoint(-1, -1);
        QTest::newRow("frame right") << QPoint(787, 100) << QPoint(-1, -1);
        QTest::newRow("area top left") << QPoint(2, 2) << QPoint(0, 0);
        QTest::newRow("area bottom right") << QPoint(786, 443) << QPoint(784, 441);
    }
    void onlyPressesOnTheDrawingAreaAddPoints() {
        QFETCH(QPoint, pressed);
        QFETCH(QPoint, stored);
        Application app;
        app.Start();
        QTest::mouseClick(app.mainWindow().button1, Qt::LeftButton);
        QTest::mouseClick(app.mainWindow().canvas, Qt::LeftButton, {}, pressed);
        const qelt::DrawingState& d = app.program().drawing;
        QCOMPARE(int(d.Lines8pudt[1].PtCount), stored.x() >= 0 ? 1 : 0);
        if (stored.x() >= 0) {
            QCOMPARE(QPoint(qelt::PointOf(d, 1, 1).X, qelt::PointOf(d, 1, 1).Y), stored);
        }
    }

    // Carried off a screen of any size, the pointer stays where a file can hold a point.
    void aHeldPointerStaysWithinTheFileBounds() {
        Application app;
        app.Start();
        QTest::mousePress(app.mainWindow().canvas, Qt::LeftButton, {}, OnCanvas(10, 10));
        QTest::mouseMove(app.mainWindow().canvas, QPoint(40000, -40000));
        const qelt::MouseState& m = app.program().mouse;
        QCOMPARE(QPoint(m.MouseX8pint, m.MouseY8pint), QPoint(16383, -16384));
        QTest::mouseRelease(app.mainWindow().canvas, Qt::LeftButton, {}, OnCanvas(10, 10));
    }

    void aMoveOverTheFrameIsNoCanvasMove() {
        Application app;
        app.Start();
        QTest::mouseMove(app.mainWindow().canvas, QPoint(1, 1));
        QCOMPARE(app.program().mouse.MouseWhere8pstr, qelt::MouseWhere::FORM);
    }

    void aDisabledButtonDoesNothing() {
        Application app;
        app.Start();
        QTest::mouseClick(app.mainWindow().button4, Qt::LeftButton);
        QTest::mouseClick(app.mainWindow().cancel, Qt::LeftButton);
        QCOMPARE(app.mainWindow().prompt->text(), QString("waiting for your next activity"));
    }

    void endStopsTheEventLoopAndWritesNothing() {
        InTemporaryFolder folder;
        {
            Application app;
            StartAndDrawAPoint(app);
            QTimer::singleShot(0, app.mainWindow().end,
                               [&] { QTest::mouseClick(app.mainWindow().end, Qt::LeftButton); });
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY(!app.mainWindow().isVisible());
            QVERIFY(!app.crossSectionWindow().isVisible());
            QVERIFY(app.program().ended);
            ClickCanvas(app, Qt::LeftButton, 20, 20);
            QCOMPARE(app.program().drawing.Lines8pudt[1].PtCount, qelt::Integer{1});
            QCOMPARE(folder.Kept().size(), 1);  // the drawing not written
        }
        QVERIFY(QDir(folder.dir.path()).entryList(QDir::Files).isEmpty());
    }

    void keyboardFocusFollowsTheAction() {
        Application app;
        app.Start();
        qelt::shell::MainWindow& w = app.mainWindow();
        QCOMPARE(w.focusWidget(), w.button1);
        QTest::keyClick(w.button1, Qt::Key_Space);
        QCOMPARE(w.focusWidget(), w.button3);
        ClickCanvas(app, Qt::LeftButton, 10, 10);
        QTest::keyClick(w.button3, Qt::Key_Space);
        QCOMPARE(w.focusWidget(), w.button2);
        QTest::keyClick(w.button2, Qt::Key_Space);
        QCOMPARE(w.focusWidget(), w.cancel);
        QVERIFY(!app.program().mouse.ZoomBoxArmed8pbol);
    }

    // With a line under way, Backspace and Ctrl+Z take its last point back, Ctrl+Y and
    // Ctrl+Shift+Z give it again, and Escape cancels it.
    void theKeysWhileALineIsAddedAndEscapeWhenCancelIsEnabled() {
        Application app;
        app.Start();
        qelt::shell::MainWindow& w = app.mainWindow();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(w.prompt->text(), QString("waiting for your next activity"));
        QTest::mouseClick(w.button1, Qt::LeftButton);
        ClickCanvas(app, Qt::LeftButton, 10, 10);
        ClickCanvas(app, Qt::LeftButton, 20, 10);
        QTest::keyClick(w.focusWidget(), Qt::Key_Backspace);  // takes the last point back
        QTest::keyClick(w.focusWidget(), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(w.focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.completion->text(), QString("Nothing to redo since the new line began"));
        QCOMPARE(app.program().drawing.Lines8pudt[1].PtCount, qelt::Integer{2});
        QTest::keyClick(w.focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.completion->text(), QString("Undone: point added"));
        QCOMPARE(w.canvas->image().pixelColor(15, 10), QColor(Qt::white));
        QTest::keyClick(w.focusWidget(), Qt::Key_Escape);
        QCOMPARE(app.program().drawing.LineCount8pint, qelt::Integer{0});
        QVERIFY(w.button1->isEnabled());
        QVERIFY(!w.cancel->isEnabled());
        QCOMPARE(w.focusWidget(), w.button1);
    }

    void tabVisitsOnlyControlsInsideTheWindow() {
        Application app;
        app.Start();
        qelt::shell::MainWindow& w = app.mainWindow();
        QStringList visited;
        do {
            QWidget* focused = w.focusWidget();
            QVERIFY2(w.rect().contains(focused->geometry()), qPrintable(focused->objectName()));
            visited << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
        } while (w.focusWidget() != w.button1 && visited.size() < 100);
        QCOMPARE(visited.size(), 10);
    }

    // The close box with a line drawn asks first; each answer, and what the folder then holds.
    void closeBoxAsksBeforeTheDrawingIsLost_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("written");
        QTest::newRow("save") << int(QMessageBox::Save) << true << true;
        QTest::newRow("discard") << int(QMessageBox::Discard) << true << false;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false;
    }
    void closeBoxAsksBeforeTheDrawingIsLost() {
        QFETCH(int, answer);
        QFETCH(bool, ends);
        QFETCH(bool, written);
        InTemporaryFolder folder;
        Application app;
        StartAndDrawAPoint(app);
        bool asked = false;
        QTimer::singleShot(0, &app.mainWindow(), [&] {
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                asked = box != nullptr && box->objectName() == "CloseQuestion";
                if (box != nullptr) {
                    box->button(QMessageBox::StandardButton(answer))->click();
                }
            });
            app.mainWindow().close();
            if (!app.program().ended) {
                QCoreApplication::exit(1);
            }
        });
        QCOMPARE(QApplication::exec(), ends ? 0 : 1);
        QVERIFY(asked);
        QCOMPARE(app.program().ended, ends);
        QCOMPARE(app.mainWindow().isVisible(), !ends);
        QCOMPARE(QFile::exists("Qelt-CAD-float.csv"), written);
    }

    // Not while a line is added; then, with the line not written, once the drawing is kept.
    void aDroppedDataFileTakesThePlaceOfTheDrawing() {
        InTemporaryFolder folder;
        QFile file("section.csv");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kExampleFile) > 0);
        file.close();
        const QString path = QFileInfo(file).absoluteFilePath();
        Application app;
        StartAndDrawAPoint(app);
        const auto drop = [&] {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(&app.mapWindow(), &enter);
            QDropEvent event({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
            const QObject call;  // answers only a question that the drop asks
            QTimer::singleShot(0, &call, [] {
                qobject_cast<QMessageBox*>(QApplication::activeModalWidget())
                    ->button(QMessageBox::Discard)
                    ->click();
            });
            QCoreApplication::sendEvent(&app.mapWindow(), &event);
        };
        drop();
        QVERIFY(app.mainWindow().findChild<QMessageBox*>("AlertBox")->close());
        QCOMPARE(app.program().drawing.Lines8pudt[1].PtCount, qelt::Integer{1});
        QTest::mouseClick(app.mainWindow().button3, Qt::LeftButton);
        drop();
        QCOMPARE(app.program().drawing.Lines8pudt[1].PtCount, qelt::Integer{2});
        QCOMPARE(app.mainWindow().completion->text(), "Read 1 line, 2 points from " + path);
        QCOMPARE(folder.Kept().size(), 1);
    }

    // With nothing drawn, or with a drawing read and not changed, it asks nothing.
    void closingTheMainWindowEndsTheProgram() {
        Application app;
        app.Start();
        app.Open(std::get<qelt::DrawingState>(qelt::ReadDataFile(kExampleFile)), "f");
        QTimer::singleShot(0, &app.mainWindow(), [&] { app.mainWindow().close(); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(app.program().ended);
    }

    void formMovesOutsideTheControlsReachTheProgram() {
        Application app;
        app.Start();
        QTest::mouseMove(app.mainWindow().canvas, OnCanvas(50, 50));
        QCOMPARE(app.program().mouse.MouseWhere8pstr, qelt::MouseWhere::PIC);
        QTest::mouseMove(&app.mainWindow(), QPoint(20, 590));
        QCOMPARE(app.program().mouse.MouseWhere8pstr, qelt::MouseWhere::FORM);
        QCOMPARE(app.mainWindow().completion->text(), QString("---off--"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

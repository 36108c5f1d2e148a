// A user's typical session from start to the written file.
#include <QLineEdit>
#include <QtTest>

#include "shell/app/application.h"

using qelt::shell::Application;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kNearBlack(1, 1, 1);
const QColor kLightGrey(192, 192, 192);

}  // namespace

// The whole typical sequence of use, through the real widgets, with what the canvas shows.
class TypicalSequenceTest : public QObject {
    Q_OBJECT

  private:
    Application app;

    qelt::shell::MainWindow& w() { return app.mainWindow(); }
    QColor Pixel(int x, int y) { return w().canvas->image().pixelColor(x, y); }
    void Press(Qt::MouseButton button, int x, int y) {
        QTest::mouseClick(w().canvas, button, {}, QPoint(x + 2, y + 2));
    }
    void Push(QPushButton* button) {
        QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void ExpectButton(QPushButton* button, const char* caption, bool enabled) {
        QCOMPARE(button->text(), QString(caption));
        QCOMPARE(button->isEnabled(), enabled);
    }

  private slots:
    void initTestCase() { app.Start(); }

    void steps1to4DrawTwoLines() {
        ExpectButton(w().button2, "2) Select_Un/Assign_Yes", false);
        Push(w().button1);
        ExpectButton(w().button3, "Done adding Line", true);
        QVERIFY(w().cancel->isEnabled());
        Press(Qt::LeftButton, 100, 100);
        QCOMPARE(Pixel(100, 100), kBlack);
        Press(Qt::LeftButton, 200, 150);
        Press(Qt::LeftButton, 300, 120);
        QCOMPARE(Pixel(150, 125), kBlack);
        QCOMPARE(Pixel(250, 135), kBlack);
        Push(w().button3);
        QCOMPARE(w().completion->text(),
                 QString("Action completed... Done with creating a new Line"));
        ExpectButton(w().button2, "Modify a Line", true);

        Push(w().button1);
        Press(Qt::LeftButton, 400, 300);
        Press(Qt::LeftButton, 500, 400);
        Push(w().button3);
        QCOMPARE(Pixel(450, 350), kBlack);
    }

    void steps5to7SelectLineOne() {
        Push(w().button2);
        ExpectButton(w().button2, "Select This Line", false);
        QCOMPARE(w().prompt->text(), QString("Click repeatedly in line area to find Line --> "
                                             "to finalize push `Select This line` button"));
        Press(Qt::LeftButton, 150, 120);
        ExpectButton(w().button2, "Select this Line", true);
        QCOMPARE(Pixel(150, 125), kNearBlack);
        QCOMPARE(Pixel(450, 350), kLightGrey);
        Push(w().button2);
        ExpectButton(w().button3, "Edit a line point", true);
        ExpectButton(w().button4, "Delete this Line", true);
        QCOMPARE(w().prompt->text(),
                 QString("Push `Edit a Point` button   OR  `Delete this Line` button"));
    }

    void steps8to10MoveAPoint() {
        Push(w().button3);
        ExpectButton(w().button3, "Done point editing", true);
        QVERIFY(!w().button4->isEnabled());
        Press(Qt::LeftButton, 198, 147);  // picks vertex 2 of line 1
        QVERIFY(app.program().actions.MovingPoint8pbol);
        Press(Qt::LeftButton, 210, 130);  // drops it
        const qelt::PointRec& moved = qelt::PointOf(app.program().drawing, 1, 2);
        QCOMPARE(moved.X, qelt::Integer{210});
        QCOMPARE(moved.Y, qelt::Integer{130});
        QCOMPARE(Pixel(155, 115), kNearBlack);         // on the new segment (100,100)-(210,130)
        QCOMPARE(Pixel(150, 125), QColor(Qt::white));  // the old segment is gone
        Push(w().button3);
        QCOMPARE(w().prompt->text(), QString("Done with Pointing Editing"));
        ExpectButton(w().button1, "Add a new line", true);
        ExpectButton(w().button2, "Modify a Line", true);
        QVERIFY(!w().button3->isEnabled());
        QVERIFY(!w().cancel->isEnabled());
    }

    void thenDeleteLineTwo() {
        Push(w().button2);
        Press(Qt::LeftButton, 450, 340);
        Push(w().button2);
        Push(w().button4);
        QCOMPARE(w().prompt->text(), QString("Done Deleting a Line"));
        QCOMPARE(app.program().drawing.LineCount8pint, qelt::Integer{1});
        QCOMPARE(Pixel(450, 350), QColor(Qt::white));
        // Repainted before the return to idle, so while the line search was still on and no line
        // was selected any more.
        QCOMPARE(Pixel(155, 115), kLightGrey);
    }

    void thenUndoTheDeletionFromTheCrossSectionWindow() {
        QWidget& cross = app.crossSectionWindow();
        cross.show();
        cross.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&cross));
        auto* text = cross.findChild<QLineEdit*>("Text4");  // its first text box
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w().completion->text(), QString("Undone: line deleted"));
        QCOMPARE(app.program().drawing.LineCount8pint, qelt::Integer{2});
        QCOMPARE(Pixel(450, 350), kBlack);
        // Backspace is typing; with no typing left to take back, Ctrl+Z reaches the drawing
        // though the box can give its typing again, and Ctrl+Y then gives it first.
        QTest::keyClicks(text, "x");
        QTest::keyClick(text, Qt::Key_Backspace);
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w().completion->text(), QString("Undone: point moved"));
        QTest::keyClick(text, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(text->text(), QString("CPT soil behaviour type chart, 2018x"));
    }
};

QTEST_MAIN(TypicalSequenceTest)
#include "typical_sequence_test.moc"

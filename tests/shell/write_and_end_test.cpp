// "Write && End" and END on the real windows: the file, the exit and the kept drawing.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <iostream>
#include <memory>
#include <sstream>

#include "shell/app/application.h"
#include "support/example_file.h"

namespace {

const QString kName = "Qelt-CAD-float.csv";

const QByteArray kOneLine = kExampleFile;

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QPushButton* WriteAndEnd(qelt::shell::Application& app) {
    return app.crossSectionWindow().findChild<QPushButton*>("End8cbn");
}

// Draws the line through the real buttons and canvas. The canvas's frame is 2 pixels wide, so
// widget position (102, 202) is canvas position (100, 200).
void DrawOneLine(qelt::shell::Application& app) {
    qelt::shell::MainWindow& w = app.mainWindow();
    QTest::mouseClick(w.button1, Qt::LeftButton);
    QTest::mouseClick(w.canvas, Qt::LeftButton, {}, QPoint(102, 202));
    QTest::mouseClick(w.canvas, Qt::LeftButton, {}, QPoint(152, 252));
    QTest::mouseClick(w.button3, Qt::LeftButton);
}

// Presses "Write && End"; a press that does not end the program leaves the event loop with 1,
// so that a missing end fails the test instead of hanging it.
void PressWriteAndEnd(qelt::shell::Application& app) {
    QTest::mouseClick(WriteAndEnd(app), Qt::LeftButton);
    if (!app.program().ended) {
        QCoreApplication::exit(1);
    }
}

}  // namespace

class WriteAndEndTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void writesTheDrawingAndEnds();
    void failedWriteKeepsRunningUntilTheCauseIsFixed();
    void failedWritesShowOneMessageNamingTheFullPath();
    void markupInAFolderNameShowsAsPlainText();

  private:
    QString original_ = QDir::currentPath();
    std::unique_ptr<QTemporaryDir> dir_;
};

void WriteAndEndTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(QDir::setCurrent(dir_->path()));
}

void WriteAndEndTest::cleanup() {
    QDir::setCurrent(original_);
    dir_.reset();
}

// The button names the file it writes; the one it replaces is kept as its ~; standard output says
// so.
void WriteAndEndTest::writesTheDrawingAndEnds() {
    QFile old(kName);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old\r\n") == 5);
    old.close();
    qelt::shell::Application app;
    app.Start();
    DrawOneLine(app);
    QVERIFY(WriteAndEnd(app) != nullptr);
    QCOMPARE(WriteAndEnd(app)->text(), QString("Write && End"));
    const QString path = QDir(dir_->path()).absoluteFilePath(kName);
    QCOMPARE(WriteAndEnd(app)->toolTip(), path);

    std::ostringstream out;
    std::streambuf* const standardOutput = std::cout.rdbuf(out.rdbuf());
    QTimer::singleShot(0, [&app] { PressWriteAndEnd(app); });
    const int status = QApplication::exec();
    std::cout.rdbuf(standardOutput);
    QCOMPARE(status, 0);
    QCOMPARE(QString::fromStdString(out.str()),
             "qelt-cad: wrote " + path + " (1 line, 2 points); the file it replaced is kept as " +
                 path + "~\n");

    QCOMPARE(Read(kName), kOneLine);
    QCOMPARE(Read(kName + "~"), QByteArray("old\r\n"));
    QVERIFY(!app.mainWindow().isVisible());
    QVERIFY(!app.crossSectionWindow().isVisible());
    QCOMPARE(app.mainWindow().findChild<QMessageBox*>("AlertBox"), nullptr);
}

void WriteAndEndTest::failedWriteKeepsRunningUntilTheCauseIsFixed() {
    qelt::shell::Application app;
    app.Start();
    DrawOneLine(app);
    QVERIFY(QDir().mkdir(kName));

    // What the screen showed between the two presses; checked once the loop is left, since a
    // check that failed inside it would leave the loop running.
    struct Seen {
        bool running = false;
        bool boxShown = false;
        QString box;
        QString prompt;
        bool mainWindowShown = false;
        int lines = 0;
    } seen;
    QTimer::singleShot(0, [&] {
        QTest::mouseClick(WriteAndEnd(app), Qt::LeftButton);
        // Runs only if the failed press left the event loop going.
        QTimer::singleShot(0, [&] {
            seen.running = !app.program().ended;
            if (auto* box = app.mainWindow().findChild<QMessageBox*>("AlertBox")) {
                seen.boxShown = box->isVisible();
                seen.box = box->text();
            }
            seen.prompt = app.mainWindow().prompt->text();
            seen.mainWindowShown = app.mainWindow().isVisible();
            seen.lines = app.program().drawing.LineCount8pint;
            QDir().rmdir(kName);
            PressWriteAndEnd(app);
        });
    });
    QCOMPARE(QApplication::exec(), 0);

    const QString told =
        "Could not write Qelt-CAD-float.csv: Filename refers to a directory --- the drawing is "
        "kept; fix the cause and press Write & End again";
    QVERIFY(seen.running);
    QVERIFY(seen.boxShown);
    QCOMPARE(seen.box, told);
    QCOMPARE(seen.prompt, told);
    QVERIFY(seen.mainWindowShown);
    QCOMPARE(seen.lines, 1);
    QCOMPARE(Read(kName), kOneLine);
    QVERIFY(!app.mainWindow().isVisible());
}

void WriteAndEndTest::failedWritesShowOneMessageNamingTheFullPath() {
    qelt::shell::Application app;
    app.Start();
    DrawOneLine(app);
    QVERIFY(QDir().mkdir(kName));
    QTest::mouseClick(WriteAndEnd(app), Qt::LeftButton);
    QTest::mouseClick(WriteAndEnd(app), Qt::LeftButton);

    const auto boxes = app.mainWindow().findChildren<QMessageBox*>("AlertBox");
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes[0]->isModal());
    QCOMPARE(boxes[0]->informativeText(),
             "The file it tried to write: " + QDir(dir_->path()).absoluteFilePath(kName));
    const QLabel* prompt = app.mainWindow().prompt;
    QVERIFY(QFontMetrics(prompt->font()).horizontalAdvance(prompt->text()) <=
            app.mainWindow().width() - 2 * prompt->x());
    QVERIFY(!app.program().ended);
}

// A folder named "<b>x<b>" is no bold x: every text of the message shows as it is.
void WriteAndEndTest::markupInAFolderNameShowsAsPlainText() {
    QVERIFY(QDir().mkpath("<b>x<b>/" + kName));
    QVERIFY(QDir::setCurrent("<b>x<b>"));
    qelt::shell::Application app;
    app.Start();
    DrawOneLine(app);
    QTest::mouseClick(WriteAndEnd(app), Qt::LeftButton);

    const auto* box = app.mainWindow().findChild<QMessageBox*>("AlertBox");
    QVERIFY(box != nullptr);
    QVERIFY(box->informativeText().endsWith("/<b>x<b>/" + kName));
    for (const QLabel* label : box->findChildren<QLabel*>()) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }
}

QTEST_MAIN(WriteAndEndTest)
#include "write_and_end_test.moc"

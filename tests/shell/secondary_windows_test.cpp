// The secondary windows' captions, controls, texts, colours and keys.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <map>

#include "shell/app/application.h"
#include "shell/windows/secondary_windows.h"
#include "shell/windows/window_builder.h"

using namespace qelt::shell;

namespace {

using Maker = std::unique_ptr<SecondaryWindow> (*)();

const std::map<QString, Maker> kMakers = {
    {"XSpick8frm", []() -> std::unique_ptr<SecondaryWindow> { return MakeCrossSectionWindow(); }},
    {"CADmap8frm", MakeMapWindow},
    {"CADlistof8frm", MakeListWindow},
    {"CADrenameAndYouSure8frm", MakeRenameWindow},
    {"CAD_info_8frm", MakeInfoWindow},
};

const QColor kWarm(255, 224, 192);

// A window's controls are its direct children; the parts Qt builds inside a list or combo box
// lie deeper and are not counted.
QList<QWidget*> Controls(const QWidget& window) {
    return window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

QString KindOf(const QWidget* control) {
    if (auto* frame = qobject_cast<const QFrame*>(control);
        frame != nullptr && QString(control->metaObject()->className()) == "QFrame") {
        switch (frame->frameShape()) {
            case QFrame::HLine:
            case QFrame::VLine:
                return "line";
            case QFrame::Box:
                return "shape";
            default:
                return "picture";
        }
    }
    if (auto* label = qobject_cast<const QLabel*>(control)) {
        return label->pixmap().isNull() ? "label" : "image";
    }
    static const std::map<QString, QString> kinds = {
        {"QPushButton", "button"},  {"QLineEdit", "text"},  {"QCheckBox", "check"},
        {"QRadioButton", "option"}, {"QComboBox", "combo"}, {"QListWidget", "list"},
    };
    const auto kind = kinds.find(control->metaObject()->className());
    return kind == kinds.end() ? "unknown" : kind->second;
}

QStringList Names(const QWidget& window, const QString& kind) {
    QStringList names;
    for (const QWidget* control : Controls(window)) {
        if (kind == "all" || KindOf(control) == kind) {
            names << control->objectName();
        }
    }
    return names;
}

// What the user sees, read the way an assistive tool reads it.
QString Shown(QWidget* control) {
    if (auto* text = qobject_cast<QLineEdit*>(control)) {
        return text->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        return combo->currentText();
    }
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

// Every window's caption and every control's text, ticks, items and place.
QStringList Snapshot(const std::vector<std::unique_ptr<SecondaryWindow>>& windows) {
    QStringList state;
    for (const auto& window : windows) {
        state << window->windowTitle() + (window->isVisible() ? " shown" : " hidden");
        for (QWidget* control : Controls(*window)) {
            QString line = control->objectName() + "|" + Shown(control);
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                line += button->isChecked() ? "|on" : "|off";
            }
            if (auto* list = qobject_cast<QListWidget*>(control)) {
                line += QString("|%1").arg(list->count());
            }
            if (auto* combo = qobject_cast<QComboBox*>(control)) {
                line += QString("|%1").arg(combo->count());
            }
            QRect g = control->geometry();
            state
                << line +
                       QString("|%1,%2,%3,%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
        }
    }
    return state;
}

// A table of text columns; each row starts with its name.
void Table(std::initializer_list<const char*> columns, const std::vector<QStringList>& rows) {
    for (const char* column : columns) {
        QTest::addColumn<QString>(column);
    }
    for (const QStringList& row : rows) {
        QTestData& data = QTest::newRow(qPrintable(row.front()));
        for (const QString& cell : row.mid(1)) {
            data << cell;
        }
    }
}

std::vector<std::unique_ptr<SecondaryWindow>> ShowAll() {
    std::vector<std::unique_ptr<SecondaryWindow>> windows;
    for (const auto& [name, make] : kMakers) {
        windows.push_back(make());
        windows.back()->show();
        if (!QTest::qWaitForWindowExposed(windows.back().get())) {
            qFatal("window %s not exposed", qPrintable(name));
        }
    }
    return windows;
}

// The colour most of a control's pixels have: its background.
QColor Background(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    return QColor(
        std::ranges::max_element(counts, {}, [](const auto& c) { return c.second; })->first);
}

}  // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void captions_data() {
        Table({"window", "caption"}, {
                                         {"cross section", "XSpick8frm", "Qelt --- Cross section"},
                                         {"map", "CADmap8frm", "Qelt --- Map "},
                                         {"list", "CADlistof8frm", "List of"},
                                         {"rename", "CADrenameAndYouSure8frm", "Renaming item"},
                                         {"info", "CAD_info_8frm", "Form1"},
                                     });
    }
    void captions() {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        const auto w = kMakers.at(window)();
        QCOMPARE(w->objectName(), window);
        QCOMPARE(w->windowTitle(), caption);
    }

    void controlsInWindowOrder_data() {
        const char* xs = "XSpick8frm";
        Table(
            {"window", "kind", "names"},
            {
                {"xs text", xs, "text", "Text4 Text3 Text2 Text1"},
                {"xs button", xs, "button",
                 "Command14 Command13 Command12 Command9 End8cbn Command4 Command2 Command11 "
                 "Command10 Command7 Command6 Command1 DoLayerProjections8cbn DoCrossSection8cbn"},
                {"xs check", xs, "check",
                 "Check14 Check3 Check20 Check19 Check18 Check17 Check15 Check13 Check12 "
                 "Check11 Check10 Check9 Check8 Check7 Check6 Check5 Check4 Check1 Check2"},
                {"xs option", xs, "option", "Option3 Option2 Option1"},
                {"xs list", xs, "list",
                 "List11 List10 List9 List8 List7 List5 List6 List4 List3 List2 List1"},
                {"xs label", xs, "label",
                 "Label16 Label15 Label14 Label11 Label13 Label20 Label12 Label10 Label9 Label7 "
                 "Label6 Label5 Label4 Label1 Label28 Label3 Label2 Label8 Label30 Label29 "
                 "Label25 Label24 Label23"},
                {"xs line", xs, "line", "Line8 Line7 Line6 Line4 Line5 Line3 Line2 Line1"},
                {"xs shape", xs, "shape", "Shape3 Shape2 Shape1"},
                {"xs nothing else", xs, "unknown", ""},
                {"map", "CADmap8frm", "all",
                 "Command6 Command1 Check5 Command12 Combo1 Check3 Check2 Check1 List3 List5 "
                 "Command10 Command9 List1 Command8 Command7 Command5 Command2 Command4 "
                 "Command3 Text1 Combo2 Label5 Label29 Label3 Label12 Label13 Label20 Label4 "
                 "Image2 Image1 Label2 Label1"},
                {"map images", "CADmap8frm", "image", "Image2 Image1"},
                {"map combos", "CADmap8frm", "combo", "Combo1 Combo2"},
                {"list", "CADlistof8frm", "all", "List7 Label2 Label1"},
                {"rename", "CADrenameAndYouSure8frm", "all",
                 "Command1 Text1 Label4 Label3 Label2 Label1"},
                {"info", "CAD_info_8frm", "all",
                 "Picture1 Label6 Label5 Label4 Label3 Label2 Label1"},
                {"info picture", "CAD_info_8frm", "picture", "Picture1"},
            });
    }
    void controlsInWindowOrder() {
        QFETCH(QString, window);
        QFETCH(QString, kind);
        QFETCH(QString, names);
        const auto w = kMakers.at(window)();
        QCOMPARE(Names(*w, kind), names.split(' ', Qt::SkipEmptyParts));
    }

    void crossSectionWindowHas85Controls() {
        QCOMPARE(Controls(*MakeCrossSectionWindow()).size(), 85);
    }

    void shownTexts_data() {
        const char* xs = "XSpick8frm";
        Table({"window", "control", "shown"},
              {
                  {"doubled ampersand, button", xs, "End8cbn", "Write & End"},
                  {"doubled ampersand, label", xs, "Label10", "Calculate & Plotting"},
                  {"trailing space, text", xs, "Text2", "CRRe "},
                  {"trailing space, button", xs, "Command11", "Calculate CPT patterns and plot "},
                  {"text", xs, "Text3", "none"},
                  {"option", xs, "Option1", "only for the group at left (and gray all others)"},
                  {"check", xs, "Check9", "Show Last Gridding cross section"},
                  {"label of dashes", xs, "Label12", "<--- project: --------------------->"},
                  {"map button", "CADmap8frm", "Command10", "input Sequence Line "},
                  {"map text", "CADmap8frm", "Text1", "50"},
                  {"map combo 1", "CADmap8frm", "Combo1", "pick units"},
                  {"map combo 2", "CADmap8frm", "Combo2", "cross sections"},
                  {"map image", "CADmap8frm", "Image1", "North (degrees)"},
                  {"list label", "CADlistof8frm", "Label1", "CPT list"},
                  {"rename text", "CADrenameAndYouSure8frm", "Text1", "new name"},
                  {"rename button", "CADrenameAndYouSure8frm", "Command1", "rename now"},
                  {"info long label", "CAD_info_8frm", "Label6",
                   "2)  whatdo tdo whne theus si a long text of whatdo tdo whne theuse needs infoa "
                   "and the paper version is not a good alternative"},
              });
    }
    void shownTexts() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, shown);
        const auto w = kMakers.at(window)();
        QCOMPARE(Shown(w->findChild<QWidget*>(control, Qt::FindDirectChildrenOnly)), shown);
    }

    void buttonKeepsItsStoredCaption() {
        const auto w = MakeCrossSectionWindow();
        QCOMPARE(w->findChild<QPushButton*>("End8cbn")->text(), QString("Write && End"));
    }

    void shownCaption_data() {
        Table({"stored", "shown"}, {
                                       {"doubled", "Write && End", "Write & End"},
                                       {"shortcut marker", "&Rename", "Rename"},
                                       {"three in a row", "a&&&b", "a&b"},
                                       {"last character", "end&", "end&"},
                                       {"none", "Line type:", "Line type:"},
                                   });
    }
    void shownCaption() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(ShownCaption(stored), shown);
    }

    void methodTextNamesAMethodAndItsYear() {
        const QString method = MakeCrossSectionWindow()->findChild<QLineEdit*>("Text4")->text();
        QVERIFY(method.contains("CPT"));
        QVERIFY(method.contains("2018"));
    }

    void combosHoldTheFiveUnitsAndKeepTheirText() {
        const auto w = MakeMapWindow();
        const QStringList units = {"feet", "meters", "lat/long", "estimated feet from lat/long",
                                   "estimated meters from lat/long"};
        for (const char* name : {"Combo1", "Combo2"}) {
            auto* combo = w->findChild<QComboBox*>(name);
            QVERIFY(combo->isEditable());
            QStringList items;
            for (int i = 0; i < combo->count(); ++i) {
                items << combo->itemText(i);
            }
            QCOMPARE(items, units);
        }
        QCOMPARE(w->findChild<QComboBox*>("Combo1")->currentText(), QString("pick units"));
    }

    void listsAreEmpty() {
        for (const auto& [name, make] : kMakers) {
            const auto window = make();
            for (const QListWidget* list : window->findChildren<QListWidget*>()) {
                QCOMPARE(list->count(), 0);
            }
        }
    }

    void imagesShowTheirWordsBottomToTop() {
        const auto w = MakeMapWindow();
        const std::pair<const char*, QSize> images[] = {{"Image2", {18, 69}}, {"Image1", {19, 89}}};
        for (const auto& [name, size] : images) {
            const QImage image = w->findChild<QLabel*>(name)->pixmap().toImage();
            QCOMPARE(image.size(), size);
            // The ink of words written upwards is taller than it is wide.
            QRect ink;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (image.pixelColor(x, y) != kWarm) {
                        ink |= QRect(x, y, 1, 1);
                    }
                }
            }
            QVERIFY(ink.height() > 3 * ink.width());
            QVERIFY(ink.height() > size.height() / 2);
        }
    }

    // The control is empty for the window itself.
    void backgroundColours_data() {
        const char* xs = "XSpick8frm";
        Table({"window", "control", "colour"},
              {
                  {"xs window", xs, "", "warm"},
                  {"xs Check3", xs, "Check3", "warm"},
                  {"xs Check2", xs, "Check2", "warm"},
                  {"xs Check14", xs, "Check14", "plain"},
                  {"xs Label13", xs, "Label13", "warm"},
                  {"xs Label29", xs, "Label29", "warm"},
                  {"xs Label16", xs, "Label16", "plain"},
                  {"xs Label10", xs, "Label10", "plain"},
                  {"xs Option2", xs, "Option2", "plain"},
                  {"map window", "CADmap8frm", "", "warm"},
                  {"map Label5", "CADmap8frm", "Label5", "warm"},
                  {"map Label20", "CADmap8frm", "Label20", "warm"},
                  {"map Label4", "CADmap8frm", "Label4", "plain"},
                  {"map Check5", "CADmap8frm", "Check5", "plain"},
                  {"list window", "CADlistof8frm", "", "plain"},
                  {"list Label1", "CADlistof8frm", "Label1", "plain"},
                  {"rename window", "CADrenameAndYouSure8frm", "", "plain"},
                  {"info window", "CAD_info_8frm", "", "plain"},
              });
    }
    void backgroundColours() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, colour);
        const auto w = kMakers.at(window)();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QImage image = w->grab().toImage();
        const QWidget* shown = control.isEmpty() ? w.get() : w->findChild<QWidget*>(control);
        const QRect area = control.isEmpty() ? QRect(0, 0, 4, 4) : shown->geometry();
        // A control's own colour is the platform's for its kind: the button role for buttons.
        const QColor plain = QApplication::palette(shown).color(shown->backgroundRole());
        QVERIFY(plain != kWarm);
        QCOMPARE(Background(image, area), colour == "warm" ? kWarm : plain);
    }

    void everyControlIsVisibleInsideItsWindowWithoutOverlap() {
        for (const auto& window : ShowAll()) {
            const QList<QWidget*> controls = Controls(*window);
            for (QWidget* control : controls) {
                const QString where = window->objectName() + "." + control->objectName();
                QVERIFY2(control->isVisible(), qPrintable(where));
                QVERIFY2(!control->geometry().isEmpty(), qPrintable(where));
                QVERIFY2(window->rect().contains(control->geometry()), qPrintable(where));
                for (QWidget* other : controls) {
                    const bool framing = KindOf(control) == "shape" || KindOf(other) == "shape";
                    QVERIFY2(other == control || framing ||
                                 !control->geometry().intersects(other->geometry()),
                             qPrintable(where + " overlaps " + other->objectName()));
                }
            }
        }
    }

    void shapesFrameTheCrossSectionControls() {
        const auto w = MakeCrossSectionWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        for (const QWidget* control : Controls(*w)) {
            if (KindOf(control) == "shape") {
                continue;
            }
            int frames = 0;
            for (const char* shape : {"Shape1", "Shape2", "Shape3"}) {
                frames += w->findChild<QWidget*>(shape)->geometry().contains(control->geometry());
            }
            QVERIFY2(frames == 1, qPrintable(control->objectName()));
        }
    }

    // Pane by pane (the shapes frame them, left to right), row by row, left to right.
    void crossSectionTabOrderFollowsTheLayout() {
        const auto w = MakeCrossSectionWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const auto place = [&](const QWidget* control) {
            int pane = 0;
            for (const char* shape : {"Shape3", "Shape2", "Shape1"}) {
                if (w->findChild<QWidget*>(shape)->geometry().contains(control->geometry())) {
                    break;
                }
                ++pane;
            }
            const QRect g = control->geometry();
            return std::tuple(pane, g.center().y(), g.x());
        };
        QWidget* first = w->findChild<QWidget*>("List11");
        QWidget* control = first;
        int visited = 0;
        do {
            QWidget* next = control->nextInFocusChain();
            while (!(next->focusPolicy() & Qt::TabFocus) || next->parentWidget() != w.get()) {
                next = next->nextInFocusChain();
            }
            if (next == first) {
                break;
            }
            QVERIFY2(place(control) < place(next),
                     qPrintable(control->objectName() + " before " + next->objectName()));
            control = next;
            ++visited;
        } while (visited < 100);
        QCOMPARE(control->objectName(), QString("End8cbn"));
    }

    void inertButtonsChangeNothing() {
        const auto windows = ShowAll();
        const QStringList before = Snapshot(windows);
        int clicked = 0;
        for (const auto& window : windows) {
            for (QPushButton* button : window->findChildren<QPushButton*>()) {
                if (button->objectName() != "End8cbn") {
                    QTest::mouseClick(button, Qt::LeftButton);
                    ++clicked;
                }
            }
        }
        QCOMPARE(clicked, 13 + 11 + 1);
        QCOMPARE(Snapshot(windows), before);
    }

    void closeBoxIsIgnored() {
        for (const auto& window : ShowAll()) {
            QVERIFY(!window->close());
            QVERIFY(window->isVisible());
        }
    }

    void closeBoxSaysOnceWhyTheWindowStays() {
        const auto w = MakeMapWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY(!w->close());
        QVERIFY(!w->close());
        const auto notes = w->findChildren<QMessageBox*>("StaysOpenNote");
        QCOMPARE(notes.size(), 1);
        QVERIFY(notes[0]->isVisible());
        QVERIFY(notes[0]->isModal());
    }

    void startUpShowsThreeWindowsKeepsTwoHiddenAndMarksTheFocus() {
        Application app;
        app.Start();
        QVERIFY(app.crossSectionWindow().isVisible());
        QVERIFY(app.mapWindow().isVisible());
        QVERIFY(app.listWindow().isVisible());
        for (const char* hidden : {"CADrenameAndYouSure8frm", "CAD_info_8frm"}) {
            const QWidgetList all = QApplication::topLevelWidgets();
            const auto window = std::ranges::find_if(
                all, [&](const QWidget* w) { return w->objectName() == hidden; });
            QVERIFY(window != all.end());
            QVERIFY(!(*window)->isVisible());
        }
        QVERIFY(QTest::qWaitForWindowExposed(&app.mainWindow()));
        QCoreApplication::processEvents();  // once it is painted, every button marks the focus
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            for (const QPushButton* button : window->findChildren<QPushButton*>()) {
                QCOMPARE(button->styleSheet().left(17), QString("QPushButton:focus"));
            }
        }
    }

    // It opens in its first text box; Return and Enter never press "Write && End" or END, even
    // reached with Tab; Space still does.
    void returnNeverWritesAndEnds() {
        Application app;
        app.Start();
        SecondaryWindow& cross = app.crossSectionWindow();
        cross.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&cross));
        QCOMPARE(cross.focusWidget()->objectName(), QString("Text4"));
        auto* end = cross.findChild<QPushButton*>("End8cbn");
        QSignalSpy pressed(end, &QPushButton::pressed);
        for (QWidget* focused : {cross.focusWidget(), static_cast<QWidget*>(end),
                                 static_cast<QWidget*>(app.mainWindow().end)}) {
            QTest::keyClick(focused, Qt::Key_Return);
            QTest::keyClick(focused, Qt::Key_Enter, Qt::KeypadModifier);
        }
        QVERIFY(pressed.isEmpty() && !app.program().ended);
        QTest::keyPress(end, Qt::Key_Space);
        QCOMPARE(pressed.count(), 1);
    }

    void inertButtonsLeaveTheDrawingAlone() {
        Application app;
        app.Start();
        QTest::mouseClick(app.mainWindow().button1, Qt::LeftButton);
        const QString prompt = app.mainWindow().prompt->text();
        for (QWidget* window : {&app.crossSectionWindow(), &app.mapWindow(), &app.listWindow()}) {
            for (QPushButton* button : window->findChildren<QPushButton*>()) {
                if (button->objectName() != "End8cbn") {
                    QTest::mouseClick(button, Qt::LeftButton);
                }
            }
        }
        QVERIFY(!app.program().ended);
        QCOMPARE(app.program().drawing.LineCount8pint, 1);
        QCOMPARE(app.mainWindow().prompt->text(), prompt);
        QVERIFY(app.crossSectionWindow().isVisible());
    }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "secondary_windows_test.moc"

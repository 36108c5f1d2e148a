// The main window "Qelt graphics" with its canvas and controls.
#include "shell/windows/main_window.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <algorithm>

#include "shell/canvas/mouse_buttons.h"
#include "shell/windows/look.h"
#include "shell/windows/main_window_design.h"
#include "shell/windows/twips.h"

namespace qelt::shell {

namespace {

constexpr int kAxisMargin = 3;

template <typename W>
W* Place(QWidget* parent, const char* name, const QString& caption, QRect twips) {
    auto* widget = new W(parent);
    widget->setObjectName(name);
    if constexpr (std::is_base_of_v<QPushButton, W> || std::is_base_of_v<QLabel, W>) {
        widget->setText(caption);
    }
    widget->setGeometry(TwipRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return widget;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, QRect twips) {
    return Place<QPushButton>(parent, name, caption, twips);
}

QLabel* Label(QWidget* parent, const char* name, const QString& caption, QRect twips) {
    return Place<QLabel>(parent, name, caption, twips);
}

QLabel* AxisLabel(QWidget* parent, const char* name, const QString& caption, QRect twips,
                  Qt::Alignment alignment) {
    QLabel* label = Label(parent, name, caption, twips);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    // Clear of the canvas's frame, which the labels beside the canvas adjoin.
    label->setContentsMargins(0, 0, kAxisMargin, 0);
    return label;
}

void SetFont(QWidget* widget, int pixelSize, bool bold) {
    QFont font = widget->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    widget->setFont(font);
}

struct InertLabel {
    const char* name;
    const char* caption;
    QRect twips;
};

// Labels that only carry their design text. Those that do not fit beside the canvas lie beyond
// the window's right edge, as their design places them.
const InertLabel kInertLabels[] = {
    {"Label18", "Line name:", {2310, 60, 1000, 240}},
    {"Label28", "Line type:", {4950, 60, 900, 240}},
    {"LineType8lbl", "<-Line type->", {5850, 60, 1200, 240}},
    {"Label19", "Group name", {7140, 60, 1000, 240}},
    {"Label9", "project: <-----project- ---->", {9750, 60, 2500, 240}},
    {"Label4", "add/delete cpt to section", {3450, 420, 2200, 240}},
    {"Label8", "make trangle based zone", {5700, 420, 2200, 240}},
    {"Label3", kDistanceCaption, kDistanceCaptionTwips},
    {"FoundLine_8lbl", "Found line", {12705, 5100, 1650, 240}},
    {"foundpt_8lbl", "found pt", {12705, 5340, 1650, 240}},
    {"selectedLine_8lbl", "selected line", {12705, 5580, 1650, 240}},
    {"SelectedPt_8lbl", "selected point", {12705, 5820, 1650, 240}},
    {"Label22", "Label21", {12705, 6060, 1650, 240}},
    {"LineNumber8lbl", "Line = 0", {12705, 6300, 1650, 240}},
    {"x8lbl", "x", {12705, 6540, 795, 240}},
    {"y8lbl", "y", {13560, 6540, 795, 240}},
    {"MouseUpDown8lbl", "mouse DOWN", {12705, 6780, 1650, 240}},
    {"MouseMove8lbl", "move", {12705, 7020, 795, 240}},
    {"what8lbl", "what", {13560, 7020, 795, 240}},
    {"Label5", "Down UP", {12705, 7260, 795, 240}},
    {"Label6", "move", {13560, 7260, 795, 240}},
    {"Label7", "what", {12705, 7500, 795, 240}},
    {"or8lbl", "or", {13560, 7500, 795, 240}},
    {"Label2", "Elevation (feet)    North (feet)   North (degrees)", {14550, 60, 4200, 240}},
    {"Label10", "Elevation: ft       X: ft", {14550, 420, 2400, 240}},
    {"Label11", "Delta X", {14550, 780, 1200, 240}},
    {"Label12", "Delta  ft", {14550, 1140, 1200, 240}},
    {"Label13", "absolute X", {14550, 1500, 1200, 240}},
    {"Label14", "absolute ft", {14550, 1860, 1200, 240}},
    {"Label15", "Delta  ft", {14550, 2220, 1200, 240}},
    {"Label16", "Delta  XX, YY", {14550, 2580, 1200, 240}},
    {"Label17", "Fx or letter", {14550, 2940, 1200, 240}},
};

}  // namespace

MainWindow::MainWindow() {
    setObjectName("CAD8frm");
    setWindowTitle("Qelt graphics");
    setFixedSize(Px(14430), Px(9090));
    // A window of fixed size offers no maximise button that would do nothing.
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWarm);
    setPalette(palette);
    SetFont(this, 10, false);
    setMouseTracking(true);

    end = Button(this, "End8cbn", "END", {12645, 1890, 1425, 735});
    end->setFocusPolicy(Qt::TabFocus);  // reached by Tab only, never left focused by a click
    button1 =
        Button(this, "Button1_NewRenameLeft_8cbn", "1) New_Rename_Left", {105, 1470, 1845, 330});
    button2 = Button(this, "Button2_SelectAssignUnassignYes_8cbn", "2) Select_Un/Assign_Yes",
                     {1995, 1470, 2040, 330});
    button3 = Button(this, "Button3_EditDone_8cbn", "3)    Edit_Done", {4095, 1470, 2355, 330});
    button4 =
        Button(this, "Button4_DeleteRightNo_8cbn", "4)  Delete_Right_No", {6510, 1470, 1650, 330});
    cancel = Button(this, "Button_Cancel8cbn", "Cancel ", {8235, 1485, 825, 330});
    zoomInBox = Button(this, "zoomInBox_8cbn", "Zoom In Box", {9135, 1485, 1185, 285});
    canvas = new CanvasWidget(this, CanvasPlace(), kCanvasFrame);
    prompt = Label(this, "UserMustSee8lbl", "User Must See this...", {105, 735, 17385, 285});
    SetFont(prompt, 13, true);
    completion = Label(this, "ConcludingInfoToUser8lbl", "Concluding info  for user...",
                       {3675, 1050, 7710, 240});
    zoomReadout = Label(this, "Label21", "Label21", {13140, 4590, 1005, 240});
    // The axis labels are given room for a number such as "6420.553 ft": beside the canvas
    // they wrap onto two lines, below it they widen along the canvas's edge.
    topLabel = AxisLabel(this, "CADtop8lbl", "top", {0, 1890, 810, 450}, Qt::AlignRight);
    bottomLabel = AxisLabel(this, "CADbotton8lbl", "bottom", {0, 8130, 810, 450}, Qt::AlignRight);
    leftLabel = AxisLabel(this, "CADleft8lbl", "left", {870, 8595, 1800, 330}, Qt::AlignLeft);
    rightLabel = AxisLabel(this, "CADright8lbl", "right", {11205, 8595, 1500, 330}, Qt::AlignRight);
    AddInertControls();
    MarkFocusedButton(this);
}

void MainWindow::AddInertControls() {
    Button(this, "ZoomOut_8cbn", "Zoom Out x2", {10350, 1485, 1110, 285});
    Button(this, "Command1", "Cross Section", {12705, 2700, 1650, 330});
    Button(this, "Command3", "Map", {12705, 3060, 1650, 330});
    Button(this, "Command2", "CPT normalization", {12705, 3420, 1650, 330});
    Button(this, "Command4", "Rename", {12705, 3780, 1650, 330});
    Button(this, "Command5", "change line type", {12705, 4140, 1650, 330});
    Button(this, "Command6", "read simple X,Y file with header", {7200, 8640, 3300, 330});
    // The list and text boxes lie beyond the window's right edge, where Tab must not lead.
    Place<QListWidget>(this, "List1", {}, {3300, 30, 1560, 330})->setFocusPolicy(Qt::NoFocus);
    Place<QListWidget>(this, "List5", {}, {8160, 30, 1500, 330})->setFocusPolicy(Qt::NoFocus);
    Place<QListWidget>(this, "List12", {}, {12300, 390, 1800, 330})->setFocusPolicy(Qt::NoFocus);
    for (int i = 1; i <= 5; ++i) {
        const QString name = QString("Text%1").arg(i);
        Place<QLineEdit>(this, name.toLatin1().constData(), {}, {16800, 360 * i + 60, 1200, 300})
            ->setFocusPolicy(Qt::NoFocus);
    }
    QLabel* operation = Label(this, "Label20", "at present opertion", {105, 60, 2100, 285});
    SetFont(operation, 13, true);
    // Its design width would cut off the last letter; there is room up to the next label.
    operation->resize(std::max(operation->width(), operation->sizeHint().width()),
                      operation->height());
    SetFont(Label(this, "selectInfo8lbl", "select info", {12300, 30, 1800, 330}), 16, false);
    SetFont(Label(this, "Label1", ">", {3120, 930, 450, 480}), 32, true);
    for (const InertLabel& label : kInertLabels) {
        Label(this, label.name, label.caption, label.twips);
    }
    for (int i = 1; i <= 10; ++i) {
        const QString name = QString("comment%1_8lbl").arg(i);
        Label(this, name.toLatin1().constData(), QString("comment %1").arg(i),
              {14550, 3300 + 300 * i, 2200, 240});
    }
    auto* image = Place<QLabel>(this, "Image2", {}, kElevationCaptionTwips);
    image->setPixmap(VerticalCaption(kElevationCaption, image->size(), kWarm, image->font(),
                                     devicePixelRatioF()));
    image->setAccessibleName(kElevationCaption);
}

void MainWindow::KeepFocusOnTheAction(const QWidget* focusedBefore) {
    if (focusWidget() == focusedBefore) {
        return;
    }
    // The button that finishes what is in progress comes first, the one that starts the next
    // action last.
    for (QPushButton* button : {button3, button2, button1, cancel}) {
        if (button->isEnabled()) {
            button->setFocus();
            return;
        }
    }
    canvas->setFocus();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    // Only moves over the window itself count, not those over its controls.
    if (onMove && childAt(at.toPoint()) == nullptr) {
        onMove(ButtonCode(event->buttons()), static_cast<float>(at.x()),
               static_cast<float>(at.y()));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (onClose) {
        onClose();
    }
}

}  // namespace qelt::shell

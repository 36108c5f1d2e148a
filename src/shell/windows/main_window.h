// The main window "Qelt graphics" with its canvas and controls.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "shell/canvas/canvas_widget.h"

namespace qelt::shell {

// The main window "Qelt graphics": the canvas, the action buttons, the prompt and status lines,
// the axis labels and the inert controls, each at its place in twips.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    MainWindow();

    // Puts the keyboard focus back on the action in progress when an event moved it: Qt passes
    // the focus of a button that gets disabled on to the next control, where a second key
    // press would start something else unseen. `focusedBefore` is the focus before the event.
    void KeepFocusOnTheAction(const QWidget* focusedBefore);

    // The controls the program writes or wires, with the names they go by (their objectName).
    CanvasWidget* canvas;    // CAD8pic
    QPushButton* end;        // End8cbn, "END"
    QPushButton* button1;    // Button1_NewRenameLeft_8cbn
    QPushButton* button2;    // Button2_SelectAssignUnassignYes_8cbn
    QPushButton* button3;    // Button3_EditDone_8cbn
    QPushButton* button4;    // Button4_DeleteRightNo_8cbn
    QPushButton* cancel;     // Button_Cancel8cbn
    QPushButton* zoomInBox;  // zoomInBox_8cbn
    QLabel* prompt;          // UserMustSee8lbl
    QLabel* completion;      // ConcludingInfoToUser8lbl
    QLabel* zoomReadout;     // Label21
    QLabel* topLabel;        // CADtop8lbl
    QLabel* bottomLabel;     // CADbotton8lbl
    QLabel* leftLabel;       // CADleft8lbl
    QLabel* rightLabel;      // CADright8lbl

    // A move over the window itself, outside its controls, in the window's pixels.
    std::function<void(int buttons, float x, float y)> onMove;
    std::function<void()> onClose;

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void AddInertControls();
};

}  // namespace qelt::shell

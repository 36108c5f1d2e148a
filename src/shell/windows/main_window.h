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

    CanvasWidget* CAD8pic;
    QPushButton* End8cbn;
    QPushButton* Button1_NewRenameLeft_8cbn;
    QPushButton* Button2_SelectAssignUnassignYes_8cbn;
    QPushButton* Button3_EditDone_8cbn;
    QPushButton* Button4_DeleteRightNo_8cbn;
    QPushButton* Button_Cancel8cbn;
    QPushButton* zoomInBox_8cbn;
    QLabel* UserMustSee8lbl;
    QLabel* ConcludingInfoToUser8lbl;
    QLabel* Label21;
    QLabel* CADtop8lbl;
    QLabel* CADbotton8lbl;
    QLabel* CADleft8lbl;
    QLabel* CADright8lbl;

    // A move over the window itself, outside its controls, in the window's pixels.
    std::function<void(int buttons, float x, float y)> onFormMove;
    std::function<void()> onClose;

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void AddInertControls();
};

}  // namespace qelt::shell

// The canvas and main-window mouse events, the press dispatch and the zoom step.
#include "interaction/mouse.h"

#include <string>

#include "editing/editing.h"
#include "interaction/actions.h"
#include "interaction/history.h"
#include "plotting/frame.h"
#include "plotting/rendering.h"
#include "state/checked.h"

namespace qelt {

namespace {

void Status(Program& p, const char* text) {
    p.platform.controls.ConcludingInfoToUser8lbl.SetCaption(text);
}

void StorePosition(Program& p, Single x, Single y) {
    p.mouse.MouseX8pint = Nearest(x);
    p.mouse.MouseY8pint = Nearest(y);
}

// Appends the press as the next point of the new line, or says why it cannot.
void AddPoint(Program& p) {
    const PointEntry entry = AddPointAtMouse(p.drawing, p.mouse.MouseX8pint, p.mouse.MouseY8pint);
    Control& prompt = p.platform.controls.UserMustSee8lbl;
    if (entry == PointEntry::LineFull) {
        // The limit is written with a blank for its sign, as numbers are.
        prompt.SetCaption("too many Line points, maximum is  " + std::to_string(MaxLinePoints));
    } else if (entry == PointEntry::PoolFull) {
        prompt.SetCaption("Too many points in the drawing --- Max allowable is " +
                          std::to_string(MaxPoints));
    }
}

// Whether a press in point editing keeps `edited`, the line it began on, when the line search
// found none or another: a drop always does, so that it moves the carried point and nothing
// else; any other press does when it lies on the square of one of the line's points, which the
// search misses at the line's ends, on the edge of its box, and which another line's box may
// cover.
bool KeepsEditedLine(const Program& p, Integer edited) {
    const ActionFlags& f = p.actions;
    const DrawingState& d = p.drawing;
    if (f.MovingPoint8pbol) {
        return d.SelectedLine8pint != edited;
    }
    const Integer reachX = SquareReach(p.lists.SymbolUnitX8psng);
    const Integer reachY = SquareReach(p.lists.SymbolUnitY8psng);
    return f.EditingPoints8pbol &&
           OnPointSquare(d, edited, p.mouse.MouseX8pint, p.mouse.MouseY8pint, reachX, reachY);
}

// The line search of a press in select mode, and the buttons it leaves.
void SelectStep(Program& p) {
    const Integer edited = p.drawing.SelectedLine8pint;
    LineSearch(p);
    if (KeepsEditedLine(p, edited)) {
        p.drawing.SelectedLine8pint = edited;
        p.actions.LineHit8pbol = true;
    }
    p.actions.LineSelected8pbol = false;
    const MainControls& c = p.platform.controls;
    if (p.actions.LineHit8pbol) {
        p.actions.LineFound8pbol = true;
        c.Button2_SelectAssignUnassignYes_8cbn.SetEnabled(true);
        c.Button2_SelectAssignUnassignYes_8cbn.SetCaption("Select this Line");
    } else {
        p.drawing.SelectedLine8pint = NoLine;
        c.Button2_SelectAssignUnassignYes_8cbn.SetEnabled(false);
        c.Button3_EditDone_8cbn.SetEnabled(false);
        c.Button4_DeleteRightNo_8cbn.SetEnabled(false);
        c.Button_Cancel8cbn.SetEnabled(true);
    }
}

// The point-editing step of a press. Returns false when the press ends point editing, and so
// the whole dispatch; `pickedUp` tells whether this press picked a point up.
bool PointEditingStep(Program& p, bool& pickedUp) {
    ActionFlags& f = p.actions;
    DrawingState& d = p.drawing;
    f.EditingPoints8pbol = false;
    if (d.SelectedLine8pint == NoLine) {
        return false;
    }
    const Integer x = p.mouse.MouseX8pint;
    const Integer y = p.mouse.MouseY8pint;
    f.MidpointPicked8pbol = FindNearestPoint(d, d.SelectedLine8pint, x, y, f.PickMidpoints8pbol);
    const Integer button = p.mouse.MouseButton8pint;
    // A search that found nothing, or a middle press, edits nothing and leaves editing on.
    if (d.FoundPoint8pint == NoLine || (button != 1 && button != 2)) {
        f.EditingPoints8pbol = true;
    } else if (button == 1) {
        p.beforePick = TablesOf(d);
        d.SelectedLine8pint = d.FoundLine8pint;
        d.SelectedPoint8pint = d.FoundPoint8pint;
        if (f.PickMidpoints8pbol && f.MidpointPicked8pbol) {
            InsertPointAfterFound(d, x, y);
        }
        f.MovingPoint8pbol = true;
        pickedUp = true;
    } else {
        DeleteFoundPoint(d);
        f.EditingPoints8pbol = true;
    }
    return true;
}

// The stored time lies ahead of the timer only after the timer restarted at midnight; that
// counts as enough time passed, so live redraws go on.
bool RedrawDue(Single last, Single now) {
    const auto next = static_cast<Single>(double{last} + 0.12);
    return next < now || now < last;
}

void RedrawThrottled(Program& p) {
    ClearPressFlags(p);
    MouseState& m = p.mouse;
    const Single now = p.platform.clock.Timer();
    if (!RedrawDue(m.LastRedraw8psng[2], now)) {
        return;
    }
    m.LastRedraw8psng = {static_cast<Single>(m.MouseX8pint), static_cast<Single>(m.MouseY8pint),
                         now};
    // Over the window the position is in the window's units: it must not move canvas things.
    if (m.MouseWhere8pstr == MouseWhere::PIC) {
        if (m.ZoomBoxDragging8pbol) {
            ShowCursorOffset(p.plotView(), m.MouseX8pint, m.MouseY8pint);
        }
        if (p.actions.MovingPoint8pbol) {
            MovePointToMouse(p.drawing, m.MouseX8pint, m.MouseY8pint);
        }
    }
    RedrawAll(p.plotView());
}

void ZoomBoxPress(Program& p) {
    if (p.mouse.MouseButton8pint == 1) {
        ComputePlotFrame(p.plotView());
    }
    if (p.mouse.MouseButton8pint == 1 || p.mouse.MouseButton8pint == 2) {
        p.mouse.ZoomBoxArmed8pbol = false;
        p.mouse.ZoomBoxDragging8pbol = false;
    }
}

void MouseDownDispatch(Program& p) {
    ActionFlags& f = p.actions;
    ClearPressFlags(p);
    if (p.mouse.ZoomBoxArmed8pbol) {
        ZoomBoxPress(p);
    }
    if (f.AddingLine8pbol) {
        AddPoint(p);
    }
    if (f.SelectingLine8pbol) {
        SelectStep(p);
    }
    bool pickedUp = false;
    if (f.EditingPoints8pbol && !PointEditingStep(p, pickedUp)) {
        return;  // a press on no line ends point editing, without a redraw
    }
    if (f.MovingPoint8pbol && !pickedUp) {
        f.MovingPoint8pbol = false;
        f.EditingPoints8pbol = true;
        MovePointToMouse(p.drawing, p.mouse.MouseX8pint, p.mouse.MouseY8pint);
    }
    RedrawAll(p.plotView());
}

}  // namespace

void CanvasPressed(Program& p, Integer button, Single x, Single y) {
    StorePosition(p, x, y);
    p.mouse.MouseButton8pint = button;
    if (p.mouse.MouseState8pstr == PressState::MOVE) {
        Status(p, "       down   wasMove");
        p.mouse.MouseState8pstr = PressState::DOWN;
        MouseDownDispatch(p);
    }
}

void CanvasMoved(Program& p, Integer buttons, Single x, Single y) {
    p.mouse.MouseState8pstr = PressState::MOVE;
    StorePosition(p, x, y);
    p.mouse.MouseButton8pint = buttons;
    p.mouse.MouseWhere8pstr = MouseWhere::PIC;
    Status(p, "  Move ");
    RedrawThrottled(p);
}

void CanvasReleased(Program& p, Single x, Single y) {
    StorePosition(p, x, y);
    p.mouse.MouseState8pstr = PressState::MOVE;
    Status(p, "   UP ");
}

void MovedOverWindow(Program& p, Integer buttons, Single x, Single y) {
    MouseState& m = p.mouse;
    StorePosition(p, x, y);
    m.MouseButton8pint = buttons;
    // Acts only on a move that changes both rounded coordinates.
    if (static_cast<Single>(m.MouseX8pint) == m.FormMouseLast8psng[0] ||
        static_cast<Single>(m.MouseY8pint) == m.FormMouseLast8psng[1]) {
        return;
    }
    m.FormMouseLast8psng = {static_cast<Single>(m.MouseX8pint), static_cast<Single>(m.MouseY8pint)};
    if (m.MouseWhere8pstr == MouseWhere::PIC) {
        m.MouseWhere8pstr = MouseWhere::FORM;
        m.MouseState8pstr = PressState::MOVE;
        RedrawThrottled(p);
        Status(p, "---off--");
    }
}

void ZoomInBoxPressed(Program& p) {
    p.mouse.ZoomBoxArmed8pbol = true;
    p.mouse.ZoomBoxDragging8pbol = true;
}

void LineSearch(Program& p) {
    if (!p.actions.LineSearchOn8pbol) {
        return;
    }
    Control& button2 = p.platform.controls.Button2_SelectAssignUnassignYes_8cbn;
    button2.SetEnabled(false);
    button2.SetCaption(" -- --- --");
    p.actions.LineHit8pbol = FindNearestLine(p.drawing, p.mouse.MouseX8pint, p.mouse.MouseY8pint,
                                             p.actions.SearchAllLines8pbol, p.ClickCycle8sint,
                                             SquareReach(p.lists.SymbolUnitX8psng),
                                             SquareReach(p.lists.SymbolUnitY8psng));
}

}  // namespace qelt

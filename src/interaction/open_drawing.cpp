#include "interaction/open_drawing.h"

#include "interaction/actions.h"
#include "interaction/history.h"
#include "plotting/rendering.h"

namespace qelt {

namespace {

std::string Counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

void OpenDrawing(Program& p, const DrawingState& drawing, const std::string& name) {
    p.drawing = drawing;
    ResetActionButtons(p);
    RedrawAll(p.plotView());
    p.platform.controls.ConcludingInfoToUser8lbl.SetCaption(
        "Read " + Counted(drawing.LineCount8pint, "line", "lines") + ", " +
        Counted(PointTotal(drawing.Lines8pudt, drawing.LineCount8pint), "point", "points") +
        " from " + name);
    StartHistory(p);
}

}  // namespace qelt

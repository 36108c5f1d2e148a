// Putting a drawing read from a data file in place of the one on the screen.
#include "interaction/open_drawing.h"

#include "interaction/actions.h"
#include "interaction/history.h"
#include "output/data_file.h"
#include "plotting/rendering.h"

namespace qelt {

bool ReadyToOpen(Program& p) {
    if (!p.actions.ReadyForAction8pbol) {
        p.platform.session.Alert(
            "A drawing is opened when no action is under way: finish it or press Cancel, then "
            "open the file again");
    }
    return p.actions.ReadyForAction8pbol;
}

void OpenDrawing(Program& p, const DrawingState& drawing, const std::string& name) {
    p.drawing = drawing;
    p.writtenFile = DataFileText(drawing);
    ResetActionButtons(p);
    RedrawAll(p.plotView());
    p.platform.controls.ConcludingInfoToUser8lbl.SetCaption("Read " + LinesAndPoints(drawing) +
                                                            " from " + name);
    StartHistory(p);
}

}  // namespace qelt

// The start-up sequence that the main window's load event runs.
#include "interaction/startup.h"

#include "interaction/actions.h"
#include "interaction/history.h"
#include "output/data_file.h"
#include "plotting/frame.h"
#include "state/palette.h"

namespace qelt {

namespace {

void StartDrawing(Program& p) {
    p.actions.LineSearchOn8pbol = false;
    p.actions.ReadyForAction8pbol = true;
    p.drawing.LineCount8pint = 0;

    p.mouse.MouseWhere8pstr = MouseWhere::FORM;
    p.mouse.MouseState8pstr = PressState::MOVE;

    ComputePlotFrame(p.plotView());

    // The vertical unit is the horizontal one, whatever the canvas's height.
    p.lists.SymbolScale8psng = 0.01F;
    p.lists.SymbolUnitX8psng =
        static_cast<Single>(double{p.lists.SymbolScale8psng} * p.platform.canvas.ScaleWidth());
    p.lists.SymbolUnitY8psng = p.lists.SymbolUnitX8psng;

    for (Form form : {Form::XSpick8frm, Form::CADmap8frm, Form::CADlistof8frm, Form::CAD8frm}) {
        p.platform.session.Show(form);
    }
    p.platform.canvas.Cls();
}

void StartPlotting(Program& p) {
    SetUpPlotFrame(p.plotView());
    SetUpColours(p.palette);
    StartDrawing(p);
    ResetActionButtons(p);
}

}  // namespace

void StartProgram(Program& p) {
    StartPlotting(p);
    ResetActionButtons(p);
    StartHistory(p);
    p.writtenFile = DataFileText(p.drawing);  // an empty drawing holds nothing to keep
}

}  // namespace qelt

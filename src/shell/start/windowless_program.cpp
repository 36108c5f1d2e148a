// A program without windows: a drawing opened on the canvas of a picture.
#include "shell/start/windowless_program.h"

#include <array>

#include "interaction/open_drawing.h"
#include "interaction/startup.h"

namespace qelt::shell {

AxisLabels DrawOpened(PictureCanvas& canvas, const DrawingState& drawing, const std::string& name) {
    // Platform parts that show nothing; the controls keep the captions the program writes.
    std::array<KeptControl, 12> c;
    StoppedClock clock;
    NoFileOutput output;
    NoWindows session;
    Program p(Platform{
        canvas,
        MainControls{c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], c[9], c[10], c[11]},
        clock, output, session});
    StartProgram(p);
    OpenDrawing(p, drawing, name);
    const Readouts shown = p.plotView().readouts;
    const auto text = [](const Control& label) { return QString::fromStdString(label.Caption()); };
    return {text(shown.left), text(shown.right), text(shown.top), text(shown.bottom)};
}

}  // namespace qelt::shell

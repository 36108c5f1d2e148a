// The canvas and main-window mouse events, the press dispatch and the zoom step.
#pragma once

#include "interaction/program.h"

namespace qelt {

// Canvas events, in canvas pixels; the form move in the main window's pixels.
void CAD8pic_mousedown(Program& p, Integer Botton8iint, Integer shift8iint, Single MouseX8isng,
                       Single MouseY8isng);
void CAD8pic_mousemove(Program& p, Integer Botton8iint, Integer shift8iint, Single MouseX8isng,
                       Single MouseY8isng);
void CAD8pic_mouseup(Program& p, Integer Botton8iint, Integer shift8iint, Single MouseX8isng,
                     Single MouseY8isng);
void Form_MouseMove(Program& p, Integer Botton8iint, Integer shift8iint, Single MouseX8isng,
                    Single MouseY8isng);
void ZoomInBoxPressed(Program& p);

// The line search of a press while line search is on: Button 2 is blanked, then the line
// under the press is selected, or none.
void LineSearch(Program& p);

}  // namespace qelt

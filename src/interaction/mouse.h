#pragma once

#include "program/program.h"

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

void RedrawThrottled(Program& p);
void MouseDownDispatch(Program& p);
void RedrawAll(Program& p);
void ZoomBoxPress(Program& p);

}  // namespace qelt

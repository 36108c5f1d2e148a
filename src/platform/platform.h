// Everything the program needs of the window system, in one bundle.
#pragma once

#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/control.h"
#include "platform/file_output.h"
#include "platform/session.h"

namespace qelt {

// Everything the program needs of the window system, handed over at construction.
struct Platform {
    Canvas& canvas;
    MainControls controls;
    Clock& clock;
    FileOutput& output;
    Session& session;
};

}  // namespace qelt

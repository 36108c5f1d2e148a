// The colour palette the drawing takes its colours from.
#pragma once

#include "state/types.h"

namespace qelt {

// Packs a colour the way the canvas takes it: red in the low byte, then green, then blue.
constexpr Long Rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

struct Palette {
    Long Red8plng = 0;
    Long Brown8plng = 0;
    Long Yellow8plng = 0;
    Long Violet8plng = 0;
    Long SkyBlue8plng = 0;
    Long Blue8plng = 0;
    Long Magenta8plng = 0;
    Long Green8plng = 0;
    Long DarkGreen8plng = 0;
    Long MidGrey8plng = 0;
    Long LightGrey8plng = 0;
    Long DarkGrey8plng = 0;
    Long NearBlack8plng = 0;
    Long White8plng = 0;
};

void SetUpColours(Palette& palette);

}  // namespace qelt

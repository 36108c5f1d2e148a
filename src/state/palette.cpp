// The colour palette the drawing takes its colours from.
#include "state/palette.h"

namespace qelt {

void SetUpColours(Palette& p) {
    p.Red8plng = Rgb(255, 0, 0);
    p.Brown8plng = Rgb(168, 126, 84);
    p.Yellow8plng = Rgb(221, 237, 15);
    p.Violet8plng = Rgb(57, 35, 217);
    p.SkyBlue8plng = Rgb(132, 199, 232);
    p.Blue8plng = Rgb(45, 49, 223);
    p.Magenta8plng = Rgb(205, 51, 217);
    p.Green8plng = Rgb(26, 200, 47);
    p.DarkGreen8plng = Rgb(20, 152, 36);
    p.MidGrey8plng = Rgb(150, 150, 150);
    p.LightGrey8plng = Rgb(192, 192, 192);
    p.DarkGrey8plng = Rgb(128, 128, 128);
    p.NearBlack8plng = Rgb(1, 1, 1);  // one step above black, so it stays distinct from 0
    p.White8plng = Rgb(255, 255, 255);
}

}  // namespace qelt

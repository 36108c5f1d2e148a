// Where the windows open on the screen the program starts on.
#pragma once

#include "shell/windows/main_window.h"
#include "shell/windows/secondary_windows.h"

namespace qelt::shell {

// Places the windows wholly on the main window's screen, the main window at its design place
// where it fits; no window covers END or "Write && End". A cross-section window with no such
// place shrinks beside the main window, its content scrolled to "Write && End".
void PlaceWindows(MainWindow& main, CrossSectionWindow& crossSection, SecondaryWindow& list,
                  SecondaryWindow& map);

}  // namespace qelt::shell

// The question the main window's close box asks before a drawing would be lost.
#pragma once

#include <QWidget>

namespace qelt::shell {

enum class CloseAnswer { Write, Discard, Stay };

// Asks, over `window`, whether the drawing is written before the program ends.
CloseAnswer AskBeforeClosing(QWidget* window);

}  // namespace qelt::shell

// The question asked before a drawing with unwritten changes would go: at the close box, and
// before another drawing is opened in its place.
#pragma once

#include <QString>
#include <QWidget>

namespace qelt::shell {

enum class WriteAnswer { Write, Discard, Stay };

// Asks `question`, over `window`, whether the drawing is written first; the drawing not written
// is kept in `keptFolder`.
WriteAnswer AskToWrite(QWidget* window, const QString& question, const QString& keptFolder);

}  // namespace qelt::shell

// The look the windows share: the warm background colour, the focus mark and the vertical axis
// captions.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace qelt::shell {

inline const QColor kWarm(255, 224, 192);

// Marks the button that has the keyboard focus in the window with a dark warm outline; the
// others keep the platform's look.
void MarkFocusedButton(QWidget* window);

// Words written bottom to top in the largest font whose line fits the picture's height, drawn
// at `pixelRatio` device pixels per pixel so that they stay sharp on a scaled screen.
QPixmap VerticalCaption(const QString& words, QSize size, const QColor& background, QFont font,
                        qreal pixelRatio);

}  // namespace qelt::shell

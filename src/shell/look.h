// The look the windows share: the warm background colour and the vertical axis captions.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

namespace qelt::shell {

inline const QColor kWarm(255, 224, 192);

// Words written bottom to top in the largest font whose line fits the picture's height, drawn
// at `pixelRatio` device pixels per pixel so that they stay sharp on a scaled screen.
QPixmap VerticalCaption(const QString& words, QSize size, const QColor& background, QFont font,
                        qreal pixelRatio);

}  // namespace qelt::shell

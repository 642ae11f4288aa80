#pragma once

#include <QFont>

namespace kx {

// The font of the command buttons and the small value boxes. It is fixed, as
// the labels' is, because their sizes are: a larger desktop font would push
// a caption out of its button.
inline QFont commandFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    return font;
}

} // namespace kx

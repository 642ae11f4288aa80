#pragma once

#include "pictures/font_family.h"

#include <QFont>

namespace kx {

// The windows' fonts are fixed, as their sizes are: a larger desktop font
// would push a caption out of its control.
inline QFont arialFont(qreal points, bool bold = false)
{
    QFont font = familyFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The font of the command buttons and the small value boxes.
inline QFont commandFont()
{
    return arialFont(9.75);
}

} // namespace kx

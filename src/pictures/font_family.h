#pragma once

#include <QFont>

namespace kx {

// The one family the program names, for the windows' captions, the piece
// letters, the drawings and the datasheet. A second one would load another
// font file at start-up and embed another font in every datasheet.
inline QFont familyFont()
{
    return QFont(QStringLiteral("Arial"));
}

} // namespace kx

#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace kx {

// A device-pixel ratio of 0 stands for the running application's.

// The application icon, 32 x 32 and 16 x 16.
QIcon applicationIcon();
// The application icon as a square image of this many pixels for the icon
// theme: below 24 pixels the simpler small drawing is scaled, else the large.
// A size below 1 throws std::out_of_range.
QImage applicationIconImage(int pixels);

// The seven piece icons of a toolbar (24 x 22), in button order without the
// separators: right-running AG, AC, G, C, V, EG, EV; left-running EG, EV, G,
// C, V, AG, AC. A piece outside 0..6 throws std::out_of_range.
QIcon toolbarIcon(bool rightRunning, int piece);
QPixmap toolbarPicture(bool rightRunning, int piece, qreal devicePixelRatio = 0);

// The example windows' pictures: window 1 or 2; a dimension drawing of
// 413 x 118 and views of 205 x 154 (index 1 to 4 for window 1, 1 to 2 for 2).
// Any other window or index throws std::out_of_range.
QPixmap exampleDrawing(int window, qreal devicePixelRatio = 0);
QPixmap exampleView(int window, int index, qreal devicePixelRatio = 0);

// The info dialog's logo, 125 x 549.
QPixmap infoLogo(qreal devicePixelRatio = 0);

} // namespace kx

#pragma once

class QPrinter;
class QWidget;

namespace kx {
class CommonDialog;
class Forms;

// File > Print (`drucken`): after the printer dialog, the image of the
// editor or start dialog in front on one landscape page.
void printWindowInFront(Forms& forms, CommonDialog& dialog);

// Draws the widget's current appearance onto one page at the printer's own
// resolution, scaled to fit within margins and centred; text stays text and
// the pictures are drawn, not copied. Throws RunError when the printer
// cannot take it.
void printWindowImage(QWidget& window, QPrinter& printer);
} // namespace kx

#pragma once

class QPrinter;
class QWidget;

namespace kx {
class Forms;

// The Click of `drucken`: prints the image of the editor or start dialog in
// front on one landscape page.
void drucken_Click(Forms& forms);

// Draws the widget's current appearance onto one page at the printer's own
// resolution, scaled to fit within margins and centred; text stays text and
// the pictures are drawn, not copied. Throws RunError when the printer
// cannot take it.
void printWindowImage(QWidget& window, QPrinter& printer);
} // namespace kx

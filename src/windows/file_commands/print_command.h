#pragma once

class QPrinter;
class QWidget;

namespace kx {
class Forms;

// The Click of `drucken`: prints the image of the editor or start dialog in
// front on one landscape page.
void drucken_Click(Forms& forms);

// Paints the widget's current appearance onto one page, scaled to fit;
// throws RunError when the printer cannot take it.
void printWindowImage(QWidget& window, QPrinter& printer);
} // namespace kx

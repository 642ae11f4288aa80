#pragma once

class QString;

namespace kx {

// kx-konfigurator --datasheet belt.dat --output belt.pdf: the program starts
// in its language without showing a window, loads the belt file as File >
// Open does and writes its datasheet. 0 when written; else the reason goes
// to the error output, as the error box would word it, and the status is 1.
// The error output of a datasheet run holds its failure alone: Qt's own
// notes (no runtime folder, a window the offscreen platform cannot size)
// are kept out of it; its critical and fatal messages still go there.
void quietQtMessages();

int runDatasheet(const QString& programFolder, const QString& beltFile, const QString& pdfFile);

} // namespace kx

#pragma once

class QString;

namespace kx {

class Forms;

// File > Export datasheet (PDF): the belt in front on one A4 page, written
// to the file the save dialog names; a failure shows the box with its reason.
void datenblatt_Click(Forms& forms);

// Writes the datasheet of the belt in front; throws RunError whose reason
// names the file.
void writeDatasheet(Forms& forms, const QString& path);

// The datasheet of a belt file, without a dialog or a box: the file is
// loaded as File > Open loads it, into the hidden editors. Returns the
// reason when the file does not load or the datasheet cannot be written,
// else an empty text.
QString datasheetOfFile(Forms& forms, const QString& beltPath, const QString& pdfPath);

} // namespace kx

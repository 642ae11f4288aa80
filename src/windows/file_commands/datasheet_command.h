#pragma once

class QString;

namespace kx {

class CommonDialog;
class Forms;

// File > Export datasheet (PDF): the belt in front on one A4 page, written
// to the file the save dialog names; a failure shows the box with its reason.
void exportDatasheet(Forms& forms, CommonDialog& dialog, const QString& title);

} // namespace kx

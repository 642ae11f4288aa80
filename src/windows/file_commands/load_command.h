#pragma once

class QString;

namespace kx {
class Forms;
struct LoadedBelt;

// The Click of `laden`: rebuilds the belt of a configuration file in its
// editor, locked. The whole file is read and checked before any window
// changes, so a file that cannot be loaded leaves everything as it was.
void laden_Click(Forms& forms);

// The load of a file already chosen, as laden_Click does it after its
// dialog, errors and their box included; true when the belt is shown.
bool loadBeltFile(Forms& forms, const QString& path);

// An order code typed or pasted, shown as loading a file holding it would,
// errors included; the box names the procedure and the code.
bool loadOrderCode(Forms& forms, const char* procedure, const QString& text);

// Shows a checked belt in its editor.
void showLoadedBelt(Forms& forms, const LoadedBelt& belt);
} // namespace kx

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
// dialog, errors and their box included.
void loadBeltFile(Forms& forms, const QString& path);

// Shows a checked belt in its editor.
void showLoadedBelt(Forms& forms, const LoadedBelt& belt);
} // namespace kx

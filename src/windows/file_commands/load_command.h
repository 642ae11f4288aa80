#pragma once

namespace kx {
class Forms;
struct LoadedBelt;

// The Click of `laden`: rebuilds the belt of a configuration file in its
// editor, locked. The whole file is read and checked before any window
// changes, so a file that cannot be loaded leaves everything as it was.
void laden_Click(Forms& forms);

// Shows a checked belt in its editor.
void showLoadedBelt(Forms& forms, const LoadedBelt& belt);
} // namespace kx

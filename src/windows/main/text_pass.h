#pragma once

namespace kx {

class Forms;
class MainWindow;
class QtTranslation;

// Reads the main text file and the language file into the wording and
// gives every window its texts, the main window's menus included, Qt's own
// words in the file's language; throws RunError (53, 62, 6, 75) after
// applying what was read before the failure.
void runTextPass(Forms& forms, MainWindow& main, QtTranslation& qtWords);

} // namespace kx

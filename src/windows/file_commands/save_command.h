#pragma once

class QString;

namespace kx {

class CommonDialog;
class Forms;

// File > Save (`speichern`): the belt in front written to the file the user
// picks, as one line: its kind tag and its order code. True when the belt
// was written.
bool saveBelt(Forms& forms, CommonDialog& dialog, const QString& title);

} // namespace kx

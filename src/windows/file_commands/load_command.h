#pragma once

class QString;
class QWidget;

namespace kx {

class CommonDialog;
class Forms;

// File > Open (`laden`): the belt of a file the user picks, shown locked in
// the editor of its kind. The whole file is read and checked before
// anything changes, so a file that cannot be loaded leaves everything as
// it was and says why.
void openBelt(Forms& forms, CommonDialog& dialog, const QString& title);

// The load of a file already chosen (Recent, the command line, a drop), as
// File > Open does it after its dialog, errors and their box included;
// true when the belt is shown.
bool loadBeltFile(Forms& forms, QWidget* parent, const QString& path);

// Loads a belt of File > Recent as File > Open would; a file that is gone is
// taken off the list once the load has said so.
void openRecentBelt(Forms& forms, QWidget* parent, const QString& path);

// An order code typed or pasted, shown as loading a file holding it would,
// errors included; the box names the procedure and the code.
bool loadOrderCode(Forms& forms, QWidget* parent, const char* procedure, const QString& text);

} // namespace kx

#pragma once

class QString;
class QWidget;

namespace kx {

class Forms;
struct RunError;

// The box of an error tail: the procedure's name as its text, the title
// "Error", OK alone, and below, in the current language, which file failed
// and why. A failure that carries no reason is told by its number; subject
// names the file when the reason does not.
void showFailureBox(Forms& forms, QWidget* parent, const QString& procedure, const RunError& error,
                    const QString& subject);

} // namespace kx

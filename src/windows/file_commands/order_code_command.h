#pragma once

class QWidget;

namespace kx {

class Forms;

// Configuration > Open order code (and Ctrl+V): a code from the clipboard,
// or typed, in a small dialog; shown as loading a file holding it would.
void openOrderCode(Forms& forms, QWidget* parent);

} // namespace kx

#pragma once

namespace kx {
class Forms;

// Installs the file commands: loading, saving, printing.
void installFileCommands(Forms& forms);
} // namespace kx

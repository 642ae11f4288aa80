#pragma once

namespace kx {
class Forms;

// Installs the file commands: loading, saving, printing.
void installFiles(Forms& forms);
} // namespace kx

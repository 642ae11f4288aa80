#pragma once

namespace kx {
class Forms;

// Registers wmM and the modular belt's procedures and timer work.
void installModularBelt(Forms& forms);
} // namespace kx

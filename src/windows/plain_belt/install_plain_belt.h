#pragma once

namespace kx {
class Forms;

// Registers woM and the plain belt's procedures with the registry.
void installPlainBelt(Forms& forms);
} // namespace kx

#pragma once

namespace kx {
class Forms;
}

// The plain belt's shared procedures.
namespace kx::Funktionen {

// Brings woM to the front for a new belt: features cleared; length, width and
// direction kept as they were.
void Create_Belt_oM(Forms& forms);

// Builds the order code from woM's controls, shows it and puts the order-code
// button into its copy state.
void Make_Order_Code_oM(Forms& forms);

} // namespace kx::Funktionen

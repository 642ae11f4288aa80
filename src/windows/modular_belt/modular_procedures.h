#pragma once

namespace kx {
class Forms;

namespace Funktionen {

// Open wmM for a new, empty belt running right or left.
void Create_Belt_mM_Right(Forms& forms);
void Create_Belt_mM_Left(Forms& forms);

// Build the modular belt's order code and show it.
void Make_Order_Code_mM(Forms& forms);
// The same, skipped while nothing it reads or writes has changed since the
// last build (wmM's tickCache): the refresh step's build.
void refreshOrderCode_mM(Forms& forms);

// Every shown piece gets its plain picture back.
void Clear_Module_Marks(Forms& forms);

} // namespace Funktionen
} // namespace kx

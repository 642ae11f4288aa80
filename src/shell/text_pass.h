#pragma once

namespace kx {

class Forms;

// Reads the main text file and the language file and gives every window its
// wording; throws RunError (53, 62, 6) where the files fall short.
void runTextPass(Forms& forms);

} // namespace kx

#pragma once

#include "text_pass_parser.h"

namespace kx {

class Forms;

// Gives the windows their texts in order. A window is created by the first
// text it receives; windows that this program does not register are skipped.
void applyTextAssignments(Forms& forms, const QList<TextAssignment>& assignments);

// Reads the main text file and the language file and gives every window its
// wording; throws RunError (53, 62, 6, 75) after applying what was read
// before the failure.
void runTextPass(Forms& forms);

} // namespace kx

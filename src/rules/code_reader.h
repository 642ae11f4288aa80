#pragma once

#include "rules/belt.h"

#include <QString>

namespace kx {

// The belt an order code describes, for the editor of the given kind. The
// code is a belt only when the code of the belt read from it (orderCode())
// is exactly the code, and the editor can show that belt; anything else
// throws RunError with a reason that names the field at fault, or, when no
// field alone is, the code the belt would have.
Belt readCode(const QString& code, BeltKind kind, const FeatureCodes& codes);

// The kind a code alone names: with side modules when the field after the
// direction is a begin piece.
BeltKind kindOfCode(const QString& code);

// Refuses a text holding a control or an invisible mark, named as U+XXXX:
// a direction mark would show the code in another order than it is read.
void requireVisibleCharacters(const QString& text);

} // namespace kx

#pragma once

#include "rules/belt.h"

#include <QString>

namespace kx {

// The belt's order code, with the feature codes of the language in use.
// A plain belt: "KX", the width field ("40-" or "80-"), the length, "-R" or
// "-L", then "-" and the code of each ticked feature in check-box order:
// KX80-1200-L-SF-PU. A belt with side modules: "KX", the width field, the
// length of its pieces and "-", "R-" or "L-", the begin piece and "-", the
// middle modules as runs ("2GC": two G, then one C), "-" and the end piece,
// then the features: KX40-600-R-AG-2GC-EV. An open belt lists every piece
// after its begin piece as a middle module and ends with "-": KX40-350-R-AG-2G-.
QString orderCode(const Belt& belt, const FeatureCodes& codes);

// The line a belt file holds: the kind tag "o" (plain) or "m" (with side
// modules) and the order code.
QString beltLine(const Belt& belt, const FeatureCodes& codes);

} // namespace kx

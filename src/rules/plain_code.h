#pragma once

#include "variablen.h"

#include <QString>

#include <array>
#include <optional>

namespace kx {

// The plain belt as its editor's controls hold it. The texts are taken as
// shown, so a dragged width such as "57" is kept as it is.
struct PlainBelt
{
    QString widthText;
    QString lengthText;
    bool right = false;
    bool left = false;
    std::array<bool, FeatureCount> features{};
    std::array<QString, FeatureCount> featureCodes;
};

// "KX", the width field ("40-" or "80-", nothing for any other text), the
// length text, "-R" and/or "-L", then "-" and the code of every checked
// feature in index order.
QString plainOrderCode(const PlainBelt& belt);

// The length 300, 400, ..., 1500 that a length text names, if it names one:
// only those lengths have a belt picture.
std::optional<int> beltPictureLength(const QString& lengthText);

} // namespace kx

#include "plain_code.h"

#include <algorithm>

namespace kx {

QString plainOrderCode(const PlainBelt& belt)
{
    QString code = QStringLiteral("KX");
    if (belt.widthText == QLatin1String("40"))
        code += QLatin1String("40-");
    if (belt.widthText == QLatin1String("80"))
        code += QLatin1String("80-");
    code += belt.lengthText;
    if (belt.right)
        code += QLatin1String("-R");
    if (belt.left)
        code += QLatin1String("-L");
    for (std::size_t i = 0; i < belt.features.size(); ++i) {
        if (belt.features[i])
            code += QLatin1Char('-') + belt.featureCodes[i];
    }
    return code;
}

std::optional<int> beltPictureLength(const QString& lengthText)
{
    bool isNumber = false;
    const double length = lengthText.toDouble(&isNumber);
    if (!isNumber)
        return std::nullopt;
    for (int candidate = 300; candidate <= 1500; candidate += 100) {
        if (length == candidate)
            return candidate;
    }
    return std::nullopt;
}

} // namespace kx

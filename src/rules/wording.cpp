#include "rules/wording.h"

#include "rules/type_codes.h"

namespace kx {

namespace {
// The toolbar buttons in the order of [TB]: Toolbar_Rechts, then Toolbar_Links.
constexpr std::array<const char*, ToolTipCount> ToolTipKeys = {
    "AG-R", "AC-R", "G", "C", "V", "EG-R", "EV-R", "EG-L", "EV-L", "G", "C", "V", "AG-L", "AC-L"};
} // namespace

QStringList FeatureList::definedCodes() const
{
    QStringList defined;
    for (int i = 0; i < count && i < FeatureCount; ++i)
        defined << codes[std::size_t(i)];
    return defined;
}

FeatureCodes Wording::featureCodes() const
{
    return FeatureCodes{plainFeatures.definedCodes(), modularFeatures.definedCodes()};
}

QString Wording::pieceWords(int type) const
{
    const TypeCode* piece = typeCode(type);
    if (!piece)
        return QString();
    // Middle modules are worded by the right-running toolbar's buttons.
    const std::size_t first = piece->running == Running::Left ? ToolTipCount / 2 : 0;
    for (std::size_t i = first; i < first + ToolTipCount / 2; ++i)
        if (QLatin1String(ToolTipKeys[i]) == QLatin1String(piece->key) &&
            !toolTips[i].trimmed().isEmpty())
            return toolTips[i];
    return QString::fromLatin1(piece->family);
}

QString Wording::pieceAt(int type, int position) const
{
    return pieceWords(type) + QStringLiteral(", ") + access[AccessPosition] + QLatin1Char(' ') +
           QString::number(position + 1);
}

QString plainCaption(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption.trimmed();
}

QString dialogTitle(const QString& caption)
{
    QString title = plainCaption(caption);
    while (title.endsWith(QLatin1Char('.')) || title.endsWith(QChar(0x2026)))
        title.chop(1);
    return title.trimmed();
}

} // namespace kx

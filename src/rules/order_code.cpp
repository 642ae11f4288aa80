#include "rules/order_code.h"

#include "rules/type_codes.h"

namespace kx {

namespace {
QString widthField(int width)
{
    return isBeltWidth(width) ? QString::number(width) + QLatin1Char('-') : QString();
}

QString featureFields(const Belt& belt, const FeatureCodes& codes)
{
    QString fields;
    const QStringList& defined = codes.of(belt.kind);
    for (int i = 0; i < FeatureCount && i < defined.size(); ++i)
        if (belt.features[std::size_t(i)])
            fields += QLatin1Char('-') + defined.at(i);
    return fields;
}

QString pieceLetters(int type)
{
    const TypeCode* piece = typeCode(type);
    return piece ? QString::fromLatin1(piece->family) : QString();
}

// Runs of equal middle modules in belt order: a count before the letter
// when a run is longer than one. Two runs of the same module stay apart.
QString middleRuns(const std::vector<int>& pieces, std::size_t first, std::size_t last)
{
    QString runs;
    for (std::size_t p = first; p < last;) {
        std::size_t end = p;
        while (end < last && pieces[end] == pieces[p])
            ++end;
        if (isMiddleModule(pieces[p])) {
            if (end - p > 1)
                runs += QString::number(end - p);
            runs += pieceLetters(pieces[p]);
        }
        p = end;
    }
    return runs;
}

QString modularCode(const Belt& belt)
{
    const std::vector<int>& pieces = belt.pieces;
    QString code = QStringLiteral("KX") + widthField(belt.width) +
                   QString::number(piecesLength(pieces)) + QLatin1Char('-') +
                   QLatin1String(belt.rightRunning ? "R-" : "L-");
    if (pieces.empty())
        return code;
    if (isBeginPiece(pieces.front()))
        code += pieceLetters(pieces.front()) + QLatin1Char('-');
    const bool closed = isClosedRow(pieces);
    const QString middle = middleRuns(pieces, 1, closed ? pieces.size() - 1 : pieces.size());
    code += middle;
    if (closed ? pieces.size() > 2 : !middle.isEmpty())
        code += QLatin1Char('-');
    if (closed)
        code += pieceLetters(pieces.back());
    return code;
}

QString plainCode(const Belt& belt)
{
    return QStringLiteral("KX") + widthField(belt.width) + QString::number(belt.length) +
           QLatin1String(belt.rightRunning ? "-R" : "-L");
}
} // namespace

QString orderCode(const Belt& belt, const FeatureCodes& codes)
{
    return (belt.modular() ? modularCode(belt) : plainCode(belt)) + featureFields(belt, codes);
}

QString beltLine(const Belt& belt, const FeatureCodes& codes)
{
    return QLatin1Char(belt.modular() ? 'm' : 'o') + orderCode(belt, codes);
}

} // namespace kx

#pragma once

#include "rules/type_codes.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <vector>

namespace kx {

// "AG G*3 C EV": family letters, "*n" repeats; the running direction picks
// the begin and end pieces' codes.
inline std::vector<int> piecesOf(const QString& text, bool right = true)
{
    std::vector<int> pieces;
    for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = token.split(QLatin1Char('*'));
        const std::optional<int> type = typeCodeFor(parts[0], right);
        if (!type)
            qFatal("no piece %s", qPrintable(parts[0]));
        for (int i = 0, n = parts.size() > 1 ? parts[1].toInt() : 1; i < n; ++i)
            pieces.push_back(*type);
    }
    return pieces;
}

// The same notation back, runs folded: {AG, G, G, EV} gives "AG G*2 EV".
inline QString piecesText(const std::vector<int>& pieces)
{
    QStringList out;
    for (std::size_t i = 0; i < pieces.size();) {
        std::size_t j = i;
        while (j < pieces.size() && pieces[j] == pieces[i])
            ++j;
        const TypeCode* piece = typeCode(pieces[i]);
        QString token =
            piece ? QString::fromLatin1(piece->family) : QStringLiteral("?%1").arg(pieces[i]);
        if (j - i > 1)
            token += QLatin1Char('*') + QString::number(j - i);
        out << token;
        i = j;
    }
    return out.join(QLatin1Char(' '));
}

} // namespace kx

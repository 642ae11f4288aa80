#pragma once

#include <QString>
#include <QStringList>
#include <QTest>

namespace kx {

// "a|b|c" as {"a", "b", "c"}: a list of names or words kept to a line.
inline QStringList listOf(const QString& text)
{
    return text.split(QLatin1Char('|'));
}

// QTest::newRow(name) << values...: a data table's row as one call.
template <typename... Values> void row(const char* name, const Values&... values)
{
    (QTest::newRow(name) << ... << values);
}

} // namespace kx

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kx {

// The lines as a text file's bytes, each ended by CR LF.
inline QByteArray crlf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// prefix1, prefix2, ...: lines that say where they come from.
inline QStringList numbered(const QString& prefix, int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << prefix + QString::number(i);
    return lines;
}

} // namespace kx

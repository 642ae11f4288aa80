#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>

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

// The same for lines written as literals.
inline QStringList texts(std::initializer_list<const char*> lines)
{
    QStringList list;
    for (const char* line : lines)
        list << QString::fromUtf8(line);
    return list;
}

inline QByteArray crlf(std::initializer_list<const char*> lines)
{
    return crlf(texts(lines));
}

inline QStringList numbered(const char* prefix, int count)
{
    return numbered(QString::fromUtf8(prefix), count);
}

} // namespace kx

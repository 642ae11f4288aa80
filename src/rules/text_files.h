#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kx {

enum class TextEncoding { Windows1252, Utf8 };

// A text file split into lines. Each line keeps the bytes it was stored
// with, so that a rewrite can hand back the lines it does not change
// exactly as they were.
struct TextFile
{
    TextEncoding encoding = TextEncoding::Windows1252;
    bool byteOrderMark = false;
    QList<QByteArray> rawLines; // without line ends; line 0 still holds a byte-order mark
    QStringList lines;          // decoded, without the byte-order mark
};

// Lines end at CR LF, at CR and at LF. The file is UTF-8 when it starts
// with a byte-order mark, or when it is valid UTF-8 and holds any byte
// above 127; otherwise it is Windows-1252.
TextFile decodeTextFile(const QByteArray& bytes);

// Reads a whole file. Fails with 53 when there is no such file and with 75
// when it exists but cannot be read.
TextFile readTextFile(const QString& path);

QByteArray encodeLine(const QString& line, TextEncoding encoding);

// Replaces the file's content at once: a failure (75) leaves the old file whole.
void writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace kx

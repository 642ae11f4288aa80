#include "text_files.h"

#include "run_error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace kx {

namespace {
const QByteArray Utf8Bom("\xEF\xBB\xBF");
const char* const Windows1252 = "windows-1252";

QList<QByteArray> splitLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < size && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(bytes.mid(start));
    return lines;
}

bool hasHighBytes(const QByteArray& bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) > 127)
            return true;
    return false;
}

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. Files without those
// bytes decode without loading the system's code-page tables, which cost the
// start-up time and memory.
bool hasWindows1252Extras(const QByteArray& bytes)
{
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F)
            return true;
    }
    return false;
}

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}
} // namespace

TextFile decodeTextFile(const QByteArray& bytes)
{
    TextFile file;
    file.byteOrderMark = bytes.startsWith(Utf8Bom);
    if (file.byteOrderMark || (hasHighBytes(bytes) && isValidUtf8(bytes)))
        file.encoding = TextEncoding::Utf8;
    file.rawLines = splitLines(bytes);

    // Single-byte lines and whole UTF-8 lines decode alike without state.
    const bool latin1 = file.encoding != TextEncoding::Utf8 && !hasWindows1252Extras(bytes);
    QStringDecoder decoder =
        file.encoding == TextEncoding::Utf8
            ? QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless)
        : latin1 ? QStringDecoder(QStringConverter::Latin1, QStringConverter::Flag::Stateless)
                 : QStringDecoder(Windows1252, QStringConverter::Flag::Stateless);
    file.lines.reserve(file.rawLines.size());
    for (qsizetype i = 0; i < file.rawLines.size(); ++i) {
        QByteArrayView raw = file.rawLines.at(i);
        if (i == 0 && file.byteOrderMark)
            raw = raw.sliced(Utf8Bom.size());
        file.lines.append(decoder.decode(raw));
    }
    return file;
}

TextFile readTextFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw RunError(RunError::FileNotFound);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw RunError(RunError::PathFileAccess);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw RunError(RunError::PathFileAccess);
    return decodeTextFile(bytes);
}

QByteArray encodeLine(const QString& line, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return line.toUtf8();
    QStringEncoder encoder(Windows1252, QStringConverter::Flag::Stateless);
    return encoder.encode(line);
}

void writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // commit() does not see a failed flush (a full disk) and would replace
    // the old file with a short one: flush first. Without a commit the
    // temporary file is discarded.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit())
        throw RunError(RunError::PathFileAccess);
}

} // namespace kx

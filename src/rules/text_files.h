#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QSaveFile;

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

// The largest text file read: far above any language file, far below what
// would hold up the program.
constexpr qint64 TextFileLimit = 1 << 20;

// Reads a whole regular file of at most maxBytes. A pipe, a device, a socket
// or a folder is refused before a byte is read, and opening never waits.
// Fails with 53 when there is no such file and with 75 when it cannot be
// read or is refused; the failure's reason names the file.
QByteArray readWholeFile(const QString& path, qint64 maxBytes);
TextFile readTextFile(const QString& path, qint64 maxBytes = TextFileLimit);

QByteArray encodeLine(const QString& line, TextEncoding encoding);

// The last step of replacing a file, QSaveFile::commit() unless a test puts
// in one that fails.
using FileCommit = std::function<bool(QSaveFile& file)>;

// Whether writeWholeFile may write the path, asked before anything is
// written: a target that exists must be a regular file that is not
// read-only (its mode bits decide, even for root), or a symbolic link to
// one; its folder must take a new file. Fails with 75 and the reason, which
// names the file; true when there is a file that the write would replace.
bool checkWriteTarget(const QString& path);

// Replaces the file's content at once: a failure (75) leaves the old file
// whole; its reason names the file and says what the system reported. A
// symbolic link stays and its file is replaced; a replaced file keeps its
// mode (and, written by root, its owner).
void writeWholeFile(const QString& path, const QByteArray& bytes, const FileCommit& commit = {});

} // namespace kx

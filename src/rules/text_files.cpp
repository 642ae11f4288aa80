#include "rules/text_files.h"

#include "rules/run_error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {
QString nameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}

RunError openFailure(const QString& path, int error)
{
    if (error == ENOENT || error == ENOTDIR)
        return failure(RunError::FileNotFound, FailNoSuchFile, nameOf(path));
    if (error == EACCES || error == EPERM)
        return failure(RunError::PathFileAccess, FailAccessDenied, nameOf(path));
    return failure(RunError::PathFileAccess, FailNotRead, nameOf(path));
}

RunError tooLarge(const QString& path, qint64 size, qint64 maxBytes)
{
    return failure(RunError::PathFileAccess, FailTooLarge, nameOf(path),
                   {QString::number(size), QString::number(maxBytes)});
}

// A pipe would block the read, a device never end it.
void requireRegularFile(const QString& path, const struct stat& info, qint64 maxBytes)
{
    if (!S_ISREG(info.st_mode))
        throw failure(RunError::PathFileAccess, FailNotAFile, nameOf(path));
    if (info.st_size > maxBytes)
        throw tooLarge(path, info.st_size, maxBytes);
}

struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

RunError openForWritingFailure(const QString& path, int error)
{
    const QFileInfo info(path);
    if (info.isDir())
        return failure(RunError::PathFileAccess, FailNotAFile, info.fileName());
    if (!QFileInfo(info.absolutePath()).isDir())
        return failure(RunError::PathFileAccess, FailNoSuchFolder, info.fileName());
    if (error == EACCES || error == EPERM || error == EROFS)
        return failure(RunError::PathFileAccess, FailAccessDenied, info.fileName());
    return failure(RunError::PathFileAccess, FailNotWritten, info.fileName());
}
} // namespace

QByteArray readWholeFile(const QString& path, qint64 maxBytes)
{
    const QByteArray native = QFile::encodeName(path);
    // Looked at before it is opened: opening a device can already do something.
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        throw openFailure(path, errno);
    requireRegularFile(path, info, maxBytes);
    // The name may stand for a pipe by now: opening must not wait for a writer.
    const Descriptor file{::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0)
        throw openFailure(path, errno);
    if (::fstat(file.fd, &info) != 0)
        throw openFailure(path, errno);
    requireRegularFile(path, info, maxBytes);

    QByteArray bytes;
    bytes.reserve(qsizetype(info.st_size));
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw failure(RunError::PathFileAccess, FailNotRead, nameOf(path));
        if (got == 0)
            return bytes;
        bytes.append(buffer, qsizetype(got));
        // It grew while being read.
        if (bytes.size() > maxBytes)
            throw tooLarge(path, bytes.size(), maxBytes);
    }
}

TextFile readTextFile(const QString& path, qint64 maxBytes)
{
    return decodeTextFile(readWholeFile(path, maxBytes));
}

QByteArray encodeLine(const QString& line, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return line.toUtf8();
    QStringEncoder encoder(Windows1252, QStringConverter::Flag::Stateless);
    return encoder.encode(line);
}

void writeWholeFile(const QString& path, const QByteArray& bytes, const FileCommit& commit)
{
    QSaveFile file(path);
    // errno tells why the temporary file could not be made (Qt's own open
    // relies on it); read before anything else can change it.
    if (!file.open(QIODevice::WriteOnly))
        throw openForWritingFailure(path, errno);
    // commit() does not see a failed flush (a full disk) and would replace
    // the old file with a short one: flush first. Without a commit the
    // temporary file is discarded.
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        !(commit ? commit(file) : file.commit()))
        throw failure(RunError::PathFileAccess, FailNotWritten, nameOf(path));
}

} // namespace kx

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

struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// What the system said, mapped once to the reason the box gives.
RunError writeFailure(const QString& path, int error)
{
    FailureText kind = FailNotWritten;
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        kind = FailNoSuchFolder;
        break;
    case EACCES:
    case EPERM:
        kind = FailAccessDenied;
        break;
    case EROFS:
        kind = FailReadOnlyFileSystem;
        break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        kind = FailDiskFull;
        break;
    case EISDIR:
        kind = FailNotAFile;
        break;
    case ELOOP:
        kind = FailDanglingLink;
        break;
    default:
        break;
    }
    return failure(RunError::PathFileAccess, kind, nameOf(path));
}

// The file a write goes to, looked at before anything is written.
struct WriteTarget
{
    QString path; // a symbolic link's file
    bool exists = false;
    struct stat info
    {
    };
};

WriteTarget writeTarget(const QString& path)
{
    WriteTarget target{path};
    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &target.info) == 0) {
        if (S_ISLNK(target.info.st_mode)) {
            if (::stat(native.constData(), &target.info) != 0) {
                if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP)
                    throw failure(RunError::PathFileAccess, FailDanglingLink, nameOf(path));
                throw writeFailure(path, errno);
            }
            target.path = QFileInfo(path).canonicalFilePath();
        }
        // The rename would put a regular file in place of a pipe or a device.
        if (!S_ISREG(target.info.st_mode))
            throw failure(RunError::PathFileAccess, FailNotAFile, nameOf(path));
        // Root may write whatever the bits say; a read-only file stays so.
        if ((target.info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            throw failure(RunError::PathFileAccess, FailReadOnlyFile, nameOf(path));
        if (::access(QFile::encodeName(target.path).constData(), W_OK) != 0)
            throw writeFailure(path, errno);
        target.exists = true;
    } else if (errno != ENOENT) {
        throw writeFailure(path, errno);
    }
    // The new file is made beside the target and renamed over it.
    const QByteArray folder = QFile::encodeName(QFileInfo(target.path).absolutePath());
    struct stat folderInfo
    {
    };
    if (::stat(folder.constData(), &folderInfo) != 0)
        throw writeFailure(path, errno);
    if (!S_ISDIR(folderInfo.st_mode))
        throw failure(RunError::PathFileAccess, FailNoSuchFolder, nameOf(path));
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        throw writeFailure(path, errno);
    return target;
}
} // namespace

QByteArray readWholeFile(const QString& path, qint64 maxBytes)
{
    const QByteArray native = QFile::encodeName(path);
    // Looked at before it is opened: opening a device can already do something.
    struct stat info
    {
    };
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

bool checkWriteTarget(const QString& path)
{
    return writeTarget(path).exists;
}

void writeWholeFile(const QString& path, const QByteArray& bytes, const FileCommit& commit)
{
    const WriteTarget target = writeTarget(path);
    QSaveFile file(target.path);
    // errno tells why the temporary file could not be made (Qt's own open
    // relies on it); read before anything else can change it.
    if (!file.open(QIODevice::WriteOnly))
        throw writeFailure(path, errno);
    // QSaveFile's own copy of the mode gives root the owner's write bit.
    // The owner first: a change of owner clears the set-id bits.
    if (target.exists) {
        const int fd = file.handle();
        if ((::geteuid() == 0 && ::fchown(fd, target.info.st_uid, target.info.st_gid) != 0) ||
            ::fchmod(fd, target.info.st_mode & 07777) != 0)
            throw writeFailure(path, errno);
    }
    // commit() does not see a failed flush (a full disk) and would replace
    // the old file with a short one: flush first. Without a commit the
    // temporary file is discarded.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw writeFailure(path, errno);
    errno = 0;
    if (!(commit ? commit(file) : file.commit()))
        throw writeFailure(path, errno);
}

} // namespace kx

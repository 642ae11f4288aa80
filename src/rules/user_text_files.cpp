#include "rules/user_text_files.h"

#include "rules/text_files.h"

namespace kx {

const char* const MainTextFileName = "47-318-xx.ini";

namespace {
// The line after the first [SPRACHE], as the text pass finds it; -1 when none.
qsizetype languageLine(const TextFile& file)
{
    const qsizetype header = file.lines.indexOf(QStringLiteral("[SPRACHE]"));
    return header >= 0 && header + 1 < file.lines.size() ? header + 1 : -1;
}

QByteArray withLanguageOf(const QByteArray& installedBytes, const QByteArray& copyBytes,
                          const QStringList& userFiles)
{
    const TextFile installed = decodeTextFile(installedBytes);
    const TextFile copy = decodeTextFile(copyBytes);
    const qsizetype target = languageLine(installed);
    const qsizetype chosen = languageLine(copy);
    // A language whose file is gone would stop the start-up, and with it the
    // language menu: the installed choice stands in.
    if (target < 0 || chosen < 0 || !userFiles.contains(copy.lines.at(chosen)))
        return installedBytes;
    QByteArray bytes;
    for (qsizetype i = 0; i < installed.rawLines.size(); ++i) {
        bytes += i == target ? encodeLine(copy.lines.at(chosen), installed.encoding)
                             : installed.rawLines.at(i);
        bytes += "\r\n";
    }
    return bytes;
}
} // namespace

std::optional<QByteArray> refreshedCopy(const QString& name, const QByteArray& installed,
                                        const std::optional<QByteArray>& copy,
                                        bool installedChanged, const QStringList& userFiles)
{
    if (!copy)
        return installed;
    if (!installedChanged)
        return std::nullopt;
    if (name != QLatin1String(MainTextFileName))
        return installed;
    return withLanguageOf(installed, *copy, userFiles);
}

} // namespace kx

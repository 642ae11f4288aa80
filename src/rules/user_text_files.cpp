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

// The installed main text file with `language` on its language line; the
// other lines keep their installed bytes.
QByteArray withLanguage(const QByteArray& installedBytes, const QString& language)
{
    const TextFile installed = decodeTextFile(installedBytes);
    const qsizetype target = languageLine(installed);
    if (target < 0 || installed.lines.at(target) == language)
        return installedBytes;
    QByteArray bytes;
    for (qsizetype i = 0; i < installed.rawLines.size(); ++i) {
        bytes += i == target ? encodeLine(language, installed.encoding) : installed.rawLines.at(i);
        bytes += "\r\n";
    }
    return bytes;
}

QByteArray withLanguageOf(const QByteArray& installedBytes, const QByteArray& copyBytes,
                          const QStringList& userFiles)
{
    const TextFile copy = decodeTextFile(copyBytes);
    const qsizetype chosen = languageLine(copy);
    // A language whose file is gone would stop the start-up, and with it the
    // language menu: the installed choice stands in.
    if (chosen < 0 || !userFiles.contains(copy.lines.at(chosen)))
        return installedBytes;
    return withLanguage(installedBytes, copy.lines.at(chosen));
}

// "en_US.UTF-8@euro" and "en-US" give "en_us"; C and POSIX name no language.
QString localeName(const QString& value)
{
    QString name = value.trimmed().toLower();
    for (const QChar end : {QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = name.indexOf(end);
        if (at >= 0)
            name.truncate(at);
    }
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return name == QLatin1String("c") || name == QLatin1String("posix") ? QString() : name;
}

struct OfferedLanguage
{
    QString file;
    QString locale;
};

// The languages of [AUSWAHL] as the language menu lists them, with the
// locale their file states.
QList<OfferedLanguage> offeredLanguages(const QByteArray& mainFile,
                                        const QMap<QString, QByteArray>& files)
{
    QList<OfferedLanguage> offered;
    const QStringList lines = decodeTextFile(mainFile).lines;
    const qsizetype header = lines.indexOf(QStringLiteral("[AUSWAHL]"));
    if (header < 0)
        return offered;
    for (qsizetype i = header + 1; i < lines.size() && i <= header + 5; ++i) {
        if (lines.at(i).contains(QLatin1String("xxx")))
            break;
        const QString file = lines.at(i) + QStringLiteral(".ini");
        const auto bytes = files.constFind(file);
        if (bytes == files.constEnd())
            continue;
        const QStringList words = decodeTextFile(*bytes).lines;
        const qsizetype locale = words.indexOf(QStringLiteral("[LOCALE]")) + 1;
        if (locale > 0 && locale < words.size())
            offered.append({file, localeName(words.at(locale))});
    }
    return offered;
}

// The file whose locale is the user's, else the first of the user's language
// (en_GB for en_US, en for en_US).
QString bestLanguage(const QString& user, const QList<OfferedLanguage>& offered)
{
    if (user.isEmpty())
        return QString();
    const QString userLanguage = user.section(QLatin1Char('_'), 0, 0);
    QString sameLanguage;
    for (const OfferedLanguage& language : offered) {
        if (language.locale == user)
            return language.file;
        if (sameLanguage.isEmpty() && !language.locale.isEmpty() &&
            language.locale.section(QLatin1Char('_'), 0, 0) == userLanguage)
            sameLanguage = language.file;
    }
    return sameLanguage;
}
} // namespace

std::optional<QByteArray> refreshedCopy(const QString& name, const QByteArray& installed,
                                        const std::optional<QByteArray>& copy,
                                        bool installedChanged, const QStringList& userFiles,
                                        const QString& localeLanguage)
{
    const bool main = name == QLatin1String(MainTextFileName);
    if (!copy)
        return main && userFiles.contains(localeLanguage) ? withLanguage(installed, localeLanguage)
                                                          : installed;
    if (!installedChanged)
        return std::nullopt;
    if (!main)
        return installed;
    return withLanguageOf(installed, *copy, userFiles);
}

QString languageForLocale(const QByteArray& mainFile, const QMap<QString, QByteArray>& files,
                          const LocaleEnvironment& environment)
{
    const QList<OfferedLanguage> offered = offeredLanguages(mainFile, files);
    const QStringList priorities = environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (!priorities.isEmpty()) {
        for (const QString& entry : priorities) {
            const QString file = bestLanguage(localeName(entry), offered);
            if (!file.isEmpty())
                return file;
        }
        return QString();
    }
    for (const QString* value : {&environment.lcAll, &environment.lcMessages, &environment.lang})
        if (!value->isEmpty())
            return bestLanguage(localeName(*value), offered);
    return QString();
}

} // namespace kx

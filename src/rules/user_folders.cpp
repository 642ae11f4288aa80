#include "rules/user_folders.h"

#include "rules/run_error.h"
#include "rules/text_files.h"
#include "rules/user_text_files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace kx {

namespace {
const char* const FolderName = "kx-konfigurator";
// Beside the copies: which installed file each was last taken from.
const char* const RecordName = "installed-text-files.conf";
const char* const BeltFolderKey = "dialogs/beltFolder";

std::optional<QByteArray> readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool writableFolder(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

LocaleEnvironment localeEnvironment()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")};
}
} // namespace

QString userTextFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QString::fromLatin1(FolderName));
}

QString userSettingsFile()
{
    const QString name = QString::fromLatin1(FolderName);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(name + QLatin1Char('/') + name + QStringLiteral(".conf"));
}

bool canRewriteTextFiles(const QString& programFolder)
{
    const QFileInfo main(QDir(programFolder).filePath(QString::fromLatin1(MainTextFileName)));
    return writableFolder(programFolder) && (!main.exists() || main.isWritable());
}

QString prepareTextFolder(const QString& programFolder, const QString& userFolder,
                          bool programFolderWritable)
{
    if (programFolderWritable || userFolder.isEmpty() || !QDir().mkpath(userFolder))
        return programFolder;
    const QDir installed(programFolder);
    const QDir user(userFolder);
    const QString mainName = QString::fromLatin1(MainTextFileName);
    QStringList names = installed.entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name);
    // The main text file last: it keeps a chosen language whose file is there.
    if (names.removeAll(mainName) > 0)
        names.append(mainName);
    QStringList userFiles = user.entryList({QStringLiteral("*.ini")}, QDir::Files);
    for (const QString& name : std::as_const(names))
        if (!userFiles.contains(name))
            userFiles.append(name);

    QSettings record(user.filePath(QString::fromLatin1(RecordName)), QSettings::IniFormat);
    QMap<QString, QByteArray> installedFiles;
    for (const QString& name : std::as_const(names)) {
        const std::optional<QByteArray> bytes = readBytes(installed.filePath(name));
        if (!bytes)
            continue;
        installedFiles.insert(name, *bytes);
        const QString stamp =
            QString::fromLatin1(QCryptographicHash::hash(*bytes, QCryptographicHash::Sha1).toHex());
        const bool changed = record.value(name).toString() != stamp;
        const std::optional<QByteArray> current = readBytes(user.filePath(name));
        // A first copy of the main text file speaks the user's language.
        const QString localeLanguage =
            !current && name == mainName
                ? languageForLocale(*bytes, installedFiles, localeEnvironment())
                : QString();
        const std::optional<QByteArray> copy =
            refreshedCopy(name, *bytes, current, changed, userFiles, localeLanguage);
        try {
            if (copy)
                writeWholeFile(user.filePath(name), *copy);
            record.setValue(name, stamp);
        } catch (const RunError&) {
            // The start-up reports a text file it cannot read.
        }
    }
    // A folder the copies could not go to: the installed files, read only.
    const bool copied = QFileInfo(user.filePath(mainName)).isFile() ||
                        !QFileInfo::exists(installed.filePath(mainName));
    return copied ? userFolder : programFolder;
}

QString beltFolder(const QString& textFolder, const QString& programFolder)
{
    const QSettings settings(userSettingsFile(), QSettings::IniFormat);
    const QString last = settings.value(QLatin1String(BeltFolderKey)).toString();
    if (!last.isEmpty() && writableFolder(last))
        return last;
    if (textFolder == programFolder && writableFolder(programFolder))
        return programFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void rememberBeltFolder(const QString& beltFile)
{
    QSettings settings(userSettingsFile(), QSettings::IniFormat);
    settings.setValue(QLatin1String(BeltFolderKey), QFileInfo(beltFile).absolutePath());
}

} // namespace kx

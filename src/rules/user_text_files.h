#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace kx {

// The main text file: the languages on offer and the chosen one.
extern const char* const MainTextFileName;

// Where the program folder cannot be written, the user keeps copies of the
// installed text files. What the copy of one installed file becomes at a
// start: `installedChanged` says that the installed file is not the one the
// copy was last taken from (a package upgrade); `userFiles` names the files
// of the user's folder, the new copies included. Returns the copy's new
// content, or nothing when the copy stays as it is.
//
// A new installed file replaces the user's copy, but the main text file
// keeps the user's language line as long as that language file is there.
// The first copy of the main text file names `localeLanguage` (a language
// file of the user's folder, see languageForLocale) in place of the
// installed choice.
std::optional<QByteArray> refreshedCopy(const QString& name, const QByteArray& installed,
                                        const std::optional<QByteArray>& copy,
                                        bool installedChanged, const QStringList& userFiles,
                                        const QString& localeLanguage = QString());

// The user's locale as the environment gives it.
struct LocaleEnvironment
{
    QString language; // LANGUAGE: a list of locales, separated by colons
    QString lcAll;
    QString lcMessages;
    QString lang;
};

// Of the languages the main text file offers ([AUSWAHL]), the file whose
// [LOCALE] line matches the user's locale ("English.ini" for en_US.UTF-8);
// empty when none does. The first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG
// that is set decides; in LANGUAGE its first entry that matches a language
// on offer. `files` holds the language files by name.
QString languageForLocale(const QByteArray& mainFile, const QMap<QString, QByteArray>& files,
                          const LocaleEnvironment& environment);

} // namespace kx

#pragma once

#include <QByteArray>
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
std::optional<QByteArray> refreshedCopy(const QString& name, const QByteArray& installed,
                                        const std::optional<QByteArray>& copy,
                                        bool installedChanged, const QStringList& userFiles);

} // namespace kx

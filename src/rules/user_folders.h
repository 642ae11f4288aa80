#pragma once

#include <QString>

namespace kx {

// Where the user's copies of the text files live when the program folder
// cannot be written: $XDG_DATA_HOME/kx-konfigurator.
QString userTextFolder();

// The program's settings: $XDG_CONFIG_HOME/kx-konfigurator/kx-konfigurator.conf.
QString userSettingsFile();

// The user can rewrite the text files where they are installed: the folder
// (a rewrite replaces the file through a new one) and its main text file.
bool canRewriteTextFiles(const QString& programFolder);

// The folder the text files are read from and rewritten in: the program
// folder where the user can rewrite them there; else the user's folder,
// first brought up to date with the installed files. When the user's folder
// cannot be made, the program folder, as before.
QString prepareTextFolder(const QString& programFolder, const QString& userFolder,
                          bool programFolderWritable);

// Where the open and save dialogs start: the folder of the belt opened or
// saved last, while the user can write it; before that the program folder
// where the user can write it, else the user's documents.
QString beltFolder(const QString& textFolder, const QString& programFolder);
void rememberBeltFolder(const QString& beltFile);

} // namespace kx

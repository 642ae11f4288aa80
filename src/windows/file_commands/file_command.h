#pragma once

#include <QString>

class QWidget;

namespace kx {

class Forms;
struct RunError;

enum class FileDialogKind { Open, Save };

// The file the user picks in the file dialog of a File command, titled by
// the command and started in the belts' folder; empty when cancelled. The
// save dialog offers suggestedName.
QString chooseFile(Forms& forms, FileDialogKind kind, const QString& title, const char* filter,
                   const QString& suggestedName = QString());

// The file a Save or Export writes: the path with the suffix (".dat") added
// when its name has no extension. A file already there is replaced only
// when the user says so; empty when not. A target that the write would
// refuse (not a regular file, read-only, ...) fails with 75 before asking.
QString confirmedTarget(Forms& forms, QWidget* parent, QString path, const QString& suffix);

// The error tail of a file command: the box under the command's own name,
// whatever ran while its dialog was open; subject names the file (or the
// code) when the failure does not.
void fileCommandFailed(Forms& forms, const char* procedure, const RunError& error,
                       const QString& subject);

// A command's caption as plain words: the mnemonic marks gone, "&&" kept
// as the ampersand it shows.
QString plainCaption(QString caption);

} // namespace kx

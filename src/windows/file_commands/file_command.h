#pragma once

#include <QString>

class QWidget;

namespace kx {

class CommonDialog;
class Forms;
struct RunError;

enum class FileDialogKind { Open, Save };

enum class FileType { Belt, Pdf };

// The file the user picks in the file dialog of a File command, titled by
// the command, offering the files of that type and all files, and started
// in the belts' folder; empty when cancelled. The save dialog offers
// suggestedName.
QString chooseFile(Forms& forms, CommonDialog& dialog, FileDialogKind kind, const QString& title,
                   FileType type, const QString& suggestedName = QString());

// The file a Save or Export writes: the path with the suffix (".dat") added
// when its name has no extension. A file already there is replaced only
// when the user says so; empty when not. A target that the write would
// refuse (not a regular file, read-only, ...) fails with 75 before asking.
QString confirmedTarget(Forms& forms, QWidget* parent, QString path, const QString& suffix);

// The error tail of a file command: the box under the command's own name,
// whatever ran while its dialog was open; subject names the file (or the
// code) when the failure does not.
void fileCommandFailed(Forms& forms, QWidget* parent, const char* procedure, const RunError& error,
                       const QString& subject);

} // namespace kx

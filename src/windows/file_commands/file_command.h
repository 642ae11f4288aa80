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
// in the belts' folder; empty when cancelled.
QString chooseFile(Forms& forms, CommonDialog& dialog, FileDialogKind kind, const QString& title,
                   FileType type);

// The error tail of a file command: the box under the command's own name,
// whatever ran while its dialog was open; subject names the file (or the
// code) when the failure does not.
void fileCommandFailed(Forms& forms, QWidget* parent, const char* procedure, const RunError& error,
                       const QString& subject);

} // namespace kx

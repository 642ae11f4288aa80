#pragma once

class QString;

namespace kx {

class Forms;
struct RunError;

enum class FileDialogKind { Open, Save };

// The file the user picks in the file dialog of a File command, titled by
// the command and started in the belts' folder; empty when cancelled.
QString chooseFile(Forms& forms, FileDialogKind kind, const QString& title, const char* filter);

// The error tail of a file command: the box under the command's own name,
// whatever ran while its dialog was open; subject names the file (or the
// code) when the failure does not.
void fileCommandFailed(Forms& forms, const char* procedure, const RunError& error,
                       const QString& subject);

// A command's caption as plain words: the mnemonic marks gone, "&&" kept
// as the ampersand it shows.
QString plainCaption(QString caption);

} // namespace kx

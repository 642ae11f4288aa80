#pragma once

#include "windows/forms/common_dialog.h"
#include "windows/forms/message_box.h"

#include <QString>

#include <memory>

namespace kx {

class Forms;
class MainWindow;
class Shell;

// The program as it runs for the user: its name, Qt's dialogs and message
// boxes, and its windows, its files in the given folder. Needs a QApplication.
class Program
{
public:
    // A benchmark or driver may answer the file dialogs and message boxes
    // itself; nullptr uses Qt's.
    explicit Program(const QString& programFolder, DialogBackend* dialogs = nullptr,
                     MessageBoxSeam* messageBox = nullptr);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Forms& forms() const { return *forms_; }
    Shell& shell() const { return *shell_; }
    MainWindow& start();
    // Loads a belt file as File > Open does, once the event loop runs, so
    // that the main window is on the screen first.
    void openBeltFile(const QString& path);

private:
    QtMessageBox messageBox_;
    QtDialogBackend qtDialogs_;
    std::unique_ptr<Forms> forms_;
    std::unique_ptr<Shell> shell_;
};

} // namespace kx

#pragma once

#include "common_dialog.h"
#include "message_box.h"

#include <QString>

#include <memory>

namespace kx {

class Forms;
class MainWindow;

// The program as it runs for the user: its name, Qt's dialogs and message
// boxes, and a registry with every subsystem installed, its files in the
// given folder. Needs a QApplication.
class Program {
public:
    // A benchmark or driver may answer the file dialogs and message boxes
    // itself; nullptr uses Qt's.
    explicit Program(const QString& programFolder, DialogBackend* dialogs = nullptr,
                     MessageBoxSeam* messageBox = nullptr);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Forms& forms() const { return *forms_; }
    MainWindow& start();
    // Loads a belt file as File > Open does, once the event loop runs, so
    // that the main window is on the screen first.
    void openBeltFile(const QString& path);

private:
    QtMessageBox messageBox_;
    QtDialogBackend qtDialogs_;
    std::unique_ptr<Forms> forms_;
};

} // namespace kx

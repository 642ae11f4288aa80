#pragma once

#include "common_dialog.h"
#include "forms.h"
#include "message_box.h"

#include <memory>

namespace kx {

class MainWindow;

// The program as main() starts it: Qt's message boxes and dialogs, every
// subsystem installed, its files in the folder that holds the executable.
// Needs a QApplication.
class Program
{
public:
    // A benchmark may answer the file dialogs itself; nullptr uses Qt's.
    explicit Program(DialogBackend* dialogs = nullptr);
    ~Program();

    Forms& forms() { return *forms_; }
    MainWindow& start();

private:
    QtMessageBox messageBox_;
    QtDialogBackend qtDialogs_;
    std::unique_ptr<Forms> forms_;
};

} // namespace kx

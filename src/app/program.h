#pragma once

#include "common_dialog.h"
#include "message_box.h"

#include <QString>

#include <memory>

namespace kx {

class Forms;

// The program as it runs for the user: the Qt dialogs and message boxes and a
// registry with every subsystem installed, its files in the given folder.
class Program {
public:
    explicit Program(const QString& programFolder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Forms& forms() const { return *forms_; }

private:
    QtMessageBox messageBox_;
    QtDialogBackend dialogs_;
    std::unique_ptr<Forms> forms_;
};

} // namespace kx

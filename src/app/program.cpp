#include "program.h"

#include "forms.h"
#include "install_files.h"
#include "install_modular_belt.h"
#include "install_plain_belt.h"

#include <QCoreApplication>

namespace kx {

Program::Program(const QString& programFolder)
{
    Platform platform;
    platform.messageBox = &messageBox_;
    platform.dialogs = &dialogs_;
    platform.quit = [] { QCoreApplication::exit(0); };
    forms_ = std::make_unique<Forms>(programFolder, platform);
    installPlainBelt(*forms_);
    installModularBelt(*forms_);
    installFiles(*forms_);
}

Program::~Program() = default;

} // namespace kx

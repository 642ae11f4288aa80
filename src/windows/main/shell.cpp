#include "windows/main/shell.h"

#include "pictures/picture_store.h"
#include "rules/run_error.h"
#include "rules/text_files.h"
#include "rules/text_pass_parser.h"
#include "rules/user_text_files.h"
#include "windows/forms/error_box.h"
#include "windows/forms/forms.h"
#include "windows/forms/image_control.h"
#include "windows/main/example_windows.h"
#include "windows/main/guide_window.h"
#include "windows/main/info_dialog.h"
#include "windows/main/main_window.h"
#include "windows/main/qt_translation.h"
#include "windows/main/start_dialog.h"
#include "windows/main/text_pass.h"
#include "windows/modular_belt/modular_editor.h"
#include "windows/plain_belt/plain_editor.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <memory>

namespace kx {

namespace {
const char* const StartupProcedure = "Form_Load()";
const char* const SwitchProcedure = "Timer_Umschaltung_Timer()";

QString mainFileName()
{
    return QString::fromLatin1(MainTextFileName);
}

// The start-up that follows the rewrite must run through: the text pass runs
// once beforehand, on scratch wording, over the main text file as it will
// be and the chosen language file, with the same guards.
void checkNewTexts(const QString& folder, const QByteArray& newMain)
{
    const TextFileReader fromFolder = folderReader(folder);
    Wording scratch;
    TextPassOutcome outcome = parseTextPass(scratch, [&](const QString& name) {
        return name == mainFileName() ? decodeTextFile(newMain) : fromFolder(name);
    });
    requireEverySection(outcome, scratch.languageFile);
    if (outcome.failure != 0)
        throw RunError(outcome.failure, outcome.reason);
}
} // namespace

Shell::Shell(Forms& forms) : forms_(forms), qtTranslation_(std::make_unique<QtTranslation>())
{
    forms_.registerWindow<StartDialog>(WindowKind::MdiChild);
    forms_.registerWindow<PlainBeltEditor>(WindowKind::MdiChild);
    forms_.registerWindow<ModularBeltEditor>(WindowKind::MdiChild);
    forms_.registerWindow<InfoDialog>(WindowKind::TopLevel);
    forms_.registerWindow<ExampleWindow1>(WindowKind::TopLevel);
    forms_.registerWindow<ExampleWindow2>(WindowKind::TopLevel);
    forms_.registerWindow<GuideWindow>(WindowKind::TopLevel);
    forms_.setMdiAreaSource([this] { return main().mdiArea; });
}

Shell::~Shell()
{
    // The main window refers to the registry; it goes first, without the
    // Terminate that would end the program.
    MainWindow* window = main_;
    main_ = nullptr;
    delete window;
}

MainWindow& Shell::main()
{
    if (!main_) {
        auto* window = new MainWindow(forms_);
        main_ = window;
        forms_.setMdiArea(window->mdiArea);
        connect(window, &QObject::destroyed, this, &Shell::mainDestroyed);
        connect(window, &MainWindow::closed, this, &Shell::unloadMain);
        connect(window, &MainWindow::exitChosen, this, &Shell::endProgram);
        connect(window, &MainWindow::languageChosen, this, &Shell::chooseLanguage);
        connect(window, &MainWindow::languageSwitchDue, this, &Shell::languageSwitchTick);
        loadMain(*window);
    }
    return *main_;
}

MainWindow& Shell::start()
{
    MainWindow& window = main();
    window.show();
    return window;
}

// The start-up sequence: the Load of the main window.
void Shell::loadMain(MainWindow& window)
{
    forms_.procedureName = QString::fromLatin1(StartupProcedure);
    forms_.beginStartup(StartDialog::windowName());
    try {
        QDir::setCurrent(forms_.programFolder());
        runTextPass(forms_, window, *qtTranslation_);
        window.tickLanguageInUse();
        window.startTimers();

        StartDialog& start = forms_.window<StartDialog>();
        BeltPictureStore& pictures = forms_.beltPictures();
        for (const auto& [image, name] :
             {std::pair(start.plainPicture, QStringLiteral("Picture_Start_oM")),
              std::pair(start.leftRunningPicture, QStringLiteral("Picture_Start_R")),
              std::pair(start.rightRunningPicture, QStringLiteral("Picture_Start_L"))})
            image->setPicture(pictures.picture(name), BeltPictureStore::drawing(name));
        start.Show();
    } catch (const RunError& error) {
        forms_.endStartup();
        // A start-up that failed on its language file would fail at every
        // start; choosing a working language is the way out.
        if (!window.switchTimer->isActive())
            window.switchTimer->start();
        showStartupError(error);
        return;
    }
    forms_.endStartup();
}

void Shell::showStartupError(const RunError& error)
{
    if (error.number == RunError::PathFileAccess)
        return;
    showFailureBox(forms_, main_, forms_.procedureName, error, mainFileName());
}

void Shell::unloadMain()
{
    MainWindow* window = main_;
    if (!window)
        return;
    // The held-back windows were there all along: a reload keeps the
    // separate ones. An ending program needs none of them.
    if (switch_.reloading)
        forms_.loadDeferredWindows();
    else
        forms_.dropDeferredWindows();
    main_ = nullptr;
    disconnect(window, &QObject::destroyed, this, &Shell::mainDestroyed);
    window->stopTimers();
    forms_.forgetMdiChildren();
    window->hide();
    forms_.discard(window);
    if (!switch_.reloading)
        endProgram();
}

// The Terminate of a main window destroyed without its Unload.
void Shell::mainDestroyed(QObject* window)
{
    if (main_ != window)
        return;
    main_ = nullptr;
    forms_.dropDeferredWindows();
    forms_.forgetMdiChildren();
    endProgram();
}

void Shell::endProgram()
{
    if (ended_)
        return;
    ended_ = true;
    forms_.hideAllWindows();
    if (forms_.platform().quit)
        forms_.platform().quit();
    else
        QCoreApplication::exit(0);
}

void Shell::chooseLanguage(const QString& caption)
{
    switch_.chosen = caption;
    switch_.reloading = true;
    switch_.pending = true;
}

void Shell::languageSwitchTick()
{
    // An idle tick leaves the procedure's name alone: it runs inside the
    // file dialogs too, and another command's error box would show this name.
    if (!switch_.pending)
        return;
    forms_.procedureName = QString::fromLatin1(SwitchProcedure);
    switch_.pending = false;
    try {
        const QString path = forms_.textFile(mainFileName());
        const QByteArray newMain = rewriteMainTextFile(
            readTextFile(path),
            switch_.reloading ? std::optional<QString>(switch_.chosen) : std::nullopt);
        if (switch_.reloading)
            checkNewTexts(forms_.textFolder(), newMain);
        writeWholeFile(path, newMain);
        if (switch_.reloading) {
            unloadMain();
            // The start dialog is in front of the reloaded window.
            forms_.document().clear();
            MainWindow& window = start();
            window.activateWindow();
            window.setFocus();
            switch_.reloading = false;
        }
    } catch (const RunError& error) {
        // Left raised, the marker would keep a later close from ending the program.
        switch_.reloading = false;
        forms_.procedureName = QString::fromLatin1(SwitchProcedure);
        showFailureBox(forms_, main_, forms_.procedureName, error, mainFileName());
    }
}

} // namespace kx

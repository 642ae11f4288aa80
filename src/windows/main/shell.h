#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace kx {

class Forms;
class MainWindow;
class QtTranslation;
struct RunError;

// The program's windows as a whole: registers them, loads the main window
// (its start-up sequence) and unloads it, ends the program, and carries out
// a language switch, which reloads the main window in another language.
class Shell : public QObject
{
    Q_OBJECT
public:
    explicit Shell(Forms& forms);
    ~Shell() override;

    Forms& forms() const { return forms_; }

    // The main window, loaded (its start-up sequence run) on first use.
    MainWindow& main();
    MainWindow* loadedMain() const { return main_; }
    // Creates, loads and shows the main window: the program's start.
    MainWindow& start();
    // The Unload of the main window, however it is caused: the program ends
    // unless a language switch reloads it.
    void unloadMain();
    void endProgram();
    bool programEnded() const { return ended_; }

    // A language chosen: the switch waits for the next tick of
    // Timer_Umschaltung.
    void chooseLanguage(const QString& caption);
    void languageSwitchTick();
    struct LanguageSwitch
    {
        QString chosen; // the caption of the language item chosen last
        bool pending = false;
        bool reloading = false; // the main window is reloaded: its Unload must not end the program
    };
    LanguageSwitch& languageSwitch() { return switch_; }

private:
    void loadMain(MainWindow& window);
    void showStartupError(const RunError& error);
    void mainDestroyed(QObject* window);

    Forms& forms_;
    MainWindow* main_ = nullptr;
    std::unique_ptr<QtTranslation> qtTranslation_;
    LanguageSwitch switch_;
    bool ended_ = false;
};

} // namespace kx

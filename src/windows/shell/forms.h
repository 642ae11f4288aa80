#pragma once

#include "text_pass_parser.h"
#include "variablen.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>

class QMenu;

namespace kx {

class DialogBackend;
class Form;
class MainWindow;
class MessageBoxSeam;
class BeltPictureStore;
class ModulePictureStore;
class QtTranslation;

// The procedures that the shell calls but the editors and the file commands
// define. Each subsystem's install() fills in its own; an empty one is a no-op.
struct Procedures {
    std::function<void()> Create_Belt_oM;
    std::function<void()> Create_Belt_mM_Right;
    std::function<void()> Create_Belt_mM_Left;
    std::function<void()> Make_Order_Code_oM;
    std::function<void()> Make_Order_Code_mM;
    // The work of Timer_Module's tick; false ends the tick without the refresh step.
    std::function<bool()> moduleTick;
    // The work of Timer_Antrieb's tick before its refresh step.
    std::function<void()> driveTick;
    std::function<void()> laden_Click;
    std::function<void()> speichern_Click;
    std::function<void()> drucken_Click;
    // The load of a chosen file, as laden_Click does it after its dialog.
    std::function<void(const QString&)> loadBeltFile;
    // Revising a belt: edit the loaded belt in front, undo, redo.
    std::function<void()> band_bearbeiten_Click;
    std::function<void()> rueckgaengig_Click;
    std::function<void()> wiederholen_Click;
    // Called by every set-up once it has put a fresh belt in front (a New
    // command, a load, an edit of a loaded belt): the undo history starts
    // from that belt.
    std::function<void()> beltSetUp;
    // Called by the placement engine when it has carried out a request.
    std::function<void()> beltChanged;
    // Recent belts, an order code from an e-mail, the datasheet.
    std::function<void(QMenu&)> fillRecentMenu;
    std::function<void()> bestellnummer_oeffnen_Click;
    std::function<void()> datenblatt_Click;
};

// What the program takes from its platform; tests pass scripted ones.
struct Platform {
    MessageBoxSeam* messageBox = nullptr;
    DialogBackend* dialogs = nullptr;
    std::function<void()> quit;      // ends the program
    qreal devicePixelRatio = 0;      // 0: the primary screen's
    QString textFolder;              // empty: the program folder
    FileCommit fileCommit;           // empty: QSaveFile's own commit
};

enum class WindowKind { MdiChild, TopLevel };

// The window registry: creates each window the first time anything refers to
// it and hands out the same one until it is unloaded. Owns the shared state,
// which outlives the main window.
class Forms : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<Form*(Forms&)>;

    Forms(const QString& programFolder, Platform platform);
    ~Forms() override;

    Variablen& vars() { return vars_; }
    const QString& programFolder() const { return programFolder_; }
    // The folder the text files are read from and rewritten in: the program
    // folder, or the user's copy of its text files where it cannot be written.
    const QString& textFolder() const { return textFolder_; }
    QString textFile(const QString& name) const;
    // Qt's own words, in the language the text pass read last.
    QtTranslation& qtTranslation() { return *qtTranslation_; }
    MessageBoxSeam& messageBox() const { return *platform_.messageBox; }
    DialogBackend& dialogs() const { return *platform_.dialogs; }
    const FileCommit& fileCommit() const { return platform_.fileCommit; }

    Procedures procedures;
    // Runs a procedure if a subsystem has installed it.
    static void call(const std::function<void()>& procedure)
    {
        if (procedure)
            procedure();
    }

    // Registers a window under the name its type gives it; the registry
    // creates it as `new Window(forms)` on first use.
    template <class Window>
    void registerWindow(WindowKind kind)
    {
        registerWindow(Window::windowName(), kind,
                       [](Forms& forms) -> Form* { return new Window(forms); });
    }
    // By name, for stand-ins in tests; the program registers by type.
    void registerWindow(const QString& name, WindowKind kind, Factory factory);
    bool isRegistered(const QString& name) const { return factories_.contains(name); }

    // The window of that type, created (and, for an MDI child, the main
    // window with it) on first use. The type gives the name, under which the
    // program registers that type alone, so the window is a Window.
    template <class Window>
    Window& window()
    {
        return static_cast<Window&>(*window(Window::windowName()));
    }
    // The same by name, for the text pass, which has names only.
    Form* window(const QString& name);

    // The window if it is loaded, without creating it. The windows the
    // start-up holds back count as loaded: asking for one builds them.
    template <class Window>
    Window* loaded()
    {
        return static_cast<Window*>(loaded(Window::windowName()));
    }
    // The same by name, for tests that go through the windows by name.
    Form* loaded(const QString& name);

    // An editor coming to the front hides the other editor and the start
    // dialog: every other MDI child that is loaded.
    void hideOtherMdiChildren(const Form& kept);
    // Forgets the window and destroys it; the next reference creates it anew,
    // worded as the last text pass worded it.
    void unload(const QString& name);
    // The text pass's wording of every window, kept for windows built again.
    void rememberWording(const QList<TextAssignment>& texts);

    // The main window, loaded (its start-up sequence run) on first use.
    MainWindow& main();
    MainWindow* loadedMain() const;
    // Creates, loads and shows the main window: the program's start.
    MainWindow& start();
    // The Unload of the main window, however it is caused.
    void unloadMain();
    void endProgram();
    // The Terminate of a main window destroyed without an Unload.
    void mainTerminated(MainWindow* window);
    bool programEnded() const { return ended_; }

    ModulePictureStore& wImages1();
    BeltPictureStore& wImages2();

    // The windows that the start-up words but nobody sees yet (the editors
    // behind the start dialog, the hidden windows) are built once the start
    // dialog has been painted, or as soon as anything asks for a window,
    // whichever comes first; from outside they are there all along.
    // The main window's start-up sequence runs between these two.
    void beginStartup();
    void endStartup();
    // During the start-up: holds back a text for a window not yet loaded.
    bool deferText(const TextAssignment& text);
    bool loadingDeferredWindows() const { return loadingDeferred_; }
    void loadDeferredWindows();

signals:
    // The held-back windows are built: the start-up is complete.
    void deferredWindowsLoaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Deferred {
        QString window;
        QList<TextAssignment> texts;
    };
    // The pictures' ratio: the platform's, else the screen's.
    qreal devicePixelRatio() const;
    void applyDeferredTexts(Form* form);
    void forgetMdiChildren();
    void discard(QWidget* widget);

    struct Entry {
        WindowKind kind;
        Factory factory;
    };

    Variablen vars_;
    QString programFolder_;
    QString textFolder_;
    Platform platform_;
    QHash<QString, Entry> factories_;
    QHash<QString, QPointer<Form>> windows_;
    QPointer<MainWindow> main_;
    QList<QPointer<QWidget>> dying_;
    std::unique_ptr<ModulePictureStore> images1_;
    std::unique_ptr<BeltPictureStore> images2_;
    std::unique_ptr<QtTranslation> qtTranslation_;
    bool ended_ = false;
    QList<Deferred> deferred_; // in the order the start-up came to them
    QList<TextAssignment> wording_;
    QSet<QString> unloaded_; // built again, they are worded again
    bool startingUp_ = false;
    bool loadingDeferred_ = false;
};

} // namespace kx

#pragma once

#include "document/belt_document.h"
#include "rules/text_files.h"
#include "rules/text_pass_parser.h"
#include "rules/wording.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>

class QMdiArea;

namespace kx {

class DialogBackend;
class Form;
class MessageBoxSeam;
class BeltPictureStore;
class ModulePictureStore;

// What the program takes from its platform; tests pass scripted ones.
struct Platform
{
    MessageBoxSeam* messageBox = nullptr;
    DialogBackend* dialogs = nullptr;
    std::function<void()> quit; // ends the program
    qreal devicePixelRatio = 0; // 0: the primary screen's
    QString textFolder;         // empty: the program folder
    FileCommit fileCommit;      // empty: QSaveFile's own commit
};

enum class WindowKind { MdiChild, TopLevel };

// The window registry: creates each window the first time anything refers to
// it and hands out the same one until it is unloaded. Owns what outlives the
// main window, which a language switch reloads: the belt document, the
// wording, the picture stores.
class Forms : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<Form*(Forms&)>;

    Forms(const QString& programFolder, Platform platform);
    ~Forms() override;

    BeltDocument& document() { return document_; }
    Wording& wording() { return wording_; }
    const Wording& wording() const { return wording_; }
    // The name of the command running, for its error box: it stays the
    // command's whatever a timer does meanwhile.
    QString procedureName;

    const QString& programFolder() const { return programFolder_; }
    // The folder the text files are read from and rewritten in: the program
    // folder, or the user's copy of its text files where it cannot be written.
    const QString& textFolder() const { return textFolder_; }
    QString textFile(const QString& name) const;
    MessageBoxSeam& messageBox() const { return *platform_.messageBox; }
    DialogBackend& dialogs() const { return *platform_.dialogs; }
    const FileCommit& fileCommit() const { return platform_.fileCommit; }
    const Platform& platform() const { return platform_; }

    // Registers a window under the name its type gives it; the registry
    // creates it as `new Window(forms)` on first use.
    template <class Window> void registerWindow(WindowKind kind)
    {
        registerWindow(Window::windowName(), kind,
                       [](Forms& forms) -> Form* { return new Window(forms); });
    }
    // By name, for stand-ins in tests; the program registers by type.
    void registerWindow(const QString& name, WindowKind kind, Factory factory);
    bool isRegistered(const QString& name) const { return factories_.contains(name); }

    // The window of that type, created (and for an MDI child the main
    // window with it) on first use. The type gives the name, under which the
    // program registers that type alone, so the window is a Window.
    template <class Window> Window& window()
    {
        return static_cast<Window&>(*window(Window::windowName()));
    }
    // The same by name, for the text pass, which has names only.
    Form* window(const QString& name);

    // The window if it is loaded, without creating it. The windows the
    // start-up holds back count as loaded: asking for one builds them.
    template <class Window> Window* loaded()
    {
        return static_cast<Window*>(loaded(Window::windowName()));
    }
    Form* loaded(const QString& name);

    // The MDI children live in the main window's area. The source makes the
    // main window when an MDI child is needed before it.
    void setMdiAreaSource(std::function<QMdiArea*()> source) { mdiAreaSource_ = std::move(source); }
    void setMdiArea(QMdiArea* area);
    QMdiArea* mdiArea() const;
    // The MDI children go with the main window; separate windows stay.
    void forgetMdiChildren();

    // An editor coming to the front hides the other editor and the start
    // dialog: every other MDI child that is loaded.
    void hideOtherMdiChildren(const Form& kept);
    // Forgets the window and destroys it; the next reference creates it anew,
    // worded as the last text pass worded it.
    void unload(const QString& name);
    // Destroys a widget once the running event is done with it, at the
    // latest with the registry.
    void discard(QWidget* widget);
    // The program ends: every window goes out of sight at once.
    void hideAllWindows();

    // The text pass's wording of every window, kept for windows built again.
    void rememberWording(const QList<TextAssignment>& texts);
    // Gives the windows their texts in order, creating a window with its
    // first text; windows this program does not register are skipped, and
    // the main window's are left to the main window.
    void applyTexts(const QList<TextAssignment>& texts);

    ModulePictureStore& modulePictures();
    BeltPictureStore& beltPictures();

    // The windows that the start-up words but nobody sees yet (the editors
    // behind the start dialog, the hidden windows) are built once the start
    // dialog has been painted, or as soon as anything asks for a window,
    // whichever comes first; from outside they are there all along.
    // The main window's start-up sequence runs between these two.
    // frontWindow is the window the start-up shows: it alone can be had
    // without the held-back windows.
    void beginStartup(const QString& frontWindow);
    void endStartup();
    void dropDeferredWindows() { deferred_.clear(); }
    bool loadingDeferredWindows() const { return loadingDeferred_; }
    void loadDeferredWindows();

signals:
    // The held-back windows are built: the start-up is complete.
    void deferredWindowsLoaded();
    // An MDI child was shown, hidden or retitled: the main window's title
    // names the one in front.
    void frontWindowChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Deferred
    {
        QString window;
        QList<TextAssignment> texts;
    };
    // During the start-up: holds back a text for a window not yet loaded.
    bool deferText(const TextAssignment& text);
    // The pictures' ratio: the platform's, else the screen's.
    qreal devicePixelRatio() const;
    void applyDeferredTexts(Form* form);
    QMdiArea* neededMdiArea();

    struct Entry
    {
        WindowKind kind;
        Factory factory;
    };

    BeltDocument document_;
    Wording wording_;
    QString programFolder_;
    QString textFolder_;
    Platform platform_;
    QHash<QString, Entry> factories_;
    QHash<QString, QPointer<Form>> windows_;
    QPointer<QMdiArea> mdiArea_;
    std::function<QMdiArea*()> mdiAreaSource_;
    QList<QPointer<QWidget>> dying_;
    std::unique_ptr<ModulePictureStore> images1_;
    std::unique_ptr<BeltPictureStore> images2_;
    QList<Deferred> deferred_; // in the order the start-up came to them
    QList<TextAssignment> windowTexts_;
    QSet<QString> unloaded_; // built again, they are worded again
    QString frontWindow_;
    bool startingUp_ = false;
    bool loadingDeferred_ = false;
};

} // namespace kx

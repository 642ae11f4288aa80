#pragma once

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QMdiArea;
class QMenu;
class QShortcut;
class QTimer;

namespace kx {

class BeltDocument;
class CommonDialog;
class Forms;
struct TextAssignment;

// wMain: the MDI parent with the menus, the three timers and the two common
// dialogs. Its menu items run their commands; its check marks and enabled
// items show the belt document's state; its timers carry out what the
// editors asked the document for.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Forms& forms);
    ~MainWindow() override;

    Forms& forms() const { return forms_; }

    // The window's own caption; the title adds the caption of the MDI child
    // in front, as "caption - [child]", and the belt's file.
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    void updateTitle();

    // The client area the window opens with.
    static QSize openingClientSize();

    void startTimers();
    void stopTimers();

    QMdiArea* mdiArea = nullptr;

    // Each item's object name is the menu item's own name (fileMenuItem is
    // "datei", saveAction "speichern", ...): the language files and the
    // accessibility tree go by those.
    QAction* fileMenuItem = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* fileSeparator = nullptr;
    QAction* printAction = nullptr;
    QAction* exitSeparator = nullptr;
    QAction* exitAction = nullptr;
    QAction* configurationMenuItem = nullptr;
    QAction* newBeltMenuItem = nullptr;
    QAction* newPlainAction = nullptr;
    QAction* newRightAction = nullptr;
    QAction* newLeftAction = nullptr;
    // Commands beyond the old program, worded from [BEFEHLE].
    QAction* editBeltAction = nullptr; // edit the loaded belt in front
    QAction* undoSeparator = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    QAction* openCodeAction = nullptr; // a code typed or pasted
    QAction* recentMenuItem = nullptr; // File > Recent
    QMenu* recentMenu = nullptr;
    QAction* datasheetAction = nullptr; // export the PDF datasheet
    // Ctrl+V opens a pasted code, unless a text box takes it.
    QShortcut* pasteCodeShortcut = nullptr;
    QAction* examplesMenuItem = nullptr;
    QAction* plainExampleAction = nullptr;
    QAction* modularExampleAction = nullptr;
    QAction* toolsMenuItem = nullptr;
    QAction* languageMenuItem = nullptr;
    std::array<QAction*, 5> languageItems{}; // sprache1 .. sprache5
    QAction* helpMenuItem = nullptr;
    QAction* guideAction = nullptr; // the user guide
    QAction* helpSeparator = nullptr;
    QAction* infoAction = nullptr;

    QTimer* moduleTimer = nullptr;
    QTimer* driveTimer = nullptr;
    QTimer* switchTimer = nullptr;

    CommonDialog* fileDialog = nullptr;
    CommonDialog* printerDialog = nullptr;

    // Menu items by name, e.g. "speichern" or "sprache3".
    QAction* menuItem(const QString& name) const;
    // A text of the text pass for the main window or one of its menu items.
    void applyText(const TextAssignment& text);
    // Gives the commands beyond the old program their captions from the
    // wording's [BEFEHLE] lines.
    void wordCommands();
    // Ticks the language in use in the language menu.
    void tickLanguageInUse();
    // The language an item names, without its mnemonic.
    static QString languageOf(const QAction* item);

    // The common end of both editor timers' ticks: the order code follows
    // the belt.
    void refreshStep();

    // A belt file opened as File > Open opens it, without the dialog.
    void openBeltFile(const QString& path);

    // Before the belt in front is dropped: a belt changed since it was set
    // up, loaded or saved asks Save / Discard / Cancel first. True when the
    // caller may go on (nothing to ask, saved, or discarded).
    bool mayDropBelt();

signals:
    // A language item was chosen.
    void languageChosen(const QString& caption);
    // The window was closed, by its close button or by Exit.
    void closed();
    // Exit ends the program, whatever else is under way.
    void exitChosen();
    // A tick of Timer_Umschaltung: a language chosen is switched to.
    void languageSwitchDue();

public slots:
    void Timer_Module_Timer();
    void Timer_Antrieb_Timer();
    void Timer_Umschaltung_Timer() { emit languageSwitchDue(); }

    void beenden_Click();
    void band_om_Click();
    void band_rechts_Click();
    void band_links_Click();
    void ohne_Module_Click();
    void mit_Module_Click();
    void sprache_Click(int index);
    void info_Click();
    void handbuch_Click();
    // Ctrl+V: opens a code unless a text box has the focus, where it pastes.
    void Bestellnummer_Einfuegen_Activated();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A belt file dropped on the window opens as File > Open would.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildCommandItems(QMenu* configurationMenu);
    void buildBeltSourceItems(QMenu* fileMenu, QMenu* configurationMenu);
    void buildHelpMenu();
    void buildTimers();
    void markLanguageItems();
    void connectCommands();
    void followDocument();
    void showFront();
    void showState();
    void showRefusal(int message);
    QMenu* addMenu(QMenu* parent, const QString& name, const QString& caption, QAction*& item);
    QAction* addItem(QMenu* parent, const QString& name, const QString& caption);
    QAction* addSeparator(QMenu* parent, const QString& name);
    BeltDocument& document() const;
    // Runs a command that drops the belt in front once the user agrees.
    void afterAsking(const std::function<void()>& command);

    Forms& forms_;
    QString caption_;
    // Exit has asked already; the close that follows need not ask again.
    bool leaving_ = false;
};

} // namespace kx

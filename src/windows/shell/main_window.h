#pragma once

#include <QMainWindow>

#include <array>

class QAction;
class QMdiArea;
class QMenu;
class QShortcut;
class QTimer;

namespace kx {

class CommonDialog;
class Forms;
struct RunError;
struct Variablen;

// wMain: the MDI parent with the menus, the three timers and the two common
// dialogs. Its Load is the program's start-up; its Unload ends the program.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Forms& forms);
    ~MainWindow() override;

    Forms& forms() const { return forms_; }

    // The window's own caption; the title adds the caption of the MDI child
    // in front, as "caption - [child]".
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    void updateTitle();

    // The client area the window opens with.
    static QSize openingClientSize();

    // The start-up sequence.
    void Form_Load();
    void stopTimers();

    QMdiArea* mdiArea = nullptr;

    QAction* datei = nullptr;
    QAction* laden = nullptr;
    QAction* speichern = nullptr;
    QAction* trennlinie0 = nullptr;
    QAction* drucken = nullptr;
    QAction* trennlinie1 = nullptr;
    QAction* beenden = nullptr;
    QAction* konfiguration = nullptr;
    QAction* band_erstellen = nullptr;
    QAction* band_om = nullptr;
    QAction* band_rechts = nullptr;
    QAction* band_links = nullptr;
    // Commands beyond the old program, worded from [BEFEHLE].
    QAction* band_bearbeiten = nullptr; // edit the loaded belt in front
    QAction* trennlinie3 = nullptr;
    QAction* rueckgaengig = nullptr; // undo
    QAction* wiederholen = nullptr;  // redo
    QAction* bestellnummer_oeffnen = nullptr; // a code typed or pasted
    QAction* zuletzt = nullptr;               // File > Recent
    QMenu* zuletztMenu = nullptr;
    QAction* datenblatt = nullptr;            // export the PDF datasheet
    // Ctrl+V opens a pasted code, unless a text box takes it.
    QShortcut* Bestellnummer_Einfuegen = nullptr;
    QAction* beispiele = nullptr;
    QAction* ohne_Module = nullptr;
    QAction* mit_Module = nullptr;
    QAction* extras = nullptr;
    QAction* sprache = nullptr;
    std::array<QAction*, 5> spracheItems{}; // sprache1 .. sprache5
    QAction* trennlinie2 = nullptr;
    QAction* info = nullptr;

    QTimer* Timer_Module = nullptr;
    QTimer* Timer_Antrieb = nullptr;
    QTimer* Timer_Umschaltung = nullptr;

    CommonDialog* CommonDialog1 = nullptr;
    CommonDialog* CommonDialog2 = nullptr;

    // Menu items by name, e.g. "speichern" or "sprache3".
    QAction* menuItem(const QString& name) const;

    // The common end of both editor timers' ticks: rebuild the order codes
    // whose refresh flags are set.
    void refreshStep();

    // Counts the changes of the editor check marks and of speichern, which
    // the ticks read: a tick can tell that they stand as it left them.
    quint64 menuChanges() const { return menuChanges_; }

    // The error tail of the start-up: silent on 75.
    void showErrorBox(const RunError& error);

    // Gives the commands beyond the old program their captions from the
    // text pass's Command_Texts.
    void wordCommands();

public slots:
    void Timer_Module_Timer();
    void Timer_Antrieb_Timer();
    void Timer_Umschaltung_Timer();

    void beenden_Click();
    void band_om_Click();
    void band_rechts_Click();
    void band_links_Click();
    void ohne_Module_Click();
    void mit_Module_Click();
    void sprache_Click(int index);
    void info_Click();
    // Ctrl+V: opens a code unless a text box has the focus, where it pastes.
    void Bestellnummer_Einfuegen_Activated();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A belt file dropped on the window opens as File > Open would.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildCommandItems(QMenu* konfigurationMenu);
    void buildBeltSourceItems(QMenu* dateiMenu, QMenu* konfigurationMenu);
    void buildTimers();
    void tickLanguageInUse();
    void keepLanguageSwitch();
    QMenu* addMenu(QMenu* parent, const QString& name, const QString& caption, QAction*& item);
    QAction* addItem(QMenu* parent, const QString& name, const QString& caption);
    QAction* addSeparator(QMenu* parent, const QString& name);
    Variablen& vars() const;

    Forms& forms_;
    QString caption_;
    quint64 menuChanges_ = 0;
};

} // namespace kx

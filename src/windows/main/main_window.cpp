#include "windows/main/main_window.h"

#include "document/belt_document.h"
#include "pictures/picture_store.h"
#include "pictures/program_icons.h"
#include "rules/text_pass_parser.h"
#include "rules/wording.h"
#include "windows/file_commands/datasheet_command.h"
#include "windows/file_commands/load_command.h"
#include "windows/file_commands/order_code_command.h"
#include "windows/file_commands/print_command.h"
#include "windows/file_commands/recent_belts.h"
#include "windows/file_commands/save_command.h"
#include "windows/forms/belt_editor.h"
#include "windows/forms/common_dialog.h"
#include "windows/forms/form.h"
#include "windows/forms/forms.h"
#include "windows/forms/message_box.h"
#include "windows/forms/set_if_changed.h"
#include "windows/forms/twips.h"
#include "windows/main/example_windows.h"
#include "windows/main/guide_window.h"
#include "windows/main/info_dialog.h"
#include "windows/modular_belt/modular_editor.h"
#include "windows/plain_belt/plain_editor.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>

namespace kx {

namespace {
constexpr int TimerInterval = 100;
const char* const DesignCaption = "KX-Konfigurator";

// The one local file a drag carries; empty for anything else.
QString droppedFile(const QMimeData* data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}
} // namespace

MainWindow::MainWindow(Forms& forms) : forms_(forms)
{
    setObjectName(QStringLiteral("wMain"));
    setWindowIcon(applicationIcon());
    setAcceptDrops(true);

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("MDIClient"));
    mdiArea->setBackground(QGuiApplication::palette().brush(QPalette::Dark));
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    setCaption(QString::fromLatin1(DesignCaption));
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &MainWindow::updateTitle);
    connect(&forms_, &Forms::frontWindowChanged, this, &MainWindow::updateTitle);

    buildMenus();
    buildTimers();

    fileDialog = new CommonDialog(forms_.dialogs(), this, QStringLiteral("CommonDialog1"));
    printerDialog = new CommonDialog(forms_.dialogs(), this, QStringLiteral("CommonDialog2"));
    connectCommands();
    followDocument();

    // Centred on the screen.
    const QSize client = openingClientSize();
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

QSize MainWindow::openingClientSize()
{
    // The design's width is a few pixels short of the plain editor's longest
    // belt picture; the window opens just wide enough to show it whole.
    QSize client = twipsSize(14595, 6480);
    client.setWidth(
        std::max(client.width(), twips(BeltPictureLeft) + BeltPictureStore::widestBeltPicture()));
    return client;
}

MainWindow::~MainWindow()
{
    // The MDI frames go after this object; their last signals find no title.
    disconnect(mdiArea, nullptr, this, nullptr);
}

BeltDocument& MainWindow::document() const
{
    return forms_.document();
}

QMenu* MainWindow::addMenu(QMenu* parent, const QString& name, const QString& caption,
                           QAction*& item)
{
    QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(name);
    item = menu->menuAction();
    item->setObjectName(name);
    return menu;
}

QAction* MainWindow::addItem(QMenu* parent, const QString& name, const QString& caption)
{
    QAction* item = parent->addAction(caption);
    item->setObjectName(name);
    return item;
}

QAction* MainWindow::addSeparator(QMenu* parent, const QString& name)
{
    QAction* item = parent->addSeparator();
    item->setObjectName(name);
    return item;
}

void MainWindow::buildMenus()
{
    QMenu* fileMenu =
        addMenu(nullptr, QStringLiteral("datei"), QStringLiteral("Datei"), fileMenuItem);
    openAction = addItem(fileMenu, QStringLiteral("laden"), QStringLiteral("Laden"));
    saveAction = addItem(fileMenu, QStringLiteral("speichern"), QStringLiteral("Speichern"));
    fileSeparator = addSeparator(fileMenu, QStringLiteral("trennlinie0"));
    printAction = addItem(fileMenu, QStringLiteral("drucken"), QStringLiteral("Drucken"));
    exitSeparator = addSeparator(fileMenu, QStringLiteral("trennlinie1"));
    exitAction = addItem(fileMenu, QStringLiteral("beenden"), QStringLiteral("Beenden"));
    // The keys a desktop user knows, shown in the menu.
    openAction->setShortcut(QKeySequence::Open);
    saveAction->setShortcut(QKeySequence::Save);
    printAction->setShortcut(QKeySequence::Print);
    exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* configurationMenu = addMenu(nullptr, QStringLiteral("konfiguration"),
                                       QStringLiteral("Konfiguration"), configurationMenuItem);
    QMenu* newBeltMenu = addMenu(configurationMenu, QStringLiteral("band_erstellen"),
                                 QStringLiteral("Band erstellen"), newBeltMenuItem);
    newPlainAction = addItem(newBeltMenu, QStringLiteral("band_om"), QStringLiteral("ohne Module"));
    newRightAction =
        addItem(newBeltMenu, QStringLiteral("band_rechts"), QStringLiteral("mit Module, rechts"));
    newLeftAction =
        addItem(newBeltMenu, QStringLiteral("band_links"), QStringLiteral("mit Module, links"));
    for (QAction* item : {newPlainAction, newRightAction, newLeftAction})
        item->setCheckable(true);
    buildCommandItems(configurationMenu);
    buildBeltSourceItems(fileMenu, configurationMenu);

    QMenu* examplesMenu = addMenu(nullptr, QStringLiteral("beispiele"), QStringLiteral("Beispiele"),
                                  examplesMenuItem);
    plainExampleAction =
        addItem(examplesMenu, QStringLiteral("ohne_Module"), QStringLiteral("Band, ohne Module"));
    modularExampleAction =
        addItem(examplesMenu, QStringLiteral("mit_Module"), QStringLiteral("Band, mit Module"));

    QMenu* toolsMenu =
        addMenu(nullptr, QStringLiteral("extras"), QStringLiteral("Extras"), toolsMenuItem);
    QMenu* languageMenu =
        addMenu(toolsMenu, QStringLiteral("sprache"), QStringLiteral("Sprache"), languageMenuItem);
    for (int i = 0; i < 5; ++i) {
        const QString number = QString::number(i + 1);
        languageItems[std::size_t(i)] = addItem(languageMenu, QStringLiteral("sprache") + number,
                                                QStringLiteral("Sprache") + number);
        languageItems[std::size_t(i)]->setCheckable(true);
        connect(languageItems[std::size_t(i)], &QAction::triggered, this,
                [this, i] { sprache_Click(i); });
    }
    buildHelpMenu();
}

// The user guide and the info dialog, worded from [BEFEHLE] and [MENUE].
void MainWindow::buildHelpMenu()
{
    QMenu* helpMenu =
        addMenu(nullptr, QStringLiteral("hilfe"), QStringLiteral("&Hilfe"), helpMenuItem);
    guideAction =
        addItem(helpMenu, QStringLiteral("handbuch"), QStringLiteral("&Benutzerhandbuch"));
    guideAction->setShortcut(QKeySequence::HelpContents);
    helpSeparator = addSeparator(helpMenu, QStringLiteral("trennlinie2"));
    infoAction = addItem(helpMenu, QStringLiteral("info"), QStringLiteral("Info"));
}

// Each disabled until there is something for it to do: a loaded belt in
// front, a change to take back or to bring back.
void MainWindow::buildCommandItems(QMenu* configurationMenu)
{
    editBeltAction = addItem(configurationMenu, QStringLiteral("band_bearbeiten"),
                             QStringLiteral("Dieses Band bearbeiten"));
    undoSeparator = addSeparator(configurationMenu, QStringLiteral("trennlinie3"));
    undoAction =
        addItem(configurationMenu, QStringLiteral("rueckgaengig"), QStringLiteral("Rückgängig"));
    redoAction =
        addItem(configurationMenu, QStringLiteral("wiederholen"), QStringLiteral("Wiederholen"));
    // Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y both, whatever the desktop binds.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redoKeys.contains(keys))
            redoKeys.append(keys);
    undoAction->setShortcuts(QKeySequence::Undo);
    redoAction->setShortcuts(redoKeys);
    for (QAction* item : {editBeltAction, undoAction, redoAction})
        item->setEnabled(false);
}

// Ways to a belt beyond File > Open, and the datasheet: the belts opened
// or saved last, a code from an e-mail.
void MainWindow::buildBeltSourceItems(QMenu* fileMenu, QMenu* configurationMenu)
{
    recentMenu = new QMenu(QStringLiteral("Zuletzt geöffnet"), fileMenu);
    recentMenu->setObjectName(QStringLiteral("zuletzt"));
    recentMenuItem = recentMenu->menuAction();
    recentMenuItem->setObjectName(QStringLiteral("zuletzt"));
    fileMenu->insertMenu(saveAction, recentMenu);
    datasheetAction = new QAction(QStringLiteral("Datenblatt exportieren (PDF)…"), fileMenu);
    datasheetAction->setObjectName(QStringLiteral("datenblatt"));
    datasheetAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    fileMenu->insertAction(fileSeparator, datasheetAction);
    openCodeAction = new QAction(QStringLiteral("Bestellnummer öffnen…"), configurationMenu);
    openCodeAction->setObjectName(QStringLiteral("bestellnummer_oeffnen"));
    configurationMenu->insertAction(editBeltAction, openCodeAction);

    // The menu shows the key; the window's own shortcut does the work, so
    // that a text box with the focus keeps its paste.
    openCodeAction->setShortcut(QKeySequence::Paste);
    openCodeAction->setShortcutContext(Qt::WidgetShortcut);
    pasteCodeShortcut = new QShortcut(QKeySequence::Paste, this);
    pasteCodeShortcut->setObjectName(QStringLiteral("Bestellnummer_Einfuegen"));
    connect(pasteCodeShortcut, &QShortcut::activated, this,
            &MainWindow::Bestellnummer_Einfuegen_Activated);

    // The list is read afresh each time the File menu opens: another window
    // of the program may have changed it.
    connect(fileMenu, &QMenu::aboutToShow, this, [this] {
        fillRecentMenu(*recentMenu, [this](const QString& path) {
            afterAsking([this, path] { openRecentBelt(forms_, this, path); });
        });
    });
    recentMenuItem->setEnabled(false);
    datasheetAction->setEnabled(false);
}

void MainWindow::connectCommands()
{
    BeltDocument& doc = document();
    connect(openAction, &QAction::triggered, this,
            [this] { afterAsking([this] { openBelt(forms_, *fileDialog, openAction->text()); }); });
    connect(saveAction, &QAction::triggered, this,
            [this] { saveBelt(forms_, *fileDialog, saveAction->text()); });
    connect(printAction, &QAction::triggered, this,
            [this] { printWindowInFront(forms_, *printerDialog); });
    connect(datasheetAction, &QAction::triggered, this,
            [this] { exportDatasheet(forms_, *fileDialog, datasheetAction->text()); });
    connect(openCodeAction, &QAction::triggered, this,
            [this] { afterAsking([this] { openOrderCode(forms_, this); }); });
    connect(exitAction, &QAction::triggered, this, &MainWindow::beenden_Click);
    connect(newPlainAction, &QAction::triggered, this, &MainWindow::band_om_Click);
    connect(newRightAction, &QAction::triggered, this, &MainWindow::band_rechts_Click);
    connect(newLeftAction, &QAction::triggered, this, &MainWindow::band_links_Click);
    connect(editBeltAction, &QAction::triggered, &doc, &BeltDocument::editThisBelt);
    connect(undoAction, &QAction::triggered, &doc, &BeltDocument::undo);
    connect(redoAction, &QAction::triggered, &doc, &BeltDocument::redo);
    connect(plainExampleAction, &QAction::triggered, this, &MainWindow::ohne_Module_Click);
    connect(modularExampleAction, &QAction::triggered, this, &MainWindow::mit_Module_Click);
    connect(infoAction, &QAction::triggered, this, &MainWindow::info_Click);
    connect(guideAction, &QAction::triggered, this, &MainWindow::handbuch_Click);
}

// The menu mirrors the document: which belt is in front is the check mark
// of its New item, a code built makes it worth saving, a loaded belt can
// be edited, a change can be taken back.
void MainWindow::followDocument()
{
    BeltDocument& doc = document();
    connect(&doc, &BeltDocument::frontChanged, this, &MainWindow::showFront);
    connect(&doc, &BeltDocument::codeChanged, this, &MainWindow::showState);
    connect(&doc, &BeltDocument::lockedChanged, this, &MainWindow::showState);
    connect(&doc, &BeltDocument::lockedChanged, this, &MainWindow::updateTitle);
    connect(&doc, &BeltDocument::modifiedChanged, this, &MainWindow::updateTitle);
    connect(&doc, &BeltDocument::fileNameChanged, this, &MainWindow::updateTitle);
    connect(&doc.history(), &QUndoStack::canUndoChanged, undoAction, &QAction::setEnabled);
    connect(&doc.history(), &QUndoStack::canRedoChanged, redoAction, &QAction::setEnabled);
    showState();
}

void MainWindow::showFront()
{
    BeltDocument& doc = document();
    if (doc.hasBelt()) {
        BeltEditor& editor = doc.belt().modular()
                                 ? static_cast<BeltEditor&>(forms_.window<ModularBeltEditor>())
                                 : forms_.window<PlainBeltEditor>();
        // Hidden and shown again, it comes in front of the other windows.
        editor.Hide();
        editor.Show();
        forms_.hideOtherMdiChildren(editor);
    }
    showState();
    updateTitle();
}

void MainWindow::showState()
{
    BeltDocument& doc = document();
    const bool modular = doc.modularInFront();
    newPlainAction->setChecked(doc.plainInFront());
    newRightAction->setChecked(modular && doc.belt().rightRunning);
    newLeftAction->setChecked(modular && !doc.belt().rightRunning);
    const bool built = doc.hasBelt() && doc.codeBuilt();
    setEnabledIfChanged(saveAction, built);
    setEnabledIfChanged(datasheetAction, built);
    setEnabledIfChanged(editBeltAction, doc.hasBelt() && doc.locked());
    setEnabledIfChanged(undoAction, doc.history().canUndo());
    setEnabledIfChanged(redoAction, doc.history().canRedo());
}

void MainWindow::Bestellnummer_Einfuegen_Activated()
{
    // A box that takes text keeps its paste; a read-only one, such as the
    // order-code box, has nothing to paste into.
    const QWidget* focus = QApplication::focusWidget();
    const auto* line = qobject_cast<const QLineEdit*>(focus);
    const auto* text = qobject_cast<const QTextEdit*>(focus);
    const auto* plainText = qobject_cast<const QPlainTextEdit*>(focus);
    const bool textBox = (line && !line->isReadOnly()) ||
                         qobject_cast<const QAbstractSpinBox*>(focus) ||
                         (text && !text->isReadOnly()) || (plainText && !plainText->isReadOnly());
    if (!textBox && openCodeAction->isEnabled())
        openCodeAction->trigger();
}

void MainWindow::wordCommands()
{
    const Wording& w = forms_.wording();
    editBeltAction->setText(w.commands[CommandEditBelt]);
    undoAction->setText(w.commands[CommandUndo]);
    redoAction->setText(w.commands[CommandRedo]);
    openCodeAction->setText(w.commands[CommandOpenCode]);
    recentMenuItem->setText(w.commands[CommandRecent]);
    datasheetAction->setText(w.commands[CommandDatasheet]);
    helpMenuItem->setText(w.commands[CommandHelpMenu]);
    guideAction->setText(w.commands[CommandUserGuide]);
    markLanguageItems();
}

// The language items are named by the main text file, which has no
// mnemonics: each gets the first of its letters that no item before it has.
void MainWindow::markLanguageItems()
{
    QString taken;
    for (QAction* item : languageItems) {
        const QString language = item->data().toString();
        if (language.isEmpty())
            continue;
        QString caption = QString(language).replace(QLatin1Char('&'), QStringLiteral("&&"));
        for (qsizetype i = 0; i < caption.size(); ++i) {
            const QChar letter = caption.at(i).toLower();
            if (caption.at(i) == QLatin1Char('&')) {
                ++i;
                continue;
            }
            if (letter.isLetterOrNumber() && !taken.contains(letter)) {
                taken += letter;
                caption.insert(i, QLatin1Char('&'));
                break;
            }
        }
        item->setText(caption);
    }
}

QString MainWindow::languageOf(const QAction* item)
{
    const QString named = item->data().toString();
    return named.isEmpty() ? item->text() : named;
}

void MainWindow::applyText(const TextAssignment& a)
{
    if (a.control.isEmpty()) {
        setCaption(a.text);
        return;
    }
    QAction* item = menuItem(a.control);
    if (!item) {
        qWarning("text pass: no menu item %s", qPrintable(a.control));
        return;
    }
    if (a.property == TextAssignment::Property::Visible) {
        item->setVisible(a.visible);
    } else {
        item->setText(a.text);
        // A language item keeps the name it shows without its mnemonic.
        item->setData(a.control.startsWith(QLatin1String("sprache")) ? QVariant(a.text)
                                                                     : QVariant());
    }
}

void MainWindow::buildTimers()
{
    auto makeTimer = [this](const QString& name) {
        auto* timer = new QTimer(this);
        timer->setObjectName(name);
        timer->setInterval(TimerInterval);
        return timer;
    };
    moduleTimer = makeTimer(QStringLiteral("Timer_Module"));
    driveTimer = makeTimer(QStringLiteral("Timer_Antrieb"));
    switchTimer = makeTimer(QStringLiteral("Timer_Umschaltung"));
    connect(moduleTimer, &QTimer::timeout, this, &MainWindow::Timer_Module_Timer);
    connect(driveTimer, &QTimer::timeout, this, &MainWindow::Timer_Antrieb_Timer);
    connect(switchTimer, &QTimer::timeout, this, &MainWindow::Timer_Umschaltung_Timer);
    // Only Timer_Antrieb runs from the window's creation on.
    driveTimer->start();
}

void MainWindow::startTimers()
{
    switchTimer->start();
    driveTimer->start();
    moduleTimer->start();
}

void MainWindow::stopTimers()
{
    moduleTimer->stop();
    driveTimer->stop();
    switchTimer->stop();
}

void MainWindow::setCaption(const QString& caption)
{
    caption_ = caption;
    updateTitle();
}

void MainWindow::updateTitle()
{
    // The windows built behind the start dialog come to the front for a
    // moment; the title would flicker with them. It is set once they are done.
    if (forms_.loadingDeferredWindows())
        return;
    QString child;
    const QList<QMdiSubWindow*> frames = mdiArea->subWindowList(QMdiArea::StackingOrder);
    for (auto it = frames.crbegin(); it != frames.crend(); ++it) {
        if ((*it)->isHidden())
            continue;
        if (auto* form = qobject_cast<Form*>((*it)->widget()))
            child = form->Caption();
        break;
    }
    QString title =
        child.isEmpty() ? caption_ : caption_ + QStringLiteral(" - [") + child + QLatin1Char(']');
    // The belt in front: the file it came from, whether it is locked, and
    // the platform's mark for a belt changed since.
    const BeltDocument& doc = document();
    if (doc.hasBelt() && !child.isEmpty()) {
        if (!doc.fileName().isEmpty())
            title += QStringLiteral(" - ") + QFileInfo(doc.fileName()).fileName();
        if (doc.locked())
            title +=
                QStringLiteral(" (") + forms_.wording().notes[NoteLockedTitle] + QLatin1Char(')');
        title += QStringLiteral("[*]");
    }
    if (windowTitle() != title)
        setWindowTitle(title);
    setWindowModified(doc.hasBelt() && doc.isModified());
}

QAction* MainWindow::menuItem(const QString& name) const
{
    return findChild<QAction*>(name);
}

void MainWindow::refreshStep()
{
    BeltDocument& doc = document();
    if (doc.codeStale())
        doc.buildCode();
}

void MainWindow::Timer_Module_Timer()
{
    BeltDocument& doc = document();
    if (doc.requestPending()) {
        const BeltDocument::RequestOutcome outcome = doc.carryOutRequest();
        if (outcome.message != Placed) {
            showRefusal(outcome.message);
            return;
        }
        if (!outcome.refresh)
            return;
    }
    refreshStep();
}

void MainWindow::showRefusal(int message)
{
    const Wording& w = forms_.wording();
    // The box holds the tick while the other timers go on; the document
    // outlives a language switch among them, this window may not.
    BeltDocument& doc = document();
    forms_.messageBox().show(&forms_.window<ModularBeltEditor>(), w.messages[std::size_t(message)],
                             w.messages[0], QString());
    doc.endRefusal();
}

void MainWindow::Timer_Antrieb_Timer()
{
    BeltDocument& doc = document();
    if (doc.driveStale())
        doc.followDrive();
    refreshStep();
}

void MainWindow::afterAsking(const std::function<void()>& command)
{
    if (mayDropBelt())
        command();
}

bool MainWindow::mayDropBelt()
{
    const BeltDocument& doc = document();
    if (!doc.hasBelt() || !doc.isModified())
        return true;
    const Wording& w = forms_.wording();
    const QStringList buttons{questionText(w.questions, QuestionSave),
                              questionText(w.questions, QuestionDiscard),
                              questionText(w.questions, QuestionCancel)};
    const int answer = forms_.messageBox().ask(this, questionText(w.questions, QuestionUnsaved),
                                               w.title, buttons, 2);
    if (answer == 0)
        return saveBelt(forms_, *fileDialog, saveAction->text());
    return answer == 1;
}

void MainWindow::beenden_Click()
{
    if (!mayDropBelt())
        return;
    leaving_ = true;
    close();
    emit exitChosen();
}

void MainWindow::band_om_Click()
{
    afterAsking([this] { document().newPlainBelt(); });
}

void MainWindow::band_rechts_Click()
{
    afterAsking([this] { document().newModularBelt(true); });
}

void MainWindow::band_links_Click()
{
    afterAsking([this] { document().newModularBelt(false); });
}

void MainWindow::ohne_Module_Click()
{
    forms_.window<ExampleWindow1>().Show();
}

void MainWindow::mit_Module_Click()
{
    forms_.window<ExampleWindow2>().Show();
}

void MainWindow::sprache_Click(int index)
{
    // The tick moves when the switch is done, not with the click.
    tickLanguageInUse();
    if (mayDropBelt())
        emit languageChosen(languageOf(languageItems[std::size_t(index)]));
}

void MainWindow::tickLanguageInUse()
{
    // An item names a language; the language in use is named by its file.
    const QString inUse = forms_.wording().languageFile;
    for (QAction* item : languageItems)
        item->setChecked(!inUse.isEmpty() &&
                         QString::compare(languageOf(item) + QStringLiteral(".ini"), inUse,
                                          Qt::CaseInsensitive) == 0);
}

void MainWindow::info_Click()
{
    forms_.window<InfoDialog>().Show();
}

void MainWindow::handbuch_Click()
{
    forms_.window<GuideWindow>().showGuide();
}

void MainWindow::openBeltFile(const QString& path)
{
    loadBeltFile(forms_, this, path);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString file = droppedFile(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    // After the drop has ended: an error box inside it would hold up the
    // program the file came from.
    QMetaObject::invokeMethod(
        this, [this, file] { afterAsking([this, file] { openBeltFile(file); }); },
        Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!leaving_ && !mayDropBelt()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

} // namespace kx

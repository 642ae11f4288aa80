#include "main_window.h"

#include "belt_editor.h"
#include "common_dialog.h"
#include "error_box.h"
#include "example_windows.h"
#include "form.h"
#include "forms.h"
#include "image_control.h"
#include "info_dialog.h"
#include "language_switch.h"
#include "run_error.h"
#include "start_dialog.h"
#include "text_pass.h"
#include "twips.h"

#include "picture_store.h"
#include "program_icons.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
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

    buildMenus();
    buildTimers();

    CommonDialog1 = new CommonDialog(forms_.dialogs(), this, QStringLiteral("CommonDialog1"));
    CommonDialog2 = new CommonDialog(forms_.dialogs(), this, QStringLiteral("CommonDialog2"));

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
    client.setWidth(std::max(client.width(),
                             twips(BeltPictureLeft) + BeltPictureStore::widestBeltPicture()));
    return client;
}

MainWindow::~MainWindow()
{
    // The MDI frames go after this object; their last signals find no title.
    disconnect(mdiArea, nullptr, this, nullptr);
    // Terminate: a main window destroyed without its Unload ends the program.
    forms_.mainTerminated(this);
}

Variablen& MainWindow::vars() const
{
    return forms_.vars();
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
    QMenu* dateiMenu = addMenu(nullptr, QStringLiteral("datei"), QStringLiteral("Datei"), datei);
    laden = addItem(dateiMenu, QStringLiteral("laden"), QStringLiteral("Laden"));
    speichern = addItem(dateiMenu, QStringLiteral("speichern"), QStringLiteral("Speichern"));
    trennlinie0 = addSeparator(dateiMenu, QStringLiteral("trennlinie0"));
    drucken = addItem(dateiMenu, QStringLiteral("drucken"), QStringLiteral("Drucken"));
    trennlinie1 = addSeparator(dateiMenu, QStringLiteral("trennlinie1"));
    beenden = addItem(dateiMenu, QStringLiteral("beenden"), QStringLiteral("Beenden"));

    QMenu* konfigurationMenu = addMenu(nullptr, QStringLiteral("konfiguration"),
                                       QStringLiteral("Konfiguration"), konfiguration);
    QMenu* bandMenu = addMenu(konfigurationMenu, QStringLiteral("band_erstellen"),
                              QStringLiteral("Band erstellen"), band_erstellen);
    band_om = addItem(bandMenu, QStringLiteral("band_om"), QStringLiteral("ohne Module"));
    band_rechts =
        addItem(bandMenu, QStringLiteral("band_rechts"), QStringLiteral("mit Module, rechts"));
    band_links =
        addItem(bandMenu, QStringLiteral("band_links"), QStringLiteral("mit Module, links"));
    for (QAction* item : {band_om, band_rechts, band_links})
        item->setCheckable(true);
    buildCommandItems(konfigurationMenu);
    buildBeltSourceItems(dateiMenu, konfigurationMenu);

    QMenu* beispieleMenu =
        addMenu(nullptr, QStringLiteral("beispiele"), QStringLiteral("Beispiele"), beispiele);
    ohne_Module =
        addItem(beispieleMenu, QStringLiteral("ohne_Module"), QStringLiteral("Band, ohne Module"));
    mit_Module =
        addItem(beispieleMenu, QStringLiteral("mit_Module"), QStringLiteral("Band, mit Module"));

    QMenu* extrasMenu = addMenu(nullptr, QStringLiteral("extras"), QStringLiteral("Extras"), extras);
    QMenu* spracheMenu =
        addMenu(extrasMenu, QStringLiteral("sprache"), QStringLiteral("Sprache"), sprache);
    for (int i = 0; i < 5; ++i) {
        const QString number = QString::number(i + 1);
        spracheItems[std::size_t(i)] = addItem(spracheMenu, QStringLiteral("sprache") + number,
                                               QStringLiteral("Sprache") + number);
        spracheItems[std::size_t(i)]->setCheckable(true);
        connect(spracheItems[std::size_t(i)], &QAction::triggered, this,
                [this, i] { sprache_Click(i); });
    }
    trennlinie2 = addSeparator(extrasMenu, QStringLiteral("trennlinie2"));
    info = addItem(extrasMenu, QStringLiteral("info"), QStringLiteral("Info"));

    // The file commands belong to their own subsystem; they are looked up on
    // each click so that a later install takes effect.
    connect(laden, &QAction::triggered, this, [this] { Forms::call(forms_.procedures.laden_Click); });
    connect(speichern, &QAction::triggered, this,
            [this] { Forms::call(forms_.procedures.speichern_Click); });
    connect(drucken, &QAction::triggered, this,
            [this] { Forms::call(forms_.procedures.drucken_Click); });
    connect(beenden, &QAction::triggered, this, &MainWindow::beenden_Click);
    connect(band_om, &QAction::triggered, this, &MainWindow::band_om_Click);
    connect(band_rechts, &QAction::triggered, this, &MainWindow::band_rechts_Click);
    connect(band_links, &QAction::triggered, this, &MainWindow::band_links_Click);
    connect(ohne_Module, &QAction::triggered, this, &MainWindow::ohne_Module_Click);
    connect(mit_Module, &QAction::triggered, this, &MainWindow::mit_Module_Click);
    connect(info, &QAction::triggered, this, &MainWindow::info_Click);
    for (QAction* item : {band_om, band_rechts, band_links, speichern})
        connect(item, &QAction::changed, this, [this] { ++menuChanges_; });
}

// Each disabled until there is something for it to do: a loaded belt in
// front, a change to take back or to bring back.
void MainWindow::buildCommandItems(QMenu* konfigurationMenu)
{
    band_bearbeiten = addItem(konfigurationMenu, QStringLiteral("band_bearbeiten"),
                              QStringLiteral("Dieses Band bearbeiten"));
    trennlinie3 = addSeparator(konfigurationMenu, QStringLiteral("trennlinie3"));
    rueckgaengig =
        addItem(konfigurationMenu, QStringLiteral("rueckgaengig"), QStringLiteral("Rückgängig"));
    wiederholen =
        addItem(konfigurationMenu, QStringLiteral("wiederholen"), QStringLiteral("Wiederholen"));
    // Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y both, whatever the desktop binds.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redoKeys.contains(keys))
            redoKeys.append(keys);
    rueckgaengig->setShortcuts(QKeySequence::Undo);
    wiederholen->setShortcuts(redoKeys);
    for (QAction* item : {band_bearbeiten, rueckgaengig, wiederholen})
        item->setEnabled(false);

    connect(band_bearbeiten, &QAction::triggered, this,
            [this] { Forms::call(forms_.procedures.band_bearbeiten_Click); });
    connect(rueckgaengig, &QAction::triggered, this,
            [this] { Forms::call(forms_.procedures.rueckgaengig_Click); });
    connect(wiederholen, &QAction::triggered, this,
            [this] { Forms::call(forms_.procedures.wiederholen_Click); });
}

// Ways to a belt beyond File > Open, and the datasheet: the belts opened
// or saved last, a code from an e-mail.
void MainWindow::buildBeltSourceItems(QMenu* dateiMenu, QMenu* konfigurationMenu)
{
    zuletztMenu = new QMenu(QStringLiteral("Zuletzt geöffnet"), dateiMenu);
    zuletztMenu->setObjectName(QStringLiteral("zuletzt"));
    zuletzt = zuletztMenu->menuAction();
    zuletzt->setObjectName(QStringLiteral("zuletzt"));
    dateiMenu->insertMenu(speichern, zuletztMenu);
    datenblatt = new QAction(QStringLiteral("Datenblatt exportieren (PDF)..."), dateiMenu);
    datenblatt->setObjectName(QStringLiteral("datenblatt"));
    dateiMenu->insertAction(trennlinie0, datenblatt);
    bestellnummer_oeffnen = new QAction(QStringLiteral("Bestellnummer öffnen..."), konfigurationMenu);
    bestellnummer_oeffnen->setObjectName(QStringLiteral("bestellnummer_oeffnen"));
    konfigurationMenu->insertAction(band_bearbeiten, bestellnummer_oeffnen);

    // The menu shows the key; the window's own shortcut does the work, so
    // that a text box with the focus keeps its paste.
    bestellnummer_oeffnen->setShortcut(QKeySequence::Paste);
    bestellnummer_oeffnen->setShortcutContext(Qt::WidgetShortcut);
    Bestellnummer_Einfuegen = new QShortcut(QKeySequence::Paste, this);
    Bestellnummer_Einfuegen->setObjectName(QStringLiteral("Bestellnummer_Einfuegen"));
    connect(Bestellnummer_Einfuegen, &QShortcut::activated, this,
            &MainWindow::Bestellnummer_Einfuegen_Activated);

    // The datasheet needs a belt in front, as saving does.
    datenblatt->setEnabled(speichern->isEnabled());
    connect(speichern, &QAction::changed, this,
            [this] { datenblatt->setEnabled(speichern->isEnabled()); });
    // The list is read afresh each time the File menu opens: another window
    // of the program may have changed it.
    connect(dateiMenu, &QMenu::aboutToShow, this, [this] {
        if (forms_.procedures.fillRecentMenu)
            forms_.procedures.fillRecentMenu(*zuletztMenu);
    });
    zuletzt->setEnabled(false);
    connect(bestellnummer_oeffnen, &QAction::triggered, this,
            [this] { Forms::call(forms_.procedures.bestellnummer_oeffnen_Click); });
    connect(datenblatt, &QAction::triggered, this,
            [this] { Forms::call(forms_.procedures.datenblatt_Click); });
}

void MainWindow::Bestellnummer_Einfuegen_Activated()
{
    const QWidget* focus = QApplication::focusWidget();
    const bool textBox = qobject_cast<const QLineEdit*>(focus) ||
                         qobject_cast<const QAbstractSpinBox*>(focus) ||
                         qobject_cast<const QTextEdit*>(focus) ||
                         qobject_cast<const QPlainTextEdit*>(focus);
    if (!textBox && bestellnummer_oeffnen->isEnabled())
        bestellnummer_oeffnen->trigger();
}

void MainWindow::wordCommands()
{
    const Variablen& v = vars();
    band_bearbeiten->setText(v.Command_Texts(CommandEditBelt));
    rueckgaengig->setText(v.Command_Texts(CommandUndo));
    wiederholen->setText(v.Command_Texts(CommandRedo));
    bestellnummer_oeffnen->setText(v.Command_Texts(CommandOpenCode));
    zuletzt->setText(v.Command_Texts(CommandRecent));
    datenblatt->setText(v.Command_Texts(CommandDatasheet));
}

void MainWindow::buildTimers()
{
    auto makeTimer = [this](const QString& name, void (MainWindow::*tick)()) {
        auto* timer = new QTimer(this);
        timer->setObjectName(name);
        timer->setInterval(TimerInterval);
        connect(timer, &QTimer::timeout, this, tick);
        return timer;
    };
    Timer_Module = makeTimer(QStringLiteral("Timer_Module"), &MainWindow::Timer_Module_Timer);
    Timer_Antrieb = makeTimer(QStringLiteral("Timer_Antrieb"), &MainWindow::Timer_Antrieb_Timer);
    Timer_Umschaltung =
        makeTimer(QStringLiteral("Timer_Umschaltung"), &MainWindow::Timer_Umschaltung_Timer);
    // Only Timer_Antrieb runs from the window's creation on.
    Timer_Antrieb->start();
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
    const QString title =
        child.isEmpty() ? caption_ : caption_ + QStringLiteral(" - [") + child + QLatin1Char(']');
    if (windowTitle() != title)
        setWindowTitle(title);
}

QAction* MainWindow::menuItem(const QString& name) const
{
    return findChild<QAction*>(name);
}

void MainWindow::Form_Load()
{
    Variablen& v = vars();
    v.Proc_Name = QStringLiteral("Form_Load()");
    forms_.beginStartup();
    try {
        v.Ini_File_Name = QStringLiteral("47-318-xx.ini");
        v.Ini_Line_Index = 0;
        QDir::setCurrent(forms_.programFolder());
        runTextPass(forms_);
        tickLanguageInUse();

        Timer_Umschaltung->start();
        Timer_Antrieb->start();
        Timer_Module->start();

        StartDialog& start = forms_.window<StartDialog>();
        BeltPictureStore& pictures = forms_.wImages2();
        for (const auto& [image, name] :
             {std::pair(start.Image_Start_oM, QStringLiteral("Picture_Start_oM")),
              std::pair(start.Image_Start_R, QStringLiteral("Picture_Start_R")),
              std::pair(start.Image_Start_L, QStringLiteral("Picture_Start_L"))})
            image->setPicture(pictures.picture(name), BeltPictureStore::drawing(name));
        start.Show();

        band_links->setChecked(false);
        band_rechts->setChecked(false);
        band_om->setChecked(false);
        speichern->setEnabled(false);
    } catch (const RunError& error) {
        forms_.endStartup();
        keepLanguageSwitch();
        showErrorBox(error);
        return;
    }
    forms_.endStartup();
}

void MainWindow::keepLanguageSwitch()
{
    // A start-up that failed on its language file would fail at every start;
    // choosing a working language is the way out.
    if (!Timer_Umschaltung->isActive())
        Timer_Umschaltung->start();
}

void MainWindow::showErrorBox(const RunError& error)
{
    if (error.number == RunError::PathFileAccess)
        return;
    showFailureBox(forms_, this, vars().Proc_Name, error, vars().Ini_File_Name);
}

void MainWindow::stopTimers()
{
    Timer_Module->stop();
    Timer_Antrieb->stop();
    Timer_Umschaltung->stop();
}

void MainWindow::refreshStep()
{
    if (vars().Code_Refresh_mM)
        Forms::call(forms_.procedures.Make_Order_Code_mM);
    if (vars().Code_Refresh_oM)
        Forms::call(forms_.procedures.Make_Order_Code_oM);
}

void MainWindow::Timer_Module_Timer()
{
    const auto& work = forms_.procedures.moduleTick;
    if (work && !work())
        return;
    refreshStep();
}

void MainWindow::Timer_Antrieb_Timer()
{
    Forms::call(forms_.procedures.driveTick);
    refreshStep();
}

void MainWindow::Timer_Umschaltung_Timer()
{
    languageSwitchTick(forms_);
}

void MainWindow::beenden_Click()
{
    close();
    forms_.endProgram();
}

void MainWindow::band_om_Click()
{
    vars().Code_Refresh_oM = true;
    vars().Code_Refresh_mM = false;
    Forms::call(forms_.procedures.Create_Belt_oM);
}

void MainWindow::band_rechts_Click()
{
    vars().Code_Refresh_mM = true;
    vars().Code_Refresh_oM = false;
    Forms::call(forms_.procedures.Create_Belt_mM_Right);
}

void MainWindow::band_links_Click()
{
    vars().Code_Refresh_mM = true;
    vars().Code_Refresh_oM = false;
    Forms::call(forms_.procedures.Create_Belt_mM_Left);
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
    chooseLanguage(forms_, spracheItems[std::size_t(index)]->text());
}

void MainWindow::tickLanguageInUse()
{
    // An item names a language; the language in use is named by its file.
    const QString inUse = vars().Language_Name;
    for (QAction* item : spracheItems)
        item->setChecked(!inUse.isEmpty() &&
                         QString::compare(item->text() + QStringLiteral(".ini"), inUse,
                                          Qt::CaseInsensitive) == 0);
}

void MainWindow::info_Click()
{
    forms_.window<InfoDialog>().Show();
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
        this,
        [this, file] {
            if (forms_.procedures.loadBeltFile)
                forms_.procedures.loadBeltFile(file);
        },
        Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    forms_.unloadMain();
}

} // namespace kx

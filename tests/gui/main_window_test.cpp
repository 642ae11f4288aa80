#include "test_program.h"
#include "windows/forms/form.h"
#include "windows/main/guide_window.h"
#include "windows/main/main_window.h"
#include "windows/main/start_dialog.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace kx;
using namespace Qt::StringLiterals;

namespace {
// name, design caption, parent ("" = menu bar) in menu order, and the keys
// that reach it.
struct MenuRow
{
    const char* name;
    const char* caption;
    const char* parent;
    const char* keys = "";
};
const MenuRow MenuTree[] = {
    {"datei", "Datei", ""},
    {"laden", "Laden", "datei", "Ctrl+O"},
    {"zuletzt", "&Zuletzt geöffnet", "datei"},
    {"speichern", "Speichern", "datei", "Ctrl+S"},
    {"datenblatt", "Datenblatt &exportieren (PDF)…", "datei", "Ctrl+E"},
    {"trennlinie0", "-", "datei"},
    {"drucken", "Drucken", "datei", "Ctrl+P"},
    {"trennlinie1", "-", "datei"},
    {"beenden", "Beenden", "datei", "Ctrl+Q"},
    {"konfiguration", "Konfiguration", ""},
    {"band_erstellen", "Band erstellen", "konfiguration"},
    {"band_om", "ohne Module", "band_erstellen"},
    {"band_rechts", "mit Module, rechts", "band_erstellen"},
    {"band_links", "mit Module, links", "band_erstellen"},
    {"bestellnummer_oeffnen", "Bestellnummer ö&ffnen…", "konfiguration", "Ctrl+V"},
    {"band_bearbeiten", "&Dieses Band bearbeiten", "konfiguration"},
    {"trennlinie3", "-", "konfiguration"},
    {"rueckgaengig", "&Rückgängig", "konfiguration", "Ctrl+Z"},
    {"wiederholen", "&Wiederholen", "konfiguration", "Ctrl+Shift+Z, Ctrl+Y"},
    {"beispiele", "Beispiele", ""},
    {"ohne_Module", "Band, ohne Module", "beispiele"},
    {"mit_Module", "Band, mit Module", "beispiele"},
    {"extras", "Extras", ""},
    {"sprache", "Sprache", "extras"},
    {"sprache1", "Sprache1", "sprache"},
    {"sprache2", "Sprache2", "sprache"},
    {"sprache3", "Sprache3", "sprache"},
    {"sprache4", "Sprache4", "sprache"},
    {"sprache5", "Sprache5", "sprache"},
    {"hilfe", "&Hilfe", ""},
    {"handbuch", "&Benutzerhandbuch", "hilfe", "F1"},
    {"trennlinie2", "-", "hilfe"},
    {"info", "Info", "hilfe"},
};

// The title as the window system shows it, the changed mark put in.
QString shownTitle(QWidget& window)
{
    return window.windowHandle() ? window.windowHandle()->title() : window.windowTitle();
}

QList<QAction*> itemsOf(MainWindow& window, const QString& parent)
{
    if (parent.isEmpty())
        return window.menuBar()->actions();
    return window.findChild<QMenu*>(parent)->actions();
}
} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void menuTree();
    void completeLoad();
    void hiddenWindowsFollowFirstPaint_data();
    void hiddenWindowsFollowFirstPaint();
    void titleShowsChildInFront();
    void childrenAreNotWindows_data();
    void childrenAreNotWindows();
    void failedLoadShowsBoxOnce();
    void failure75IsSilent();
    void beendenEndsProgram();
    void closeButtonEndsProgram();
    void terminateEndsProgram();
    void reloadKeepsProgramAndState();
    void registryCreatesOnceAndUnloadsChildren();
    void newCommandsSetUpTheirBelt();
    void dropOpensBelt_data();
    void dropOpensBelt();
    void keysReachCommands_data();
    void keysReachCommands();
    void guideOfTheLanguage_data();
    void guideOfTheLanguage();
    void changedBeltAsksFirst_data();
    void changedBeltAsksFirst();
};

void MainWindowTest::menuTree()
{
    TestProgram program;
    program.removeFile(QStringLiteral("47-318-xx.ini")); // design captions only
    MainWindow& window = program.start();

    QHash<QString, int> position;
    for (const MenuRow& row : MenuTree) {
        const QString name = QString::fromLatin1(row.name);
        QAction* item = window.menuItem(name);
        QVERIFY2(item, row.name);
        const QList<QAction*> siblings = itemsOf(window, QString::fromLatin1(row.parent));
        const int index = int(siblings.indexOf(item));
        QVERIFY2(index >= 0, row.name);
        // Menu order: each item stands after the previous one of its parent.
        const QString parentKey = QString::fromLatin1(row.parent);
        QVERIFY2(index > position.value(parentKey, -1), row.name);
        position[parentKey] = index;
        if (QByteArray(row.caption) == "-") {
            QVERIFY2(item->isSeparator(), row.name);
        } else {
            QCOMPARE(item->text(), QString::fromUtf8(row.caption));
            const QString keys = QString::fromLatin1(row.keys);
            QCOMPARE(item->shortcut().isEmpty(), keys.isEmpty());
            for (const QString& key : keys.split(QStringLiteral(", "), Qt::SkipEmptyParts))
                QVERIFY2(item->shortcuts().contains(QKeySequence(key)), row.name);
        }
    }
    // Nothing but the table's items.
    QCOMPARE(itemsOf(window, QString()).size(), 5);
    QCOMPARE(itemsOf(window, QStringLiteral("datei")).size(), 8);
    QCOMPARE(itemsOf(window, QStringLiteral("konfiguration")).size(), 6);
    QCOMPARE(itemsOf(window, QStringLiteral("extras")).size(), 1);
    QCOMPARE(itemsOf(window, QStringLiteral("hilfe")).size(), 3);
}

void MainWindowTest::completeLoad()
{
    TestProgram program;
    MainWindow& window = program.start();
    QVERIFY(program.boxes.shown.isEmpty());
    QVERIFY(window.isVisible());
    QVERIFY(!window.saveAction->isEnabled());
    QVERIFY(!window.datasheetAction->isEnabled());
    // Nothing loaded to edit, nothing to take back or bring back.
    for (QAction* item : {window.editBeltAction, window.undoAction, window.redoAction})
        QVERIFY(!item->isEnabled());
    QVERIFY(window.printAction->isEnabled());
    QVERIFY(window.openAction->isEnabled());
    for (QAction* item : {window.newPlainAction, window.newRightAction, window.newLeftAction})
        QVERIFY(!item->isChecked());
    for (QTimer* timer : {window.moduleTimer, window.driveTimer, window.switchTimer}) {
        QVERIFY2(timer->isActive(), qPrintable(timer->objectName()));
        QCOMPARE(timer->interval(), 100);
    }
    QCOMPARE(program.forms->procedureName, QStringLiteral("Form_Load()"));
    QCOMPARE(QDir::currentPath(), QDir(program.folder.path()).canonicalPath());
    Form* start = program.forms->loaded(QStringLiteral("wStart"));
    QVERIFY(start && start->Visible());
    QCOMPARE(window.mdiArea->activeSubWindow(), start->mdiFrame());
    // 14595 x 6480 twips, widened to the plain belt's longest picture.
    QCOMPARE(window.centralWidget()->size(), QSize(981, 432));
}

namespace {
// Counts the MDI frames there are when the start dialog first paints.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWidget* start, QMdiArea* area) : area_(area)
    {
        start->installEventFilter(this);
    }
    int framesAtFirstPaint = -1;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && framesAtFirstPaint < 0)
            framesAtFirstPaint = int(area_->subWindowList().size());
        return false;
    }

private:
    QMdiArea* area_;
};
} // namespace

void MainWindowTest::hiddenWindowsFollowFirstPaint_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("after the first paint") << QStringLiteral("paint");
    QTest::newRow("asked for before it") << QStringLiteral("asked");
    QTest::newRow("a start button before it") << QStringLiteral("button");
    QTest::newRow("start dialog closed before it") << QStringLiteral("close");
    QTest::newRow("a language reload before it") << QStringLiteral("reload");
}

// The start dialog paints first; the windows behind it and the hidden ones
// follow, or come at once when anything asks for a window.
void MainWindowTest::hiddenWindowsFollowFirstPaint()
{
    QFETCH(QString, way);
    TestProgram program;
    QSignalSpy built(program.forms.get(), &Forms::deferredWindowsLoaded);
    MainWindow& window = program.start();
    program.holdTimers();
    auto* start = qobject_cast<StartDialog*>(program.forms->loaded(QStringLiteral("wStart")));
    QVERIFY(start);
    QCOMPARE(built.count(), 0);

    if (way == QLatin1String("paint")) {
        FirstPaintWatch watch(start, window.mdiArea);
        QSignalSpy titles(&window, &QWidget::windowTitleChanged);
        QVERIFY(built.wait(5000));
        QCOMPARE(watch.framesAtFirstPaint, 1);
        // The windows built behind the start dialog never show in the title.
        QCOMPARE(titles.count(), 0);
    } else if (way == QLatin1String("asked")) {
        QVERIFY(program.forms->loaded(QStringLiteral("wAnsicht_02")));
        QCOMPARE(built.count(), 1);
    } else if (way == QLatin1String("reload")) {
        // A language switch keeps the separate windows the start-up made.
        program.shell->languageSwitch().reloading = true;
        program.shell->unloadMain();
        QCOMPARE(built.count(), 1);
        Form* info = program.forms->loaded(QStringLiteral("wInfo"));
        QVERIFY(info && !info->Visible());
        return;
    } else if (way == QLatin1String("close")) {
        start->mdiFrame()->close();
        QCOMPARE(built.count(), 1);
        // What the start dialog covered is there to be seen.
        const QList<QMdiSubWindow*> frames = window.mdiArea->subWindowList(QMdiArea::StackingOrder);
        QCOMPARE(frames.size(), 3);
        QVERIFY(!frames[1]->isHidden());
        QCOMPARE(frames[1]->widget()->objectName(), QStringLiteral("wmM"));
        return;
    } else {
        QTest::mouseClick(start->rightRunningButton, Qt::LeftButton);
        QCOMPARE(built.count(), 1);
        // The editor set up is in front; the other one is hidden as usual.
        QCOMPARE(window.mdiArea->activeSubWindow()->widget()->objectName(), QStringLiteral("wmM"));
        QVERIFY(!program.forms->loaded(QStringLiteral("woM"))->Visible());
        QVERIFY(!start->Visible());
        return;
    }

    const QList<QMdiSubWindow*> frames = window.mdiArea->subWindowList(QMdiArea::StackingOrder);
    QCOMPARE(frames.size(), 3);
    QCOMPARE(frames[0]->widget()->objectName(), QStringLiteral("woM"));
    QCOMPARE(frames[1]->widget()->objectName(), QStringLiteral("wmM"));
    QCOMPARE(frames[2]->widget(), start);
    QCOMPARE(window.mdiArea->activeSubWindow(), start->mdiFrame());
    // Qt keeps only the active frame maximized.
    QVERIFY(start->mdiFrame()->isMaximized());
    for (QMdiSubWindow* frame : frames)
        QVERIFY2(!frame->isHidden(), qPrintable(frame->objectName()));
    for (const char* name : {"wInfo", "wAnsicht_01", "wAnsicht_02"}) {
        Form* form = program.forms->loaded(QString::fromLatin1(name));
        QVERIFY2(form && !form->Visible(), name);
    }
    // Worded from the language file, not left at the design texts, and
    // named for screen readers from those words.
    QCOMPARE(program.forms->loaded(QStringLiteral("wAnsicht_01"))->Caption(),
             QStringLiteral("Beispiele: Band, ohne Module"));
    QCOMPARE(program.forms->loaded(QStringLiteral("woM"))
                 ->findChild<QWidget*>(QStringLiteral("HScroll_Bandlaenge"))
                 ->accessibleName(),
             QStringLiteral("Bandlänge"));
    QCOMPARE(window.windowTitle(), window.Caption());
    QCOMPARE(built.count(), 1);
}

void MainWindowTest::titleShowsChildInFront()
{
    TestProgram program;
    MainWindow& window = program.start();
    QCOMPARE(window.windowTitle(), window.Caption()); // the start dialog has no caption
    window.newPlainAction->trigger();
    Form* woM = program.forms->loaded(QStringLiteral("woM"));
    QCOMPARE(shownTitle(window), window.Caption() + u" - ["_s + woM->Caption() + u"]"_s);
    woM->setCaption(QStringLiteral("Band"));
    QCOMPARE(shownTitle(window), window.Caption() + u" - [Band]"_s);
    window.setCaption(QStringLiteral("KX"));
    QCOMPARE(shownTitle(window), QStringLiteral("KX - [Band]"));
    woM->Hide();
    QCOMPARE(window.windowTitle(), QStringLiteral("KX"));
}

void MainWindowTest::childrenAreNotWindows_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("length");
    QTest::newRow("start dialog") << "" << 0;
    QTest::newRow("plain, 1500 running right") << "band_om" << 1500;
    QTest::newRow("modular") << "band_rechts" << 0;
}

// The children fill the window without decorations of their own: nothing
// beside the menus in the menu bar, and the plain belt's longest picture
// shows whole at the size the window opens with.
void MainWindowTest::childrenAreNotWindows()
{
    QFETCH(QString, item);
    QFETCH(int, length);
    TestProgram program;
    MainWindow& window = program.start();
    if (!item.isEmpty())
        window.menuItem(item)->trigger();
    QMdiSubWindow* front = window.mdiArea->activeSubWindow();
    QVERIFY(front && front->isMaximized());
    for (QMdiSubWindow* frame : window.mdiArea->subWindowList())
        QVERIFY(frame->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!window.menuBar()->cornerWidget(Qt::TopLeftCorner));
    QVERIFY(!window.menuBar()->cornerWidget(Qt::TopRightCorner));
    QCOMPARE(front->geometry(), window.mdiArea->viewport()->rect());
    if (length) {
        front->widget()
            ->findChild<QScrollBar*>(QStringLiteral("HScroll_Bandlaenge"))
            ->setValue(length);
        QWidget* picture = front->widget()->findChild<QWidget*>(QStringLiteral("Image_Band_oM"));
        QCOMPARE(picture->width(), 945);
        const QRect shown(picture->mapTo(window.mdiArea->viewport(), QPoint()), picture->size());
        QVERIFY(window.mdiArea->viewport()->rect().contains(shown));
    }
}

void MainWindowTest::failedLoadShowsBoxOnce()
{
    TestProgram program;
    program.removeFile(QStringLiteral("47-318-xx.ini"));
    MainWindow& window = program.start();

    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown[0].text, QStringLiteral("Form_Load()"));
    QCOMPARE(program.boxes.shown[0].title, QStringLiteral("Error"));
    QCOMPARE(program.boxes.shown[0].informative,
             QStringLiteral("47-318-xx.ini: Datei nicht gefunden"));
    QVERIFY(window.isVisible());
    QVERIFY(window.driveTimer->isActive());
    QVERIFY(!window.moduleTimer->isActive());
    // The language switch stays, to leave a language that fails.
    QVERIFY(window.switchTimer->isActive());
    // No belt in front: nothing to save.
    QVERIFY(!window.saveAction->isEnabled());
    QCOMPARE(window.windowTitle(), QStringLiteral("KX-Konfigurator"));
    QCOMPARE(window.menuItem(QStringLiteral("sprache3"))->text(), QStringLiteral("Sprache3"));
    QVERIFY(!program.forms->loaded(QStringLiteral("wStart")));
}

void MainWindowTest::failure75IsSilent()
{
    TestProgram program;
    // A folder where the file should be: it exists but cannot be read (75).
    program.removeFile(QStringLiteral("47-318-xx.ini"));
    QVERIFY(QDir(program.folder.path()).mkdir(QStringLiteral("47-318-xx.ini")));
    MainWindow& window = program.start();
    QVERIFY(program.boxes.shown.isEmpty());
    QVERIFY(!window.moduleTimer->isActive());
    QVERIFY(window.isVisible());
}

void MainWindowTest::beendenEndsProgram()
{
    TestProgram program;
    MainWindow& window = program.start();
    window.exitAction->trigger();
    QCOMPARE(program.quitCount, 1);
    QVERIFY(program.shell->programEnded());
    QVERIFY(!program.loadedMain());
}

void MainWindowTest::closeButtonEndsProgram()
{
    TestProgram program;
    MainWindow& window = program.start();
    QVERIFY(window.close());
    QCOMPARE(program.quitCount, 1);
    QVERIFY(!program.loadedMain());
}

void MainWindowTest::terminateEndsProgram()
{
    TestProgram program;
    delete &program.start();
    QCOMPARE(program.quitCount, 1);
    QVERIFY(!program.loadedMain());
}

void MainWindowTest::reloadKeepsProgramAndState()
{
    TestProgram program;
    QPointer<MainWindow> first = &program.start();
    QPointer<Form> start = program.forms->loaded(QStringLiteral("wStart"));
    program.forms->wording().copyCaption = QStringLiteral("kept");

    program.shell->languageSwitch().reloading = true;
    first->close();
    QCOMPARE(program.quitCount, 0);
    QVERIFY(!program.loadedMain());
    QVERIFY(!program.forms->loaded(QStringLiteral("wStart")));
    TestProgram::settle();
    QVERIFY(first.isNull());
    QVERIFY(start.isNull()); // went with its main window

    program.shell->languageSwitch().reloading = false;
    program.forms->procedureName.clear();
    MainWindow& second = program.start();
    QCOMPARE(program.forms->procedureName, QStringLiteral("Form_Load()"));
    QVERIFY(second.moduleTimer->isActive());
    QVERIFY(program.forms->loaded(QStringLiteral("wStart"))->Visible());
    // What the registry holds outlives the main window.
    QCOMPARE(program.wording().languageFile, QStringLiteral("Deutsch.ini"));

    second.close();
    QCOMPARE(program.quitCount, 1);
}

void MainWindowTest::registryCreatesOnceAndUnloadsChildren()
{
    TestProgram program;
    MainWindow& window = program.start();
    Form* info = program.forms->window(QStringLiteral("wInfo"));
    QCOMPARE(program.forms->window(QStringLiteral("wInfo")), info);
    QVERIFY(!info->Visible());
    window.infoAction->trigger();
    window.infoAction->trigger();
    QVERIFY(info->Visible());
    QCOMPARE(program.forms->window(QStringLiteral("wInfo")), info);

    window.plainExampleAction->trigger();
    QPointer<Form> example = program.forms->loaded(QStringLiteral("wAnsicht_01"));
    QVERIFY(example && example->Visible());

    program.shell->languageSwitch().reloading = true;
    program.shell->unloadMain();
    TestProgram::settle();
    // Separate windows stay loaded with the state they had.
    QCOMPARE(program.forms->loaded(QStringLiteral("wInfo")), info);
    QVERIFY(!example.isNull());
    QVERIFY(example->Visible());

    // A closed example window is unloaded.
    example->close();
    QVERIFY(!program.forms->loaded(QStringLiteral("wAnsicht_01")));
    TestProgram::settle();
    QVERIFY(example.isNull());
}

void MainWindowTest::newCommandsSetUpTheirBelt()
{
    TestProgram program;
    MainWindow& window = program.start();
    program.holdTimers();
    const BeltDocument& doc = program.document();
    auto* start = &program.forms->window<StartDialog>();
    QStringList belts;
    for (QObject* command : std::initializer_list<QObject*>{
             window.newLeftAction, start->plainButton, window.newRightAction, window.newPlainAction,
             start->rightRunningButton, start->leftRunningButton}) {
        if (auto* action = qobject_cast<QAction*>(command))
            action->trigger();
        else
            QTest::mouseClick(static_cast<QWidget*>(command), Qt::LeftButton);
        belts << (doc.plainInFront() ? u"oM"_s : doc.belt().rightRunning ? u"R"_s : u"L"_s);
    }
    QCOMPARE(belts, (QStringList{u"L"_s, u"oM"_s, u"R"_s, u"oM"_s, u"R"_s, u"L"_s}));
    // The check mark follows the belt in front.
    QVERIFY(window.newLeftAction->isChecked() && !window.newRightAction->isChecked() &&
            !window.newPlainAction->isChecked());
}

void MainWindowTest::dropOpensBelt_data()
{
    QTest::addColumn<QStringList>("files"); // in the program folder; "http:" a web address
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("code"); // shown afterwards; empty: as before
    QTest::addColumn<int>("boxes");

    QTest::newRow("a belt file") << QStringList{u"belt.dat"_s} << true << u"KX40-800-L-SF"_s << 0;
    QTest::newRow("a file that is no belt") << QStringList{u"empty.dat"_s} << true << u""_s << 1;
    QTest::newRow("two files") << QStringList{u"belt.dat"_s, u"belt.dat"_s} << false << u""_s << 0;
    QTest::newRow("a web address") << QStringList{u"http:"_s} << false << "" << 0;
}

void MainWindowTest::dropOpensBelt()
{
    QFETCH(QStringList, files);
    QFETCH(bool, accepted);
    QFETCH(QString, code);
    QFETCH(int, boxes);

    TestProgram program;
    program.writeFile(QStringLiteral("belt.dat"), "oKX40-800-L-SF\r\n");
    program.writeFile(QStringLiteral("empty.dat"), "");
    MainWindow& main = program.start();
    program.holdTimers();
    QList<QUrl> urls;
    for (const QString& file : std::as_const(files))
        urls << (file == QLatin1String("http:")
                     ? QUrl(QStringLiteral("http://example.com/belt.dat"))
                     : QUrl::fromLocalFile(program.path(file)));
    QMimeData data;
    data.setUrls(urls);

    QLineEdit* shown = program.forms->loaded(QStringLiteral("woM"))
                           ->findChild<QLineEdit*>(QStringLiteral("Text_Bestellnummer"));
    const QString before = shown->text();
    const QPoint middle = main.rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&main, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    if (accepted) {
        QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&main, &drop);
        QVERIFY(drop.isAccepted());
        TestProgram::settle();
    }
    QCOMPARE(shown->text(), code.isEmpty() ? before : code);
    QCOMPARE(program.boxes.shown.size(), boxes);
    if (boxes > 0)
        QCOMPARE(program.boxes.shown.first().text, QStringLiteral("laden_Click()"));
}

void MainWindowTest::keysReachCommands_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("asked"); // the dialog the command asks with; "guide", "ended"
    for (const QString& keys :
         listOf(u"Ctrl+O open|Ctrl+S save|Ctrl+E save|Ctrl+P printer|F1 guide|Ctrl+Q ended"_s))
        row(qPrintable(keys), QKeySequence(keys.section(QLatin1Char(' '), 0, 0)),
            keys.section(QLatin1Char(' '), 1));
}

void MainWindowTest::keysReachCommands()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, asked);
    TestProgram program;
    MainWindow& window = program.start();
    program.holdTimers();
    window.newPlainAction->trigger();
    window.Timer_Antrieb_Timer();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        QSKIP("the platform does not activate windows; the end-to-end case presses the keys");
    QTest::keySequence(&window, keys);
    if (asked == QLatin1String("guide"))
        QVERIFY(program.forms->window<GuideWindow>().Visible());
    else if (asked == QLatin1String("ended"))
        QVERIFY(program.shell->programEnded());
    else
        QCOMPARE(program.dialogs.asked.value(0).kind, asked);
}

void MainWindowTest::guideOfTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("guides");
    QTest::addColumn<QString>("shown");
    row("German", "Deutsch", listOf(u"Deutsch|English"_s), "Deutsch.html");
    row("English", "English", listOf(u"Deutsch|English"_s), "English.html");
    row("a language without its guide", "Deutsch", listOf(u"English"_s), "English.html");
    row("no guide at all", "Deutsch", QStringList(), "");
}

// Help > User guide (F1): the page of the language in use, else the English one.
void MainWindowTest::guideOfTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, guides);
    QFETCH(QString, shown);
    TestProgram program;
    QDir(program.folder.path()).mkdir(QStringLiteral("guide"));
    for (const QString& guide : guides)
        program.writeFile(QStringLiteral("guide/%1.html").arg(guide),
                          "<html><body><h1>" + guide.toUtf8() + "</h1></body></html>");
    MainWindow& window = program.startIn(language);
    QCOMPARE(window.guideAction->shortcut(), QKeySequence(QKeySequence::HelpContents));
    window.guideAction->trigger();
    GuideWindow& guide = program.forms->window<GuideWindow>();
    QVERIFY(guide.Visible());
    QCOMPARE(QFileInfo(guide.page->source().toLocalFile()).fileName(), shown);
    if (!shown.isEmpty())
        QVERIFY(guide.page->toPlainText().contains(QFileInfo(shown).completeBaseName()));
}

void MainWindowTest::changedBeltAsksFirst_data()
{
    QTest::addColumn<QString>("before"); // "edited", "new", "loaded", "edited, saved"
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer"); // 0 Save, 1 Discard, 2 Cancel
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("wentOn");
    const int save = 0, discard = 1, cancel = 2;
    row("Exit, changed, Cancel", "edited", "beenden", cancel, true, false);
    row("Exit, changed, Discard", "edited", "beenden", discard, true, true);
    row("Exit, changed, Save", "edited", "beenden", save, true, true);
    row("close button, changed, Cancel", "edited", "close", cancel, true, false);
    row("close button, changed, Discard", "edited", "close", discard, true, true);
    row("New, changed, Cancel", "edited", "band_links", cancel, true, false);
    row("New, changed, Discard", "edited", "band_links", discard, true, true);
    row("Open, changed, Cancel", "edited", "laden", cancel, true, false);
    row("Open order code, changed, Cancel", "edited", "bestellnummer_oeffnen", cancel, true, false);
    row("language, changed, Cancel", "edited", "sprache2", cancel, true, false);
    row("language, changed, Discard", "edited", "sprache2", discard, true, true);
    row("Exit, a new belt not edited", "new", "beenden", cancel, false, true);
    row("Exit, a loaded belt not edited", "loaded", "beenden", cancel, false, true);
    row("Exit, saved since", "edited, saved", "beenden", cancel, false, true);
}

// Nothing drops a belt changed since it was set up, loaded or saved without
// asking: Save writes it and goes on, Discard goes on, Cancel stays.
void MainWindowTest::changedBeltAsksFirst()
{
    QFETCH(QString, before);
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, wentOn);
    TestProgram program;
    program.writeFile(QStringLiteral("b.dat"), "oKX40-500-L\r\n");
    MainWindow& window = program.start();
    program.holdTimers();
    BeltDocument& doc = program.document();
    window.newPlainAction->trigger();
    window.Timer_Antrieb_Timer();
    if (before == QLatin1String("loaded"))
        program.load(program.path(QStringLiteral("b.dat")));
    if (before.startsWith(QLatin1String("edited")))
        doc.setLength(800);
    if (before.endsWith(QLatin1String("saved")))
        program.save(program.path(QStringLiteral("saved.dat")));
    QCOMPARE(doc.isModified(), before == QLatin1String("edited"));
    const Belt belt = doc.belt();
    const qsizetype dialogs = program.dialogs.asked.size();
    program.boxes.answers.push_back(answer);
    if (answer == 0)
        program.dialogs.answerFile(program.path(QStringLiteral("kept.dat")));

    if (command == QLatin1String("close"))
        window.close();
    else
        window.menuItem(command)->trigger();

    QCOMPARE(program.boxes.asked.size(), asked ? 1 : 0);
    if (asked)
        QCOMPARE(program.boxes.asked[0].buttons.size(), 3);
    if (answer == 0 && asked)
        QCOMPARE(program.readFile(QStringLiteral("kept.dat")), QByteArray("oKX40-800-R\r\n"));
    if (command == QLatin1String("beenden") || command == QLatin1String("close")) {
        QCOMPARE(program.shell->programEnded(), wentOn);
    } else if (command == QLatin1String("sprache2")) {
        QCOMPARE(program.shell->languageSwitch().pending, wentOn);
    } else if (command == QLatin1String("band_links")) {
        QCOMPARE(doc.modularInFront(), wentOn);
    } else {
        QCOMPARE(program.dialogs.asked.size() > dialogs, wentOn);
        QCOMPARE(doc.belt(), belt);
    }
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

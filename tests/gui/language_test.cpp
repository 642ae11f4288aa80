#include "test_program.h"
#include "text_lines.h"
#include "windows/forms/form.h"
#include "windows/forms/keyed_toolbar.h"
#include "windows/main/example_windows.h"
#include "windows/main/info_dialog.h"
#include "windows/main/main_window.h"
#include "windows/main/start_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace kx;
using namespace Qt::StringLiterals;

namespace {
// A language file in which every line says where it comes from.
QByteArray numberedLanguage()
{
    QStringList lines = QStringList{u"[MENUE]"_s} + numbered(u"M"_s, 28);
    lines << u"[TB]"_s << numbered(u"T"_s, 14);
    lines << u"[SONSTIGES]"_s << numbered(u"S"_s, 10);
    lines << u"[OPTIONAL_OM]"_s << u"OL"_s;
    for (int i = 0; i < 6; ++i)
        lines << QStringLiteral("OF%1").arg(i) << QStringLiteral("OC%1").arg(i);
    lines << listOf(u"[OPTIONAL_MM]|ML|MF0|MC0|MF1|MC1|XXXXX|-|-|-|-"_s);
    lines << u"[MSG]"_s << numbered(u"G"_s, 12);
    lines << u"[BEFEHLE]"_s << numbered(u"B"_s, CommandTextCount);
    return crlf(lines);
}

// Until the editors are built, a window with their controls' names stands in
// for each of them; once they are registered, the real ones are used.
class StandInEditor : public Form
{
public:
    StandInEditor(Forms& forms, const QString& name) : Form(forms, name)
    {
        for (const char* name :
             {"Label_Bandlaenge", "Label_Bandlaufrichtung", "Label_Bandbreite", "Label_Optional"})
            (new QLabel(this))->setObjectName(QString::fromLatin1(name));
        findChild<QLabel*>(QStringLiteral("Label_Optional"))->hide();
        (new QRadioButton(this))->setObjectName(QStringLiteral("Option_Rechts"));
        (new QRadioButton(this))->setObjectName(QStringLiteral("Option_Links"));
        for (int i = 0; i < 6; ++i) {
            auto* box = new QCheckBox(QStringLiteral("Check1"), this);
            box->setObjectName(QStringLiteral("Check_Optional(%1)").arg(i));
            box->hide();
        }
        if (name != QLatin1String("wmM"))
            return;
        for (const char* toolbar : {"Toolbar_Rechts", "Toolbar_Links"}) {
            auto* bar = new KeyedToolbar(QString::fromLatin1(toolbar), this);
            for (int i = 1; i <= 9; ++i) {
                if (i == 3 || i == 7)
                    bar->addSeparatorButton();
                else
                    bar->addButton(QString::number(i), QIcon(), QStringLiteral("xxx"));
            }
        }
    }
};

void registerStandIns(Forms& forms)
{
    for (const QString& name : {QStringLiteral("woM"), QStringLiteral("wmM")})
        if (!forms.isRegistered(name))
            forms.registerWindow(name, WindowKind::MdiChild,
                                 [name](Forms& f) { return new StandInEditor(f, name); });
}

template <class T = QWidget> T* control(Forms& forms, const char* window, const QString& name)
{
    Form* form = forms.loaded(QString::fromLatin1(window));
    return form ? form->findChild<T*>(name) : nullptr;
}

QString textOf(Forms& forms, const char* window, const QString& name)
{
    if (auto* label = control<QLabel>(forms, window, name))
        return label->text();
    if (auto* button = control<QAbstractButton>(forms, window, name))
        return button->text();
    return QStringLiteral("<no %1>").arg(name);
}

} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT
private slots:
    void startsInGerman();
    void textsReachEveryWindow();
    void failedPassKeepsWhatWasRead();
    void switchRewritesAndReloads();
    void sameLanguageAgainSwitches();
    void choiceSurvivesRestart();
    void infoDialogFollowsSwitch();
    void failedWriteKeepsOldFile();
    void switchFailures_data();
    void switchFailures();
    void qtWords_data();
    void qtWords();
    void refusedLanguages_data();
    void refusedLanguages();
};

void LanguageTest::startsInGerman()
{
    TestProgram program;
    MainWindow& window = program.start();
    QVERIFY(program.boxes.shown.isEmpty());
    QCOMPARE(window.menuItem(QStringLiteral("sprache1"))->text(), QStringLiteral("&Deutsch"));
    QCOMPARE(window.menuItem(QStringLiteral("sprache2"))->text(), QStringLiteral("&English"));
    for (const char* item : {"sprache1", "sprache2"})
        QVERIFY(window.menuItem(QString::fromLatin1(item))->isVisible());
    for (const char* item : {"sprache3", "sprache4", "sprache5"})
        QVERIFY(!window.menuItem(QString::fromLatin1(item))->isVisible());
    // The language in use is ticked.
    QVERIFY(window.languageItems[0]->isChecked());
    QVERIFY(!window.languageItems[1]->isChecked());
    QCOMPARE(window.windowTitle(), QStringLiteral("KX-Konfigurator"));
    QCOMPARE(window.fileMenuItem->text(), QStringLiteral("Datei"));

    const Wording& v = program.wording();
    QCOMPARE(v.languageFile, QStringLiteral("Deutsch.ini"));
    QCOMPARE(v.copyCaption, QStringLiteral("Bestell-Nummer kopieren"));
    QCOMPARE(v.plainFeatures.count, 6);
    QCOMPARE(v.modularFeatures.count, 6);
    for (const QString& message : v.messages)
        QVERIFY(!message.isEmpty());
}

void LanguageTest::textsReachEveryWindow()
{
    TestProgram program;
    registerStandIns(*program.forms);
    program.writeFile(QStringLiteral("Test.ini"), numberedLanguage());
    program.writeFile(MainName, crlf({u"[AUSWAHL]"_s, u"Test"_s, u"Zweite"_s, u"xxx"_s,
                                      u"[SPRACHE]"_s, u"Test.ini"_s}));
    QTest::failOnWarning(QRegularExpression(QStringLiteral("text pass")));
    MainWindow& window = program.start();
    QVERIFY(program.boxes.shown.isEmpty());
    Forms& forms = *program.forms;

    // A maximized MDI child adds its own title after the main window's.
    QCOMPARE(window.windowTitle().section(QStringLiteral(" - ["), 0, 0), QStringLiteral("M1"));
    const char* items[] = {"datei",       "laden",         "speichern",      "drucken",
                           "beenden",     "konfiguration", "band_erstellen", "band_om",
                           "band_rechts", "band_links",    "beispiele",      "ohne_Module"};
    for (int i = 0; i < 12; ++i)
        QCOMPARE(window.menuItem(QString::fromLatin1(items[i]))->text(),
                 QStringLiteral("M%1").arg(i + 5));
    QCOMPARE(window.modularExampleAction->text(), QStringLiteral("M22"));
    QCOMPARE(window.toolsMenuItem->text(), QStringLiteral("M26"));
    QCOMPARE(window.languageMenuItem->text(), QStringLiteral("M27"));
    QCOMPARE(window.infoAction->text(), QStringLiteral("M28"));
    QCOMPARE(window.languageItems[1]->text(), QStringLiteral("&Zweite"));
    QAction* const commands[] = {window.editBeltAction, window.undoAction, window.redoAction};
    for (std::size_t i = 0; i < std::size(commands); ++i)
        QCOMPARE(commands[i]->text(), QStringLiteral("B%1").arg(i + 1));

    auto* info = &forms.window<InfoDialog>();
    QCOMPARE(info->Caption(), QStringLiteral("M4"));
    QCOMPARE(info->Label_Titel->text(), QStringLiteral("M1"));
    QVERIFY(!info->Visible());

    auto* example1 = &forms.window<ExampleWindow1>();
    QCOMPARE(example1->Caption(), QStringLiteral("M15: M16"));
    const QLabel* labels1[] = {example1->Label_Ansicht01_01, example1->Label_Ansicht01_02,
                               example1->Label_Ansicht01_03, example1->Label_Ansicht01_04,
                               example1->Label_Ansicht01_05};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(labels1[i]->text(), QStringLiteral("M%1").arg(17 + i));
    auto* example2 = &forms.window<ExampleWindow2>();
    QCOMPARE(example2->Caption(), QStringLiteral("M15: M22"));
    QCOMPARE(example2->Label_Ansicht02_01->text(), QStringLiteral("M23"));
    QCOMPARE(example2->Label_Ansicht02_02->text(), QStringLiteral("M24"));
    QCOMPARE(example2->Label_Ansicht02_03->text(), QStringLiteral("M25"));
    QVERIFY(!example1->Visible() && !example2->Visible());

    auto* start = &forms.window<StartDialog>();
    QCOMPARE(start->plainButton->text(), QStringLiteral("S8"));
    QCOMPARE(start->rightRunningButton->text(), QStringLiteral("S9"));
    QCOMPARE(start->leftRunningButton->text(), QStringLiteral("S10"));

    // The editors lie behind the start dialog, whenever they were built.
    QCOMPARE(forms.loaded(QStringLiteral("woM"))->Caption(), QStringLiteral("M2"));
    QCOMPARE(forms.loaded(QStringLiteral("wmM"))->Caption(), QStringLiteral("M3"));
    const QList<QMdiSubWindow*> order = window.mdiArea->subWindowList(QMdiArea::StackingOrder);
    QCOMPARE(order.size(), 3);
    QCOMPARE(order[0]->widget()->objectName(), QStringLiteral("woM"));
    QCOMPARE(order[1]->widget()->objectName(), QStringLiteral("wmM"));
    QCOMPARE(order[2]->widget(), start);
    QCOMPARE(window.mdiArea->activeSubWindow(), start->mdiFrame());

    const char* shared[][2] = {{"Label_Bandlaenge", "S3"},
                               {"Label_Bandlaufrichtung", "S4"},
                               {"Option_Rechts", "S5"},
                               {"Option_Links", "S6"},
                               {"Label_Bandbreite", "S7"}};
    for (const char* editor : {"woM", "wmM"})
        for (const auto& row : shared)
            QCOMPARE(textOf(forms, editor, QString::fromLatin1(row[0])),
                     QString::fromLatin1(row[1]));

    QCOMPARE(textOf(forms, "woM", QStringLiteral("Label_Optional")), QStringLiteral("OL"));
    QVERIFY(!control(forms, "woM", QStringLiteral("Label_Optional"))->isHidden());
    for (int i = 0; i < 6; ++i) {
        const QString box = QStringLiteral("Check_Optional(%1)").arg(i);
        QCOMPARE(textOf(forms, "woM", box), QStringLiteral("OF%1").arg(i));
        QVERIFY(!control(forms, "woM", box)->isHidden());
    }
    QCOMPARE(textOf(forms, "wmM", QStringLiteral("Label_Optional")), QStringLiteral("ML"));
    QCOMPARE(textOf(forms, "wmM", QStringLiteral("Check_Optional(1)")), QStringLiteral("MF1"));

    const int buttons[] = {1, 2, 4, 5, 6, 8, 9};
    for (int line = 1; line <= 14; ++line) {
        auto* toolbar = control<KeyedToolbar>(forms, "wmM",
                                              line <= 7 ? QStringLiteral("Toolbar_Rechts")
                                                        : QStringLiteral("Toolbar_Links"));
        QVERIFY(toolbar);
        QCOMPARE(toolbar->button(buttons[(line - 1) % 7])->toolTip(),
                 QStringLiteral("T%1").arg(line));
    }

    const Wording& v = forms.wording();
    QCOMPARE(v.copyCaption, QStringLiteral("S2"));
    QCOMPARE(v.plainFeatures.count, 6);
    QCOMPARE(v.plainFeatures.codes[5], QStringLiteral("OC5"));
    QCOMPARE(v.modularFeatures.count, 2);
    QCOMPARE(v.modularFeatures.codes[1], QStringLiteral("MC1"));
    QCOMPARE(v.messages[0], QStringLiteral("G1"));
    QCOMPARE(v.messages[11], QStringLiteral("G12"));
}

void LanguageTest::failedPassKeepsWhatWasRead()
{
    TestProgram program;
    // [MENUE] whole, [TB] cut short: the menus are worded, nothing after them.
    program.writeFile(QStringLiteral("Deutsch.ini"),
                      crlf(QStringList{u"[SONSTIGES]"_s} + numbered(u"S"_s, 10) +
                           QStringList{u"[MENUE]"_s} + numbered(u"M"_s, 28) +
                           QStringList{u"[TB]"_s, u"T1"_s}));
    MainWindow& window = program.start();
    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown[0].text, QStringLiteral("Form_Load()"));
    QCOMPARE(program.boxes.shown[0].title, QStringLiteral("Error"));
    QCOMPARE(program.boxes.shown[0].informative,
             QStringLiteral("Deutsch.ini: die Datei endet mitten im Abschnitt [TB]"));
    QCOMPARE(window.Caption(), QStringLiteral("M1"));
    QCOMPARE(window.infoAction->text(), QStringLiteral("M28"));
    QCOMPARE(window.menuItem(QStringLiteral("sprache2"))->text(), QStringLiteral("&English"));
    QCOMPARE(program.wording().copyCaption, QString());
    QVERIFY(!program.forms->loaded(QStringLiteral("wStart")));
    // Another language can be chosen, or every start would fail alike.
    QVERIFY(window.switchTimer->isActive());
    QCOMPARE(program.switchLanguage("sprache2").fileMenuItem->text(), QStringLiteral("File"));
    QCOMPARE(program.boxes.shown.size(), 1);

    // Without the language file only the language items are worded.
    TestProgram second;
    second.removeFile(QStringLiteral("Deutsch.ini"));
    MainWindow& other = second.start();
    QCOMPARE(second.boxes.shown.size(), 1);
    QCOMPARE(other.menuItem(QStringLiteral("sprache1"))->text(), QStringLiteral("&Deutsch"));
    QCOMPARE(other.fileMenuItem->text(), QStringLiteral("Datei"));
    QCOMPARE(other.windowTitle(), QStringLiteral("KX-Konfigurator"));
    QCOMPARE(second.forms->window<InfoDialog>().Caption(), QStringLiteral("Info"));

    // A section missing is said as a missing file is.
    TestProgram third;
    third.writeFile(u"Deutsch.ini"_s, third.readFile(u"Deutsch.ini"_s).replace("[TB]", "; TB"));
    third.start();
    QCOMPARE(third.boxes.shown.size(), 1);
    QCOMPARE(third.boxes.shown[0].text, QStringLiteral("Form_Load()"));
    QCOMPARE(third.boxes.shown[0].informative, u"Deutsch.ini: der Abschnitt [TB] fehlt"_s);
}

void LanguageTest::switchRewritesAndReloads()
{
    TestProgram program;
    // A comment with a Windows-1252 byte, mixed line ends, no end after the last line.
    program.writeFile(MainName, QByteArray("; Sprachen f\xfcr KX\r[AUSWAHL]\nDeutsch\r\nEnglish\r\n"
                                           "xxx\r\n\r\n[SPRACHE]\r\nDeutsch.ini\r\n; Ende"));
    QPointer<MainWindow> first = &program.start();
    program.holdTimers();
    Shell::LanguageSwitch& chosen = program.shell->languageSwitch();
    first->newPlainAction->trigger();
    QPointer<Form> oldStart = program.forms->loaded(QStringLiteral("wStart"));

    first->menuItem(QStringLiteral("sprache2"))->trigger();
    QCOMPARE(chosen.chosen, QStringLiteral("English"));
    QVERIFY(chosen.pending && chosen.reloading);
    first->Timer_Umschaltung_Timer();
    TestProgram::settle();

    QVERIFY(program.boxes.shown.isEmpty());
    QCOMPARE(program.readFile(MainName),
             QByteArray("; Sprachen f\xfcr KX\r\n[AUSWAHL]\r\nDeutsch\r\nEnglish\r\n"
                        "xxx\r\n\r\n[SPRACHE]\r\nEnglish.ini\r\n; Ende\r\n"));
    QVERIFY(first.isNull());
    QVERIFY(oldStart.isNull());
    MainWindow* now = program.loadedMain();
    QVERIFY(now && now->isVisible());
    QCOMPARE(program.quitCount, 0);
    QCOMPARE(now->fileMenuItem->text(), QStringLiteral("File"));
    QCOMPARE(now->menuItem(QStringLiteral("sprache2"))->text(), QStringLiteral("&English"));
    QVERIFY(now->languageItems[1]->isChecked() && !now->languageItems[0]->isChecked());
    auto* start = &program.forms->window<StartDialog>();
    QVERIFY(start->Visible());
    QCOMPARE(now->mdiArea->activeSubWindow(), start->mdiFrame());
    QCOMPARE(start->plainButton->text(), QStringLiteral("New belt without modules"));

    QCOMPARE(program.wording().languageFile, QStringLiteral("English.ini"));
    QCOMPARE(program.wording().copyCaption, QStringLiteral("Copy order code"));
    QVERIFY(!chosen.pending && !chosen.reloading);
    // The belt that was in front went with the windows; none is checked.
    QVERIFY(!program.document().hasBelt() && !now->newPlainAction->isChecked());

    // Back again; the program still ends when its window is closed.
    MainWindow& german = program.switchLanguage("sprache1");
    QCOMPARE(german.fileMenuItem->text(), QStringLiteral("Datei"));
    QVERIFY(german.close());
    QCOMPARE(program.quitCount, 1);
}

void LanguageTest::sameLanguageAgainSwitches()
{
    TestProgram program;
    const QByteArray before = program.readFile(MainName);
    program.writeFile(MainName, before.chopped(2)); // no line end after the last line
    QPointer<MainWindow> first = &program.start();
    MainWindow& again = program.switchLanguage("sprache1");
    QVERIFY(first.isNull());
    QCOMPARE(program.readFile(MainName), before);
    QCOMPARE(again.fileMenuItem->text(), QStringLiteral("Datei"));
    QVERIFY(program.boxes.shown.isEmpty());
}

void LanguageTest::choiceSurvivesRestart()
{
    TestProgram program;
    const QByteArray shipped = program.readFile(MainName);
    program.start();
    program.switchLanguage("sprache2");

    program.restart();
    MainWindow& english = program.shell->start();
    QCOMPARE(english.fileMenuItem->text(), QStringLiteral("File"));
    program.switchLanguage("sprache1");

    program.restart();
    QCOMPARE(program.shell->start().fileMenuItem->text(), QStringLiteral("Datei"));
    QCOMPARE(program.readFile(MainName), shipped);
    QVERIFY(program.boxes.shown.isEmpty());
}

void LanguageTest::infoDialogFollowsSwitch()
{
    TestProgram program;
    QByteArray english = program.readFile(QStringLiteral("English.ini"));
    english.replace("[MENUE]\r\nKX-Konfigurator\r\n", "[MENUE]\r\nKX Configurator\r\n");
    program.writeFile(QStringLiteral("English.ini"), english);
    MainWindow& window = program.start();
    window.infoAction->trigger();
    QPointer<InfoDialog> info = &program.forms->window<InfoDialog>();
    QCOMPARE(info->Label_Titel->text(), QStringLiteral("KX-Konfigurator"));

    MainWindow& now = program.switchLanguage("sprache2");
    QVERIFY(!info.isNull());
    QVERIFY(info->Visible());
    QCOMPARE(info->Label_Titel->text(), QStringLiteral("KX Configurator"));
    QCOMPARE(info->Caption(), QStringLiteral("About"));
    QCOMPARE(now.windowTitle(), QStringLiteral("KX Configurator"));
}

void LanguageTest::failedWriteKeepsOldFile()
{
    TestProgram program;
    MainWindow& window = program.start();
    program.holdTimers();
    const QByteArray before = program.readFile(MainName);
    const QStringList files = QDir(program.folder.path()).entryList(QDir::Files);

    window.menuItem(QStringLiteral("sprache2"))->trigger();
    {
        FileSizeLimit full(0);
        window.Timer_Umschaltung_Timer();
    }
    TestProgram::settle();
    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown[0].text, QStringLiteral("Timer_Umschaltung_Timer()"));
    QCOMPARE(program.boxes.shown[0].title, QStringLiteral("Error"));
    QCOMPARE(program.readFile(MainName), before);
    QCOMPARE(QDir(program.folder.path()).entryList(QDir::Files), files);
    QCOMPARE(program.loadedMain(), &window);
    QCOMPARE(window.fileMenuItem->text(), QStringLiteral("Datei"));
    QVERIFY(!program.shell->languageSwitch().reloading);
    // The click did not move the tick away from the language still in use.
    QVERIFY(window.languageItems[0]->isChecked() && !window.languageItems[1]->isChecked());

    QVERIFY(window.close());
    QCOMPARE(program.quitCount, 1);
}

void LanguageTest::switchFailures_data()
{
    QTest::addColumn<QByteArray>("mainText");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("reason");
    const QString noLine = QStringLiteral("47-318-xx.ini: die Zeile [SPRACHE] fehlt");
    QTest::newRow("missing (53)") << QByteArray() << false << "47-318-xx.ini: Datei nicht gefunden";
    QTest::newRow("a folder (75)")
        << QByteArray() << true
        << QString::fromUtf8(
               "47-318-xx.ini: keine gewöhnliche Datei (ein Ordner, eine Pipe oder ein Gerät)");
    QTest::newRow("empty (6)") << QByteArray("") << false << noLine;
    QTest::newRow("no [SPRACHE] (6)") << QByteArray("[AUSWAHL]\r\nDeutsch\r\n") << false << noLine;
}

void LanguageTest::switchFailures()
{
    QFETCH(QByteArray, mainText);
    QFETCH(bool, folder);
    TestProgram program;
    MainWindow& window = program.start();
    program.holdTimers();
    program.removeFile(MainName);
    if (folder)
        QVERIFY(QDir(program.folder.path()).mkdir(MainName));
    else if (!mainText.isNull())
        program.writeFile(MainName, mainText);

    window.menuItem(QStringLiteral("sprache2"))->trigger();
    window.Timer_Umschaltung_Timer();
    window.Timer_Umschaltung_Timer(); // not retried
    TestProgram::settle();
    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown[0].text, QStringLiteral("Timer_Umschaltung_Timer()"));
    QCOMPARE(program.boxes.shown[0].title, QStringLiteral("Error"));
    QTEST(program.boxes.shown[0].informative, "reason");
    QVERIFY(!program.shell->languageSwitch().pending && !program.shell->languageSwitch().reloading);
    QCOMPARE(program.loadedMain(), &window);
    if (!folder)
        QCOMPARE(program.readFile(MainName), mainText);

    QVERIFY(window.close());
    QCOMPARE(program.quitCount, 1);
}

void LanguageTest::qtWords_data()
{
    QTest::addColumn<QByteArray>("locale"); // the English file's [LOCALE] section
    QTest::addColumn<QString>("lookIn");

    const QString english = QStringLiteral("Look in:");
    const QString german = QStringLiteral("Suchen in:");
    QTest::newRow("en") << QByteArray("[LOCALE]\r\nen\r\n") << english;
    QTest::newRow("no [LOCALE]") << QByteArray() << english;
    QTest::newRow("[LOCALE] without its line") << QByteArray("[LOCALE]\r\n\r\n") << english;
    QTest::newRow("the file's word counts, not its name")
        << QByteArray("[LOCALE]\r\nde\r\n") << german;
    QTest::newRow("a country after the language") << QByteArray("[LOCALE]\r\nde_AT\r\n") << german;
    QTest::newRow("no language") << QByteArray("[LOCALE]\r\n../de\r\n") << english;
}

// Qt's own words (here the file dialog's) follow the language file's locale
// from the start and on every switch.
void LanguageTest::qtWords()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, lookIn);

    TestProgram program;
    QByteArray english = program.readFile(QStringLiteral("English.ini"));
    const QByteArray shipped("[LOCALE]\r\nen\r\n");
    QVERIFY(english.contains(shipped));
    program.writeFile(QStringLiteral("English.ini"), english.replace(shipped, locale));

    program.start();
    program.holdTimers();
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
    program.switchLanguage("sprache2");
    QVERIFY(program.boxes.shown.isEmpty());
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), lookIn);
    program.switchLanguage("sprache1");
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
    program.shell.reset();
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
}

void LanguageTest::refusedLanguages_data()
{
    QTest::addColumn<QString>("language"); // the second name of [AUSWAHL]
    QTest::addColumn<QString>("file");     // what stands where it leads
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "English"
                             << "missing"
                             << "English.ini: Datei nicht gefunden";
    QTest::newRow("cut short") << "English"
                               << "cut short"
                               << "English.ini: die Datei endet mitten im Abschnitt [MENUE]";
    // Nothing stands in for the sections of the windows' words.
    row("empty", "English", "empty", "English.ini: der Abschnitt [MENUE] fehlt");
    row("4 bytes", "English", "4 bytes", "English.ini: der Abschnitt [MENUE] fehlt");
    row("without [MSG]", "English", "without [MSG]", "English.ini: der Abschnitt [MSG] fehlt");
    QTest::newRow("a folder") << "English"
                              << "folder"
                              << QString::fromUtf8("English.ini: keine gewöhnliche Datei (ein "
                                                   "Ordner, eine Pipe oder ein Gerät)");
    QTest::newRow("in another folder") << "sub/English"
                                       << "whole"
                                       << "sub/English.ini: kein Dateiname im Programmordner";
}

// The chosen language file is read and checked whole before anything is
// rewritten: a refused one leaves the program in its language, and another
// language can still be chosen.
void LanguageTest::refusedLanguages()
{
    QFETCH(QString, language);
    QFETCH(QString, file);
    TestProgram program;
    program.writeFile(MainName, crlf({u"[AUSWAHL]"_s, u"Deutsch"_s, language, u"xxx"_s, u""_s,
                                      u"[SPRACHE]"_s, u"Deutsch.ini"_s}));
    const QByteArray english = program.readFile(QStringLiteral("English.ini"));
    program.removeFile(QStringLiteral("English.ini"));
    const QString name = language + QStringLiteral(".ini");
    QDir(program.folder.path()).mkpath(QFileInfo(program.path(name)).path());
    if (file == QLatin1String("folder"))
        QVERIFY(QDir(program.folder.path()).mkdir(name));
    else if (file == QLatin1String("empty"))
        program.writeFile(name, QByteArray());
    else if (file == QLatin1String("4 bytes"))
        program.writeFile(name, "KX\r\n");
    else if (file == QLatin1String("without [MSG]"))
        program.writeFile(name, QByteArray(english).replace("[MSG]", "[MSGX]"));
    else if (file != QLatin1String("missing"))
        program.writeFile(name, file == QLatin1String("whole") ? english : english.left(200));
    const QByteArray mainText = program.readFile(MainName);
    MainWindow& window = program.start();
    program.holdTimers();

    window.menuItem(QStringLiteral("sprache2"))->trigger();
    window.Timer_Umschaltung_Timer();
    TestProgram::settle();
    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown[0].text, QStringLiteral("Timer_Umschaltung_Timer()"));
    QCOMPARE(program.boxes.shown[0].title, QStringLiteral("Error"));
    QTEST(program.boxes.shown[0].informative, "reason");
    QCOMPARE(program.readFile(MainName), mainText);
    QCOMPARE(program.loadedMain(), &window);
    QCOMPARE(window.fileMenuItem->text(), QStringLiteral("Datei"));
    QVERIFY(!program.shell->languageSwitch().reloading);

    MainWindow& again = program.switchLanguage("sprache1");
    QCOMPARE(again.fileMenuItem->text(), QStringLiteral("Datei"));
    QCOMPARE(program.boxes.shown.size(), 1);
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"

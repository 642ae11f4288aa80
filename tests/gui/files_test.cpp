#include "belt_driver.h"
#include "rules/belt_file.h"
#include "test_program.h"
#include "windows/forms/form.h"
#include "windows/forms/image_control.h"
#include "windows/forms/keyed_toolbar.h"
#include "windows/main/main_window.h"
#include "windows/modular_belt/modular_editor.h"
#include "windows/plain_belt/plain_editor.h"

#include "pictures/picture_store.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScrollBar>
#include <QTest>

using namespace kx;
using namespace Qt::StringLiterals;

using Pieces = QList<int>;

namespace {

// The program started with its timers held.
struct Program
{
    TestProgram program;
    MainWindow& main;

    Program() : main(program.start()) { program.holdTimers(); }

    BeltDocument& doc() { return program.document(); }
    const Wording& wording() { return program.wording(); }
    PlainBeltEditor* woM() { return &program.forms->window<PlainBeltEditor>(); }
    ModularBeltEditor* wmM() { return &program.forms->window<ModularBeltEditor>(); }
    Pieces row()
    {
        Pieces pieces;
        for (int type : doc().belt().pieces)
            pieces << type;
        return pieces;
    }
    // The slots shown, with the picture each shows and its left edge.
    QStringList shownSlots()
    {
        QStringList shown;
        for (int k = 0; k < 14; ++k) {
            ImageControl* slot = wmM()->Image_Modul[std::size_t(k)];
            if (slot->isHidden())
                continue;
            int picture = -1;
            for (int i = 0; i < 33; ++i)
                if (program.forms->modulePictures().Picture_M(i).cacheKey() ==
                    slot->picture().cacheKey())
                    picture = i;
            shown << QStringLiteral("%1:%2@%3")
                         .arg(k)
                         .arg(picture)
                         .arg(wmM()->moduleSlotLeftTwips(k));
        }
        return shown;
    }
    void tick() { main.Timer_Antrieb_Timer(); }

    void save(const QString& path) { program.save(path); }
    void load(const QString& path) { program.load(path); }
    int boxes(const QString& text) const
    {
        int count = 0;
        for (const auto& shown : program.boxes.shown)
            count += shown.text == text && shown.title == QLatin1String("Error");
        return count;
    }
    QString frontWindow()
    {
        for (const char* name : {"wStart", "woM", "wmM"})
            if (Form* form = program.forms->loaded(QString::fromLatin1(name));
                form && form->Visible())
                if (form->mdiFrame() == main.mdiArea->activeSubWindow())
                    return QString::fromLatin1(name);
        return QString();
    }
};

// What a user could see of the plain editor and the menu.
QStringList plainState(Program& p)
{
    PlainBeltEditor* woM = p.woM();
    QStringList state{woM->Text_Bandlaenge->text(),
                      woM->Text_Bandbreite->text(),
                      woM->Text_Bestellnummer->text(),
                      QString::number(woM->Option_Rechts->isChecked()),
                      QString::number(woM->HScroll_Bandlaenge->isEnabled()),
                      QString::number(woM->Image_Band_oM->picture().cacheKey()),
                      QString::number(p.main.newPlainAction->isChecked()),
                      QString::number(p.main.newRightAction->isChecked()),
                      QString::number(p.main.saveAction->isEnabled()),
                      p.frontWindow()};
    for (QCheckBox* box : woM->Check_Optional)
        state << QString::number(box->isChecked()) + QString::number(box->isEnabled());
    return state;
}

int pdfPages(const QByteArray& pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
}

bool pdfLandscape(const QByteArray& pdf)
{
    const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const auto match = box.match(QString::fromLatin1(pdf));
    return match.hasMatch() && match.captured(1).toDouble() > match.captured(2).toDouble();
}

} // namespace

class FilesTest : public QObject
{
    Q_OBJECT
private slots:
    void savePlainBelt();
    void filterNames_data();
    void filterNames();
    void saveAsksBeforeReplacing_data();
    void saveAsksBeforeReplacing();
    void saveCancelled();
    void saveFailures_data();
    void saveFailures();
    void errorBoxNamesItsCommand_data();
    void errorBoxNamesItsCommand();
    void loadPlainBelt_data();
    void loadPlainBelt();
    void loadShowsAllFeaturesLocked();
    void loadCancelled();
    void loadFailuresChangeNothing_data();
    void loadFailuresChangeNothing();
    void plainRoundTrip();
    void loadedBeltsSaveAndLoadBack();
    void loadModularBelt_data();
    void loadModularBelt();
    void loadLeftRunningIsFlush();
    void loadModularFeaturesLocked();
    void modularRoundTrip();
    void printsWindowInFront_data();
    void printsWindowInFront();
    void printCancelled();
    void printFailure();
};

void FilesTest::savePlainBelt()
{
    Program p;
    p.main.newPlainAction->trigger();
    p.tick();
    // A name without an extension gets ".dat".
    const QString path = p.program.path(QStringLiteral("plain1"));
    p.save(path);
    QCOMPARE(p.program.readFile(QStringLiteral("plain1.dat")), QByteArray("oKX40-300-R\r\n"));
    QVERIFY(p.program.boxes.shown.isEmpty());
    QCOMPARE(p.program.dialogs.asked.size(), 1);
    QCOMPARE(p.program.dialogs.asked[0].kind, QStringLiteral("save"));
    QCOMPARE(p.program.dialogs.asked[0].title, dialogTitle(p.main.saveAction->text()));
    QVERIFY(p.program.dialogs.asked[0].filter.startsWith(QStringLiteral("Banddateien (*.dat);;")));
    QCOMPARE(p.doc().fileName(), path + QStringLiteral(".dat"));
}

void FilesTest::filterNames_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("belts");
    QTest::addColumn<QString>("sheets");
    row("German", "Deutsch", "Banddateien (*.dat);;Alle Dateien (*)",
        "PDF-Dokumente (*.pdf);;Alle Dateien (*)");
    row("English", "English", "Belt files (*.dat);;All files (*)",
        "PDF documents (*.pdf);;All files (*)");
}

// The file dialogs name the kinds of file in the language in use.
void FilesTest::filterNames()
{
    QFETCH(QString, language);
    TestProgram program;
    MainWindow& main = program.startIn(language);
    main.newPlainAction->trigger();
    main.Timer_Antrieb_Timer();
    for (QAction* command : {main.openAction, main.saveAction, main.datasheetAction})
        command->trigger();
    QCOMPARE(program.dialogs.asked.size(), 3);
    QTEST(program.dialogs.asked[0].filter, "belts");
    QTEST(program.dialogs.asked[1].filter, "belts");
    QTEST(program.dialogs.asked[2].filter, "sheets");
}

void FilesTest::saveAsksBeforeReplacing_data()
{
    QTest::addColumn<QString>("answer"); // the name typed
    QTest::addColumn<int>("button");
    QTest::newRow("Replace") << "old.dat" << 0;
    QTest::newRow("Cancel") << "old.dat" << 1;
    QTest::newRow("Replace, typed without the extension") << "old" << 0;
}

void FilesTest::saveAsksBeforeReplacing()
{
    QFETCH(QString, answer);
    QFETCH(int, button);
    Program p;
    p.program.writeFile(QStringLiteral("old.dat"), "a much longer line that was here before\r\n");
    p.main.newPlainAction->trigger();
    p.tick();
    p.program.boxes.answers.push_back(button);
    p.program.dialogs.answerFile(p.program.path(answer));
    p.main.saveAction->trigger();
    QCOMPARE(p.program.boxes.asked.size(), 1);
    QCOMPARE(p.program.boxes.asked[0].text,
             u"old.dat ist bereits vorhanden. Möchten Sie die Datei ersetzen?"_s);
    QCOMPARE(p.program.boxes.asked[0].buttons, QStringList({u"&Ersetzen"_s, u"Abbrechen"_s}));
    QCOMPARE(p.program.readFile(QStringLiteral("old.dat")),
             button == 0 ? "oKX40-300-R\r\n" : "a much longer line that was here before\r\n");
}

void FilesTest::saveCancelled()
{
    Program p;
    p.main.newPlainAction->trigger();
    p.tick();
    p.program.dialogs.answerCancel();
    p.main.saveAction->trigger();
    QVERIFY(p.program.boxes.shown.isEmpty());
    QCOMPARE(QDir(p.program.folder.path()).entryList(QDir::Files).size(), 3); // the text files
}

void FilesTest::saveFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<bool>("renameFails"); // else the disk is full after 5 bytes
    QTest::addColumn<QString>("reason");
    row("no such folder", "missing/belt.dat", false, false, "belt.dat: Ordner nicht gefunden");
    row("disk full half-way", "old.dat", true, false, "old.dat: der Datenträger ist voll");
    row("the final rename fails", "old.dat", true, true,
        "old.dat: konnte nicht geschrieben werden");
}

void FilesTest::saveFailures()
{
    QFETCH(QString, name);
    QFETCH(bool, existing);
    QFETCH(bool, renameFails);
    Program p;
    const QByteArray old("oKX80-700-L\r\n");
    if (existing)
        p.program.writeFile(name, old);
    p.main.newPlainAction->trigger();
    p.tick();
    if (renameFails) {
        p.program.commit = [](QSaveFile& file) {
            file.cancelWriting();
            return file.commit();
        };
        p.save(p.program.path(name));
    } else {
        FileSizeLimit full(5);
        p.save(p.program.path(name));
    }
    QCOMPARE(p.boxes(QStringLiteral("speichern_Click()")), 1);
    QTEST(p.program.boxes.shown[0].informative, "reason");
    QCOMPARE(p.program.readFile(name), existing ? old : QByteArray());
    QCOMPARE(QDir(p.program.folder.path()).entryList(QDir::Files).size(), existing ? 4 : 3);
}

void FilesTest::errorBoxNamesItsCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<QString>("reason");
    QTest::newRow("load") << "laden"
                          << "missing.dat"
                          << "laden_Click()"
                          << "missing.dat: Datei nicht gefunden";
    QTest::newRow("save") << "speichern"
                          << "missing/belt.dat"
                          << "speichern_Click()"
                          << "belt.dat: Ordner nicht gefunden";
    QTest::newRow("print") << "drucken"
                           << "missing/print.pdf"
                           << "druckereinrichtung_Click()"
                           << "print.pdf: der Drucker hat die Seite nicht angenommen";
}

// A real file dialog runs its own event loop: the timers tick there, and
// other procedures may run. The box still names the command that failed.
void FilesTest::errorBoxNamesItsCommand()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    Program p;
    p.main.newPlainAction->trigger();
    p.tick();
    p.program.dialogs.whileOpen = [&p] {
        const QString before = p.program.forms->procedureName;
        tickAllTimers(p.main, 3);
        QCOMPARE(p.program.forms->procedureName, before); // idle ticks leave it alone
        p.program.forms->procedureName = QStringLiteral("Form_Load()");
    };
    if (command == QLatin1String("drucken"))
        p.program.dialogs.answerPrinterPdf(p.program.path(answer));
    else
        p.program.dialogs.answerFile(p.program.path(answer));
    p.main.menuItem(command)->trigger();
    QCOMPARE(p.program.boxes.shown.size(), 1);
    QTEST(p.program.boxes.shown[0].text, "procedure");
    QTEST(p.program.boxes.shown[0].informative, "reason");
}

void FilesTest::loadPlainBelt_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("picture");
    QTest::newRow("right, direction last") << QByteArray("oKX40-300-R\r\n") << true << "40"
                                           << "300"
                                           << "Picture_oM300R";
    QTest::newRow("left") << QByteArray("oKX80-1200-L\r\n") << false << "80"
                          << "1200"
                          << "Picture_oM1200L";
    QTest::newRow("second of two lines")
        << QByteArray("oKX40-300-R\r\noKX80-500-L\r\n") << false << "80"
        << "500"
        << "Picture_oM500L";
    row("LF ends", QByteArray("oKX40-1500-R\n"), true, "40", "1500", "Picture_oM1500R");
}

void FilesTest::loadPlainBelt()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, right);
    QFETCH(QString, width);
    QFETCH(QString, length);
    QFETCH(QString, picture);
    Program p;
    p.program.writeFile(QStringLiteral("belt.dat"), file);
    p.load(p.program.path(QStringLiteral("belt.dat")));

    QVERIFY(p.program.boxes.shown.isEmpty());
    PlainBeltEditor* woM = p.woM();
    QCOMPARE(p.frontWindow(), QStringLiteral("woM"));
    QCOMPARE(woM->Option_Rechts->isChecked(), right);
    QCOMPARE(woM->Text_Bandbreite->text(), width);
    QCOMPARE(woM->Text_Bandlaenge->text(), length);
    QCOMPARE(woM->HScroll_Bandlaenge->value(), length.toInt());
    QCOMPARE(woM->Image_Band_oM->picture().cacheKey(),
             p.program.forms->beltPictures().picture(picture).cacheKey());
    QVERIFY(!woM->Image_Band_oM->isHidden());
    // Locked, and saying why and how to unlock it; the title says so too.
    const QString why = p.wording().notes[NoteLocked];
    for (QWidget* locked :
         std::initializer_list<QWidget*>{woM->Option_Rechts, woM->Option_Links,
                                         woM->HScroll_Bandbreite, woM->HScroll_Bandlaenge}) {
        QVERIFY(!locked->isEnabled());
        QCOMPARE(locked->toolTip(), why);
    }
    QVERIFY(woM->Check_Optional[0]->toolTip().endsWith(why));
    QVERIFY(p.main.windowTitle().endsWith(u" - belt.dat ("_s + p.wording().notes[NoteLockedTitle] +
                                          u")[*]"_s));
    p.main.editBeltAction->trigger();
    QCOMPARE(woM->HScroll_Bandlaenge->toolTip(), QString());
    QCOMPARE(woM->Check_Optional[0]->toolTip(), p.wording().plainFeatures.codes[0]);
    QVERIFY(p.main.windowTitle().endsWith(QStringLiteral(" - belt.dat[*]")));
    const QString code =
        QString::fromLatin1(file.trimmed().split('\n').constLast().trimmed().mid(1));
    QCOMPARE(woM->Text_Bestellnummer->text(), code);
    QVERIFY(!woM->Text_Bestellnummer->isHidden());
    QCOMPARE(woM->Command_Bestellnummer->text(), p.wording().copyCaption);
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(woM->Command_Bestellnummer, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), code);
    QVERIFY(p.main.newPlainAction->isChecked() && p.main.saveAction->isEnabled());
    QVERIFY(!p.main.newRightAction->isChecked() && !p.main.newLeftAction->isChecked());
    QCOMPARE(p.program.dialogs.asked[0].title, dialogTitle(p.main.openAction->text()));
}

void FilesTest::loadShowsAllFeaturesLocked()
{
    Program p;
    const FeatureList& features = p.wording().plainFeatures;
    QCOMPARE(features.count, 6);
    QString code = QStringLiteral("KX40-600-R");
    for (int i = 0; i < 6; ++i)
        if (i != 3)
            code += QLatin1Char('-') + features.codes[std::size_t(i)];
    p.program.writeFile(QStringLiteral("f.dat"), "o" + code.toLatin1() + "\r\n");
    p.load(p.program.path(QStringLiteral("f.dat")));
    QVERIFY(p.program.boxes.shown.isEmpty());
    for (int i = 0; i < 6; ++i) {
        QCheckBox* box = p.woM()->Check_Optional[std::size_t(i)];
        QVERIFY(!box->isHidden());
        QVERIFY(!box->isEnabled());
        QCOMPARE(box->isChecked(), i != 3);
    }
}

void FilesTest::loadCancelled()
{
    Program p;
    p.main.newPlainAction->trigger();
    p.tick();
    const QStringList before = plainState(p);
    p.program.dialogs.answerCancel();
    p.main.openAction->trigger();
    QVERIFY(p.program.boxes.shown.isEmpty());
    QCOMPARE(plainState(p), before);
}

void FilesTest::loadFailuresChangeNothing_data()
{
    QTest::addColumn<bool>("modularInFront");
    QTest::addColumn<QByteArray>("file"); // null: no file at all
    QTest::addColumn<QString>("reason");
    const auto rows = [](const char* name, const QByteArray& file, const char* reason) {
        for (const bool modular : {false, true})
            QTest::addRow("%s, %s editor", name, modular ? "modular" : "plain")
                << modular << file << QStringLiteral("bad.dat: ") + QString::fromUtf8(reason);
    };
    rows("missing file", QByteArray(), "Datei nicht gefunden");
    rows("a folder", "folder", "keine gewöhnliche Datei (ein Ordner, eine Pipe oder ein Gerät)");
    rows("empty file", "", "enthält keine Bestellnummer (die letzte Zeile ist leer)");
    rows("empty last line", "oKX80-500-L\r\n\r\n",
         "enthält keine Bestellnummer (die letzte Zeile ist leer)");
    rows("bad width", "oKX4x-500-L\r\n", "Breite 4x (ein Band ist 40 oder 80 breit)");
    rows("width between", "oKX60-300-R\r\n", "Breite 60 (ein Band ist 40 oder 80 breit)");
    rows("modular width between", "mKX60-300-R-AG-EG\r\n",
         "Breite 60 (ein Band ist 40 oder 80 breit)");
    rows("length out of range", "oKX80-1600-L\r\n",
         "Länge 1600 (ein Band ohne Module ist 300 bis 1500 mm lang)");
    rows("bad modular length", "mKX80-?-L-AG-EG\r\n", "Länge ? ist keine Zahl");
    rows("15 pieces", "mKX40-1600-R-AG-13G-EG\r\n", "das Band hat 15 Teile, höchstens 14 passen");
    rows("end piece without begin", "mKX40-300-L--EG\r\n",
         "das Band beginnt nicht mit einem Anfangsstück (AG oder AC)");
    rows("no prefix", "o40-300-R\r\n", "keine Bestellnummer (sie beginnt mit KX)");
    rows("length written 0300", "oKX40-0300-R\r\n",
         "KX40-0300-R ist nicht die Bestellnummer des Bandes, das sie beschreibt (KX40-300-R)");
    rows("pieces of another length", "mKX40-999-R-AG-G-EV\r\n",
         "Länge 999, die Teile ergeben aber 400 mm");
    rows("right-to-left override", "oKX40-300\xe2\x80\xae-R\r\n",
         "das Zeichen U+202E gehört nicht in eine Bestellnummer");
    rows("a value of 24 characters, shown whole", "oKX404040404040404040404040-300-R\r\n",
         "Breite 404040404040404040404040 (ein Band ist 40 oder 80 breit)");
    rows("a value of 25 characters, cut short", "oKX4040404040404040404040404-300-R\r\n",
         "Breite 40404040404040404040404\u2026 (ein Band ist 40 oder 80 breit)");
    rows("one byte past 64 KiB", QByteArray(BeltFileLimit - 14, 'x') + "\r\noKX40-300-R\r\n",
         "zu groß (65537 Bytes, höchstens 65536)");
}

void FilesTest::loadFailuresChangeNothing()
{
    QFETCH(bool, modularInFront);
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    BeltDriver w(false);
    w.build(QStringLiteral("AC-L G C EV-L"));
    w.main->newPlainAction->trigger();
    auto* woM = &w.program.forms->window<PlainBeltEditor>();
    woM->HScroll_Bandlaenge->setValue(900);
    if (modularInFront) {
        w.main->newLeftAction->trigger();
        w.build(QStringLiteral("AG-L V EG-L"));
        w.click(1);
    }
    w.tickDrive();
    auto seen = [&] {
        QStringList state{w.row(),
                          w.shownSlots(),
                          w.shownDrives(),
                          w.code(),
                          w.lengthText(),
                          QString::number(w.document().markState()),
                          QString::number(w.main->newPlainAction->isChecked()),
                          QString::number(w.main->newLeftAction->isChecked()),
                          QString::number(w.main->saveAction->isEnabled()),
                          QString::number(w.e->Visible()),
                          QString::number(woM->Visible()),
                          woM->Text_Bandlaenge->text(),
                          woM->Text_Bestellnummer->text(),
                          QString::number(w.e->Toolbar_Links->isHidden())};
        for (int left : w.lefts())
            state << QString::number(left);
        return state;
    };
    const QStringList before = seen();
    const QString name = QStringLiteral("bad.dat");
    if (file == "folder")
        QVERIFY(QDir(w.program.folder.path()).mkdir(name));
    else if (!file.isNull())
        w.program.writeFile(name, file);
    w.program.load(w.program.path(name));
    QCOMPARE(w.program.boxes.shown.size(), 1);
    QCOMPARE(w.program.boxes.shown[0].text, QStringLiteral("laden_Click()"));
    QCOMPARE(w.program.boxes.shown[0].title, QStringLiteral("Error"));
    QCOMPARE(w.program.boxes.shown[0].informative, reason);
    QCOMPARE(seen(), before);
}

// Random plain belts: build, save, load, and the editor shows the same belt;
// saving again writes the same bytes.
void FilesTest::plainRoundTrip()
{
    Program p;
    QRandomGenerator random(20261209);
    for (int round = 0; round < 40; ++round) {
        p.main.newPlainAction->trigger();
        PlainBeltEditor* woM = p.woM();
        woM->HScroll_Bandlaenge->setValue(300 + 100 * int(random.bounded(13)));
        woM->HScroll_Bandbreite->setValue(random.bounded(2) ? 80 : 40);
        (random.bounded(2) ? woM->Option_Rechts : woM->Option_Links)->click();
        for (QCheckBox* box : woM->Check_Optional)
            box->setChecked(random.bounded(2));
        p.tick();
        const QStringList built = plainState(p);
        const QString first = QStringLiteral("first%1.dat").arg(round);
        p.save(p.program.path(first));
        p.main.newRightAction->trigger(); // another editor in between
        p.load(p.program.path(first));
        p.tick();
        QStringList loaded = plainState(p);
        QCOMPARE(loaded.mid(0, 4), built.mid(0, 4));
        QCOMPARE(loaded[5], built[5]); // the same picture
        for (int i = 0; i < 6; ++i)
            QCOMPARE(loaded[10 + i].left(1), built[10 + i].left(1));
        const QString second = QStringLiteral("second%1.dat").arg(round);
        p.save(p.program.path(second));
        QCOMPARE(p.program.readFile(second), p.program.readFile(first));
    }
    QVERIFY(p.program.boxes.shown.isEmpty());
}

// Whatever file the program loads, it saves in a form that loads back to the
// same belt: with or without the order code rebuilt from the editor by the
// refresh flags that earlier work left set.
void FilesTest::loadedBeltsSaveAndLoadBack()
{
    Program p;
    QRandomGenerator random(16);
    const auto pick = [&random](const QStringList& from) {
        return from[random.bounded(int(from.size()))];
    };
    const QStringList widths{u"40"_s, u"80"_s, u"40"_s, u"80"_s, u"60"_s, u"040"_s};
    const QStringList directions{u"R"_s, u"L"_s, u"R"_s, u"L"_s, u"r"_s, u"x"_s};
    int loaded = 0;
    for (int round = 0; round < 160; ++round) {
        const bool modular = random.bounded(2);
        QString line = modular ? QStringLiteral("mKX") : QStringLiteral("oKX");
        line += pick(widths) + QLatin1Char('-');
        if (modular) {
            QString runs;
            int mm = 150;
            for (int run = int(random.bounded(4)); run > 0; --run) {
                const QString count = pick({u""_s, u""_s, u"2"_s, u"0"_s, u"11"_s});
                runs += count + pick({u"G"_s, u"C"_s, u"V"_s, u"Q"_s});
                mm += 100 * (count.isEmpty() ? 1 : count.toInt());
            }
            const QString end = pick({u"EG"_s, u"EV"_s, u"ev"_s, u""_s});
            mm += end.isEmpty() ? 0 : 150;
            // Mostly the length its pieces make, so that enough lines load.
            line += QString::number(random.bounded(4) ? mm : 100 * int(random.bounded(16))) +
                    QLatin1Char('-') + pick(directions) + QLatin1Char('-') +
                    pick({u"AG"_s, u"AC"_s, u"ac"_s, u"EG"_s}) + QLatin1Char('-') + runs;
            if (!runs.isEmpty())
                line += QLatin1Char('-');
            line += end;
        } else {
            line += pick({u"300"_s, u"1500"_s, u"700"_s, u"350"_s, u"0300"_s, u"1600"_s}) +
                    QLatin1Char('-') + pick(directions);
        }
        const FeatureList& features =
            modular ? p.wording().modularFeatures : p.wording().plainFeatures;
        for (int i = 0; i < FeatureCount; ++i)
            if (random.bounded(3) == 0)
                line += QLatin1Char('-') + features.codes[std::size_t(i)];
        p.program.writeFile(QStringLiteral("in.dat"), line.toLatin1() + "\r\n");

        p.program.boxes.shown.clear();
        p.load(p.program.path(QStringLiteral("in.dat")));
        if (!p.program.boxes.shown.isEmpty())
            continue; // refused: nothing on screen to save
        ++loaded;
        p.tick();
        const auto shown = [&p, modular] {
            return modular ? QStringList{p.wmM()->Text_Bestellnummer->text(),
                                         p.wmM()->Text_Bandbreite->text(),
                                         p.wmM()->Text_Bandlaenge->text(), p.frontWindow(),
                                         QString::number(p.main.newRightAction->isChecked())} +
                                 QStringList(p.shownSlots())
                           : plainState(p);
        };
        const QStringList before = shown();
        p.save(p.program.path(QStringLiteral("out.dat")));
        p.load(p.program.path(QStringLiteral("out.dat")));
        p.tick();
        QVERIFY2(p.program.boxes.shown.isEmpty(),
                 qPrintable(line + QStringLiteral(" saved as ") +
                            QString::fromLatin1(p.program.readFile(QStringLiteral("out.dat")))));
        QCOMPARE(shown(), before);
    }
    QVERIFY2(loaded >= 20, qPrintable(QString::number(loaded)));
}

void FilesTest::loadModularBelt_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("right");
    QTest::addColumn<Pieces>("pieces");
    QTest::addColumn<bool>("closed");
    QTest::newRow("runs") << QByteArray("mKX40-600-R-AC-2GC-EV\r\n") << true
                          << Pieces{3, 24, 24, 27, 15} << true;
    QTest::newRow("begin and end piece")
        << QByteArray("mKX80-300-R-AG-EG\r\n") << true << Pieces{0, 12} << true;
    QTest::newRow("two-digit run")
        << QByteArray("mKX40-1400-L-AG-11G-EG") << false
        << Pieces{6, 24, 24, 24, 24, 24, 24, 24, 24, 24, 24, 24, 18} << true;
    QTest::newRow("open belt") << QByteArray("mKX40-350-L-AG-2G-") << false << Pieces{6, 24, 24}
                               << false;
    QTest::newRow("empty belt") << QByteArray("mKX40-0-R-") << true << Pieces{} << false;
}

void FilesTest::loadModularBelt()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, right);
    QFETCH(Pieces, pieces);
    QFETCH(bool, closed);
    Program p;
    p.main.newPlainAction->trigger(); // another editor in front before
    p.program.writeFile(QStringLiteral("m.dat"), file);
    p.load(p.program.path(QStringLiteral("m.dat")));

    QVERIFY(p.program.boxes.shown.isEmpty());
    ModularBeltEditor* wmM = p.wmM();
    QCOMPARE(p.frontWindow(), QStringLiteral("wmM"));
    QCOMPARE(p.row(), pieces);
    QCOMPARE(p.doc().belt().closed(), closed);
    const QStringList shown = p.shownSlots();
    QCOMPARE(shown.size(), pieces.size());
    for (int k = 0; k < pieces.size(); ++k)
        QVERIFY(shown[k].startsWith(QStringLiteral("%1:%2@").arg(k).arg(pieces[k])));
    QVERIFY(wmM->Toolbar_Rechts->isHidden() && wmM->Toolbar_Links->isHidden());
    QCOMPARE(wmM->Option_Rechts->isChecked(), right);
    for (QWidget* locked :
         std::initializer_list<QWidget*>{wmM->Option_Rechts, wmM->Option_Links,
                                         wmM->HScroll_Bandbreite, wmM->HScroll_Bandlaenge})
        QVERIFY(!locked->isEnabled());
    QCOMPARE(p.main.newRightAction->isChecked(), right);
    QCOMPARE(p.main.newLeftAction->isChecked(), !right);
    QVERIFY(!p.main.newPlainAction->isChecked() && p.main.saveAction->isEnabled());
    QCOMPARE(wmM->Text_Bestellnummer->text(), QString::fromLatin1(file.trimmed().mid(1)));
    QCOMPARE(wmM->Command_Bestellnummer->text(), p.wording().copyCaption);
    QVERIFY(!wmM->Command_Bestellnummer->isHidden());
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(wmM->Command_Bestellnummer, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), wmM->Text_Bestellnummer->text());
}

void FilesTest::loadLeftRunningIsFlush()
{
    Program p;
    p.program.writeFile(QStringLiteral("l.dat"), "mKX40-500-L-AC-GC-EV\r\n");
    p.load(p.program.path(QStringLiteral("l.dat")));
    QCOMPARE(p.shownSlots(),
             (QStringList{u"0:9@12240"_s, u"1:24@11340"_s, u"2:27@10440"_s, u"3:21@9090"_s}));
    // A belt loaded after it starts from the set-up's slot table again.
    p.program.writeFile(QStringLiteral("r.dat"), "mKX40-500-R-AC-GC-EV\r\n");
    p.load(p.program.path(QStringLiteral("r.dat")));
    QCOMPARE(p.shownSlots(),
             (QStringList{u"0:3@90"_s, u"1:24@1440"_s, u"2:27@2340"_s, u"3:15@3240"_s}));
}

void FilesTest::loadModularFeaturesLocked()
{
    Program p;
    const FeatureList& features = p.wording().modularFeatures;
    QCOMPARE(features.count, 6);
    QString code = QStringLiteral("KX40-400-R-AG-V-EV");
    for (int i = 0; i < 6; ++i)
        if (i % 2 == 0)
            code += QLatin1Char('-') + features.codes[std::size_t(i)];
    p.program.writeFile(QStringLiteral("f.dat"), "m" + code.toLatin1() + "\r\n");
    p.load(p.program.path(QStringLiteral("f.dat")));
    QVERIFY(p.program.boxes.shown.isEmpty());
    QVERIFY(!p.wmM()->Label_Optional->isHidden());
    for (int i = 0; i < 6; ++i) {
        QCheckBox* box = p.wmM()->Check_Optional[std::size_t(i)];
        QVERIFY(!box->isHidden());
        QVERIFY(!box->isEnabled());
        QCOMPARE(box->isChecked(), i % 2 == 0);
    }
}

// Random belts composed in the editor, of both directions, open and closed,
// with random width and features: saved and loaded, the editor shows the
// same belt, and saving again writes the same bytes.
void FilesTest::modularRoundTrip()
{
    QRandomGenerator random(9122026);
    for (int round = 0; round < 24; ++round) {
        const bool right = random.bounded(2);
        BeltDriver w(right);
        const QString side = right ? QStringLiteral("-R") : QStringLiteral("-L");
        QStringList keys;
        if (random.bounded(6) != 0) {
            keys << (random.bounded(2) ? QStringLiteral("AG") : QStringLiteral("AC")) + side;
            const int middles = int(random.bounded(13));
            for (int i = 0; i < middles; ++i)
                keys << QString(QLatin1Char("GCV"[random.bounded(3)]));
            if (random.bounded(2))
                keys << (random.bounded(2) ? QStringLiteral("EG") : QStringLiteral("EV")) + side;
        }
        w.build(keys.join(QLatin1Char(' ')));
        w.e->HScroll_Bandbreite->setValue(random.bounded(2) ? 80 : 40);
        for (QCheckBox* box : w.e->Check_Optional)
            box->setChecked(random.bounded(2));
        w.tickDrive();
        auto seen = [&w] {
            QStringList state{w.code(),
                              w.lengthText(),
                              w.e->Text_Bandbreite->text(),
                              w.row(),
                              w.shownSlots(),
                              w.shownDrives(),
                              QString::number(w.main->newRightAction->isChecked())};
            for (int left : w.lefts())
                state << QString::number(left);
            for (QCheckBox* box : w.e->Check_Optional)
                state << QString::number(box->isChecked());
            return state;
        };
        const QStringList built = seen();
        QVERIFY(w.messages().isEmpty());

        w.program.save(w.program.path(QStringLiteral("first.dat")));
        w.main->newPlainAction->trigger(); // another belt in between
        w.program.load(w.program.path(QStringLiteral("first.dat")));
        w.tickDrive();
        QCOMPARE(seen(), built);
        w.program.save(w.program.path(QStringLiteral("second.dat")));
        QCOMPARE(w.program.readFile(QStringLiteral("second.dat")),
                 w.program.readFile(QStringLiteral("first.dat")));
        QVERIFY(w.program.boxes.shown.isEmpty());
    }
}

void FilesTest::printsWindowInFront_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("fillsWidth"); // the window's controls reach across it
    row("start dialog", "", "",
        listOf(u"Band erstellen, ohne Module|Band erstellen, Laufrichtung links"_s), false);
    row("plain editor", "band_om", "", listOf(u"KX40-300-R|Bandlänge"_s), true);
    // The pieces' letters are text too: the pictures are drawn, not copied.
    row("modular editor", "band_rechts", "AG-R G C EV-R",
        listOf(u"KX40-500-R-AG-GC-EV|AG|EV|Bandbreite"_s), true);
    row("modular editor, left-running", "band_links", "AC-L V EG-L",
        listOf(u"KX40-400-L-AC-V-EG|AC|EG"_s), true);
}

// The window in front on one landscape page, drawn at the printer's
// resolution: its texts are text in the PDF, on a white sheet, centred
// within margins.
void FilesTest::printsWindowInFront()
{
    QFETCH(QString, item);
    QFETCH(QString, pieces);
    QFETCH(QStringList, texts);
    QFETCH(bool, fillsWidth);
    Program p;
    if (!item.isEmpty())
        p.main.menuItem(item)->trigger();
    else
        p.program.forms->loadDeferredWindows(); // the editors stand behind it
    for (const QString& key : pieces.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        KeyedToolbar* toolbar =
            p.wmM()->Toolbar_Rechts->isHidden() ? p.wmM()->Toolbar_Links : p.wmM()->Toolbar_Rechts;
        toolbar->buttonByKey(key)->trigger();
        p.main.Timer_Module_Timer();
    }
    p.tick();
    const QString pdf = p.program.path(QStringLiteral("print.pdf"));
    p.program.dialogs.answerPrinterPdf(pdf);
    p.main.printAction->trigger();
    QVERIFY(p.program.boxes.shown.isEmpty());
    const QByteArray bytes = p.program.readFile(QStringLiteral("print.pdf"));
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(pdfPages(bytes), 1);
    QVERIFY(pdfLandscape(bytes));

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QVERIFY2(pdftotext.waitForFinished(), "pdftotext (poppler-utils) is needed");
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const QString& expected : texts)
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in ") + text));

    // The page as a picture: white all round, the window in the middle.
    QProcess pdftoppm;
    const QString page = p.program.path(QStringLiteral("page"));
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), pdf, page});
    QVERIFY(pdftoppm.waitForFinished() && pdftoppm.exitCode() == 0);
    const QImage sheet(page + QStringLiteral(".png"));
    QVERIFY(!sheet.isNull());
    QRect drawn;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            if (qGray(sheet.pixel(x, y)) < 245)
                drawn |= QRect(x, y, 1, 1);
    QVERIFY(!drawn.isEmpty());
    const int left = drawn.left(), right = sheet.width() - 1 - drawn.right();
    const int top = drawn.top(), bottom = sheet.height() - 1 - drawn.bottom();
    const QString margins = QStringLiteral("%1 %2 %3 %4").arg(left).arg(right).arg(top).arg(bottom);
    QVERIFY2(std::min({left, right, top, bottom}) >= 8, qPrintable(margins));
    // Scaled to the page's width, centred across it.
    if (fillsWidth)
        QVERIFY2(std::abs(left - right) <= 3 && std::max(left, right) < 20, qPrintable(margins));
}

void FilesTest::printCancelled()
{
    Program p;
    p.program.dialogs.answerCancel();
    p.main.printAction->trigger();
    QVERIFY(p.program.boxes.shown.isEmpty());
    QCOMPARE(p.program.dialogs.asked.size(), 1);
    QCOMPARE(p.program.dialogs.asked[0].kind, QStringLiteral("printer"));
}

void FilesTest::printFailure()
{
    Program p;
    p.program.dialogs.answerPrinterPdf(p.program.path(QStringLiteral("no/such/folder/x.pdf")));
    p.main.printAction->trigger();
    QCOMPARE(p.boxes(QStringLiteral("druckereinrichtung_Click()")), 1);
}

QTEST_MAIN(FilesTest)
#include "files_test.moc"

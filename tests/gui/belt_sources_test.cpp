#include "test_program.h"
#include "windows/file_commands/recent_belts.h"
#include "windows/forms/keyed_toolbar.h"
#include "windows/main/main_window.h"
#include "windows/modular_belt/modular_editor.h"
#include "windows/plain_belt/plain_editor.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QShortcut>
#include <QTest>

using namespace kx;

namespace {

// The program started with its timers held.
struct Program
{
    TestProgram program;
    MainWindow& main;

    // In English, the words the rows expect.
    Program() : main(program.startIn(QStringLiteral("English"))) {}

    BeltDocument& doc() { return program.document(); }

    // What a user sees of the belt in front, the menu and the editors' locks.
    QStringList state()
    {
        PlainBeltEditor& woM = program.forms->window<PlainBeltEditor>();
        ModularBeltEditor& wmM = program.forms->window<ModularBeltEditor>();
        QStringList seen;
        for (const bool on : {woM.isVisible(), wmM.isVisible(), main.newPlainAction->isChecked(),
                              main.newRightAction->isChecked(), main.newLeftAction->isChecked(),
                              main.saveAction->isEnabled()})
            seen << QString::number(on);
        const bool plain = main.newPlainAction->isChecked();
        BeltEditor* editor = plain ? static_cast<BeltEditor*>(&woM) : &wmM;
        if (!plain && !main.newRightAction->isChecked() && !main.newLeftAction->isChecked())
            return seen;
        seen << editor->Text_Bestellnummer->text() << editor->Text_Bandlaenge->text()
             << editor->Text_Bandbreite->text()
             << QString::number(editor->Option_Rechts->isChecked())
             << QString::number(editor->HScroll_Bandlaenge->isEnabled());
        for (QCheckBox* box : editor->Check_Optional)
            seen << QString::number(box->isChecked()) + QString::number(box->isEnabled()) +
                        QString::number(box->isVisible());
        if (!plain) {
            for (int type : doc().belt().pieces)
                seen << QString::number(type);
            seen << QString::number(doc().belt().closed())
                 << QString::number(wmM.Toolbar_Rechts->isVisible());
        }
        return seen;
    }

    void openCode(const QString& text) { program.openCode(text); }
    void load(const QString& path) { program.load(path); }
    void save(const QString& path) { program.save(path); }

    // File > Recent as the File menu shows it.
    QStringList recentItems()
    {
        emit main.menuItem(QStringLiteral("datei"))->menu()->aboutToShow();
        QStringList items;
        // As the menu shows them: a mnemonic's "&" is not drawn.
        for (QAction* item : main.recentMenu->actions())
            items << item->iconText();
        return items;
    }
};

QString recentCaption(int number, const QString& path)
{
    return QStringLiteral("%1 %2").arg(number).arg(path);
}

} // namespace

class BeltSourcesTest : public QObject
{
    Q_OBJECT
private slots:
    void pastedCodeShowsAsItsFile_data();
    void pastedCodeShowsAsItsFile();
    void emailOffersItsCode_data();
    void emailOffersItsCode();
    void cancelledDialogChangesNothing();
    void pasteKeyLeavesTextBoxesAlone();
    void recentBeltsNewestFirst();
    void vanishedRecentBeltIsRemoved();
};

void BeltSourcesTest::pastedCodeShowsAsItsFile_data()
{
    // The text as it comes from an e-mail, and the file line that holds it;
    // an empty line: the code fails with the reason the file's load gives.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("plain") << "KX80-1200-L" << QByteArray("oKX80-1200-L\r\n") << QString();
    row("plain with features, blanks, line end", "  KX40-500-R-SF-PU \r\n",
        QByteArray("oKX40-500-R-SF-PU\r\n"), QString());
    row("modular right", "KX40-600-R-AG-2GC-EV", QByteArray("mKX40-600-R-AG-2GC-EV"), QString());
    row("modular left, a feature, tab and LF", "\tKX80-500-L-AC-GC-EG-PS\n",
        QByteArray("mKX80-500-L-AC-GC-EG-PS"), QString());
    QTest::newRow("open modular") << "KX40-350-R-AG-2G-" << QByteArray("mKX40-350-R-AG-2G-")
                                  << QString();
    row("bad width", " KX60-300-R\r\n", QByteArray("oKX60-300-R"),
        "KX60-300-R: width 60 (a belt is 40 or 80 wide)");
    QTest::newRow("no prefix") << "AB40-300-R" << QByteArray("oAB40-300-R")
                               << "AB40-300-R: not an order code (it begins with KX)";
    QTest::newRow("15 pieces") << "KX40-1600-R-AG-13G-EG" << QByteArray("mKX40-1600-R-AG-13G-EG")
                               << "KX40-1600-R-AG-13G-EG: the belt has 15 pieces; at most 14 fit";
    row("32 characters, named whole", "KX40-999-R-AG-GCVGCVGCVGCVGCV-EV",
        QByteArray("mKX40-999-R-AG-GCVGCVGCVGCVGCV-EV"),
        "KX40-999-R-AG-GCVGCVGCVGCVGCV-EV: the belt has 17 pieces; at most 14 fit");
    row("33 characters, named by their start", "KX40-999-R-AG-GCVGCVGCVGCVGCVG-EV",
        QByteArray("mKX40-999-R-AG-GCVGCVGCVGCVGCVG-EV"),
        "KX40-999-R-AG-GCVGCVGCVGCVGCVG-\u2026: the belt has 18 pieces; at most 14 fit");
    row("a right-to-left override, shown escaped", "KX40-300\u202e-R",
        QByteArray("oKX40-300\xe2\x80\xae-R"),
        "KX40-300\\u202E-R: the character U+202E does not belong in an order code");
}

// A pasted code shows exactly what loading a file holding it shows; a bad
// one changes nothing and says why, as the load of its file does.
void BeltSourcesTest::pastedCodeShowsAsItsFile()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);

    Program loaded;
    loaded.program.writeFile(QStringLiteral("belt.dat"), file);
    loaded.load(loaded.program.path(QStringLiteral("belt.dat")));

    Program pasted;
    const QStringList before = pasted.state();
    pasted.openCode(text);
    QCOMPARE(pasted.program.dialogs.asked.size(), 1);
    QCOMPARE(pasted.program.dialogs.asked[0].kind, QStringLiteral("text"));
    QCOMPARE(pasted.program.dialogs.asked[0].title, QStringLiteral("Open order code"));
    QCOMPARE(pasted.program.dialogs.askedLabel, QStringLiteral("Order code:"));
    if (reason.isEmpty()) {
        QVERIFY(loaded.program.boxes.shown.isEmpty());
        QVERIFY(pasted.program.boxes.shown.isEmpty());
        QCOMPARE(pasted.state(), loaded.state());
        return;
    }
    QCOMPARE(pasted.state(), before);
    QCOMPARE(pasted.program.boxes.shown.size(), 1);
    QCOMPARE(pasted.program.boxes.shown[0].text, QStringLiteral("bestellnummer_oeffnen_Click()"));
    QCOMPARE(pasted.program.boxes.shown[0].title, QStringLiteral("Error"));
    QCOMPARE(pasted.program.boxes.shown[0].informative, reason);
    // The file's load gives the same reason for the same code.
    QCOMPARE(loaded.program.boxes.shown.size(), 1);
    QCOMPARE(loaded.program.boxes.shown[0].informative.section(QLatin1Char(':'), 1),
             reason.section(QLatin1Char(':'), 1));
}

// The dialog offers the code from the e-mail's text, not its last line.
void BeltSourcesTest::emailOffersItsCode_data()
{
    QTest::addColumn<QString>("clipboard");
    row("second line of an e-mail",
        "Dear Sirs,\r\nplease send kx40-600-r-ag-2gc-ev by Friday.\r\nRegards\r\n");
    row("end of a line past 255 characters",
        QString(QString(300, QLatin1Char('x')) + QStringLiteral(" KX40-600-R-AG-2GC-EV")));
}

void BeltSourcesTest::emailOffersItsCode()
{
    QFETCH(QString, clipboard);
    Program p;
    QGuiApplication::clipboard()->setText(clipboard);
    p.program.openCode(QStringLiteral("KX40-600-R-AG-2GC-EV"));
    QCOMPARE(p.program.dialogs.offeredText, QStringLiteral("KX40-600-R-AG-2GC-EV"));
    QVERIFY(p.program.boxes.shown.isEmpty());
    QCOMPARE(p.doc().shownCode(), QStringLiteral("KX40-600-R-AG-2GC-EV"));
}

void BeltSourcesTest::cancelledDialogChangesNothing()
{
    Program p;
    p.main.newRightAction->trigger();
    const QStringList before = p.state();
    p.program.dialogs.answerCancel();
    p.main.openCodeAction->trigger();
    QCOMPARE(p.state(), before);
    QVERIFY(p.program.boxes.shown.isEmpty());
}

// Ctrl+V opens the dialog, unless a text box has the focus: it pastes there.
void BeltSourcesTest::pasteKeyLeavesTextBoxesAlone()
{
    Program p;
    QCOMPARE(p.main.pasteCodeShortcut->key(), QKeySequence(QKeySequence::Paste));
    QCOMPARE(p.main.openCodeAction->shortcut(), QKeySequence(QKeySequence::Paste));
    p.main.show();
    QApplication::setActiveWindow(&p.main);
    p.main.setFocus();
    p.program.dialogs.answerCancel();
    p.main.Bestellnummer_Einfuegen_Activated();
    QCOMPARE(p.program.dialogs.asked.size(), 1);

    // A box that takes text keeps its paste; the read-only order-code box
    // has none, so the key opens the code there too.
    p.main.newPlainAction->trigger();
    PlainBeltEditor& woM = p.program.forms->window<PlainBeltEditor>();
    woM.Text_Bandlaenge->setFocus();
    if (QApplication::focusWidget() != woM.Text_Bandlaenge)
        QSKIP("no focus on this platform; the end-to-end case presses the key");
    p.main.Bestellnummer_Einfuegen_Activated();
    QCOMPARE(p.program.dialogs.asked.size(), 1);
    woM.Text_Bestellnummer->setFocus();
    p.main.Bestellnummer_Einfuegen_Activated();
    QCOMPARE(p.program.dialogs.asked.size(), 2);
}

// Loads and saves in any order: the list holds the last five files, each
// once, the newest first, whatever came before.
void BeltSourcesTest::recentBeltsNewestFirst()
{
    Program p;
    QVERIFY(p.recentItems().isEmpty());
    QVERIFY(!p.main.recentMenuItem->isEnabled());
    p.main.newPlainAction->trigger();
    p.main.Timer_Antrieb_Timer();

    // An "&" in a folder's name is shown, not taken as a mnemonic.
    QVERIFY(QDir(p.program.path(QString())).mkdir(QStringLiteral("R&D")));
    QStringList files;
    for (int i = 0; i < 8; ++i) {
        const QString name =
            (i ? QString() : QStringLiteral("R&D/")) + QStringLiteral("belt%1.dat").arg(i);
        files << p.program.path(name);
        p.program.writeFile(name, "oKX40-300-R\r\n");
    }
    QStringList used;
    auto* random = QRandomGenerator::global();
    for (int step = 0; step < 40; ++step) {
        const QString path = files[random->bounded(files.size())];
        if (random->bounded(2))
            p.save(path);
        else
            p.load(path);
        used.prepend(path);
        QStringList newest;
        for (const QString& file : std::as_const(used))
            if (!newest.contains(file) && newest.size() < 5)
                newest << file;
        QStringList expected;
        for (const QString& file : std::as_const(newest))
            expected << recentCaption(expected.size() + 1, file);
        QCOMPARE(p.recentItems(), expected);
        QVERIFY(p.main.recentMenuItem->isEnabled());
    }
    QVERIFY(p.program.boxes.shown.isEmpty());
    // A failed load or a cancelled dialog is no belt of the list.
    const QStringList before = p.recentItems();
    p.load(p.program.path(QStringLiteral("missing.dat")));
    p.program.dialogs.answerCancel();
    p.main.saveAction->trigger();
    QCOMPARE(p.recentItems(), before);
    // Kept in the user's settings for the next start.
    QCOMPARE(recentBelts().constFirst(), before.constFirst().section(QLatin1Char(' '), 1));
}

void BeltSourcesTest::vanishedRecentBeltIsRemoved()
{
    Program p;
    for (const char* name : {"gone.dat", "stays.dat"}) {
        p.program.writeFile(QString::fromLatin1(name), "oKX40-300-R\r\n");
        p.load(p.program.path(QString::fromLatin1(name)));
    }
    p.program.removeFile(QStringLiteral("gone.dat"));
    const QStringList before = p.state();
    p.recentItems();
    p.main.recentMenu->findChild<QAction*>(QStringLiteral("zuletzt2"))->trigger();
    QCOMPARE(p.program.boxes.shown.size(), 1);
    QCOMPARE(p.program.boxes.shown[0].text, QStringLiteral("laden_Click()"));
    QCOMPARE(p.program.boxes.shown[0].informative, QStringLiteral("gone.dat: no such file"));
    QCOMPARE(p.state(), before);
    QCOMPARE(p.recentItems(),
             QStringList{recentCaption(1, p.program.path(QStringLiteral("stays.dat")))});
}

QTEST_MAIN(BeltSourcesTest)
#include "belt_sources_test.moc"

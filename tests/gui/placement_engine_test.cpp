#include "belt_driver.h"
#include "windows/forms/image_control.h"
#include "windows/main/main_window.h"
#include "windows/modular_belt/modular_editor.h"
#include "windows/plain_belt/plain_editor.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace kx;

namespace {
enum { AG_L = 6, AC_L = 9, EG_L = 18, EV_L = 21, G = 24, C = 27, V = 30 };

} // namespace

class PlacementEngineTest : public QObject
{
    Q_OBJECT
private slots:
    void roadOfOneRequest();
    void requests_data();
    void requests();
    void leftRunningRowIsFlush();
    void loadedLeftRunningBeltStaysFlush();
    void endPieceByModuleShowsGreyThenMessage();
    void closingShowsTheOrderCodeButton();
    void ticksWithoutRefresh_data();
    void ticksWithoutRefresh();
    void timersRunWhileMessageIsOpen();
    void driveFollowsTheRow();
    void emptyBeltHasNoLengthAndNoDrive();
    void otherEditorLeavesTheRowAlone();
    void idleTicksRepaintNothing();
};

void PlacementEngineTest::roadOfOneRequest()
{
    BeltDriver w;
    w.build(QStringLiteral("AG-R G G EV-R"));
    w.tickDrive();
    QCOMPARE(w.row(), QStringLiteral("AG G*2 EV"));

    w.click(2);
    QCOMPARE(w.variants(), QStringLiteral("0010"));
    w.press(QStringLiteral("C"));
    QCOMPARE(w.row(), QStringLiteral("AG G*2 EV")); // recorded only

    w.tickModule();
    QCOMPARE(w.row(), QStringLiteral("AG G*2 C EV"));
    QCOMPARE(w.shownSlots(), QStringLiteral("0 1 2 3 4"));
    QCOMPARE(w.variants(), QStringLiteral("00000"));
    QCOMPARE(w.document().markState(), int(NothingMarked));
    QVERIFY(!w.document().requestPending());
    QCOMPARE(w.shownDrives(), QStringLiteral("2")); // the drive waits for its own timer

    w.tickDrive();
    QCOMPARE(w.lengthText(), QStringLiteral("600"));
    QCOMPARE(w.shownDrives(), QStringLiteral("3"));
    QCOMPARE(w.code(), QStringLiteral("KX40-600-R-AG-2GC-EV"));
    QVERIFY(w.messages().isEmpty());
}

void PlacementEngineTest::requests_data()
{
    // Built with the toolbar, then marked with clicks ("c2", "d2", "c2 del")
    // and one more button; one Timer_Module tick.
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QList<int>>("messages");
    // The rules themselves are in the core tests; here one case of each
    // handling, done and refused, goes through the widgets.
    auto row = [](const char* name, bool right, const char* keys, const char* marks,
                  const char* request, const char* after, QList<int> messages) {
        QTest::newRow(name) << right << QString::fromLatin1(keys) << QString::fromLatin1(marks)
                            << QString::fromLatin1(request) << QString::fromLatin1(after)
                            << messages;
    };
    const char* const thirteen = "AG-R G G G G G G G G G G G G";
    row("module first", true, "", "", "G", "", {1});
    row("13 pieces, module", true, thirteen, "", "C", "AG G*12", {4});
    row("13 pieces, end piece", true, thirteen, "", "EV-R", "AG G*12 EV", {});
    row("insert after the begin piece", true, "AG-R G V EG-R", "c0", "C", "AG C G V EG", {});
    row("insert after the end piece", false, "AG-L EG-L", "c1", "G", "AG EG", {5});
    row("replace the end piece", false, "AG-L G EG-L", "d2", "EV-L", "AG G EV", {});
    row("replace a module by an end piece", true, "AG-R G EG-R", "d1", "EV-R", "AG G EG", {8});
    row("remove the only module", true, "AG-R V EV-R", "c1 del", "", "AG EV", {});
    row("remove the end piece", true, "AG-R G EG-R", "c2 del", "", "AG G EG", {10});
}

void PlacementEngineTest::requests()
{
    QFETCH(bool, right);
    QFETCH(QString, keys);
    QFETCH(QString, marks);
    QFETCH(QString, request);
    BeltDriver w(right);
    w.build(keys);
    QVERIFY(w.messages().isEmpty());
    w.mark(marks);
    if (!request.isEmpty())
        w.press(request);
    w.tickModule();

    QTEST(w.row(), "row");
    QTEST(w.messages(), "messages");
    QCOMPARE(w.document().markState(), int(NothingMarked));
    // Exactly the positions of the pieces are shown, each plain.
    QStringList expected;
    for (int k = 0; k < w.count(); ++k)
        expected << QString::number(k);
    QCOMPARE(w.shownSlots(), expected.join(QLatin1Char(' ')));
    QCOMPARE(w.variants(), QString(w.count(), QLatin1Char('0')));
}

void PlacementEngineTest::leftRunningRowIsFlush()
{
    BeltDriver w(false);
    w.build(QStringLiteral("AG-L G C EV-L"));
    QCOMPARE(w.lefts(), QList<int>({12240, 11340, 10440, 9090}));
    QCOMPARE(w.widthTwips(3), 1350);

    w.click(1);
    w.press(QStringLiteral("V"));
    w.tickModule();
    QCOMPARE(w.row(), QStringLiteral("AG G V C EV"));
    QCOMPARE(w.lefts(), QList<int>({12240, 11340, 10440, 9540, 8190}));

    w.click(2);
    w.releaseDelete();
    w.tickModule();
    w.click(1);
    w.releaseDelete();
    w.tickModule();
    QCOMPARE(w.row(), QStringLiteral("AG C EV"));
    QCOMPARE(w.lefts(), QList<int>({12240, 11340, 9990}));

    // The end piece stands flush against its neighbour, without overlap.
    const QRect end = w.e->Image_Modul[2]->geometry();
    QCOMPARE(end.right() + 1, w.e->Image_Modul[1]->x());
    QCOMPARE(w.shownSlots(), QStringLiteral("0 1 2"));

    // A right-running belt keeps the set-up positions.
    w.setUp(true);
    w.build(QStringLiteral("AG-R G EV-R"));
    w.click(1);
    w.press(QStringLiteral("C"));
    w.tickModule();
    QCOMPARE(w.lefts(), QList<int>({90, 1440, 2340, 3240}));
}

void PlacementEngineTest::loadedLeftRunningBeltStaysFlush()
{
    // A loaded belt shows no toolbar; its row is still laid out flush.
    BeltDriver w(false);
    w.load({AG_L, G, C, V, EG_L});
    QCOMPARE(w.lefts(), QList<int>({12240, 11340, 10440, 9540, 8190}));
    w.click(2);
    w.releaseDelete();
    w.tickModule();
    QCOMPARE(w.row(), QStringLiteral("AG G V EG"));
    QCOMPARE(w.lefts(), QList<int>({12240, 11340, 10440, 9090}));
    QCOMPARE(w.e->Image_Modul[3]->geometry().right() + 1, w.e->Image_Modul[2]->x());
}

void PlacementEngineTest::endPieceByModuleShowsGreyThenMessage()
{
    BeltDriver w;
    w.build(QStringLiteral("AG-R G EV-R"));
    w.doubleClick(2);
    QCOMPARE(w.variants(), QStringLiteral("002"));
    QString whileShown;
    w.program.boxes.whileOpen = [&](const ScriptedMessageBox::Shown&) {
        whileShown = w.variants();
    };
    w.press(QStringLiteral("G"));
    w.tickModule();
    QCOMPARE(whileShown, QStringLiteral("001"));
    QCOMPARE(w.messages(), QList<int>{7});
    QCOMPARE(w.program.boxes.shown.constLast().title, w.wording().messages[0]);
    QCOMPARE(w.document().markState(), int(NothingMarked));
    QCOMPARE(w.variants(), QStringLiteral("000"));
    QCOMPARE(w.row(), QStringLiteral("AG G EV"));

    // Nothing marked: the next button appends, and is refused behind the end piece.
    w.press(QStringLiteral("C"));
    w.tickModule();
    QCOMPARE(w.messages(), QList<int>({7, 5}));
}

void PlacementEngineTest::closingShowsTheOrderCodeButton()
{
    BeltDriver w;
    w.build(QStringLiteral("AG-R G"));
    w.e->Line_Bestell->hide();
    w.e->Command_Bestellnummer->hide();
    w.e->Command_Bestellnummer->setEnabled(false);
    w.build(QStringLiteral("V"));
    QVERIFY(w.e->Command_Bestellnummer->isHidden());
    w.build(QStringLiteral("EG-R"));
    QVERIFY(!w.e->Line_Bestell->isHidden());
    QVERIFY(!w.e->Command_Bestellnummer->isHidden());
    QVERIFY(w.e->Command_Bestellnummer->isEnabled());
}

void PlacementEngineTest::ticksWithoutRefresh_data()
{
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("request");
    QTest::addColumn<bool>("refreshed");
    QTest::addColumn<QString>("row");
    auto row = [](const char* name, const char* marks, const char* request, bool refreshed,
                  const char* after) {
        QTest::newRow(name) << QString::fromLatin1(marks) << QString::fromLatin1(request)
                            << refreshed << QString::fromLatin1(after);
    };
    row("refusal", "", "G", false, "AG G C");
    row("replacing the begin piece", "d0", "AC-R", false, "AC G C");
    row("removing the last piece of an open belt", "c2 del", "", false, "AG G");
    row("inserting", "c1", "V", true, "AG G V C");
}

void PlacementEngineTest::ticksWithoutRefresh()
{
    QFETCH(QString, marks);
    QFETCH(QString, request);
    QFETCH(bool, refreshed);
    BeltDriver w;
    w.build(QStringLiteral("AG-R G C"));
    w.tickDrive();
    if (request == QLatin1String("G")) // refused: the belt is full
        w.build(QStringLiteral("G G G G G G G G G G"));
    const QString before = w.code();
    w.mark(marks);
    if (!request.isEmpty())
        w.press(request);
    // The width changes the code whatever the row does.
    w.e->HScroll_Bandbreite->setValue(80);
    w.tickModule();
    if (request != QLatin1String("G"))
        QTEST(w.row(), "row");
    QCOMPARE(w.code() != before, refreshed);
    w.tickDrive();
    QVERIFY(w.code().startsWith(QLatin1String("KX80-")));
}

void PlacementEngineTest::timersRunWhileMessageIsOpen()
{
    // The box holds the tick while the timers go on, as the modal loop lets them.
    BeltDriver w;
    w.build(QStringLiteral("AG-R G"));
    w.click(1);
    int ticks = 0;
    w.program.boxes.whileOpen = [&](const ScriptedMessageBox::Shown&) {
        w.tickModule();
        w.tickDrive();
        ++ticks;
    };
    w.press(QStringLiteral("AC-R"));
    w.tickModule();
    QCOMPARE(ticks, 1);
    QCOMPARE(w.messages(), QList<int>{9});
    QCOMPARE(w.document().markState(), int(NothingMarked));
    QCOMPARE(w.variants(), QStringLiteral("00"));
    QCOMPARE(w.lengthText(), QStringLiteral("250"));
}

void PlacementEngineTest::driveFollowsTheRow()
{
    BeltDriver w;
    // An AC begin piece carries the drive until a C module comes.
    w.build(QStringLiteral("AC-R G G"));
    w.tickDrive();
    QCOMPARE(w.shownDrives(), QStringLiteral("0"));
    w.build(QStringLiteral("C V"));
    w.tickDrive();
    QCOMPARE(w.shownDrives(), QStringLiteral("3"));

    // A C far out, moved down by removals: the old drive slot goes.
    w.setUp(true);
    w.build(QStringLiteral("AG-R G G G G G G G G G C G EV-R"));
    w.tickDrive();
    QCOMPARE(w.shownDrives(), QStringLiteral("10"));
    QCOMPARE(w.lengthText(), QStringLiteral("1400"));
    w.click(1);
    w.releaseDelete();
    w.tickModule();
    w.tickDrive();
    QCOMPARE(w.shownDrives(), QStringLiteral("9"));
    QCOMPARE(w.document().drivePosition(), std::optional<int>(9));

    // Without C or AC: the middle of the row.
    w.doubleClick(9);
    w.press(QStringLiteral("G"));
    w.tickModule();
    w.tickDrive();
    QCOMPARE(w.shownDrives(), QStringLiteral("6"));

    // Two pieces: under the end piece.
    w.setUp(false);
    w.tickDrive();
    QCOMPARE(w.shownDrives(), QString());
    w.build(QStringLiteral("AG-L EG-L"));
    w.tickDrive();
    QCOMPARE(w.shownDrives(), QStringLiteral("1"));
    QCOMPARE(w.lengthText(), QStringLiteral("300"));
}

void PlacementEngineTest::emptyBeltHasNoLengthAndNoDrive()
{
    BeltDriver w;
    w.tickDrive();
    QCOMPARE(w.lengthText(), QStringLiteral("0"));
    QCOMPARE(w.shownDrives(), QString());
    // A begin piece requested but not yet placed adds no length.
    w.press(QStringLiteral("AG-R"));
    w.tickDrive();
    QCOMPARE(w.lengthText(), QStringLiteral("0"));
    // Overwritten within the tick by a module, which cannot come first.
    w.press(QStringLiteral("G"));
    w.tickModule();
    QCOMPARE(w.messages(), QList<int>{1});
    QCOMPARE(w.row(), QString());
    w.tickDrive();
    QCOMPARE(w.lengthText(), QStringLiteral("0"));
    QCOMPARE(w.shownSlots(), QString());
}

void PlacementEngineTest::otherEditorLeavesTheRowAlone()
{
    BeltDriver w;
    w.build(QStringLiteral("AG-R G C EV-R"));
    w.tickDrive();
    w.click(1);
    w.press(QStringLiteral("V"));
    w.main->newPlainAction->trigger();
    auto* woM = &w.program.forms->window<PlainBeltEditor>();
    woM->Text_Bestellnummer->setText(QStringLiteral("stale"));
    w.e->Text_Bandlaenge->setText(QStringLiteral("stale"));

    w.tickModule();
    w.tickDrive();
    QCOMPARE(w.lengthText(), QStringLiteral("stale"));
    QCOMPARE(w.shownDrives(), QStringLiteral("2"));
    QCOMPARE(w.shownSlots(), QStringLiteral("0 1 2 3"));
    QVERIFY(w.document().requestPending()); // left for the modular editor
    QCOMPARE(woM->Text_Bestellnummer->text(), QStringLiteral("KX40-300-R"));
}

void PlacementEngineTest::idleTicksRepaintNothing()
{
    BeltDriver w(false);
    w.build(QStringLiteral("AC-L G C V EG-L"));
    w.tickDrive();
    w.click(2);
    w.click(2);
    w.tickModule();
    w.tickDrive();
    QTest::qWait(30);

    PaintCounter counter(w.e);
    for (int i = 0; i < 5; ++i) {
        w.tickModule();
        w.tickDrive();
    }
    QTest::qWait(30);
    QCOMPARE(counter.painted, QStringList());

    // The counter does see a change.
    w.click(1);
    w.tickDrive();
    QTest::qWait(30);
    QVERIFY(!counter.painted.isEmpty());
}

QTEST_MAIN(PlacementEngineTest)
#include "placement_engine_test.moc"

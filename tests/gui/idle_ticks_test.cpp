#include "belt_driver.h"
#include "belt_timers.h"
#include "forms.h"
#include "image_control.h"
#include "main_window.h"
#include "modular_procedures.h"
#include "modular_editor.h"
#include "plain_editor.h"
#include "test_program.h"
#include "type_codes.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace kx;
using namespace kx::type_code;

// A program left open all day ticks ten times a second; a tick that finds
// nothing to do must not make any part of the main window paint.
class IdleTicksTest : public QObject
{
    Q_OBJECT
private slots:
    void hundredTicksPaintNothing_data();
    void hundredTicksPaintNothing();
    void driveTickSeesEveryChange_data();
    void driveTickSeesEveryChange();
    void orderCodeSeesEveryChange_data();
    void orderCodeSeesEveryChange();
};

namespace {

// Every widget of the main window, the editors and frames included; the
// windows are all created by the start-up.
QStringList paintsDuring(MainWindow& main, const std::function<void()>& work)
{
    PaintCounter counter(&main);
    work();
    return counter.painted;
}

void expectIdleTicksPaintNothing(MainWindow& main, const std::function<void()>& change)
{
    // The ticks that carry out the last request and move the drive.
    tickAllTimers(main, 3);
    QCOMPARE(paintsDuring(main, [&main] { tickAllTimers(main, 100); }), QStringList());

    // A change and the tick after it do paint: the counter sees them.
    const QStringList changed = paintsDuring(main, [&] {
        change();
        tickAllTimers(main, 1);
    });
    QVERIFY(!changed.isEmpty());
}

} // namespace

void IdleTicksTest::hundredTicksPaintNothing_data()
{
    QTest::addColumn<QString>("belt");
    QTest::newRow("modular, right, 14 built") << QStringLiteral("right");
    QTest::newRow("modular, left, 14 built") << QStringLiteral("left");
    QTest::newRow("modular, 14 loaded") << QStringLiteral("loaded");
    QTest::newRow("modular, 14 built, undone and redone") << QStringLiteral("undone");
    QTest::newRow("plain editor") << QStringLiteral("plain");
    QTest::newRow("start dialog") << QStringLiteral("start");
}

void IdleTicksTest::hundredTicksPaintNothing()
{
    QFETCH(QString, belt);
    if (belt == QLatin1String("start")) {
        TestProgram program;
        MainWindow& main = program.start();
        program.holdTimers();
        expectIdleTicksPaintNothing(main, [&main] { main.band_om->trigger(); });
        return;
    }

    BeltDriver w(belt != QLatin1String("left"));
    MainWindow& main = *w.main;
    std::function<void()> change;

    if (belt == QLatin1String("right") || belt == QLatin1String("undone")) {
        w.build(QStringLiteral("AC-R G G C G V G G C G V G G EV-R"));
        if (belt == QLatin1String("undone")) {
            tickAllTimers(main, 2);
            for (QAction* item :
                 {main.rueckgaengig, main.rueckgaengig, main.wiederholen, main.wiederholen})
                item->trigger();
        }
        // A mark and its removal leave the row as it was.
        w.mark(QStringLiteral("c4 c4"));
        change = [&w] { w.mark(QStringLiteral("d4")); };
    } else if (belt == QLatin1String("left")) {
        w.build(QStringLiteral("AG-L V V G C G G V C G G G G EV-L"));
        change = [&w] { w.mark(QStringLiteral("d5")); };
    } else if (belt == QLatin1String("loaded")) {
        w.load({AC_R, G, G, G, C, C, V, G, G, C, V, G, V, EV_R});
        change = [&w] { w.vars().Module_Count = 13; };
    } else {
        main.band_om->trigger();
        auto* woM = &w.program.forms->window<PlainBeltEditor>();
        woM->HScroll_Bandlaenge->setValue(1200);
        change = [woM] { woM->HScroll_Bandlaenge->setValue(700); };
    }
    if (belt != QLatin1String("plain"))
        QCOMPARE(w.vars().Module_Count, 14);
    expectIdleTicksPaintNothing(main, change);
}

void IdleTicksTest::driveTickSeesEveryChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("nothing") << QStringLiteral("");
    QTest::newRow("a module slot hidden") << QStringLiteral("hide slot");
    QTest::newRow("a piece's type") << QStringLiteral("type");
    QTest::newRow("the piece count") << QStringLiteral("count");
    QTest::newRow("the length box's text") << QStringLiteral("text");
    QTest::newRow("the belt length") << QStringLiteral("length");
    QTest::newRow("the drive shown") << QStringLiteral("shown drive");
    QTest::newRow("the window anew") << QStringLiteral("reload");
}

// The drive tick skips its work when nothing it reads has changed; after any
// such change it must do what a tick that remembers nothing does.
void IdleTicksTest::driveTickSeesEveryChange()
{
    QFETCH(QString, change);
    BeltDriver w;
    w.build(QStringLiteral("AG-R G C G G C G G C G V G C EV-R"));
    MainWindow* main = w.main;
    tickAllTimers(*main, 3);
    Variablen& v = w.vars();
    auto* e = &w.program.forms->window<ModularBeltEditor>();

    if (change == QLatin1String("hide slot")) {
        e->Image_Modul[2]->hide(); // the first C: the drive moves on
    } else if (change == QLatin1String("type")) {
        v.Module_Type[2] = v.Module_Type[1];
    } else if (change == QLatin1String("count")) {
        v.Module_Count = 2;
    } else if (change == QLatin1String("text")) {
        e->Text_Bandlaenge->setText(QStringLiteral("1"));
    } else if (change == QLatin1String("length")) {
        v.Belt_Length = 1;
    } else if (change == QLatin1String("shown drive")) {
        v.Shown_Drive_Slot = 0;
    } else if (change == QLatin1String("reload")) {
        v.Language_Reloading = true;
        w.program.forms->unloadMain();
        main = &w.program.forms->main();
        v.Language_Reloading = false;
        main->band_rechts->setChecked(true);
        e = &w.program.forms->window<ModularBeltEditor>();
    }
    const auto state = [&] {
        return QStringList{QString::number(v.Belt_Length), e->Text_Bandlaenge->text(),
                           QString::number(v.Drive_Slot), QString::number(v.Shown_Drive_Slot),
                           w.shownDrives()};
    };
    // The drive's work alone: the refresh step after it writes the length too.
    const QStringList before = state();
    w.program.forms->procedures.driveTick();
    const QStringList after = state();
    if (change.isEmpty())
        QCOMPARE(after, before);
    else
        QVERIFY(after != before);

    // A tick that remembers nothing finds nothing left to do.
    e->tickCache = TickCache();
    driveTimerTick(*w.program.forms);
    QCOMPARE(state(), after);
}

void IdleTicksTest::orderCodeSeesEveryChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("nothing") << QStringLiteral("");
    QTest::newRow("the width") << QStringLiteral("width");
    QTest::newRow("a feature ticked") << QStringLiteral("feature");
    QTest::newRow("a feature's code") << QStringLiteral("feature code");
    QTest::newRow("the running direction") << QStringLiteral("direction");
    QTest::newRow("a piece's type") << QStringLiteral("type");
    QTest::newRow("the piece count") << QStringLiteral("count");
    QTest::newRow("the order code") << QStringLiteral("code");
    QTest::newRow("the run counts") << QStringLiteral("runs");
    QTest::newRow("the code box's text") << QStringLiteral("box text");
    QTest::newRow("the code box hidden") << QStringLiteral("box hidden");
    QTest::newRow("the copy caption") << QStringLiteral("copy caption");
    QTest::newRow("the button's caption") << QStringLiteral("button");
    QTest::newRow("speichern disabled") << QStringLiteral("speichern");
}

// The refresh step skips building the code when nothing it reads or writes
// has changed; after any such change it does what a full build does.
void IdleTicksTest::orderCodeSeesEveryChange()
{
    QFETCH(QString, change);
    BeltDriver w;
    w.build(QStringLiteral("AG-R G C G V EV-R"));
    MainWindow& main = *w.main;
    w.vars().Code_Refresh_mM = true;
    Variablen& v = w.vars();
    auto* e = &w.program.forms->window<ModularBeltEditor>();
    e->Check_Optional[0]->setChecked(true);
    tickAllTimers(main, 3);

    if (change == QLatin1String("width"))
        e->Text_Bandbreite->setText(QStringLiteral("400"));
    else if (change == QLatin1String("feature"))
        e->Check_Optional[1]->setChecked(!e->Check_Optional[1]->isChecked());
    else if (change == QLatin1String("feature code"))
        v.Optional_mM[0] = QStringLiteral("ZZ");
    else if (change == QLatin1String("direction"))
        main.band_links->setChecked(true);
    else if (change == QLatin1String("type"))
        v.Module_Type[2] = v.Module_Type[1];
    else if (change == QLatin1String("count"))
        v.Module_Count = 3;
    else if (change == QLatin1String("code"))
        v.Order_Code = QStringLiteral("x");
    else if (change == QLatin1String("runs"))
        v.Run_Count_G = 7;
    else if (change == QLatin1String("box text"))
        e->Text_Bestellnummer->setText(QStringLiteral("x"));
    else if (change == QLatin1String("box hidden"))
        e->Text_Bestellnummer->hide();
    else if (change == QLatin1String("copy caption"))
        v.Copy_Caption = QStringLiteral("x");
    else if (change == QLatin1String("button"))
        e->Command_Bestellnummer->setText(QStringLiteral("x"));
    else if (change == QLatin1String("speichern"))
        main.speichern->setEnabled(false);

    const auto state = [&] {
        return QStringList{v.Order_Code,
                           QString::number(v.Belt_Length),
                           QString::number(int(v.Run_Count_G)),
                           e->Text_Bestellnummer->text(),
                           QString::number(e->Text_Bestellnummer->isHidden()),
                           QString::number(main.speichern->isEnabled()),
                           e->Command_Bestellnummer->text()};
    };
    const QStringList before = state();
    w.program.forms->procedures.Make_Order_Code_mM();
    const QStringList after = state();
    if (change.isEmpty())
        QCOMPARE(after, before);
    else
        QVERIFY(after != before);

    // A build that remembers nothing finds nothing left to do.
    e->tickCache = TickCache();
    Funktionen::refreshOrderCode_mM(*w.program.forms);
    QCOMPARE(state(), after);
}

QTEST_MAIN(IdleTicksTest)
#include "idle_ticks_test.moc"

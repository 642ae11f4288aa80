#include "belt_driver.h"
#include "image_control.h"
#include "main_window.h"
#include "modular_editor.h"
#include "plain_editor.h"
#include "test_program.h"
#include "type_codes.h"

#include <QAction>
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

    if (belt == QLatin1String("right")) {
        w.build(QStringLiteral("AC-R G G C G V G G C G V G G EV-R"));
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
        auto* woM = w.program.forms->window<PlainBeltEditor>(QStringLiteral("woM"));
        woM->HScroll_Bandlaenge->setValue(1200);
        change = [woM] { woM->HScroll_Bandlaenge->setValue(700); };
    }
    if (belt != QLatin1String("plain"))
        QCOMPARE(w.vars().Module_Count, 14);
    expectIdleTicksPaintNothing(main, change);
}

QTEST_MAIN(IdleTicksTest)
#include "idle_ticks_test.moc"

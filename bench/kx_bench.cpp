#include "belt_driver.h"
#include "pictures/picture_store.h"
#include "rules/belt_file.h"
#include "rules/order_code.h"
#include "rules/text_files.h"
#include "rules/text_pass_parser.h"
#include "rules/type_codes.h"
#include "test_program.h"
#include "windows/main/main_window.h"
#include "windows/modular_belt/modular_editor.h"
#include "windows/plain_belt/plain_editor.h"

#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace kx;

namespace {

// The median over `samples` of the mean time of `batch` runs of `work`, in
// microseconds; `prepare` runs before each run, untimed.
double medianMicros(int samples, int batch, const std::function<void()>& prepare,
                    const std::function<void()>& work)
{
    std::vector<double> times;
    QElapsedTimer clock;
    for (int s = 0; s < samples; ++s) {
        qint64 spent = 0;
        for (int b = 0; b < batch; ++b) {
            if (prepare)
                prepare();
            clock.start();
            work();
            spent += clock.nsecsElapsed();
        }
        times.push_back(double(spent) / batch / 1000.0);
    }
    std::nth_element(times.begin(), times.begin() + samples / 2, times.end());
    return times[std::size_t(samples / 2)];
}

// One line per measure for bench/run.py to read.
void report(const char* key, double value)
{
    std::printf("KXBENCH %s %.3f\n", key, value);
    std::fflush(stdout);
}

const QString FourteenPieces = QStringLiteral("AC-R G G C G V G G C G V G G EV-R");

// Replace the piece in `slot` with `type`, as a double click and a toolbar
// button would ask for it.
void requestReplacement(BeltDocument& doc, int slot, int type)
{
    doc.doubleClick(slot);
    doc.requestPiece(type, PieceKind::Middle);
}

} // namespace

// What runs every 100 ms, and what runs once per file, measured.
class Bench : public QObject
{
    Q_OBJECT
private slots:
    void bareWindow();
    void startUp();
    void idleTicks();
    void modularOrderCode();
    void readConfigFile();
    void textPass();
    void tickCosts();
    void idlePaints();
    void pictureStores();
};

// The yardstick for the start-up: an empty main window with a menu.
void Bench::bareWindow()
{
    QBENCHMARK
    {
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("Datei"))->addAction(QStringLiteral("Laden"));
        window.resize(973, 460);
        window.show();
    }
}

void Bench::startUp()
{
    QBENCHMARK
    {
        TestProgram program;
        program.start();
    }
}

void Bench::idleTicks()
{
    TestProgram program;
    MainWindow& main = program.start();
    program.holdTimers();
    main.newRightAction->trigger();
    for (const char* file : {"r.dat"}) {
        program.writeFile(QString::fromLatin1(file), "mKX40-1500-R-AC-3G2CV2GCVGV-EV\r\n");
        program.dialogs.answerFile(program.path(QString::fromLatin1(file)));
        main.openAction->trigger();
    }
    main.Timer_Antrieb_Timer();
    QBENCHMARK
    {
        main.Timer_Module_Timer();
        main.Timer_Antrieb_Timer();
    }
}

void Bench::modularOrderCode()
{
    Belt belt;
    belt.kind = BeltKind::Modular;
    belt.pieces = {0, 24, 24, 24, 27, 27, 30, 24, 24, 27, 30, 24, 30, 15};
    belt.features = {true, true};
    const FeatureCodes codes{{}, {QStringLiteral("PS"), QStringLiteral("UH")}};
    QBENCHMARK
    {
        orderCode(belt, codes);
    }
}

void Bench::readConfigFile()
{
    const QByteArray bytes("mKX40-1500-R-AC-3G2CV2GCVGV-EV-PS-UH\r\n");
    const FeatureCodes codes{{}, {QStringLiteral("PS"), QStringLiteral("UH")}};
    QBENCHMARK
    {
        readBeltBytes(bytes, codes);
    }
}

void Bench::textPass()
{
    QFile main(dataPath(QStringLiteral("47-318-xx.ini")));
    QFile language(dataPath(QStringLiteral("Deutsch.ini")));
    QVERIFY(main.open(QIODevice::ReadOnly) && language.open(QIODevice::ReadOnly));
    const QByteArray mainBytes = main.readAll();
    const QByteArray languageBytes = language.readAll();
    QBENCHMARK
    {
        Wording w;
        parseTextPass(w, [&](const QString& name) {
            return decodeTextFile(name == QLatin1String("47-318-xx.ini") ? mainBytes
                                                                         : languageBytes);
        });
    }
}

// The two editor timers on a belt of 14 pieces: with nothing to do, and with
// a request (a module replaced; the drive moved by it).
void Bench::tickCosts()
{
    BeltDriver w;
    w.build(FourteenPieces);
    QCOMPARE(w.count(), 14);
    MainWindow& main = *w.main;
    tickAllTimers(main, 3);

    report("tick_module_idle_us", medianMicros(101, 1000, {}, [&] { main.Timer_Module_Timer(); }));
    report("tick_drive_idle_us", medianMicros(101, 1000, {}, [&] { main.Timer_Antrieb_Timer(); }));

    // As the program meets them: after 100 ms of other work, with the caches cold.
    std::vector<char> other(32 << 20);
    const auto evict = [&other] {
        for (std::size_t i = 0; i < other.size(); i += 64)
            ++other[i];
    };
    report("tick_module_cold_us", medianMicros(51, 1, evict, [&] { main.Timer_Module_Timer(); }));
    report("tick_drive_cold_us", medianMicros(51, 1, evict, [&] { main.Timer_Antrieb_Timer(); }));

    using namespace type_code;
    // Slot 4 turns between G and V.
    int turn = 0;
    report("tick_module_request_us",
           medianMicros(
               201, 1, [&] { requestReplacement(w.document(), 4, (++turn % 2) ? V : G); },
               [&] { main.Timer_Module_Timer(); }));
    // The first C moves between slots 1 and 3, and the drive with it.
    report("tick_drive_request_us", medianMicros(
                                        201, 1,
                                        [&] {
                                            requestReplacement(w.document(), 1,
                                                               (++turn % 2) ? C : G);
                                            main.Timer_Module_Timer();
                                        },
                                        [&] { main.Timer_Antrieb_Timer(); }));
}

// Paint events anywhere in the main window during 100 ticks of every timer
// that change nothing.
void Bench::idlePaints()
{
    for (const bool modular : {true, false}) {
        BeltDriver w;
        MainWindow& main = *w.main;
        if (modular) {
            w.build(FourteenPieces);
        } else {
            main.newPlainAction->trigger();
            w.program.forms->window<PlainBeltEditor>().HScroll_Bandlaenge->setValue(1200);
        }
        tickAllTimers(main, 3);
        PaintCounter counter(&main);
        tickAllTimers(main, 100);
        report(modular ? "paints_modular" : "paints_plain", counter.painted.size());
    }
}

// Both stores as the start-up creates them, with the three start pictures
// it shows; and with every picture drawn.
void Bench::pictureStores()
{
    const auto startUp = [] {
        ModulePictureStore pieces;
        BeltPictureStore belts;
        for (const char* name : {"Picture_Start_oM", "Picture_Start_R", "Picture_Start_L"})
            belts.picture(QString::fromLatin1(name));
    };
    const auto everything = [] {
        ModulePictureStore pieces;
        BeltPictureStore belts;
        for (int i = 0; i < ModulePictureStore::PictureCount; ++i)
            pieces.Picture_M(i);
        pieces.Picture_Antrieb();
        for (const char* name : {"Picture_Start_oM", "Picture_Start_R", "Picture_Start_L"})
            belts.picture(QString::fromLatin1(name));
        for (int length = 300; length <= 1500; length += 100)
            for (const char side : {'L', 'R'})
                belts.Picture_oM(length, QLatin1Char(side));
    };
    report("stores_startup_ms", medianMicros(21, 1, {}, startUp) / 1000.0);
    report("stores_all_ms", medianMicros(21, 1, {}, everything) / 1000.0);
}

QTEST_MAIN(Bench)
#include "kx_bench.moc"

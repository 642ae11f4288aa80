#include "config_file.h"
#include "main_window.h"
#include "modular_code.h"
#include "test_program.h"
#include "text_files.h"
#include "text_pass_parser.h"

#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QtTest>

using namespace kx;

// What runs every 100 ms, and what runs once per file, measured.
class Bench : public QObject {
    Q_OBJECT
private slots:
    void bareWindow();
    void startUp();
    void idleTicks();
    void modularOrderCode();
    void readConfigFile();
    void textPass();
};

// The yardstick for the start-up: an empty main window with a menu.
void Bench::bareWindow()
{
    QBENCHMARK {
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("Datei"))->addAction(QStringLiteral("Laden"));
        window.resize(973, 460);
        window.show();
    }
}

void Bench::startUp()
{
    QBENCHMARK {
        TestProgram program;
        program.start();
    }
}

void Bench::idleTicks()
{
    TestProgram program;
    MainWindow& main = program.start();
    program.holdTimers();
    main.band_rechts->trigger();
    for (const char* file : {"r.dat"}) {
        program.writeFile(QString::fromLatin1(file), "mKX40-1500-R-AC-3G2CV2GCVGV-EV\r\n");
        program.dialogs.answerFile(program.path(QString::fromLatin1(file)));
        main.laden->trigger();
    }
    main.Timer_Antrieb_Timer();
    QBENCHMARK {
        main.Timer_Module_Timer();
        main.Timer_Antrieb_Timer();
    }
}

void Bench::modularOrderCode()
{
    ModularCodeInput input;
    input.widthText = QStringLiteral("40");
    input.rightChecked = true;
    input.pieces = {0, 24, 24, 24, 27, 27, 30, 24, 24, 27, 30, 24, 30, 15};
    input.features = {QStringLiteral("PS"), QStringLiteral("UH")};
    QBENCHMARK {
        buildModularCode(input);
    }
}

void Bench::readConfigFile()
{
    const QByteArray bytes("mKX40-1500-R-AC-3G2CV2GCVGV-EV-PS-UH\r\n");
    QBENCHMARK {
        kx::readConfigFile(bytes);
    }
}

void Bench::textPass()
{
    QFile main(dataPath(QStringLiteral("47-318-xx.ini")));
    QFile language(dataPath(QStringLiteral("Deutsch.ini")));
    QVERIFY(main.open(QIODevice::ReadOnly) && language.open(QIODevice::ReadOnly));
    const QByteArray mainBytes = main.readAll();
    const QByteArray languageBytes = language.readAll();
    QBENCHMARK {
        Variablen v;
        parseTextPass(v, [&](const QString& name) {
            return decodeTextFile(name == QLatin1String("47-318-xx.ini") ? mainBytes
                                                                        : languageBytes);
        });
    }
}

QTEST_MAIN(Bench)
#include "kx_bench.moc"

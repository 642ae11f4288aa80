// The program as it starts, in a folder of its own with the shipped text
// files, then driven like a user to a right-running belt of five pieces with
// the third one marked. Prints "ready" once the belt stands, then runs until
// it is ended.

#include "app/program.h"
#include "windows/forms/forms.h"
#include "windows/forms/keyed_toolbar.h"
#include "windows/main/main_window.h"
#include "windows/modular_belt/modular_editor.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QTemporaryDir folder;
    const QDir data(QStringLiteral(KX_DATA_DIR));
    for (const QString& name : data.entryList({QStringLiteral("*.ini")}, QDir::Files))
        if (!QFile::copy(data.filePath(name), folder.filePath(name)))
            return 2;

    kx::Program program(folder.path());
    kx::Forms& forms = program.forms();
    kx::MainWindow& main = program.start();

    // One step every 250 ms, so that the program's own timers carry out each
    // request before the next.
    QStringList steps = {QStringLiteral("menu"), QStringLiteral("AG-R"), QStringLiteral("G"),
                         QStringLiteral("C"),    QStringLiteral("V"),    QStringLiteral("EV-R"),
                         QStringLiteral("mark"), QStringLiteral("ready")};
    QTimer stepper;
    stepper.setInterval(250);
    QObject::connect(&stepper, &QTimer::timeout, [&] {
        const QString step = steps.takeFirst();
        auto* editor = &forms.window<kx::ModularBeltEditor>();
        if (step == QLatin1String("menu")) {
            main.newRightAction->trigger();
        } else if (step == QLatin1String("mark")) {
            editor->Image_Modul_Click(2);
        } else if (step == QLatin1String("ready")) {
            stepper.stop();
            std::printf("ready %s\n", qPrintable(editor->Text_Bestellnummer->text()));
            std::fflush(stdout);
        } else {
            editor->Toolbar_Rechts->buttonByKey(step)->trigger();
        }
    });
    stepper.start();
    return QApplication::exec();
}

// The program's own start, ended after the first frame that paints wStart;
// with "complete", ended once the windows behind it are built too; or, with
// "idle <seconds>", the modular editor open on a belt of 14 pieces with every
// timer running.
#include "bench_modes.h"

#include "app/program.h"

#include "windows/forms/common_dialog.h"
#include "windows/forms/form.h"
#include "windows/forms/forms.h"
#include "windows/main/main_window.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <optional>

namespace {

// Answers the open dialog with one file; there is nobody to ask.
class OneFileDialogs final : public kx::DialogBackend
{
public:
    explicit OneFileDialogs(QString path) : path_(std::move(path)) {}
    std::optional<QString> openFileName(QWidget*, const QString&, const QString&,
                                        const QString&) override
    {
        return path_;
    }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QString&, const QString&,
                                        const QString&) override
    {
        return std::nullopt;
    }
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
    std::optional<QString> askText(QWidget*, const QString&, const QString&,
                                   const QString&) override
    {
        return std::nullopt;
    }

private:
    QString path_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int idle = bench::idleSeconds(QCoreApplication::arguments());

    // The idle mode loads its belt from a file of its own.
    std::optional<QTemporaryDir> folder;
    if (idle > 0)
        folder.emplace();
    const QString belt = folder ? folder->filePath(QStringLiteral("belt.dat")) : QString();
    OneFileDialogs dialogs(belt);
    kx::Program program(QCoreApplication::applicationDirPath(), &dialogs);
    kx::MainWindow& main = program.start();

    if (QCoreApplication::arguments().contains(QStringLiteral("complete"))) {
        QObject::connect(
            &program.forms(), &kx::Forms::deferredWindowsLoaded, qApp, [] { bench::endNow(); },
            Qt::QueuedConnection);
        return QApplication::exec();
    }
    if (idle > 0) {
        QFile file(belt);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write("mKX40-1500-R-AC-3G2CV2GCVGV-EV\r\n") < 0)
            return 1;
        file.close();
        main.newRightAction->trigger();
        main.openAction->trigger();
    }
    kx::Form* start = program.forms().loaded(QStringLiteral("wStart"));
    if (!start)
        return 1;
    bench::endWhenMeasured(start, idle);
    return QApplication::exec();
}

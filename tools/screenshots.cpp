// Takes the README's screenshots: runs the program as the user gets it, in
// a copy of the shipped text files, under a real window system (Xvfb), drives
// its menus, buttons and pieces as a user would and grabs the screen. It also
// prints the left-running belt to printout.pdf through the print command.
//
//   kx-screenshots <output folder> [language [suffix]]
//
// With a suffix (as "-150" for a run at QT_SCALE_FACTOR=1.5) it takes the
// two editors alone, named plain-belt<suffix>.png and modular-right<suffix>.png.
// KX_SCREENSHOT_DARK=1 gives the program a dark palette, to look at.

#include "app/program.h"
#include "datasheet/datasheet_file.h"
#include "version.h"
#include "windows/file_commands/load_command.h"
#include "windows/forms/common_dialog.h"
#include "windows/forms/forms.h"
#include "windows/forms/image_control.h"
#include "windows/forms/keyed_toolbar.h"
#include "windows/main/main_window.h"
#include "windows/main/shell.h"
#include "windows/modular_belt/modular_editor.h"
#include "windows/plain_belt/plain_editor.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

using namespace kx;

namespace {

// Two ticks of the 100 ms timers and some slack for painting.
constexpr int Settle = 400;

[[noreturn]] void fail(const QString& why)
{
    std::fprintf(stderr, "kx-screenshots: %s\n", qPrintable(why));
    std::exit(1);
}

class Session
{
public:
    Session(Shell& shell, const QDir& out) : shell_(shell), out_(out) {}

    MainWindow& main() const
    {
        MainWindow* window = shell_.loadedMain();
        if (!window)
            fail(QStringLiteral("the main window is gone"));
        return *window;
    }

    void trigger(const QString& item)
    {
        QAction* action = main().menuItem(item);
        if (!action)
            fail(QStringLiteral("no menu item ") + item);
        action->trigger();
        QTest::qWait(Settle);
    }

    void chooseLanguage(const QString& language)
    {
        MainWindow* before = &main();
        for (QAction* item : before->languageItems)
            if (item && item->isVisible() && MainWindow::languageOf(item) == language) {
                item->trigger();
                if (!QTest::qWaitFor([&] { return shell_.loadedMain() != before; }, 3000))
                    fail(QStringLiteral("the language switch did not happen"));
                waitShown(main());
                return;
            }
        fail(QStringLiteral("no language ") + language);
    }

    void press(const QString& key)
    {
        auto* editor = &shell_.forms().window<ModularBeltEditor>();
        KeyedToolbar* toolbar =
            editor->Toolbar_Rechts->isHidden() ? editor->Toolbar_Links : editor->Toolbar_Rechts;
        QAction* button = toolbar->buttonByKey(key);
        if (!button)
            fail(QStringLiteral("no toolbar button ") + key);
        QTest::mouseClick(toolbar->widgetForAction(button), Qt::LeftButton);
        // One request a tick: the engine keeps only the last one.
        QTest::qWait(250);
    }

    void build(const QString& keys)
    {
        for (const QString& key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            press(key);
        QTest::qWait(Settle);
    }

    static void waitShown(QWidget& window)
    {
        if (!QTest::qWaitForWindowExposed(&window, 5000))
            fail(QStringLiteral("%1 never showed").arg(window.objectName()));
        QTest::qWait(Settle);
    }

    // Opens a menu of the menu bar as a click on it would, and leaves it open.
    void openMenu(QAction* item)
    {
        QMenuBar* bar = main().menuBar();
        QMenu* menu = item->menu();
        if (!menu)
            fail(QStringLiteral("no menu ") + item->objectName());
        bar->setActiveAction(item);
        QTest::qWait(Settle);
    }

    void shoot(QWidget& window, const QString& name)
    {
        window.raise();
        QTest::qWait(Settle);
        const QRect frame = window.frameGeometry();
        const QPixmap shot =
            window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        const QString path = out_.filePath(name);
        if (shot.isNull())
            fail(QStringLiteral("nothing grabbed at %1,%2 %3x%4")
                     .arg(frame.x())
                     .arg(frame.y())
                     .arg(frame.width())
                     .arg(frame.height()));
        if (!shot.save(path, "png"))
            fail(QStringLiteral("cannot write ") + path);
        std::printf("%s (%dx%d)\n", qPrintable(path), shot.width(), shot.height());
    }

private:
    Shell& shell_;
    QDir out_;
};

// The printer dialog answered with a PDF file; no file dialogs are used.
class PdfPrinter final : public DialogBackend
{
public:
    explicit PdfPrinter(QString path) : path_(std::move(path)) {}
    std::optional<QString> openFileName(QWidget*, const QString&, const QString&,
                                        const QString&) override
    {
        return std::nullopt;
    }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QString&, const QString&,
                                        const QString&) override
    {
        return std::nullopt;
    }
    bool choosePrinter(QWidget*, QPrinter& printer) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path_);
        return true;
    }
    // The real dialog, to be seen.
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& text) override
    {
        return qt_.askText(parent, title, label, text);
    }

private:
    QString path_;
    QtDialogBackend qt_;
};

// Each belt of the tour follows the last one: its changes are dropped
// without asking, and any other box means the tour went wrong.
class DroppingBoxes final : public MessageBoxSeam
{
public:
    void show(QWidget*, const QString& text, const QString&, const QString& informative) override
    {
        fail(text + QLatin1Char(' ') + informative);
    }
    int ask(QWidget*, const QString&, const QString&, const QStringList& buttons,
            int escapeButton) override
    {
        // Save, Discard, Cancel.
        return buttons.size() == 3 ? 1 : escapeButton;
    }
};

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x37, 0x3b));
    dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Base, QColor(0x23, 0x25, 0x29));
    dark.setColor(QPalette::AlternateBase, QColor(0x35, 0x37, 0x3b));
    dark.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Button, QColor(0x40, 0x42, 0x47));
    dark.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::ToolTipBase, QColor(0x23, 0x25, 0x29));
    dark.setColor(QPalette::ToolTipText, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Dark, QColor(0x1c, 0x1d, 0x20));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return dark;
}

void copyShippedFiles(const QString& folder)
{
    const QDir data(QStringLiteral(KX_DATA_DIR));
    for (const QString& name : data.entryList({QStringLiteral("*.ini")}, QDir::Files)) {
        const QString target = folder + QLatin1Char('/') + name;
        if (!QFile::copy(data.filePath(name), target))
            fail(QStringLiteral("cannot copy ") + name);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KX-Konfigurator"));
    QApplication::setApplicationVersion(QStringLiteral(KX_VERSION));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2)
        fail(QStringLiteral("usage: kx-screenshots <output folder> [language]"));
    // Absolute: the program makes its own folder the current one.
    const QDir out(QDir(args[1]).absolutePath());
    if (!out.mkpath(QStringLiteral(".")))
        fail(QStringLiteral("cannot create ") + args[1]);

    QTemporaryDir folder;
    if (!folder.isValid())
        fail(QStringLiteral("no temporary folder"));
    copyShippedFiles(folder.path());
    // The belts it opens are no business of the user's Recent list.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath(QStringLiteral("config"))));
    if (qEnvironmentVariableIntValue("KX_SCREENSHOT_DARK"))
        QApplication::setPalette(darkPalette());

    const QString suffix = args.size() > 3 ? args[3] : QString();
    PdfPrinter printer(out.filePath(QStringLiteral("printout.pdf")));
    DroppingBoxes boxes;
    Program program(folder.path(), &printer, &boxes);
    Forms& forms = program.forms();
    Session session(program.shell(), out);
    Session::waitShown(program.start());
    if (args.size() > 2)
        session.chooseLanguage(args[2]);

    if (suffix.isEmpty())
        session.shoot(session.main(), QStringLiteral("start.png"));

    // A plain belt of 800 mm, running left, with two features.
    session.trigger(QStringLiteral("band_om"));
    auto* plain = &forms.window<PlainBeltEditor>();
    for (int step = 0; step < 5; ++step)
        plain->HScroll_Bandlaenge->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    // Apart in time, so that no two clicks make a double click.
    QTest::mouseClick(plain->Option_Links, Qt::LeftButton);
    QTest::qWait(Settle);
    for (const int feature : {0, 2}) {
        // On its box: a check box takes no clicks right of its caption.
        QCheckBox* box = plain->Check_Optional[std::size_t(feature)];
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        QTest::qWait(Settle);
    }
    session.shoot(session.main(), QStringLiteral("plain-belt%1.png").arg(suffix));

    // A right-running belt with its C module marked.
    session.trigger(QStringLiteral("band_rechts"));
    session.build(QStringLiteral("AG-R G C G V EV-R"));
    auto* modular = &forms.window<ModularBeltEditor>();
    QTest::mouseClick(modular->Image_Modul[2], Qt::LeftButton);
    QTest::qWait(Settle);
    session.shoot(session.main(), QStringLiteral("modular-right%1.png").arg(suffix));
    if (!suffix.isEmpty()) {
        session.trigger(QStringLiteral("beenden"));
        return 0;
    }

    // A left-running belt, closed by its end piece, and printed.
    session.trigger(QStringLiteral("band_links"));
    session.build(QStringLiteral("AC-L G V C EG-L"));
    session.shoot(session.main(), QStringLiteral("modular-left.png"));
    session.trigger(QStringLiteral("drucken"));

    // Last week's belt loaded, locked; the Configuration menu offers to edit it.
    const QString saved = folder.filePath(QStringLiteral("belt.dat"));
    QFile file(saved);
    if (!file.open(QIODevice::WriteOnly) || file.write("mKX40-700-R-AG-2GCV-EV\r\n") < 0)
        fail(QStringLiteral("cannot write ") + saved);
    file.close();
    loadBeltFile(forms, &session.main(), saved);
    QTest::qWait(Settle);
    session.openMenu(session.main().configurationMenuItem);
    session.shoot(session.main(), QStringLiteral("edit-menu.png"));
    session.main().menuBar()->setActiveAction(nullptr);
    QTest::qWait(Settle);

    // Edited: one more C module after the C module.
    session.trigger(QStringLiteral("band_bearbeiten"));
    QTest::mouseClick(modular->Image_Modul[3], Qt::LeftButton);
    QTest::qWait(Settle);
    session.press(QStringLiteral("C"));
    session.shoot(session.main(), QStringLiteral("edit-loaded.png"));

    // The edited belt's datasheet, its page rendered as poppler renders it.
    const QString sheet = folder.filePath(QStringLiteral("datasheet.pdf"));
    writeDatasheet(forms.document().belt(), forms.wording(), QDate::currentDate(), sheet);
    const QString page = out.filePath(QStringLiteral("datasheet"));
    if (QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                           QStringLiteral("-singlefile"), sheet, page}) != 0)
        fail(QStringLiteral("pdftoppm (poppler-utils) could not render ") + sheet);
    std::printf("%s.png\n", qPrintable(page));

    // A code from an e-mail, offered from the clipboard by Ctrl+V.
    QGuiApplication::clipboard()->setText(QStringLiteral("KX80-900-L-AC-2GCV2G-EG\r\n"));
    QTimer::singleShot(Settle, &app, [&session] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            fail(QStringLiteral("no order-code dialog"));
        session.shoot(*dialog, QStringLiteral("open-code.png"));
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    session.trigger(QStringLiteral("bestellnummer_oeffnen"));
    QTest::qWait(Settle);

    session.trigger(QStringLiteral("info"));
    Form* info = forms.loaded(QStringLiteral("wInfo"));
    if (!info)
        fail(QStringLiteral("no info dialog"));
    QWidget* infoWindow = info->window();
    Session::waitShown(*infoWindow);
    session.shoot(*infoWindow, QStringLiteral("info.png"));

    session.trigger(QStringLiteral("beenden"));
    return 0;
}

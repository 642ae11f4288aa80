#include "pictures/picture_store.h"
#include "test_program.h"
#include "windows/forms/image_control.h"
#include "windows/forms/keyed_toolbar.h"
#include "windows/main/example_windows.h"
#include "windows/main/main_window.h"
#include "windows/main/start_dialog.h"
#include "windows/modular_belt/modular_editor.h"
#include "windows/plain_belt/plain_editor.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

using namespace kx;

class StartDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void startUpFillsMainWindow();
    void startButtonsOpenModularEditor_data();
    void startButtonsOpenModularEditor();
    void exampleWindowShownOnce_data();
    void exampleWindowShownOnce();
    void closedExampleWindowComesBackWorded_data();
    void closedExampleWindowComesBackWorded();
    void editorShowsOrderCodeFont_data();
    void editorShowsOrderCodeFont();
};

void StartDialogTest::startUpFillsMainWindow()
{
    TestProgram program;
    MainWindow& main = program.start();
    auto* start = &program.forms->window<StartDialog>();
    QVERIFY(start->Visible());
    QVERIFY(start->mdiFrame()->isMaximized());
    QCOMPARE(main.mdiArea->activeSubWindow(), start->mdiFrame());
    QVERIFY(start->windowTitle().isEmpty());
    // No icon means a blank one in the menu bar, not the toolkit's logo.
    const QImage icon = start->mdiFrame()->windowIcon().pixmap(16, 16).toImage();
    QVERIFY(!icon.isNull());
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            QCOMPARE(qAlpha(icon.pixel(x, y)), 0);

    // Each image takes the store's picture whose name ends like its own.
    const BeltPictureStore& store = program.forms->beltPictures();
    const struct
    {
        ImageControl* image;
        const char* picture;
        QSize size;
    } rows[] = {
        {start->plainPicture, "Picture_Start_oM", QSize(295, 107)},
        {start->leftRunningPicture, "Picture_Start_R", QSize(295, 127)},
        {start->rightRunningPicture, "Picture_Start_L", QSize(295, 125)},
    };
    for (const auto& row : rows) {
        QCOMPARE(row.image->picture().cacheKey(),
                 store.picture(QString::fromLatin1(row.picture)).cacheKey());
        QCOMPARE(row.image->size(), row.size);
    }

    // Tab order: top to bottom.
    auto nextTabStop = [](QWidget* from) {
        QWidget* next = from->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        return next;
    };
    QCOMPARE(nextTabStop(start->plainButton), start->rightRunningButton);
    QCOMPARE(nextTabStop(start->rightRunningButton), start->leftRunningButton);
}

void StartDialogTest::startButtonsOpenModularEditor_data()
{
    QTest::addColumn<bool>("right");
    QTest::newRow("Command_Start_R") << true;
    QTest::newRow("Command_Start_L") << false;
}

void StartDialogTest::startButtonsOpenModularEditor()
{
    QFETCH(bool, right);
    TestProgram program;
    MainWindow& main = program.start();
    program.holdTimers();
    auto* start = &program.forms->window<StartDialog>();

    QTest::mouseClick(right ? start->rightRunningButton : start->leftRunningButton, Qt::LeftButton);
    auto* editor = &program.forms->window<ModularBeltEditor>();
    QVERIFY(!start->Visible());
    QVERIFY(editor->Visible());
    QCOMPARE(main.mdiArea->activeSubWindow(), editor->mdiFrame());
    QCOMPARE(main.newRightAction->isChecked(), right);
    QCOMPARE(main.newLeftAction->isChecked(), !right);
    QCOMPARE(editor->Toolbar_Rechts->isHidden(), !right);

    // The next tick shows the empty belt's code.
    main.Timer_Antrieb_Timer();
    QCOMPARE(editor->Text_Bestellnummer->text(),
             right ? QStringLiteral("KX40-0-R-") : QStringLiteral("KX40-0-L-"));

    // Choosing the other direction from the menu swaps the toolbars.
    (right ? main.newLeftAction : main.newRightAction)->trigger();
    QCOMPARE(editor->Toolbar_Rechts->isHidden(), right);
}

// The editors wait behind the start dialog without their order-code font;
// whichever way one comes to the front, it shows the code in that font, and
// painting it once more for the font is not needed when it is shown.
void StartDialogTest::editorShowsOrderCodeFont_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("way");
    QTest::newRow("plain, start button") << QStringLiteral("woM") << QStringLiteral("button");
    QTest::newRow("right, start button") << QStringLiteral("wmM") << QStringLiteral("button");
    QTest::newRow("plain, menu") << QStringLiteral("woM") << QStringLiteral("menu");
    QTest::newRow("start dialog closed") << QStringLiteral("") << QStringLiteral("close");
}

void StartDialogTest::editorShowsOrderCodeFont()
{
    QFETCH(QString, editor);
    QFETCH(QString, way);
    TestProgram program;
    MainWindow& main = program.start();
    program.holdTimers();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto* start = &program.forms->window<StartDialog>();
    if (way == QLatin1String("button"))
        QTest::mouseClick(editor == QLatin1String("woM") ? start->plainButton
                                                         : start->rightRunningButton,
                          Qt::LeftButton);
    else if (way == QLatin1String("menu"))
        main.newPlainAction->trigger();
    else
        start->mdiFrame()->close();
    QVERIFY(!start->Visible());

    QCoreApplication::processEvents();
    auto* front = qobject_cast<BeltEditor*>(
        main.mdiArea->activeSubWindow() ? main.mdiArea->activeSubWindow()->widget() : nullptr);
    if (!front) // closing the start dialog leaves whichever editor lies under it
        for (QMdiSubWindow* frame : main.mdiArea->subWindowList(QMdiArea::StackingOrder))
            if (auto* belt = qobject_cast<BeltEditor*>(frame->widget()); belt && belt->Visible())
                front = belt;
    QVERIFY(front);
    if (!editor.isEmpty())
        QCOMPARE(front->objectName(), editor);
    QCOMPARE(front->Text_Bestellnummer->font().pointSizeF(), 14.25);
    QCOMPARE(front->Text_Bestellnummer->font().family(), QStringLiteral("Arial"));
    QCOMPARE(front->Label_Bandlaenge->font().pointSizeF(), 11.25);
}

void StartDialogTest::exampleWindowShownOnce_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::newRow("ohne_Module") << "ohne_Module"
                                 << "wAnsicht_01";
    QTest::newRow("mit_Module") << "mit_Module"
                                << "wAnsicht_02";
}

void StartDialogTest::exampleWindowShownOnce()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    TestProgram program;
    MainWindow& main = program.start();
    main.menuItem(item)->trigger();
    Form* first = program.forms->loaded(window);
    QVERIFY(first && first->Visible());
    main.menuItem(item)->trigger();
    QCOMPARE(program.forms->loaded(window), first);
    QVERIFY(first->Visible());
    QVERIFY(first->isWindow()); // a window of its own, not inside the main window
    int shown = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == window && widget->isVisible())
            ++shown;
    QCOMPARE(shown, 1);
    QVERIFY(!QApplication::activeModalWidget());

    // Escape hides it, as it closes a dialog; it stays loaded.
    QTest::keyClick(first, Qt::Key_Escape);
    QVERIFY(!first->Visible());
    QCOMPARE(program.forms->loaded(window), first);
}

void StartDialogTest::closedExampleWindowComesBackWorded_data()
{
    exampleWindowShownOnce_data();
}

// Closing a window unloads it; built again, it is worded from the language
// file again, not left at its design texts.
void StartDialogTest::closedExampleWindowComesBackWorded()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    TestProgram program;
    MainWindow& main = program.start();
    main.menuItem(item)->trigger();
    QPointer<Form> first = program.forms->loaded(window);
    const auto wording = [](Form* form) {
        QStringList texts{form->Caption()};
        for (QLabel* label : form->findChildren<QLabel*>())
            texts << label->text();
        return texts;
    };
    const QStringList worded = wording(first);
    QVERIFY(worded.first().startsWith(QStringLiteral("Beispiele: Band, ")));
    QVERIFY(!worded.contains(QStringLiteral("Label1")));

    QVERIFY(first->close());
    TestProgram::settle();
    QVERIFY(first.isNull());

    main.menuItem(item)->trigger();
    Form* again = program.forms->loaded(window);
    QVERIFY(again && again->Visible());
    QCOMPARE(wording(again), worded);
    QCOMPARE(again->findChildren<QLabel*>().size(), window == QLatin1String("wAnsicht_01") ? 5 : 3);
}

QTEST_MAIN(StartDialogTest)
#include "start_dialog_test.moc"

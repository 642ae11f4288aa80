#include "test_program.h"
#include "version.h"
#include "windows/main/info_dialog.h"
#include "windows/main/main_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace kx;

class InfoDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void layout();
    void infoTwiceShowsOneDialog();
    void okHidesAndFocusesMainWindow();
    void escapeHides_data();
    void escapeHides();
    void otherKeysDoNothing();
    void closeButtonUnloads();
};

namespace {
InfoDialog* openInfo(TestProgram& program)
{
    program.start().infoAction->trigger();
    return qobject_cast<InfoDialog*>(program.forms->loaded(QStringLiteral("wInfo")));
}

// Makes the dialog the active window, as the user's click on it would.
void activate(QWidget* window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}
} // namespace

void InfoDialogTest::layout()
{
    TestProgram program;
    InfoDialog* info = openInfo(program);
    QVERIFY(info);
    QCOMPARE(info->size(), QSize(344, 547));
    QVERIFY(info->isWindow());
    QCOMPARE(info->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(info->okButton->geometry(), QRect(68, 492, 92, 29));
    QCOMPARE(info->okButton->text(), QStringLiteral("OK"));
    QCOMPARE(info->logo->geometry(), QRect(228, 4, 113, 541));
    QCOMPARE(info->logo->pixmap().deviceIndependentSize().toSize(), QSize(125, 549));
    QCOMPARE(info->Label_Titel->font().pointSizeF(), 20.25);
    QVERIFY(info->Label_Titel->font().bold());

    QVERIFY(info->lines[7]->text().contains(QStringLiteral(KX_VERSION)));
    for (int i = 0; i < 13; ++i) {
        QLabel* label = info->findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(i));
        QVERIFY2(label && label == info->lines[std::size_t(i)], qPrintable(QString::number(i)));
        if (i != 7)
            QCOMPARE(label->font().pointSizeF(), 8.25);
        // Every text fits its label.
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
    }
    QVERIFY(info->Label_Titel->fontMetrics().horizontalAdvance(info->Label_Titel->text()) <=
            info->Label_Titel->width());
    QVERIFY(info->lines[3]->text().isEmpty());
    QVERIFY(info->lines[6]->text().isEmpty());
    QCOMPARE(info->lines[11]->geometry().left(), 68);
}

void InfoDialogTest::infoTwiceShowsOneDialog()
{
    TestProgram program;
    MainWindow& main = program.start();
    main.infoAction->trigger();
    QPointer<Form> first = program.forms->loaded(QStringLiteral("wInfo"));
    main.infoAction->trigger();
    QVERIFY(first && first->Visible());
    QCOMPARE(program.forms->loaded(QStringLiteral("wInfo")), first.data());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget* w) { return w->objectName() == QLatin1String("wInfo"); }),
             1);

    // Hidden and shown again, it keeps its texts.
    auto* info = qobject_cast<InfoDialog*>(first.data());
    info->Label_Titel->setText(QStringLiteral("Konfigurator"));
    QTest::mouseClick(info->okButton, Qt::LeftButton);
    main.infoAction->trigger();
    QCOMPARE(program.forms->loaded(QStringLiteral("wInfo")), first.data());
    QCOMPARE(info->Label_Titel->text(), QStringLiteral("Konfigurator"));
}

void InfoDialogTest::okHidesAndFocusesMainWindow()
{
    TestProgram program;
    InfoDialog* info = openInfo(program);
    activate(info);
    QTest::mouseClick(info->okButton, Qt::LeftButton);
    QVERIFY(!info->Visible());
    QTRY_COMPARE(QApplication::activeWindow(), program.loadedMain());
}

void InfoDialogTest::escapeHides_data()
{
    QTest::addColumn<bool>("onButton");
    QTest::newRow("on the button") << true;
    QTest::newRow("on the window") << false;
}

void InfoDialogTest::escapeHides()
{
    QFETCH(bool, onButton);
    TestProgram program;
    InfoDialog* info = openInfo(program);
    QWidget* target = onButton ? static_cast<QWidget*>(info->okButton) : info;
    activate(info);
    QTest::keyClick(target, Qt::Key_Escape);
    QVERIFY(!info->Visible());
    QCOMPARE(program.forms->loaded(QStringLiteral("wInfo")), info);
    // Unlike OK, Escape does not hand the focus to the main window.
    QTest::qWait(20);
    QVERIFY(QApplication::activeWindow() != program.loadedMain());
}

void InfoDialogTest::otherKeysDoNothing()
{
    TestProgram program;
    InfoDialog* info = openInfo(program);
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Delete, Qt::Key_F4, Qt::Key_Backspace}) {
        QTest::keyClick(info->okButton, key);
        QTest::keyClick(info, key);
    }
    QVERIFY(info->Visible());
}

void InfoDialogTest::closeButtonUnloads()
{
    TestProgram program;
    MainWindow& main = program.start();
    main.infoAction->trigger();
    auto* info = qobject_cast<InfoDialog*>(program.forms->loaded(QStringLiteral("wInfo")));
    info->setCaption(QStringLiteral("Über"));
    info->Label_Titel->setText(QStringLiteral("Konfigurator"));
    activate(info);

    QVERIFY(info->close());
    QVERIFY(!program.forms->loaded(QStringLiteral("wInfo")));
    QPointer<InfoDialog> closed = info;
    TestProgram::settle();
    QVERIFY(closed.isNull());
    QTRY_COMPARE(QApplication::activeWindow(), program.loadedMain());

    // The next info builds it anew, worded from the language file again.
    main.infoAction->trigger();
    auto* again = qobject_cast<InfoDialog*>(program.forms->loaded(QStringLiteral("wInfo")));
    QVERIFY(again && again->Visible());
    QCOMPARE(again->Caption(), QStringLiteral("Info"));
    QCOMPARE(again->Label_Titel->text(), QStringLiteral("KX-Konfigurator"));
}

QTEST_MAIN(InfoDialogTest)
#include "info_dialog_test.moc"

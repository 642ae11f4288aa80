#include "belt_driver.h"
#include "test_paths.h"
#include "test_program.h"
#include "windows/forms/image_control.h"
#include "windows/forms/keyed_toolbar.h"
#include "windows/main/main_window.h"
#include "windows/modular_belt/modular_editor.h"
#include "windows/plain_belt/plain_editor.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

using namespace kx;
using namespace Qt::StringLiterals;

namespace {
QString accessibleText(QWidget* widget, QAccessible::Text which)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(which) : QStringLiteral("<no interface>");
}

// A started program in the given language, with both editors opened once and
// wmM in front.
struct Program
{
    TestProgram program;
    MainWindow* main = nullptr;

    explicit Program(const QString& language)
    {
        main = &program.startIn(language);
        main->newPlainAction->trigger();
        main->newRightAction->trigger();
    }

    QWidget* control(const QString& window, const QString& name) const
    {
        Form* form = program.forms->window(window);
        return name.isEmpty() ? form : form->findChild<QWidget*>(name);
    }
};

// The controls Tab reaches from the window, in order.
QStringList tabChain(QWidget* window)
{
    QStringList chain;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && window->isAncestorOf(w) &&
            w->isVisibleTo(window))
            chain << w->objectName();
    return chain;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void everyControlNamed_data();
    void everyControlNamed();
    void moduleSlots_data();
    void moduleSlots();
    void tabOrder_data();
    void tabOrder();
    void orderCodeCopiedFromKeyboard_data();
    void orderCodeCopiedFromKeyboard();
    void captionsFit_data();
    void captionsFit();
};

void AccessibilityTest::names_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    const struct
    {
        const char* language;
        const char* window;
        const char* control;
        const char* name;
    } rows[] = {
        {"English", "wmM", "", "Conveyor belt with side modules"},
        {"English", "wmM", "Toolbar_Rechts.AG-R", "Begin piece AG"},
        {"English", "wmM", "Toolbar_Links.EV-L", "End piece EV"},
        {"English", "wmM", "HScroll_Bandbreite", "Belt width"},
        {"English", "wmM", "Text_Bandlaenge", "Belt length"},
        {"English", "wmM", "Frame_Bandlaufrichtung", "Running direction"},
        {"English", "wmM", "Text_Bestellnummer", "Order code"},
        {"English", "wmM", "Image_Antrieb(2)", "Drive, position 3"},
        {"English", "woM", "", "Conveyor belt without side modules"},
        {"English", "woM", "Text_Bestellnummer", "Order code"},
        {"English", "woM", "Image_Band_oM", "Conveyor belt without side modules"},
        {"English", "wStart", "Image_Start_L", "New belt running right"},
        {"English", "wAnsicht_01", "Image1", "Drive end"},
        {"English", "wAnsicht_02", "Image3", "Dimension drawing: belt with side modules"},
        {"English", "wInfo", "Picture1", "Quellbrunn F\xc3\xb6rdersysteme GmbH"},
        {"Deutsch", "wmM", "Toolbar_Rechts.G", "Modul G"},
        {"Deutsch", "wmM", "HScroll_Bandbreite", "Bandbreite"},
        {"Deutsch", "wmM", "Text_Bestellnummer", "Bestellnummer"},
        {"Deutsch", "wmM", "Image_Antrieb(0)", "Antrieb, Position 1"},
        {"Deutsch", "wStart", "Image_Start_oM", "Band erstellen, ohne Module"},
    };
    for (const auto& row : rows)
        QTest::addRow("%s %s %s", row.language, row.window, row.control)
            << QString::fromLatin1(row.language) << QString::fromLatin1(row.window)
            << QString::fromLatin1(row.control) << QString::fromUtf8(row.name);
}

// Names follow the language of the texts, and pictures take their captions.
void AccessibilityTest::names()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);

    Program p(language);
    QWidget* widget = p.control(window, control);
    QVERIFY(widget);
    QCOMPARE(accessibleText(widget, QAccessible::Name), name);
}

void AccessibilityTest::everyControlNamed_data()
{
    QTest::addColumn<QString>("window");
    for (const char* window :
         {"wMain", "wStart", "woM", "wmM", "wInfo", "wAnsicht_01", "wAnsicht_02"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

// Whatever a screen reader can reach has a name; only empty spacer labels
// and pictures not drawn yet are exempt.
void AccessibilityTest::everyControlNamed()
{
    QFETCH(QString, window);
    Program p(QStringLiteral("English"));
    QWidget* top = window == QLatin1String("wMain") ? static_cast<QWidget*>(p.main)
                                                    : p.program.forms->window(window);
    QVERIFY(!accessibleText(top, QAccessible::Name).isEmpty());
    int checked = 0;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(top))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w);
            label && label->text().trimmed().isEmpty() && label->pixmap().isNull())
            continue;
        auto* image = qobject_cast<ImageControl*>(w);
        if (image && image->picture().isNull())
            continue;
        const bool control = image || qobject_cast<QLabel*>(w) ||
                             qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QScrollBar*>(w);
        if (!control)
            continue;
        ++checked;
        QVERIFY2(!accessibleText(w, QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(w->objectName() + QLatin1Char(' ') +
                            QLatin1String(w->metaObject()->className())));
    }
    QVERIFY(checked > 0 || window == QLatin1String("wMain"));
}

void AccessibilityTest::moduleSlots_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("then"); // a toolbar key, carried out by one tick
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    const QString row = QStringLiteral("AG-R G C EV-R");
    QTest::newRow("plain") << true << row << ""
                           << "" << 2 << "Modul C, Position 3"
                           << "";
    QTest::newRow("clicked") << true << row << "c2"
                             << "" << 2 << "Modul C, Position 3"
                             << "markiert";
    QTest::newRow("double-clicked") << true << row << "d3"
                                    << "" << 3 << "Endstück EV, Position 4"
                                    << "zum Ersetzen markiert";
    QTest::newRow("mark taken away") << true << row << "c2 c1"
                                     << "" << 2 << "Modul C, Position 3"
                                     << "";
    QTest::newRow("mark moved by a double click") << true << row << "c2 d1"
                                                  << "" << 2 << "Modul C, Position 3"
                                                  << "";
    QTest::newRow("replaced") << true << row << "d2"
                              << "V" << 2 << "Modul V, Position 3"
                              << "";
    QTest::newRow("inserted") << true << row << "c1"
                              << "V" << 2 << "Modul V, Position 3"
                              << "";
    QTest::newRow("deleted") << true << row << "c1 del"
                             << "" << 1 << "Modul C, Position 2"
                             << "";
    // "p2" and "r2" are a screen reader's press and double click on slot 2.
    QTest::newRow("pressed by a screen reader") << true << row << "p2"
                                                << "" << 2 << "Modul C, Position 3"
                                                << "markiert";
    QTest::newRow("double-clicked by a screen reader") << true << row << "r3"
                                                       << "" << 3 << "Endstück EV, Position 4"
                                                       << "zum Ersetzen markiert";
    QTest::newRow("pressed twice by a screen reader") << true << row << "p2 p2"
                                                      << "" << 2 << "Modul C, Position 3"
                                                      << "";
    QTest::newRow("left-running begin") << false << QStringLiteral("AG-L G EG-L") << ""
                                        << "" << 0 << "Anfangsstück AG, Position 1"
                                        << "";
    QTest::newRow("left-running end") << false << QStringLiteral("AG-L G EG-L") << "c2"
                                      << "" << 2 << "Endstück EG, Position 3"
                                      << "markiert";
}

// A slot says its piece, its position counted from 1 and its mark, and says
// so again whenever one of them changes.
void AccessibilityTest::moduleSlots()
{
    QFETCH(bool, right);
    QFETCH(QString, pieces);
    QFETCH(QString, marks);
    QFETCH(QString, then);
    QFETCH(int, slot);
    QFETCH(QString, name);
    QFETCH(QString, description);

    BeltDriver w(right);
    w.build(pieces);
    for (const QString& step : marks.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int k = step.mid(1).toInt();
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(w.e->Image_Modul.at(std::size_t(k)))
                ->actionInterface();
        if (step.startsWith(QLatin1Char('p')))
            actions->doAction(QAccessibleActionInterface::pressAction());
        else if (step.startsWith(QLatin1Char('r')))
            actions->doAction(ImageControl::doubleClickAction());
        else
            w.mark(step);
    }
    if (!then.isEmpty())
        w.press(then);
    w.tickModule();
    QVERIFY(w.messages().isEmpty());

    ImageControl* image = w.e->Image_Modul.at(std::size_t(slot));
    QCOMPARE(accessibleText(image, QAccessible::Name), name);
    QCOMPARE(accessibleText(image, QAccessible::Description), description);
    QCOMPARE(image->toolTip(), name);
    QCOMPARE(QAccessible::queryAccessibleInterface(image)->role(), QAccessible::Graphic);
    QVERIFY(!QAccessible::queryAccessibleInterface(image)->state().invisible);
}

void AccessibilityTest::tabOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<QStringList>("chain");

    const QStringList features = listOf(u"Check_Optional(0)|Check_Optional(1)|Check_Optional(2)|"
                                        u"Check_Optional(3)|Check_Optional(4)|Check_Optional(5)"_s);
    // Top to bottom and left to right; the features row by row.
    row("woM", u"woM"_s, QString(),
        listOf(u"HScroll_Bandlaenge|Text_Bandlaenge|Option_Rechts|Option_Links|HScroll_Bandbreite|"
               u"Text_Bandbreite|Check_Optional(0)|Check_Optional(3)|Check_Optional(1)|"
               u"Check_Optional(4)|Check_Optional(2)|Check_Optional(5)|Command_Bestellnummer|"
               u"Text_Bestellnummer"_s));
    // The length and the direction are the belt's own here and take no focus.
    const QStringList toolbar = listOf(u"Toolbar_Rechts.AG-R|Toolbar_Rechts.AC-R|Toolbar_Rechts.G|"
                                       u"Toolbar_Rechts.C|Toolbar_Rechts.V|Toolbar_Rechts.EG-R|"
                                       u"Toolbar_Rechts.EV-R"_s);
    const QStringList rest = listOf(u"HScroll_Bandbreite|Text_Bandbreite"_s) + features +
                             listOf(u"Command_Bestellnummer|Text_Bestellnummer"_s);
    row("wmM", u"wmM"_s, QString(), toolbar + rest);
    // The pieces placed come after the toolbar, in belt order.
    row("wmM with pieces", u"wmM"_s, u"AG-R G C"_s,
        toolbar + listOf(u"Image_Modul(0)|Image_Modul(1)|Image_Modul(2)"_s) + rest);
    row("wStart", u"wStart"_s, QString(),
        listOf(u"Command_Start_oM|Command_Start_R|Command_Start_L"_s));
    row("wInfo", u"wInfo"_s, QString(), listOf(u"Command1"_s));
}

void AccessibilityTest::tabOrder()
{
    QFETCH(QString, window);
    QFETCH(QString, pieces);
    QFETCH(QStringList, chain);

    Program p(QStringLiteral("Deutsch"));
    if (window == QLatin1String("woM")) {
        // The order-code box shows once there is a code.
        p.main->newPlainAction->trigger();
        p.main->Timer_Module_Timer();
    }
    auto& wmM = p.program.forms->window<ModularBeltEditor>();
    for (const QString& key : pieces.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        wmM.Toolbar_Rechts->buttonByKey(key)->trigger();
        p.main->Timer_Module_Timer();
    }
    QWidget* form = p.program.forms->window(window);
    QStringList reached = tabChain(form);
    // The chain is a ring; read it from the first control on.
    const qsizetype first = reached.indexOf(chain.first());
    QVERIFY(first >= 0);
    reached = reached.mid(first) + reached.mid(0, first);
    QCOMPARE(reached, chain);
}

void AccessibilityTest::orderCodeCopiedFromKeyboard_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("woM") << "woM";
    QTest::newRow("wmM") << "wmM";
}

// The box is read-only, yet it takes the focus and lets the code be
// selected and copied with the keys.
void AccessibilityTest::orderCodeCopiedFromKeyboard()
{
    QFETCH(QString, window);
    BeltDriver w;
    BeltEditor* editor = w.e;
    if (window == QLatin1String("woM")) {
        w.main->newPlainAction->trigger();
        editor = &w.program.forms->window<PlainBeltEditor>();
    } else {
        w.build(QStringLiteral("AG-R G EV-R"));
    }
    w.tickModule();
    QLineEdit* box = editor->Text_Bestellnummer;
    const QString code = box->text();
    QVERIFY(code.startsWith(QLatin1String("KX")));
    QVERIFY(box->isEnabled() && box->isReadOnly());
    QVERIFY(box->focusPolicy() & Qt::TabFocus);

    QGuiApplication::clipboard()->clear();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), code);

    // Selecting part of it copies that part; typing changes nothing.
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("KX"));
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, QStringLiteral("9"));
    QCOMPARE(box->text(), code);
}

void AccessibilityTest::captionsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("points");
    for (const QString& language : {QStringLiteral("Deutsch"), QStringLiteral("English")})
        for (const int points : {10, 11, 12})
            QTest::newRow(qPrintable(QStringLiteral("%1, %2 pt").arg(language).arg(points)))
                << language << points;
}

// No caption of a shipped language is cut off, whatever size the desktop's
// font has: every text fits the width its control has in the layout.
void AccessibilityTest::captionsFit()
{
    QFETCH(QString, language);
    QFETCH(int, points);
    const QFont desktop = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
    const auto restore = qScopeGuard([&] { QApplication::setFont(desktop); });

    TestProgram program;
    for (const QString& name : {MainName, language + QStringLiteral(".ini")}) {
        QFile shipped(dataPath(name));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        program.writeFile(name, shipped.readAll());
    }
    MainWindow& main = program.startIn(language);
    main.newPlainAction->trigger();
    main.newRightAction->trigger();
    main.Timer_Module_Timer();

    int measured = 0;
    for (const char* name : {"wStart", "woM", "wmM", "wInfo", "wAnsicht_01", "wAnsicht_02"}) {
        Form* form = program.forms->window(QString::fromLatin1(name));
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(form))
                continue;
            int needed = 0;
            QString text;
            if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                text = button->text();
                needed = button->sizeHint().width();
            } else if (auto* label = qobject_cast<QLabel*>(w)) {
                text = label->text();
                needed = label->sizeHint().width();
            } else if (auto* box = qobject_cast<QLineEdit*>(w)) {
                text = box->text();
                // The frame and the box's own margins on either side.
                needed = box->fontMetrics().horizontalAdvance(text) + 2 * 2 +
                         2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            }
            if (text.trimmed().isEmpty())
                continue;
            ++measured;
            QVERIFY2(needed <= w->width(),
                     qPrintable(QStringLiteral("%1 %2 \"%3\": %4 > %5")
                                    .arg(QString::fromLatin1(name), w->objectName(), text)
                                    .arg(needed)
                                    .arg(w->width())));
        }
    }
    QVERIFY(measured > 40);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

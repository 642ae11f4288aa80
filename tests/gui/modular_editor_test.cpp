#include "pictures/picture_store.h"
#include "test_program.h"
#include "windows/forms/image_control.h"
#include "windows/forms/keyed_toolbar.h"
#include "windows/forms/twips.h"
#include "windows/main/main_window.h"
#include "windows/modular_belt/modular_editor.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace kx;
using namespace Qt::StringLiterals;

namespace {
// Left edges of the module and drive slots after a set-up, by position.
const int RightModule[] = {90,   1440, 2340, 3240, 4140,  5040,  5940,
                           6840, 7740, 8640, 9540, 10440, 11340, 12240};
const int RightDrive[] = {540,  1440, 2340, 3240, 4140,  5040,  5940,
                          6840, 7740, 8640, 9540, 10440, 11340, 12240};
const int LeftModule[] = {12240, 11340, 10440, 9540, 8640, 7740, 6840,
                          5940,  5040,  4140,  3240, 2340, 1440, 90};
const int LeftDrive[] = {12240, 11340, 10440, 9540, 8640, 7740, 6840,
                         5940,  5040,  4140,  3240, 2340, 1440, 540};

enum { AG_R = 0, AC_R = 3, AG_L = 6, EG_R = 12, EV_R = 15, EV_L = 21, G = 24, C = 27, V = 30 };

// A started program with its timers held and wmM opened from the menu.
struct Editor
{
    TestProgram program;
    MainWindow* main = nullptr;
    ModularBeltEditor* e = nullptr;

    explicit Editor(bool right = true)
    {
        main = &program.start();
        program.holdTimers();
        program.forms->wording().copyCaption = QStringLiteral("Kopieren");
        setUp(right);
    }
    BeltDocument& doc() { return program.document(); }
    int count() { return int(doc().belt().pieces.size()); }
    void setUp(bool right) { (right ? main->newRightAction : main->newLeftAction)->trigger(); }
    void tick() { main->Timer_Module_Timer(); }

    // Puts pieces on the belt in front the way a load and Edit this belt do.
    void place(std::initializer_list<int> types)
    {
        Belt belt = doc().belt();
        belt.pieces.assign(types.begin(), types.end());
        doc().showLoaded(belt, QString());
        doc().editThisBelt();
    }
    void bindEditor() { e = &program.forms->window<ModularBeltEditor>(); }

    // Which picture slot k shows: 0 plain, 1 grey, 2 red.
    int variant(int k)
    {
        const qint64 shown = e->Image_Modul[std::size_t(k)]->picture().cacheKey();
        for (int variant = 0; variant < 3; ++variant)
            if (program.forms->modulePictures()
                    .Picture_M(doc().belt().pieces.at(std::size_t(k)) + variant)
                    .cacheKey() == shown)
                return variant;
        return -1;
    }
    QString variants()
    {
        QString out;
        for (int k = 0; k < count(); ++k)
            out += QString::number(variant(k));
        return out;
    }
    QWidget* toolButton(KeyedToolbar* toolbar, int index)
    {
        return toolbar->widgetForAction(toolbar->button(index));
    }
    void act(const QString& script)
    {
        // "c1" clicks slot 1, "d1" double-clicks it; "s1" presses Space on
        // it, "S1" Shift+Space.
        for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            ImageControl* slot = e->Image_Modul[std::size_t(step.mid(1).toInt())];
            if (step[0] == QLatin1Char('c'))
                QTest::mouseClick(slot, Qt::LeftButton);
            else if (step[0] == QLatin1Char('d'))
                QTest::mouseDClick(slot, Qt::LeftButton);
            else
                QTest::keyClick(slot, Qt::Key_Space,
                                step[0] == QLatin1Char('S') ? Qt::ShiftModifier : Qt::NoModifier);
        }
    }
};

} // namespace

class ModularEditorTest : public QObject
{
    Q_OBJECT
private slots:
    void designStates();
    void setUp_data();
    void setUp();
    void setUpAfterBeltStartsEmpty();
    void setUpFeatures();
    void setUpUnlocksLoadedBelt();
    void marks_data();
    void marks();
    void deleteKey_data();
    void deleteKey();
    void controlsStillGetTheirKeys();
    void focusFrameFollowsTheKeyboard();
    void deleteAfterClickThroughWindowSystem();
    void toolbarButtons_data();
    void toolbarButtons();
    void lastToolbarRequestWins();
    void hiddenToolbarTakesNoClicks();
    void orderCodeFollowsTheEditor();
    void orderCodeButton();
    void idleTickRepaintsNothing();
};

void ModularEditorTest::designStates()
{
    // Without the main text file nothing replaces the design values.
    TestProgram program;
    program.removeFile(QStringLiteral("47-318-xx.ini"));
    program.start();
    auto* e = &program.forms->window<ModularBeltEditor>();

    QCOMPARE(e->Caption(), QStringLiteral("Förderband,  mit Seitenmodulen"));
    QCOMPARE(e->Text_Bestellnummer->text(), QStringLiteral("KX-xxx-xx-x-x"));
    QCOMPARE(e->Command_Bestellnummer->text(), QStringLiteral("Bestell-Nummer erstellen"));
    QVERIFY(e->Command_Bestellnummer->isEnabled());
    for (QLineEdit* box : {e->Text_Bandlaenge, e->Text_Bandbreite})
        QVERIFY(!box->isEnabled());
    // The order code takes no input, but the focus, for selecting and copying.
    QVERIFY(e->Text_Bestellnummer->isReadOnly() && e->Text_Bestellnummer->isEnabled());
    QCOMPARE(e->Text_Bandlaenge->text(), QStringLiteral("300"));
    QCOMPARE(e->Text_Bandbreite->text(), QStringLiteral("40"));
    QVERIFY(!e->Option_Rechts->isEnabled() && !e->Option_Links->isEnabled());

    QScrollBar* length = e->HScroll_Bandlaenge;
    QVERIFY(!length->isEnabled());
    QCOMPARE(QList<int>({length->minimum(), length->maximum(), length->singleStep(),
                         length->pageStep(), length->value()}),
             QList<int>({300, 1500, 100, 100, 300}));
    QScrollBar* width = e->HScroll_Bandbreite;
    QCOMPARE(QList<int>({width->minimum(), width->maximum(), width->singleStep(), width->pageStep(),
                         width->value()}),
             QList<int>({40, 80, 40, 40, 40}));

    const QStringList rightKeys = listOf(u"AG-R|AC-R||G|C|V||EG-R|EV-R"_s);
    const QStringList leftKeys = listOf(u"EG-L|EV-L||G|C|V||AG-L|AC-L"_s);
    for (KeyedToolbar* toolbar : {e->Toolbar_Rechts, e->Toolbar_Links}) {
        const bool right = toolbar == e->Toolbar_Rechts;
        QCOMPARE(toolbar->buttonCount(), 9);
        for (int i = 1; i <= 9; ++i) {
            QCOMPARE(toolbar->button(i)->isSeparator(), i == 3 || i == 7);
            QCOMPARE(toolbar->key(i), (right ? rightKeys : leftKeys)[i - 1]);
            if (i != 3 && i != 7) {
                QVERIFY(!toolbar->button(i)->icon().isNull());
                if (right)
                    QCOMPARE(toolbar->button(i)->toolTip(), QStringLiteral("xxx"));
            }
        }
    }
    const qint64 drive = program.forms->modulePictures().Picture_Antrieb().cacheKey();
    for (int k = 0; k < 14; ++k) {
        QCOMPARE(e->Image_Antrieb[std::size_t(k)]->objectName(),
                 QStringLiteral("Image_Antrieb(%1)").arg(k));
        QCOMPARE(e->Image_Modul[std::size_t(k)]->objectName(),
                 QStringLiteral("Image_Modul(%1)").arg(k));
        QCOMPARE(e->Image_Antrieb[std::size_t(k)]->picture().cacheKey(), drive);
        QCOMPARE(e->Image_Antrieb[std::size_t(k)]->size(), QSize(60, 48));
        QVERIFY(e->Check_Optional[std::size_t(k % 6)]->isHidden());
    }
}

void ModularEditorTest::setUp_data()
{
    QTest::addColumn<bool>("right");
    QTest::newRow("right-running") << true;
    QTest::newRow("left-running") << false;
}

void ModularEditorTest::setUp()
{
    QFETCH(bool, right);
    Editor w(!right);
    w.bindEditor();
    // A loaded belt of the other direction, a piece marked, its drive shown.
    w.place({right ? AG_L : AG_R, G, C, right ? EV_L : EV_R});
    w.doc().showLoaded(w.doc().belt(), QString());
    w.act(QStringLiteral("d2"));
    w.main->Timer_Antrieb_Timer();
    MainWindow& main = *w.main;
    QVERIFY(main.saveAction->isEnabled());

    (right ? main.newRightAction : main.newLeftAction)->trigger();
    auto* e = w.e;

    QVERIFY(e->Visible());
    QCOMPARE(main.mdiArea->activeSubWindow(), e->mdiFrame());
    QVERIFY(!w.program.forms->loaded(QStringLiteral("wStart"))->Visible());
    QCOMPARE(main.newRightAction->isChecked(), right);
    QCOMPARE(main.newLeftAction->isChecked(), !right);
    QVERIFY(!main.newPlainAction->isChecked() && !main.saveAction->isEnabled());

    for (int k = 0; k < 14; ++k) {
        const ImageControl* module = e->Image_Modul[std::size_t(k)];
        const ImageControl* drive = e->Image_Antrieb[std::size_t(k)];
        QCOMPARE(module->pos(), twipsPoint((right ? RightModule : LeftModule)[k], 1200));
        QCOMPARE(drive->pos(), twipsPoint((right ? RightDrive : LeftDrive)[k], 1920));
        QVERIFY(module->isHidden() && drive->isHidden());
    }
    QCOMPARE(e->Toolbar_Rechts->isHidden(), !right);
    QCOMPARE(e->Toolbar_Links->isHidden(), right);
    QCOMPARE(e->Command_Bestellnummer->text(), QStringLiteral("Kopieren"));
    QCOMPARE(e->Text_Bestellnummer->text(),
             right ? QStringLiteral("KX40-xxx-R-xx-xx") : QStringLiteral("KX40-xxx-L-xx-xx"));
    for (QWidget* c : std::initializer_list<QWidget*>{
             e->Command_Bestellnummer, e->Text_Bestellnummer, e->Line_Bestell, e->Label_Optional,
             e->HScroll_Bandbreite, e->HScroll_Bandlaenge, e->Option_Rechts, e->Option_Links})
        QVERIFY2(!c->isHidden(), qPrintable(c->objectName()));
    QVERIFY(e->HScroll_Bandbreite->isEnabled());
    QVERIFY(!e->HScroll_Bandlaenge->isEnabled());
    QVERIFY(!e->Option_Rechts->isEnabled() && !e->Option_Links->isEnabled());
    QCOMPARE(e->Option_Rechts->isChecked(), right);
    QCOMPARE(e->Option_Links->isChecked(), !right);

    QCOMPARE(w.doc().markState(), int(NothingMarked));
    QCOMPARE(w.doc().markedPosition(), 0);
    QCOMPARE(w.count(), 0);
    QVERIFY(!w.doc().drivePosition());
}

void ModularEditorTest::setUpAfterBeltStartsEmpty()
{
    Editor w(false);
    w.bindEditor();
    w.place({AG_L, G, C, EV_L});
    w.main->Timer_Antrieb_Timer();
    w.act(QStringLiteral("c2"));
    // The width scroll bar's right arrow.
    QScrollBar* width = w.e->HScroll_Bandbreite;
    QTest::mouseClick(width, Qt::LeftButton, {}, QPoint(width->width() - 3, width->height() / 2));
    QCOMPARE(w.e->Text_Bandbreite->text(), QStringLiteral("80"));
    QTest::mouseClick(w.toolButton(w.e->Toolbar_Links, 5), Qt::LeftButton); // C, not yet placed

    w.main->newRightAction->trigger();

    for (int k = 0; k < 14; ++k) {
        QVERIFY(w.e->Image_Modul[std::size_t(k)]->isHidden());
        QVERIFY(w.e->Image_Antrieb[std::size_t(k)]->isHidden());
        QCOMPARE(w.e->Image_Modul[std::size_t(k)]->pos(), twipsPoint(RightModule[k], 1200));
    }
    QCOMPARE(w.count(), 0);
    QCOMPARE(w.doc().markState(), int(NothingMarked));
    // Left alone: the width and the request, which the next tick takes up
    // on the new belt.
    QCOMPARE(width->value(), 80);
    QCOMPARE(w.e->Text_Bandbreite->text(), QStringLiteral("80"));
    QVERIFY(w.doc().requestPending());
    w.tick();
    QCOMPARE(w.program.boxes.shown.size(), 1);
    QCOMPARE(w.program.boxes.shown.constLast().text, w.program.wording().messages[1]);
}

void ModularEditorTest::setUpFeatures()
{
    Editor w;
    w.bindEditor();
    FeatureList& features = w.program.forms->wording().modularFeatures;
    QCheckBox* beyond = w.e->Check_Optional[4];
    beyond->show();
    w.e->Check_Optional[2]->hide();
    beyond->setChecked(true);
    w.e->Check_Optional[0]->setChecked(true);
    w.e->Check_Optional[1]->setEnabled(false);

    features.count = 2;
    w.setUp(true);
    for (int i : {0, 1}) {
        QCheckBox* box = w.e->Check_Optional[std::size_t(i)];
        QVERIFY(!box->isHidden() && box->isEnabled() && !box->isChecked());
    }
    QVERIFY(w.e->Check_Optional[2]->isHidden());
    QVERIFY(!beyond->isHidden() && beyond->isChecked()); // beyond the count: as it was

    features.count = 0;
    w.e->Label_Optional->hide();
    w.e->Check_Optional[0]->setChecked(true);
    w.setUp(false);
    QVERIFY(!w.e->Label_Optional->isHidden());
    QVERIFY(w.e->Check_Optional[0]->isChecked()); // untouched
}

void ModularEditorTest::setUpUnlocksLoadedBelt()
{
    Editor w;
    w.bindEditor();
    w.program.forms->wording().modularFeatures.count = 3;
    // A load leaves no toolbar, width and features locked.
    w.place({AG_R, G, EV_R});
    w.doc().showLoaded(w.doc().belt(), QString());
    QVERIFY(w.e->Toolbar_Rechts->isHidden() && w.e->Toolbar_Links->isHidden());
    QVERIFY(!w.e->HScroll_Bandbreite->isEnabled());
    QVERIFY(!w.e->Check_Optional[0]->isEnabled());

    w.setUp(false);
    QVERIFY(!w.e->Toolbar_Links->isHidden());
    QVERIFY(w.e->Toolbar_Rechts->isHidden());
    QVERIFY(w.e->HScroll_Bandbreite->isEnabled());
    for (int i = 0; i < 3; ++i)
        QVERIFY(w.e->Check_Optional[std::size_t(i)]->isEnabled());
    QVERIFY(!w.e->HScroll_Bandlaenge->isEnabled());
    QVERIFY(!w.e->Option_Links->isEnabled());
}

void ModularEditorTest::marks_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("pictures");
    QTest::newRow("click marks grey") << "c1" << 1 << 1 << "0100";
    QTest::newRow("click, click another: nothing marked") << "c1 c2" << 0 << 2 << "0000";
    QTest::newRow("click, click same: nothing marked") << "c1 c1" << 0 << 1 << "0000";
    QTest::newRow("double click marks red") << "d2" << 2 << 2 << "0020";
    QTest::newRow("double click after grey is red") << "c1 d1" << 2 << 1 << "0200";
    QTest::newRow("double click moves the red mark") << "d1 d3" << 2 << 3 << "0002";
    QTest::newRow("click after red marks grey") << "d1 c2" << 1 << 2 << "0010";
    QTest::newRow("click the end piece") << "c3" << 1 << 3 << "0001";
    QTest::newRow("Space marks grey") << "s1" << 1 << 1 << "0100";
    QTest::newRow("Space twice: nothing marked") << "s1 s1" << 0 << 1 << "0000";
    QTest::newRow("Shift+Space marks red") << "S2" << 2 << 2 << "0020";
    QTest::newRow("Space after red marks grey") << "S2 s3" << 1 << 3 << "0001";
}

void ModularEditorTest::marks()
{
    QFETCH(QString, script);
    Editor w;
    w.bindEditor();
    w.place({AG_R, G, C, EV_R});
    w.act(script);
    QTEST(w.doc().markState(), "state");
    QTEST(w.doc().markedPosition(), "selected");
    QTEST(w.variants(), "pictures");
    QVERIFY(!w.doc().requestPending());
    QCOMPARE(w.count(), 4); // marking changes no piece
}

void ModularEditorTest::deleteKey_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("receiver");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("request");
    QTest::addColumn<bool>("autoRepeat");
    const int del = Qt::Key_Delete;
    QTest::newRow("grey: removal requested") << "c2"
                                             << "wmM" << del << 0 << 3 << true << false;
    QTest::newRow("grey, Shift+Delete")
        << "c2"
        << "wmM" << del << int(Qt::ShiftModifier) << 3 << true << false;
    QTest::newRow("grey, focus on a check box")
        << "c2"
        << "Check_Optional(0)" << del << 0 << 3 << true << false;
    QTest::newRow("grey, focus on the order-code button")
        << "c2"
        << "Command_Bestellnummer" << del << 0 << 3 << true << false;
    QTest::newRow("grey, key on a slot") << "c2"
                                         << "Image_Modul(2)" << del << 0 << 3 << true << false;
    QTest::newRow("red: nothing") << "d2"
                                  << "wmM" << del << 0 << 2 << false << false;
    QTest::newRow("nothing marked: nothing") << ""
                                             << "wmM" << del << 0 << 0 << false << false;
    QTest::newRow("grey, Backspace: nothing")
        << "c2"
        << "wmM" << int(Qt::Key_Backspace) << 0 << 1 << false << false;
    QTest::newRow("grey, Delete held down: nothing") << "c2"
                                                     << "wmM" << del << 0 << 1 << false << true;
}

void ModularEditorTest::deleteKey()
{
    QFETCH(QString, script);
    QFETCH(QString, receiver);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, autoRepeat);
    Editor w;
    w.bindEditor();
    w.place({AG_R, G, C, EV_R});
    w.act(script);
    QWidget* target = receiver == QLatin1String("wmM") ? w.e : w.e->findChild<QWidget*>(receiver);
    QVERIFY(target);
    if (autoRepeat) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::KeyboardModifiers(modifiers), QString(),
                          true);
        QCoreApplication::sendEvent(target, &release);
    } else {
        QTest::keyRelease(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    }
    QTEST(w.doc().markState(), "state");
    QTEST(w.doc().requestPending(), "request");
    if (!script.isEmpty())
        QCOMPARE(w.variant(2), script.startsWith(QLatin1Char('c')) ? 1 : 2); // mark unchanged
}

void ModularEditorTest::controlsStillGetTheirKeys()
{
    Editor w;
    w.bindEditor();
    w.tick();
    QGuiApplication::clipboard()->setText(QStringLiteral("other"));
    // The window sees the release first; the button still clicks on Space.
    QTest::keyClick(w.e->Command_Bestellnummer, Qt::Key_Space);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("KX40-0-R-"));

    QTest::keyClick(w.e->Check_Optional[0], Qt::Key_Space);
    QVERIFY(w.e->Check_Optional[0]->isChecked());
}

// The focus itself is the window system's; the frame follows its events.
void ModularEditorTest::focusFrameFollowsTheKeyboard()
{
    Editor w;
    w.bindEditor();
    w.place({AG_R, G, EV_R});
    auto* ring = w.e->findChild<QWidget*>(QStringLiteral("FocusRing"));
    QVERIFY(ring && ring->isHidden());
    for (QWidget* control : {static_cast<QWidget*>(w.e->Image_Modul[1]),
                             static_cast<QWidget*>(w.e->HScroll_Bandbreite)}) {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(control, &in);
        QVERIFY(!ring->isHidden());
        QVERIFY(ring->geometry().contains(control->geometry()));
        QVERIFY(ring->geometry() != control->geometry());
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(control, &out);
        QVERIFY(ring->isHidden());
    }
    QVERIFY(w.e->Image_Modul[1]->focusPolicy() & Qt::TabFocus);
    QVERIFY(!(w.e->Image_Modul[1]->focusPolicy() & Qt::ClickFocus));
}

void ModularEditorTest::deleteAfterClickThroughWindowSystem()
{
    // Mouse and key go through the platform, which routes the key to the
    // focus: the click on a piece must leave it inside wmM.
    Editor w;
    w.main->activateWindow();
    if (!QTest::qWaitForWindowActive(w.main))
        QSKIP("the platform does not activate windows");
    w.bindEditor();
    w.place({AG_R, G, EV_R});
    QWidget* slot = w.e->Image_Modul[1];
    QTest::mouseClick(w.main->windowHandle(), Qt::LeftButton, {},
                      slot->mapTo(w.main, QPoint(10, 10)));
    QCOMPARE(w.doc().markState(), int(Clicked));
    QTest::keyClick(w.main->windowHandle(), Qt::Key_Delete);
    QCOMPARE(w.doc().markState(), int(RemovalRequested));
    QVERIFY(w.doc().requestPending());
}

void ModularEditorTest::toolbarButtons_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("kind");
    const int rightTypes[] = {0, 3, -1, 24, 27, 30, -1, 12, 15};
    const int leftTypes[] = {18, 21, -1, 24, 27, 30, -1, 6, 9};
    const int rightKinds[] = {0, 0, -1, 1, 1, 1, -1, 2, 2};
    const int leftKinds[] = {2, 2, -1, 1, 1, 1, -1, 0, 0};
    for (int i = 1; i <= 9; ++i) {
        if (i == 3 || i == 7)
            continue;
        QTest::addRow("Toolbar_Rechts button %d", i)
            << true << i << rightTypes[i - 1] << rightKinds[i - 1];
        QTest::addRow("Toolbar_Links button %d", i)
            << false << i << leftTypes[i - 1] << leftKinds[i - 1];
    }
}

void ModularEditorTest::toolbarButtons()
{
    QFETCH(bool, right);
    QFETCH(int, button);
    QFETCH(int, type);
    QFETCH(int, kind);
    Editor w(right);
    w.bindEditor();
    QTest::mouseClick(w.toolButton(right ? w.e->Toolbar_Rechts : w.e->Toolbar_Links, button),
                      Qt::LeftButton);
    QVERIFY(w.doc().requestPending());
    QCOMPARE(w.count(), 0); // recorded only
    // The tick places a begin piece; anything else cannot come first.
    w.tick();
    if (kind == 0)
        QCOMPARE(w.doc().belt().pieces, std::vector<int>{type});
    else
        QCOMPARE(w.program.boxes.shown.constLast().text, w.program.wording().messages[1]);
}

void ModularEditorTest::lastToolbarRequestWins()
{
    Editor w;
    w.bindEditor();
    QTest::mouseClick(w.toolButton(w.e->Toolbar_Rechts, 1), Qt::LeftButton); // AG-R
    QTest::mouseClick(w.toolButton(w.e->Toolbar_Rechts, 6), Qt::LeftButton); // V
    QVERIFY(w.doc().requestPending());
    // The V is the request: it cannot be the first piece.
    w.tick();
    QCOMPARE(w.count(), 0);
    QCOMPARE(w.program.boxes.shown.constLast().text, w.program.wording().messages[1]);
}

void ModularEditorTest::hiddenToolbarTakesNoClicks()
{
    Editor w;
    w.bindEditor();
    QTest::mouseClick(w.toolButton(w.e->Toolbar_Links, 8), Qt::LeftButton); // AG-L
    QTest::mouseClick(w.toolButton(w.e->Toolbar_Links, 4), Qt::LeftButton); // G
    QVERIFY(!w.doc().requestPending());
}

void ModularEditorTest::orderCodeFollowsTheEditor()
{
    Editor w;
    w.bindEditor();
    QCOMPARE(w.e->Text_Bestellnummer->text(), QStringLiteral("KX40-xxx-R-xx-xx"));
    w.tick();
    QCOMPARE(w.e->Text_Bestellnummer->text(), QStringLiteral("KX40-0-R-"));
    QVERIFY(w.main->saveAction->isEnabled());

    w.place({AG_R, G, G, G, C, EV_R});
    w.tick();
    QCOMPARE(w.e->Text_Bestellnummer->text(), QStringLiteral("KX40-700-R-AG-3GC-EV"));
    w.main->Timer_Antrieb_Timer();
    QCOMPARE(w.e->Text_Bandlaenge->text(), QStringLiteral("700"));

    // The width changes only the width field, on the next tick.
    QScrollBar* width = w.e->HScroll_Bandbreite;
    QTest::mouseClick(width, Qt::LeftButton, {}, QPoint(width->width() - 3, width->height() / 2));
    QCOMPARE(w.e->Text_Bandbreite->text(), QStringLiteral("80"));
    QCOMPARE(w.e->Text_Bestellnummer->text(), QStringLiteral("KX40-700-R-AG-3GC-EV"));
    w.tick();
    QCOMPARE(w.e->Text_Bestellnummer->text(), QStringLiteral("KX80-700-R-AG-3GC-EV"));
    // A dragged thumb stops only on the two widths.
    width->setSliderDown(true);
    width->setSliderPosition(52);
    width->setSliderDown(false);
    QCOMPARE(width->value(), 40);
    QCOMPARE(w.e->Text_Bandbreite->text(), QStringLiteral("40"));

    // Features in check-box order, whatever the order of the clicks.
    FeatureList& features = w.program.forms->wording().modularFeatures;
    features.count = 2;
    features.codes[0] = QStringLiteral("SW");
    features.codes[1] = QStringLiteral("LS");
    w.doc().setFeatureCodes(w.program.wording().featureCodes());
    w.setUp(false);
    for (int i : {1, 0}) // on the box itself, as a user clicks it
        QTest::mouseClick(w.e->Check_Optional[std::size_t(i)], Qt::LeftButton, {}, QPoint(8, 8));
    w.place({AG_L, V, EV_L});
    w.tick();
    QCOMPARE(w.e->Text_Bestellnummer->text(), QStringLiteral("KX40-400-L-AG-V-EV-SW-LS"));

    // An open belt keeps every piece in its code.
    w.setUp(true);
    w.place({AC_R, G, G});
    w.tick();
    QCOMPARE(w.e->Text_Bestellnummer->text(), QStringLiteral("KX40-350-R-AC-2G-"));
}

void ModularEditorTest::orderCodeButton()
{
    Editor w;
    w.bindEditor();
    w.tick();
    QCOMPARE(w.e->Command_Bestellnummer->text(), QStringLiteral("Kopieren"));
    // The text shown goes to the clipboard, even if a tick is due.
    QGuiApplication::clipboard()->setText(QStringLiteral("other"));
    QTest::mouseClick(w.toolButton(w.e->Toolbar_Rechts, 1), Qt::LeftButton);
    w.doc().carryOutRequest();
    QTest::mouseClick(w.e->Command_Bestellnummer, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("KX40-0-R-"));
    QCOMPARE(w.e->Text_Bestellnummer->text(), QStringLiteral("KX40-0-R-"));
}

void ModularEditorTest::idleTickRepaintsNothing()
{
    Editor w;
    w.bindEditor();
    w.place({AG_R, G, EV_R});
    w.act(QStringLiteral("c1 c1"));
    w.tick();
    w.main->Timer_Antrieb_Timer();
    QTest::qWait(20);

    PaintCounter counter(w.e);
    w.tick();
    w.main->Timer_Antrieb_Timer();
    QTest::qWait(20);
    QCOMPARE(counter.painted, QStringList());

    // A tick that changes the code does repaint it.
    w.place({AG_R, G});
    w.tick();
    QTest::qWait(20);
    QVERIFY(!counter.painted.isEmpty());
}

QTEST_MAIN(ModularEditorTest)
#include "modular_editor_test.moc"

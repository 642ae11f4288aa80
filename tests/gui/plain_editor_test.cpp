#include "main_window.h"
#include "plain_editor.h"
#include "plain_procedures.h"
#include "test_program.h"
#include "twips.h"

#include "image_control.h"
#include "picture_store.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QtTest>

using namespace kx;

namespace {

const QString CopyCaption = QStringLiteral("Kopieren");

// The program started, its timers held, and the plain editor opened from the menu.
struct PlainEditor
{
    TestProgram program;
    MainWindow& main;
    PlainBeltEditor* woM;

    PlainEditor() : main(program.start())
    {
        program.holdTimers();
        program.forms->vars().Copy_Caption = CopyCaption;
        main.band_om->trigger();
        woM = program.forms->window<PlainBeltEditor>(QStringLiteral("woM"));
    }

    void tick() { main.Timer_Antrieb_Timer(); }
    QString code() const { return woM->Text_Bestellnummer->text(); }

    // Features as the text pass gives them: caption, code, a visible box.
    void defineFeatures(const QStringList& codes)
    {
        Variablen& v = program.forms->vars();
        v.Optional_Count_oM = int(codes.size());
        for (int i = 0; i < codes.size(); ++i) {
            v.Optional_oM[i] = codes[i];
            woM->Check_Optional[std::size_t(i)]->setText(QStringLiteral("Merkmal ") + codes[i]);
            woM->Check_Optional[std::size_t(i)]->show();
        }
    }

    // The name of the belt picture on show, found by identity.
    QString picture() const
    {
        const qint64 key = woM->Image_Band_oM->picture().cacheKey();
        for (int length = 300; length <= 1500; length += 100) {
            for (QChar side : {QLatin1Char('R'), QLatin1Char('L')}) {
                if (program.forms->wImages2().Picture_oM(length, side).cacheKey() == key)
                    return BeltPictureStore::beltPictureName(length, side);
            }
        }
        return QStringLiteral("(none)");
    }
};

QRect arrowRect(QScrollBar* bar, QStyle::SubControl arrow)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar);
}

// Clicks an arrow where the user would: it must not lie under the text box.
void clickArrow(QScrollBar* bar, QStyle::SubControl arrow)
{
    const QPoint at = arrowRect(bar, arrow).center();
    QWidget* window = bar->window();
    QCOMPARE(window->childAt(bar->mapTo(window, at)), bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, at);
}

void clickRight(QScrollBar* bar)
{
    clickArrow(bar, QStyle::SC_ScrollBarAddLine);
}

void clickLeft(QScrollBar* bar)
{
    clickArrow(bar, QStyle::SC_ScrollBarSubLine);
}

// On its box: a check box takes clicks on its box and caption only.
void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// Counts the paint events of a widget and its children.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* root)
    {
        root->installEventFilter(this);
        for (QWidget* child : root->findChildren<QWidget*>())
            child->installEventFilter(this);
    }
    QStringList painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted.append(watched->objectName());
        return false;
    }
};

} // namespace

class PlainEditorTest : public QObject
{
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void designStateAndLoad();
    void openingKeepsBeltAndClearsFeatures();
    void lengthArrow();
    void directionFollowsPicture();
    void widthHasTwoPositions();
    void draggedLengthSnapsToSteps();
    void featuresInBoxOrder();
    void noFeaturesNoCheckBox();
    void saveEnabledByFirstBuild();
    void codeRefreshOnlyWhileFlagIsSet();
    void buildStateBuildsCode();
    void copyStateCopiesCodeShown();
    void idleTickRepaintsNothing();
};

void PlainEditorTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twipsGeometry"); // width and height 0: sized by its picture

    const auto row = [](const char* name, int left, int top, int width, int height) {
        QTest::newRow(name) << QString::fromUtf8(name) << QRect(left, top, width, height);
    };
    row("Label_Bandlaenge", 780, 2880, 1755, 255);
    row("HScroll_Bandlaenge", 2700, 2880, 1155, 270);
    row("Text_Bandlaenge", 2940, 2880, 675, 285);
    row("Label_Bandbreite", 780, 3420, 1755, 255);
    row("HScroll_Bandbreite", 2700, 3420, 1155, 270);
    row("Text_Bandbreite", 2940, 3420, 675, 285);
    row("Label_Bandlaufrichtung", 4080, 2880, 2115, 255);
    row("Frame_Bandlaufrichtung", 6300, 2880, 2475, 255);
    row("Option_Rechts", 60, 0, 1095, 255);
    row("Option_Links", 1440, 0, 1035, 255);
    row("Label_Optional", 780, 3960, 1275, 255);
    row("Check_Optional(0)", 2730, 3960, 3075, 255);
    row("Check_Optional(2)", 2730, 4680, 3075, 255);
    row("Check_Optional(3)", 6300, 3960, 3075, 255);
    row("Check_Optional(5)", 6300, 4680, 3075, 255);
    row("Image_Band_oM", 540, 1080, 0, 0);
    row("Image_Führung", 690, 720, 4695, 315);
    row("Command_Bestellnummer", 60, 5160, 3015, 495);
    row("Text_Bestellnummer", 3120, 5160, 6435, 495);
}

void PlainEditorTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twipsGeometry);
    TestProgram program;
    program.start();
    auto* woM = program.forms->window<PlainBeltEditor>(QStringLiteral("woM"));
    auto* control = woM->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->pos(), twipsPoint(twipsGeometry.left(), twipsGeometry.top()));
    if (twipsGeometry.width() > 0)
        QCOMPARE(control->size(), twipsSize(twipsGeometry.width(), twipsGeometry.height()));
    else
        QCOMPARE(control->size(), woM->Image_Band_oM->picture().deviceIndependentSize().toSize());
}

void PlainEditorTest::designStateAndLoad()
{
    TestProgram program;
    program.start();
    auto* woM = program.forms->window<PlainBeltEditor>(QStringLiteral("woM"));

    QCOMPARE(woM->windowTitle(), QStringLiteral("Förderband, ohne Seitenmodule"));
    QCOMPARE(woM->Label_Bandlaenge->text(), QStringLiteral("Bandlänge:"));
    QCOMPARE(woM->Option_Links->text(), QStringLiteral("links"));
    QCOMPARE(woM->Command_Bestellnummer->text(), QStringLiteral("Bestell-Nummer erstellen"));
    QCOMPARE(woM->Text_Bestellnummer->text(), QStringLiteral("KX-xxx-xx-x-x"));
    QVERIFY(woM->Text_Bestellnummer->isHidden());
    QVERIFY(!woM->Text_Bestellnummer->isEnabled());
    QVERIFY(!woM->Text_Bandlaenge->isEnabled());
    QCOMPARE(woM->Text_Bestellnummer->font().pointSizeF(), 14.25);
    QCOMPARE(woM->Label_Optional->font().pointSizeF(), 11.25);
    QCOMPARE(woM->Check_Optional[4]->font().family(), QStringLiteral("Arial"));
    for (QCheckBox* box : woM->Check_Optional) {
        QVERIFY(box->isHidden());
        QCOMPARE(box->text(), QStringLiteral("Check1"));
    }
    QCOMPARE(woM->Option_Rechts->parentWidget(), woM->Frame_Bandlaufrichtung);
    QCOMPARE(woM->Line_Bestell->geometry(), QRect(twipsPoint(60, 5040), twipsPoint(14580, 5040)));
    QCOMPARE(woM->HScroll_Bandlaenge->singleStep(), 100);
    QCOMPARE(woM->HScroll_Bandlaenge->pageStep(), 100);

    // Load: the shortest belt, running right.
    QVERIFY(woM->Option_Rechts->isChecked());
    QVERIFY(woM->Option_Rechts->isEnabled() && woM->HScroll_Bandlaenge->isEnabled());
    QCOMPARE(woM->Text_Bandlaenge->text(), QStringLiteral("300"));
    QCOMPARE(woM->Text_Bandbreite->text(), QStringLiteral("40"));
    QCOMPARE(woM->Image_Band_oM->picture().cacheKey(),
             program.forms->wImages2().picture(QStringLiteral("Picture_oM300R")).cacheKey());

    // Tab order: length, width, order-code button and box, direction, features.
    const QList<QWidget*> expected = {woM->HScroll_Bandlaenge,    woM->HScroll_Bandbreite,
                                      woM->Command_Bestellnummer, woM->Text_Bestellnummer,
                                      woM->Option_Rechts,         woM->Option_Links,
                                      woM->Check_Optional[0],     woM->Check_Optional[5]};
    QList<QWidget*> chain;
    QWidget* widget = woM->HScroll_Bandlaenge;
    for (int i = 0; i < 40 && chain.size() < expected.size();
         ++i, widget = widget->nextInFocusChain())
        if (expected.contains(widget) && !chain.contains(widget))
            chain.append(widget);
    QCOMPARE(chain, expected);
}

void PlainEditorTest::openingKeepsBeltAndClearsFeatures()
{
    PlainEditor e;
    e.defineFeatures({QStringLiteral("RS"), QStringLiteral("BL")});
    for (int i = 0; i < 5; ++i)
        clickRight(e.woM->HScroll_Bandlaenge);
    QTest::mouseClick(e.woM->Option_Links, Qt::LeftButton);
    clickBox(e.woM->Check_Optional[1]);
    e.tick();
    QCOMPARE(e.code(), QStringLiteral("KX40-800-L-BL"));

    // A wStart shown again must be hidden too.
    Form* start = e.program.forms->window(QStringLiteral("wStart"));
    start->Show();
    e.main.band_om->trigger();
    QCOMPARE(e.code(), QStringLiteral("KX40-300-R"));
    QVERIFY(e.woM->Visible());
    QVERIFY(!start->Visible());
    QVERIFY(e.main.band_om->isChecked());
    QVERIFY(!e.main.band_rechts->isChecked() && !e.main.band_links->isChecked());
    QCOMPARE(e.woM->Command_Bestellnummer->text(), CopyCaption);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(!e.woM->Check_Optional[std::size_t(i)]->isChecked());
        QVERIFY(!e.woM->Check_Optional[std::size_t(i)]->isHidden());
    }
    e.tick();
    QCOMPARE(e.code(), QStringLiteral("KX40-800-L"));
    QCOMPARE(e.picture(), QStringLiteral("Picture_oM800L"));
}

void PlainEditorTest::lengthArrow()
{
    PlainEditor e;
    clickRight(e.woM->HScroll_Bandlaenge);
    QCOMPARE(e.woM->HScroll_Bandlaenge->value(), 400);
    QCOMPARE(e.woM->Text_Bandlaenge->text(), QStringLiteral("400"));
    QCOMPARE(e.picture(), QStringLiteral("Picture_oM400R"));
    QCOMPARE(e.code(), QStringLiteral("KX40-300-R")); // the code follows on the tick
    e.tick();
    QCOMPARE(e.code(), QStringLiteral("KX40-400-R"));

    clickLeft(e.woM->HScroll_Bandlaenge);
    clickLeft(e.woM->HScroll_Bandlaenge);
    QCOMPARE(e.woM->Text_Bandlaenge->text(), QStringLiteral("300"));
    for (int i = 0; i < 15; ++i)
        clickRight(e.woM->HScroll_Bandlaenge);
    QCOMPARE(e.woM->Text_Bandlaenge->text(), QStringLiteral("1500"));
    QCOMPARE(e.picture(), QStringLiteral("Picture_oM1500R"));
}

void PlainEditorTest::directionFollowsPicture()
{
    PlainEditor e;
    e.woM->HScroll_Bandlaenge->setValue(1200);
    QTest::mouseClick(e.woM->Option_Links, Qt::LeftButton);
    QVERIFY(e.woM->Option_Links->isChecked() && !e.woM->Option_Rechts->isChecked());
    QCOMPARE(e.picture(), QStringLiteral("Picture_oM1200L"));
    QTest::mouseClick(e.woM->Option_Rechts, Qt::LeftButton);
    QCOMPARE(e.picture(), QStringLiteral("Picture_oM1200R"));
    QTest::mouseClick(e.woM->Option_Links, Qt::LeftButton);
    e.tick();
    QCOMPARE(e.code(), QStringLiteral("KX40-1200-L"));
}

void PlainEditorTest::widthHasTwoPositions()
{
    PlainEditor e;
    QScrollBar* bar = e.woM->HScroll_Bandbreite;
    QStringList seen;
    const auto record = [&] { seen.append(e.woM->Text_Bandbreite->text()); };
    clickRight(bar);
    record();
    clickRight(bar);
    record();
    clickLeft(bar);
    record();
    clickLeft(bar);
    record();
    QCOMPARE(seen, QStringList({"80", "80", "40", "40"}));
    // A drag stops only at the two positions.
    bar->setSliderDown(true);
    bar->setSliderPosition(61);
    bar->setSliderDown(false);
    QCOMPARE(bar->value(), 80);
    e.tick();
    QCOMPARE(e.code(), QStringLiteral("KX80-300-R"));
}

void PlainEditorTest::draggedLengthSnapsToSteps()
{
    PlainEditor e;
    QScrollBar* bar = e.woM->HScroll_Bandlaenge;
    bar->setSliderDown(true);
    bar->setSliderPosition(1140);
    QCOMPARE(e.woM->Text_Bandlaenge->text(), QStringLiteral("1100"));
    bar->setSliderPosition(1160);
    bar->setSliderDown(false);
    QCOMPARE(bar->value(), 1200);
    QCOMPARE(e.woM->Text_Bandlaenge->text(), QStringLiteral("1200"));
    QCOMPARE(e.picture(), QStringLiteral("Picture_oM1200R"));

    // A value set from code, as the loader does, is taken as it is; a length
    // without a picture keeps the last one.
    bar->setValue(1250);
    QCOMPARE(e.woM->Text_Bandlaenge->text(), QStringLiteral("1250"));
    QCOMPARE(e.picture(), QStringLiteral("Picture_oM1200R"));
}

void PlainEditorTest::featuresInBoxOrder()
{
    PlainEditor e;
    e.defineFeatures(
        {QStringLiteral("RS"), QStringLiteral("SF2"), QStringLiteral("BL"), QStringLiteral("KS")});
    clickBox(e.woM->Check_Optional[3]);
    clickBox(e.woM->Check_Optional[1]);
    e.tick();
    QCOMPARE(e.code(), QStringLiteral("KX40-300-R-SF2-KS"));

    clickRight(e.woM->HScroll_Bandbreite);
    e.woM->HScroll_Bandlaenge->setValue(1200);
    QTest::mouseClick(e.woM->Option_Links, Qt::LeftButton);
    clickBox(e.woM->Check_Optional[3]);
    clickBox(e.woM->Check_Optional[1]);
    clickBox(e.woM->Check_Optional[2]);
    clickBox(e.woM->Check_Optional[0]);
    e.tick();
    QCOMPARE(e.code(), QStringLiteral("KX80-1200-L-RS-BL"));
    QCOMPARE(e.program.forms->vars().Order_Code, e.code());
    // Boxes beyond the features stay hidden and unchecked.
    QVERIFY(e.woM->Check_Optional[4]->isHidden());
    QVERIFY(!e.woM->Check_Optional[4]->isChecked());
}

void PlainEditorTest::noFeaturesNoCheckBox()
{
    TestProgram program;
    // A language file whose feature list ends at once.
    program.writeFile(QStringLiteral("Deutsch.ini"),
                      "[OPTIONAL_OM]\r\noptional:\r\nXXXXX\r\n\r\n\r\n\r\n\r\n\r\n");
    MainWindow& main = program.start();
    program.holdTimers();
    QCOMPARE(int(program.forms->vars().Optional_Count_oM), 0);
    main.band_om->trigger();
    main.Timer_Antrieb_Timer();
    auto* woM = program.forms->window<PlainBeltEditor>(QStringLiteral("woM"));
    for (QCheckBox* box : woM->Check_Optional)
        QVERIFY(box->isHidden());
    QCOMPARE(woM->Text_Bestellnummer->text(), QStringLiteral("KX40-300-R"));
}

void PlainEditorTest::saveEnabledByFirstBuild()
{
    PlainEditor e;
    e.tick();
    QVERIFY(e.main.speichern->isEnabled());
    e.main.band_om->trigger();
    QVERIFY(!e.main.speichern->isEnabled());
    e.tick();
    QVERIFY(e.main.speichern->isEnabled());
}

void PlainEditorTest::codeRefreshOnlyWhileFlagIsSet()
{
    PlainEditor e;
    e.main.band_rechts->trigger(); // clears the plain belt's flag
    QVERIFY(!e.program.forms->vars().Code_Refresh_oM);
    clickRight(e.woM->HScroll_Bandlaenge);
    e.tick();
    e.main.Timer_Module_Timer();
    QCOMPARE(e.code(), QStringLiteral("KX40-300-R"));

    e.program.forms->vars().Code_Refresh_oM = true;
    e.main.Timer_Module_Timer();
    QCOMPARE(e.code(), QStringLiteral("KX40-400-R"));
}

void PlainEditorTest::buildStateBuildsCode()
{
    TestProgram program;
    MainWindow& main = program.start();
    program.holdTimers();
    Variablen& v = program.forms->vars();
    v.Copy_Caption = CopyCaption;
    auto* woM = program.forms->window<PlainBeltEditor>(QStringLiteral("woM"));
    woM->Show();
    QVERIFY(!v.Code_Refresh_oM);

    QTest::mouseClick(woM->Command_Bestellnummer, Qt::LeftButton);
    QVERIFY(v.Code_Refresh_oM);
    QVERIFY(!woM->Text_Bestellnummer->isHidden());
    QCOMPARE(woM->Text_Bestellnummer->text(), QStringLiteral("KX40-300-R"));
    QCOMPARE(woM->Command_Bestellnummer->text(), CopyCaption);
    QVERIFY(main.speichern->isEnabled());
}

void PlainEditorTest::copyStateCopiesCodeShown()
{
    PlainEditor e;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("something else"));
    e.tick();
    QTest::mouseClick(e.woM->Command_Bestellnummer, Qt::LeftButton);
    QCOMPARE(clipboard->text(), QStringLiteral("KX40-300-R"));
    QCOMPARE(clipboard->mimeData()->formats(), QStringList({"text/plain"}));

    // Changed less than a tick ago: the copy is the code on show.
    clickRight(e.woM->HScroll_Bandlaenge);
    QTest::mouseClick(e.woM->Command_Bestellnummer, Qt::LeftButton);
    QCOMPARE(clipboard->text(), QStringLiteral("KX40-300-R"));
    QCOMPARE(e.code(), QStringLiteral("KX40-300-R"));
    e.tick();
    QTest::mouseClick(e.woM->Command_Bestellnummer, Qt::LeftButton);
    QCOMPARE(clipboard->text(), QStringLiteral("KX40-400-R"));
}

void PlainEditorTest::idleTickRepaintsNothing()
{
    PlainEditor e;
    QVERIFY(QTest::qWaitForWindowExposed(&e.main));
    e.tick();
    QCoreApplication::processEvents();
    PaintCounter counter(e.woM);
    e.tick();
    e.tick();
    QCoreApplication::processEvents();
    QCOMPARE(counter.painted, QStringList());

    clickRight(e.woM->HScroll_Bandlaenge);
    QCoreApplication::processEvents();
    counter.painted.clear();
    e.tick();
    QCoreApplication::processEvents();
    QVERIFY(counter.painted.contains(QStringLiteral("Text_Bestellnummer")));
}

QTEST_MAIN(PlainEditorTest)
#include "plain_editor_test.moc"

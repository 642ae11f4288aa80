#include "test_program.h"
#include "windows/forms/twips.h"
#include "windows/main/main_window.h"
#include "windows/plain_belt/plain_editor.h"

#include "pictures/picture_store.h"
#include "windows/forms/image_control.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolTip>

using namespace kx;
using namespace Qt::StringLiterals;

namespace {

const QString CopyCaption = QStringLiteral("Kopieren");

// The program started with its timers held, and woM opened from the menu.
struct PlainEditor
{
    TestProgram program;
    MainWindow& main;
    PlainBeltEditor* woM;

    // Without a main text file the start-up fails before any wording is
    // applied, so the editor shows its design texts.
    explicit PlainEditor(bool open = true, bool worded = true) : main(start(program, worded))
    {
        program.holdTimers();
        program.forms->wording().copyCaption = CopyCaption;
        if (open)
            main.newPlainAction->trigger();
        woM = &program.forms->window<PlainBeltEditor>();
    }

    static MainWindow& start(TestProgram& program, bool worded)
    {
        if (!worded)
            program.removeFile(QStringLiteral("47-318-xx.ini"));
        return program.start();
    }

    void tick() { main.Timer_Antrieb_Timer(); }
    QString code() const { return woM->Text_Bestellnummer->text(); }

    // Features as the text pass leaves them: codes stored, boxes captioned and shown.
    void defineFeatures(const QStringList& codes)
    {
        FeatureList& features = program.forms->wording().plainFeatures;
        features.count = int(codes.size());
        for (int i = 0; i < codes.size(); ++i) {
            features.codes[std::size_t(i)] = codes[i];
            woM->Check_Optional[std::size_t(i)]->setText(QStringLiteral("Merkmal ") + codes[i]);
            woM->Check_Optional[std::size_t(i)]->show();
        }
        for (std::size_t i = std::size_t(codes.size()); i < woM->Check_Optional.size(); ++i)
            woM->Check_Optional[i]->hide();
        program.document().setFeatureCodes(program.wording().featureCodes());
    }

    // The name of the belt picture on show.
    QString picture() const
    {
        const QPixmap& shown = woM->Image_Band_oM->picture();
        // A picture fetched when first shown was given its size beforehand.
        if (woM->Image_Band_oM->size() != shown.deviceIndependentSize().toSize())
            return QStringLiteral("(sized apart from its picture)");
        const qint64 key = shown.cacheKey();
        for (int length = 300; length <= 1500; length += 100)
            for (QChar side : {QLatin1Char('R'), QLatin1Char('L')})
                if (program.forms->beltPictures().Picture_oM(length, side).cacheKey() == key)
                    return BeltPictureStore::beltPictureName(length, side);
        return QStringLiteral("(none)");
    }
};

void clickArrow(QScrollBar* bar, bool right)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.pageStep = bar->pageStep();
    const QRect arrow = bar->style()->subControlRect(
        QStyle::CC_ScrollBar, &option,
        right ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine, bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, arrow.center());
}

// A check box takes clicks on its box and caption only.
void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

} // namespace

class PlainEditorTest : public QObject
{
    Q_OBJECT
private slots:
    void designStateAndLoad();
    void openingKeepsBeltAndClearsFeatures();
    void lengthAndDirectionPickPicture();
    void widthHasTwoPositionsAndDragsSnap();
    void keysStepTheBars_data();
    void keysStepTheBars();
    void featuresInBoxOrder();
    void featuresFromLanguageFile();
    void noFeaturesNoCheckBox();
    void saveEnabledByFirstBuild();
    void copyStateCopiesCodeShown();
    void typedValues_data();
    void typedValues();
    void idleTickRepaintsNothing();
};

void PlainEditorTest::designStateAndLoad()
{
    PlainEditor e(false, false);
    PlainBeltEditor* woM = e.woM;
    QCOMPARE(woM->Caption(), QStringLiteral("Förderband, ohne Seitenmodule"));
    QCOMPARE(woM->Command_Bestellnummer->text(), QStringLiteral("Bestell-Nummer erstellen"));
    QCOMPARE(woM->Text_Bestellnummer->text(), QStringLiteral("KX-xxx-xx-x-x"));
    QVERIFY(woM->Text_Bestellnummer->isHidden());
    for (QCheckBox* box : woM->Check_Optional)
        QVERIFY(box->isHidden());
    QCOMPARE(woM->Image_Band_oM->pos(), twipsPoint(540, 1080));
    QCOMPARE(woM->Image_Band_oM->size(),
             woM->Image_Band_oM->picture().deviceIndependentSize().toSize());

    // Load: the shortest belt, running right.
    QVERIFY(woM->Option_Rechts->isChecked());
    QCOMPARE(woM->Text_Bandlaenge->text(), QStringLiteral("300"));
    QCOMPARE(woM->Text_Bandbreite->text(), QStringLiteral("40"));
    QCOMPARE(e.picture(), QStringLiteral("Picture_oM300R"));

    // Tab order: as the controls stand, top to bottom and left to right.
    const QList<QWidget*> expected = {woM->HScroll_Bandlaenge,    woM->Option_Rechts,
                                      woM->Option_Links,          woM->HScroll_Bandbreite,
                                      woM->Check_Optional[0],     woM->Check_Optional[5],
                                      woM->Command_Bestellnummer, woM->Text_Bestellnummer};
    QList<QWidget*> chain;
    QWidget* widget = woM->HScroll_Bandlaenge;
    for (int i = 0; i < 40; ++i, widget = widget->nextInFocusChain())
        if (expected.contains(widget) && !chain.contains(widget))
            chain.append(widget);
    QCOMPARE(chain, expected);
}

void PlainEditorTest::openingKeepsBeltAndClearsFeatures()
{
    PlainEditor e;
    e.defineFeatures({QStringLiteral("RS"), QStringLiteral("BL")});
    for (int i = 0; i < 5; ++i)
        clickArrow(e.woM->HScroll_Bandlaenge, true);
    QTest::mouseClick(e.woM->Option_Links, Qt::LeftButton);
    clickBox(e.woM->Check_Optional[1]);
    e.tick();
    QCOMPARE(e.code(), QStringLiteral("KX40-800-L-BL"));

    Form* start = e.program.forms->window(QStringLiteral("wStart"));
    start->Show();
    e.main.newPlainAction->trigger();
    QCOMPARE(e.code(), QStringLiteral("KX40-300-R"));
    QVERIFY(e.woM->Visible() && !start->Visible());
    QVERIFY(e.main.newPlainAction->isChecked() && !e.main.newRightAction->isChecked());
    QCOMPARE(e.woM->Command_Bestellnummer->text(), CopyCaption);
    for (QCheckBox* box : {e.woM->Check_Optional[0], e.woM->Check_Optional[1]})
        QVERIFY(!box->isChecked() && !box->isHidden() && box->isEnabled());
    e.tick();
    QCOMPARE(e.code(), QStringLiteral("KX40-800-L"));
    QCOMPARE(e.picture(), QStringLiteral("Picture_oM800L"));
}

void PlainEditorTest::lengthAndDirectionPickPicture()
{
    PlainEditor e;
    clickArrow(e.woM->HScroll_Bandlaenge, true);
    QCOMPARE(e.woM->Text_Bandlaenge->text(), QStringLiteral("400"));
    QCOMPARE(e.picture(), QStringLiteral("Picture_oM400R"));
    QCOMPARE(e.code(), QStringLiteral("KX40-300-R")); // the code follows on the tick
    e.tick();
    QCOMPARE(e.code(), QStringLiteral("KX40-400-R"));

    e.woM->HScroll_Bandlaenge->setValue(1200);
    QTest::mouseClick(e.woM->Option_Links, Qt::LeftButton);
    QCOMPARE(e.picture(), QStringLiteral("Picture_oM1200L"));
    QTest::mouseClick(e.woM->Option_Rechts, Qt::LeftButton);
    QCOMPARE(e.picture(), QStringLiteral("Picture_oM1200R"));

    // A value set from code, as the loader does, is taken as it is; a length
    // without a picture keeps the last one.
    e.woM->HScroll_Bandlaenge->setValue(1250);
    QCOMPARE(e.woM->Text_Bandlaenge->text(), QStringLiteral("1250"));
    QCOMPARE(e.picture(), QStringLiteral("Picture_oM1200R"));
}

void PlainEditorTest::widthHasTwoPositionsAndDragsSnap()
{
    PlainEditor e;
    QScrollBar* width = e.woM->HScroll_Bandbreite;
    QStringList seen;
    for (bool right : {true, true, false, false}) {
        clickArrow(width, right);
        seen.append(e.woM->Text_Bandbreite->text());
    }
    QCOMPARE(seen, QStringList({u"80"_s, u"80"_s, u"40"_s, u"40"_s}));

    width->setSliderDown(true);
    width->setSliderPosition(61);
    width->setSliderDown(false);
    QScrollBar* length = e.woM->HScroll_Bandlaenge;
    length->setSliderDown(true);
    length->setSliderPosition(1140);
    QCOMPARE(e.woM->Text_Bandlaenge->text(), QStringLiteral("1100"));
    length->setSliderPosition(1160);
    length->setSliderDown(false);
    QCOMPARE(e.picture(), QStringLiteral("Picture_oM1200R"));
    e.tick();
    QCOMPARE(e.code(), QStringLiteral("KX80-1200-R"));
}

void PlainEditorTest::keysStepTheBars_data()
{
    QTest::addColumn<bool>("length");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    const struct
    {
        const char* name;
        int key;
        int length;
        int width;
    } rows[] = {
        {"Right", Qt::Key_Right, 900, 80},    {"Up", Qt::Key_Up, 900, 80},
        {"Page Up", Qt::Key_PageUp, 900, 80}, {"Left", Qt::Key_Left, 700, 40},
        {"Down", Qt::Key_Down, 700, 40},      {"Page Down", Qt::Key_PageDown, 700, 40},
        {"Home", Qt::Key_Home, 300, 40},      {"End", Qt::Key_End, 1500, 80},
    };
    for (const auto& row : rows) {
        QTest::addRow("length, %s", row.name) << true << 800 << row.key << row.length;
        const int from = row.width == 80 ? 40 : 80;
        QTest::addRow("width, %s", row.name) << false << from << row.key << row.width;
    }
}

// Like any value bar: Right, Up and Page Up raise, Left, Down and Page Down lower.
void PlainEditorTest::keysStepTheBars()
{
    QFETCH(bool, length);
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    PlainEditor e;
    QScrollBar* bar = length ? e.woM->HScroll_Bandlaenge : e.woM->HScroll_Bandbreite;
    bar->setValue(from);
    QTest::keyClick(bar, Qt::Key(key));
    QCOMPARE(bar->value(), to);
    QCOMPARE((length ? e.woM->Text_Bandlaenge : e.woM->Text_Bandbreite)->text(),
             QString::number(to));
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
    QCOMPARE(e.program.document().shownCode(), e.code());
    QVERIFY(e.woM->Check_Optional[4]->isHidden());
}

void PlainEditorTest::featuresFromLanguageFile()
{
    PlainEditor e;
    const Wording& v = e.program.wording();
    QCOMPARE(v.plainFeatures.count, 6);
    for (QCheckBox* box : e.woM->Check_Optional) {
        QVERIFY(!box->isHidden());
        QVERIFY(box->text() != QStringLiteral("Check1"));
    }
    QCOMPARE(e.woM->Option_Links->text(), QStringLiteral("links"));
    QCOMPARE(e.woM->Command_Bestellnummer->text(), v.copyCaption);
    clickBox(e.woM->Check_Optional[2]);
    clickBox(e.woM->Check_Optional[0]);
    e.tick();
    QCOMPARE(e.code(), QStringLiteral("KX40-300-R-") + v.plainFeatures.codes[0] + QLatin1Char('-') +
                           v.plainFeatures.codes[2]);
}

void PlainEditorTest::noFeaturesNoCheckBox()
{
    TestProgram program;
    // A language file whose feature list ends at once.
    program.writeFile(QStringLiteral("Deutsch.ini"),
                      "[OPTIONAL_OM]\r\noptional:\r\nXXXXX\r\n\r\n\r\n\r\n\r\n\r\n");
    MainWindow& main = program.start();
    program.holdTimers();
    QCOMPARE(program.wording().plainFeatures.count, 0);
    main.newPlainAction->trigger();
    main.Timer_Antrieb_Timer();
    auto* woM = &program.forms->window<PlainBeltEditor>();
    for (QCheckBox* box : woM->Check_Optional)
        QVERIFY(box->isHidden());
    QCOMPARE(woM->Text_Bestellnummer->text(), QStringLiteral("KX40-300-R"));
}

void PlainEditorTest::saveEnabledByFirstBuild()
{
    PlainEditor e;
    QVERIFY(!e.main.saveAction->isEnabled());
    e.tick();
    QVERIFY(e.main.saveAction->isEnabled());
    e.main.newPlainAction->trigger();
    QVERIFY(!e.main.saveAction->isEnabled());
}

void PlainEditorTest::copyStateCopiesCodeShown()
{
    PlainEditor e;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("something else"));
    e.tick();
    QTest::mouseClick(e.woM->Command_Bestellnummer, Qt::LeftButton);
    QCOMPARE(clipboard->text(), QStringLiteral("KX40-300-R"));
    QCOMPARE(clipboard->mimeData()->formats(), QStringList({u"text/plain"_s}));
    // A note by the button confirms it, worded from the language file; the
    // caption stays.
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Kopiert: KX40-300-R"));
    QCOMPARE(e.woM->Command_Bestellnummer->text(), CopyCaption);

    // Changed less than a tick ago: the copy is the code on show.
    clickArrow(e.woM->HScroll_Bandlaenge, true);
    QTest::mouseClick(e.woM->Command_Bestellnummer, Qt::LeftButton);
    QCOMPARE(clipboard->text(), QStringLiteral("KX40-300-R"));
    e.tick();
    QTest::mouseClick(e.woM->Command_Bestellnummer, Qt::LeftButton);
    QCOMPARE(clipboard->text(), QStringLiteral("KX40-400-R"));
}

void PlainEditorTest::idleTickRepaintsNothing()
{
    PlainEditor e;
    QVERIFY(QTest::qWaitForWindowExposed(&e.main));
    e.tick();
    // Whatever the window's coming to the front repaints (the focus frame
    // among it) is done before the counting starts.
    QTest::qWait(30);
    PaintCounter counter(e.woM);
    e.tick();
    e.tick();
    QCoreApplication::processEvents();
    QCOMPARE(counter.painted, QStringList());

    // The counter does see a tick that changes the code.
    clickArrow(e.woM->HScroll_Bandlaenge, true);
    QCoreApplication::processEvents();
    counter.painted.clear();
    e.tick();
    QCoreApplication::processEvents();
    QVERIFY(counter.painted.contains(QStringLiteral("Text_Bestellnummer")));
}

void PlainEditorTest::typedValues_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // after Enter
    QTest::newRow("a length the bar has") << u"Text_Bandlaenge"_s << u"700"_s << u"700"_s;
    QTest::newRow("the longest") << u"Text_Bandlaenge"_s << u" 1500 "_s << u"1500"_s;
    QTest::newRow("between the steps") << u"Text_Bandlaenge"_s << u"750"_s << u"300"_s;
    QTest::newRow("too long") << u"Text_Bandlaenge"_s << u"1600"_s << u"300"_s;
    QTest::newRow("no number") << u"Text_Bandlaenge"_s << u"7OO"_s << u"300"_s;
    QTest::newRow("the wide belt") << u"Text_Bandbreite"_s << u"80"_s << u"80"_s;
    QTest::newRow("another width") << u"Text_Bandbreite"_s << u"60"_s << u"40"_s;
}

// A value typed and confirmed with Enter is taken when the bar could reach
// it, else put back; the code follows within a tick.
void PlainEditorTest::typedValues()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    PlainEditor e;
    auto* edit = e.woM->findChild<QLineEdit*>(box);
    QVERIFY(edit->isEnabled() && !edit->isReadOnly());
    edit->setText(typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), shown);
    e.tick();
    QVERIFY2(e.code().contains(QLatin1Char('-') + shown) ||
                 e.code().startsWith(QStringLiteral("KX") + shown),
             qPrintable(e.code()));
    // A loaded belt's boxes take nothing.
    e.program.writeFile(QStringLiteral("b.dat"), "oKX80-900-L\r\n");
    e.program.load(e.program.path(QStringLiteral("b.dat")));
    QVERIFY(edit->isReadOnly() && !edit->isEnabled());
}

QTEST_MAIN(PlainEditorTest)
#include "plain_editor_test.moc"

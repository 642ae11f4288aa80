#include "belt_driver.h"
#include "belt_rows.h"
#include "rules/order_code.h"
#include "rules/type_codes.h"
#include "windows/forms/image_control.h"
#include "windows/forms/keyed_toolbar.h"
#include "windows/main/main_window.h"
#include "windows/modular_belt/modular_editor.h"
#include "windows/plain_belt/plain_editor.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>

using namespace kx;
using namespace Qt::StringLiterals;

namespace {

// A started program, its modular editor driven by BeltDriver, with the
// steps the revisions need besides.
struct Reviser : BeltDriver
{
    PlainBeltEditor* woM() const { return &program.forms->window<PlainBeltEditor>(); }

    void load(const QString& line)
    {
        program.writeFile(QStringLiteral("belt.dat"), line.toUtf8() + "\r\n");
        program.load(program.path(QStringLiteral("belt.dat")));
    }
    void loadPieces(const std::vector<int>& pieces, bool right)
    {
        Belt belt;
        belt.kind = BeltKind::Modular;
        belt.rightRunning = right;
        belt.pieces = pieces;
        load(beltLine(belt, document().featureCodes()));
    }
    void ticks()
    {
        tickModule();
        tickDrive();
    }
    bool plainInFront() const { return main->newPlainAction->isChecked(); }
    bool undoOffered() const { return main->undoAction->isEnabled(); }
    bool redoOffered() const { return main->redoAction->isEnabled(); }

    // What the user sees of the belt in front, marks aside.
    QStringList belt() const
    {
        QStringList seen;
        const auto boxes = [&seen](const std::array<QCheckBox*, FeatureCount>& features) {
            for (QCheckBox* box : features)
                seen << QString::number(box->isChecked());
        };
        if (plainInFront()) {
            PlainBeltEditor* plain = woM();
            seen << plain->Text_Bestellnummer->text() << plain->Text_Bandlaenge->text()
                 << plain->Text_Bandbreite->text()
                 << QString::number(plain->Option_Rechts->isChecked())
                 << QString::number(plain->Image_Band_oM->picture().cacheKey());
            boxes(plain->Check_Optional);
            return seen;
        }
        seen << code() << lengthText() << e->Text_Bandbreite->text() << row() << shownSlots()
             << shownDrives();
        for (int left : lefts())
            seen << QString::number(left);
        boxes(e->Check_Optional);
        return seen;
    }
};

// The key of the other piece of the same kind and running direction.
QString otherPiece(int type)
{
    const TypeCode* piece = typeCode(type);
    const QString side =
        piece->running == Running::Left ? QStringLiteral("-L") : QStringLiteral("-R");
    const QString family = QString::fromLatin1(piece->family);
    const QHash<QString, QString> other = {
        {u"AG"_s, u"AC"_s}, {u"AC"_s, u"AG"_s}, {u"EG"_s, u"EV"_s}, {u"EV"_s, u"EG"_s},
        {u"G"_s, u"C"_s},   {u"C"_s, u"V"_s},   {u"V"_s, u"G"_s}};
    return piece->kind == PieceKind::Middle ? other[family] : other[family] + side;
}

} // namespace

class RevisionsTest : public QObject
{
    Q_OBJECT
private slots:
    void editLoadedBelt_data();
    void editLoadedBelt();
    void editOfferedForLoadedBeltOnly_data();
    void editOfferedForLoadedBeltOnly();
    void undoRedoFollowRandomChanges();
};

void RevisionsTest::editLoadedBelt_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QList<int>>("features");
    QTest::newRow("plain, right") << "oKX40-700-R" << QList<int>{1, 3};
    QTest::newRow("plain, left") << "oKX80-1500-L" << QList<int>{};
    QTest::newRow("modular, right") << "mKX40-700-R-AC-2GCV-EV" << QList<int>{0, 5};
    QTest::newRow("modular, left") << "mKX80-1100-L-AG-GC2V4G-EG" << QList<int>{2};
    QTest::newRow("modular, right, 14 pieces") << "mKX40-1500-R-AG-12G-EV" << QList<int>{};
    QTest::newRow("modular, left, begin and end") << "mKX40-300-L-AC-EV" << QList<int>{};
}

// The loaded belt comes back in an editor that could have built it: the
// same code, and every control and piece open to change.
void RevisionsTest::editLoadedBelt()
{
    QFETCH(QString, line);
    QFETCH(QList<int>, features);
    Reviser w;
    const bool plain = line.startsWith(QLatin1Char('o'));
    const Wording& v = w.wording();
    QString code = line.mid(1);
    for (int i : features)
        code +=
            QLatin1Char('-') + (plain ? v.plainFeatures : v.modularFeatures).codes[std::size_t(i)];
    w.load(line.left(1) + code);
    w.ticks();
    const QStringList loaded = w.belt();
    QVERIFY(w.main->editBeltAction->isEnabled());

    w.main->editBeltAction->trigger();
    QVERIFY(w.program.boxes.shown.isEmpty());
    QVERIFY(!w.main->editBeltAction->isEnabled());
    QVERIFY(!w.undoOffered() && !w.redoOffered());
    w.ticks();
    QCOMPARE(w.belt(), loaded);
    QCOMPARE(plain ? w.woM()->Text_Bestellnummer->text() : w.code(), code);

    if (plain) {
        PlainBeltEditor* woM = w.woM();
        for (QWidget* open : std::initializer_list<QWidget*>{
                 woM->HScroll_Bandlaenge, woM->HScroll_Bandbreite, woM->Option_Rechts,
                 woM->Option_Links, woM->Check_Optional[0], woM->Check_Optional[5]})
            QVERIFY(open->isEnabled());
        return;
    }
    const bool right = line.contains(QLatin1String("-R-"));
    QCOMPARE((right ? w.e->Toolbar_Rechts : w.e->Toolbar_Links)->isHidden(), false);
    QVERIFY(w.e->HScroll_Bandbreite->isEnabled() && w.e->Check_Optional[0]->isEnabled());
    // Each piece replaced by the other of its kind, as the editor allows.
    for (int k = 0; k < w.count(); ++k) {
        const int before = w.document().belt().pieces[std::size_t(k)];
        w.doubleClick(k);
        w.press(otherPiece(before));
        w.tickModule();
        QVERIFY2(w.document().belt().pieces[std::size_t(k)] != before,
                 qPrintable(QString::number(k)));
    }
    QVERIFY(w.messages().isEmpty());
    w.tickDrive();
    QVERIFY(w.code() != code);
}

void RevisionsTest::editOfferedForLoadedBeltOnly_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("undo");
    const QString plain = QStringLiteral("load:oKX40-300-R");
    const QString modular = QStringLiteral("load:mKX40-600-R-AC-2GC-EV");
    QTest::newRow("new belt") << "" << false << false;
    QTest::newRow("start dialog after a reload") << "switch" << false << false;
    QTest::newRow("plain loaded") << plain << true << false;
    QTest::newRow("modular loaded") << modular << true << false;
    QTest::newRow("loaded, then new") << modular + u" right"_s << false << false;
    QTest::newRow("loaded, then new of another kind") << plain + u" left"_s << false << false;
    QTest::newRow("loaded, then edited") << modular + u" edit"_s << false << false;
    QTest::newRow("loaded, a piece deleted") << modular + u" delete"_s << true << true;
    QTest::newRow("loaded, a load refused") << plain + u" load:oKX40-9-R"_s << true << false;
    QTest::newRow("a plain file's length written 0300") << u"load:oKX40-0300-R"_s << false << false;
    QTest::newRow("loaded, language switched") << modular + u" delete switch"_s << false << false;
    QTest::newRow("edited, changed") << modular + u" edit delete"_s << false << true;
    QTest::newRow("edited, changed, new") << modular + u" edit delete plain"_s << false << false;
}

// Edit this belt while a loaded, locked belt is in front, and only then;
// every set-up starts the history afresh.
void RevisionsTest::editOfferedForLoadedBeltOnly()
{
    QFETCH(QString, steps);
    QFETCH(bool, edit);
    QFETCH(bool, undo);
    Reviser w;
    const QHash<QString, QString> newBelt = {
        {u"plain"_s, u"band_om"_s}, {u"right"_s, u"band_rechts"_s}, {u"left"_s, u"band_links"_s}};
    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step.startsWith(QLatin1String("load:"))) {
            w.load(step.mid(5));
        } else if (step == QLatin1String("edit")) {
            w.main->editBeltAction->trigger();
        } else if (step == QLatin1String("delete")) {
            w.mark(QStringLiteral("c1 del"));
            w.tickModule();
        } else if (step == QLatin1String("switch")) {
            w.main = &w.program.switchLanguage("sprache2");
        } else {
            w.main->menuItem(newBelt[step])->trigger();
        }
    }
    QCOMPARE(w.main->editBeltAction->isEnabled(), edit);
    QCOMPARE(w.undoOffered(), undo);
    QVERIFY(!w.redoOffered());
}

namespace {
// A fresh belt of one kind: new, loaded and locked, or loaded and edited.
void setUpWalk(Reviser& w, QRandomGenerator& random, const QString& kind, bool right)
{
    if (kind == QLatin1String("plain")) {
        w.main->newPlainAction->trigger();
        return;
    }
    if (kind == QLatin1String("new")) {
        w.setUp(right);
        return;
    }
    QString pieces = random.bounded(2) ? QStringLiteral("AG") : QStringLiteral("AC");
    for (int i = int(random.bounded(12)); i > 0; --i)
        pieces += QStringLiteral(" ") + QLatin1Char("GCV"[random.bounded(3)]);
    pieces += random.bounded(2) ? QStringLiteral(" EG") : QStringLiteral(" EV");
    w.loadPieces(piecesOf(pieces, right), right);
    if (kind == QLatin1String("edited"))
        w.main->editBeltAction->trigger();
}

QAbstractSlider::SliderAction randomStep(QRandomGenerator& random)
{
    return random.bounded(2) ? QAbstractSlider::SliderSingleStepAdd
                             : QAbstractSlider::SliderSingleStepSub;
}

// One thing a user does to the editor in front, changing the belt or not
// (a mark, a refused request, a disabled control); returns its name.
QString tryChange(Reviser& w, QRandomGenerator& random, bool right)
{
    const int roll = int(random.bounded(100));
    const int feature = int(random.bounded(FeatureCount));
    if (w.plainInFront()) {
        PlainBeltEditor* woM = w.woM();
        QScrollBar* bar = roll < 50 ? woM->HScroll_Bandlaenge : woM->HScroll_Bandbreite;
        if (roll < 25) {
            // A drag over several steps is one change.
            bar->setSliderDown(true);
            for (int i = 0; i < 2; ++i)
                bar->setSliderPosition(bar->minimum() +
                                       int(random.bounded(bar->maximum() - bar->minimum() + 1)));
            bar->setSliderDown(false);
            return QStringLiteral("drag");
        }
        if (roll < 65) {
            bar->triggerAction(randomStep(random));
            return QStringLiteral("step");
        }
        if (roll < 80) {
            (random.bounded(2) ? woM->Option_Rechts : woM->Option_Links)->click();
            return QStringLiteral("direction");
        }
        woM->Check_Optional[std::size_t(feature)]->click();
        return QStringLiteral("f%1").arg(feature);
    }
    const int n = w.count();
    const bool locked = w.e->Toolbar_Rechts->isHidden() && w.e->Toolbar_Links->isHidden();
    if (roll < 50 && !locked) {
        const QString side = right ? QStringLiteral("-R") : QStringLiteral("-L");
        const QStringList keys = {u"AG"_s + side, u"AC"_s + side, u"G"_s,        u"C"_s,
                                  u"V"_s,         u"EG"_s + side, u"EV"_s + side};
        const QString key = keys[int(random.bounded(keys.size()))];
        w.press(key);
        return key;
    }
    if (roll < 75 && n > 0) {
        const QString mark = (random.bounded(3) ? QStringLiteral("c%1") : QStringLiteral("d%1"))
                                 .arg(random.bounded(n));
        w.mark(mark);
        return mark;
    }
    if (roll < 85) {
        w.releaseDelete();
        return QStringLiteral("del");
    }
    if (roll < 92) {
        w.e->HScroll_Bandbreite->triggerAction(randomStep(random));
        return QStringLiteral("width");
    }
    w.e->Check_Optional[std::size_t(feature)]->click();
    return QStringLiteral("f%1").arg(feature);
}
} // namespace

// Any sequence of changes in either editor, with undo and redo among them:
// each undo gives the belt before the last change, each redo the one after
// it, with nothing marked; undone completely, the starting belt and code,
// redone completely, the final ones.
void RevisionsTest::undoRedoFollowRandomChanges()
{
    Reviser w;
    QRandomGenerator random(20250219);
    const QStringList kinds = {u"plain"_s, u"new"_s, u"loaded"_s, u"edited"_s};
    int changes = 0;
    for (int walk = 0; walk < 160; ++walk) {
        const QString kind = kinds[walk % kinds.size()];
        const bool right = random.bounded(2);
        setUpWalk(w, random, kind, right);
        w.ticks();
        // The belts the history should hold, and which of them is in front.
        QList<QStringList> states{w.belt()};
        int position = 0;
        QStringList trail;
        // What is wrong after a step, empty when nothing is.
        const auto check = [&](const QString& step) {
            trail << step;
            if (w.belt() != states[position])
                return QStringLiteral("belt %1, expected %2")
                    .arg(w.belt().join(QLatin1Char(' ')), states[position].join(QLatin1Char(' ')));
            if (w.undoOffered() != (position > 0) ||
                w.redoOffered() != (position + 1 < states.size()))
                return QStringLiteral("undo offered %1, redo %2")
                    .arg(w.undoOffered())
                    .arg(w.redoOffered());
            return QString();
        };
        const auto undoRedo = [&](bool back) {
            const bool offered = back ? w.undoOffered() : w.redoOffered();
            // Ctrl+Z right after Delete, before the engine's tick: the
            // request goes with the belt it was made on.
            const int n = w.count();
            if (offered && !w.plainInFront() && n > 0 && random.bounded(4) == 0)
                w.mark(QStringLiteral("c%1 del").arg(random.bounded(n)));
            (back ? w.main->undoAction : w.main->redoAction)->trigger();
            w.ticks();
            if (offered)
                position += back ? -1 : 1;
            const QString broken = check(back ? QStringLiteral("undo") : QStringLiteral("redo"));
            const bool marked = !w.plainInFront() && (w.document().markState() != NothingMarked ||
                                                      w.variants().contains(QLatin1Char('1')) ||
                                                      w.variants().contains(QLatin1Char('2')));
            return offered && marked ? QStringLiteral("a piece left marked") : broken;
        };
        const auto where = [&](const QString& broken) {
            return QStringLiteral("%1 after %2: %3")
                .arg(kind, trail.join(QLatin1Char(' ')), broken);
        };

        for (int step = 0, steps = 10 + int(random.bounded(40)); step < steps; ++step) {
            if (random.bounded(100) < 18) {
                const QString broken = undoRedo(random.bounded(3) != 0);
                QVERIFY2(broken.isEmpty(), qPrintable(where(broken)));
                continue;
            }
            const QString name = tryChange(w, random, right);
            w.ticks();
            if (w.belt() != states[position]) {
                states.erase(states.begin() + position + 1, states.end());
                states.append(w.belt());
                ++position;
            }
            const QString broken = check(name);
            QVERIFY2(broken.isEmpty(), qPrintable(where(broken)));
        }
        changes += position;
        while (position > 0) {
            const QString broken = undoRedo(true);
            QVERIFY2(broken.isEmpty(), qPrintable(where(broken)));
        }
        while (position + 1 < states.size()) {
            const QString broken = undoRedo(false);
            QVERIFY2(broken.isEmpty(), qPrintable(where(broken)));
        }
    }
    // The walks made many changes to take back, in every kind of editor.
    QVERIFY2(changes > 500, qPrintable(QString::number(changes)));
}

QTEST_MAIN(RevisionsTest)
#include "revisions_test.moc"

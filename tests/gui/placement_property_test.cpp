#include "belt_driver.h"
#include "rules/belt_file.h"
#include "rules/run_error.h"
#include "rules/slot_layout.h"
#include "rules/type_codes.h"
#include "windows/forms/image_control.h"
#include "windows/main/main_window.h"
#include "windows/modular_belt/modular_editor.h"

#include <QAction>
#include <QRandomGenerator>
#include <QTest>

using namespace kx;
using namespace Qt::StringLiterals;

namespace {
// Checks every invariant of the row and of what wmM shows of it; returns the
// first one broken, empty when all hold.
class RowChecker
{
public:
    explicit RowChecker(BeltDriver& w) : w_(w) {}

    QString afterModuleTick(const QString& rowBefore, int boxesBefore) const
    {
        if (w_.document().requestPending())
            return QStringLiteral("request left pending");
        const int boxes = w_.program.boxes.shown.size() - boxesBefore;
        if (boxes > 1)
            return QStringLiteral("%1 boxes in one tick").arg(boxes);
        if (boxes == 1 && w_.row() != rowBefore)
            return QStringLiteral("a refusal changed the row");
        return row();
    }

    QString afterDriveTick() const
    {
        if (QString broken = row(); !broken.isEmpty())
            return broken;
        const std::vector<int>& pieces = w_.document().belt().pieces;
        const int n = int(pieces.size());
        int length = 0;
        int drive = -1;
        for (int k = 0; k < n; ++k) {
            const int type = pieces[std::size_t(k)];
            length += isMiddleModule(type) ? 100 : 150;
            if (drive < 0 && type == type_code::C)
                drive = k;
        }
        if (drive < 0)
            drive =
                n > 0 && (pieces[0] == type_code::AC_R || pieces[0] == type_code::AC_L) ? 0 : n / 2;
        if (w_.lengthText() != QString::number(length))
            return QStringLiteral("length %1, expected %2").arg(w_.lengthText()).arg(length);
        const QString drives = n == 0 ? QString() : QString::number(drive);
        if (w_.shownDrives() != drives)
            return QStringLiteral("drive slots '%1', expected '%2'").arg(w_.shownDrives(), drives);
        if (w_.code() != w_.document().shownCode())
            return QStringLiteral("code shown is not the code built");
        return codeParsesBack();
    }

private:
    QString row() const
    {
        const BeltDocument& doc = w_.document();
        const std::vector<int>& pieces = doc.belt().pieces;
        const bool right = w_.main->newRightAction->isChecked();
        const int n = int(pieces.size());
        const bool closed = n > 0 && isEndPiece(pieces.back());
        if (n > (closed ? 14 : 13))
            return QStringLiteral("%1 pieces").arg(n);
        for (int k = 0; k < n; ++k) {
            const TypeCode* piece = typeCode(pieces[std::size_t(k)]);
            const PieceKind kind = k == 0                 ? PieceKind::Begin
                                   : k == n - 1 && closed ? PieceKind::End
                                                          : PieceKind::Middle;
            if (!piece || piece->kind != kind)
                return QStringLiteral("position %1 holds type %2")
                    .arg(k)
                    .arg(pieces[std::size_t(k)]);
            if (piece->running != Running::Either &&
                piece->running != (right ? Running::Right : Running::Left))
                return QStringLiteral("position %1 runs the other way").arg(k);
        }
        if (doc.markState() != NothingMarked && doc.markedPosition() >= n)
            return QStringLiteral("mark on position %1 of %2").arg(doc.markedPosition()).arg(n);
        return slotPictures();
    }

    QString slotPictures() const
    {
        const BeltDocument& doc = w_.document();
        const std::vector<int>& pieces = doc.belt().pieces;
        const bool right = w_.main->newRightAction->isChecked();
        const int n = int(pieces.size());
        int expectedLeft = 0;
        for (int k = 0; k < SlotCount; ++k) {
            const ImageControl* slot = w_.e->Image_Modul[std::size_t(k)];
            if (slot->isHidden() != (k >= n))
                return QStringLiteral("slot %1 shown %2 with %3 pieces")
                    .arg(k)
                    .arg(!slot->isHidden())
                    .arg(n);
            if (k >= n)
                continue;
            const int state = doc.markState();
            const int marked = state == DoubleClicked ? 2 : state == NothingMarked ? 0 : 1;
            const int wanted = k == doc.markedPosition() ? marked : 0;
            if (w_.variant(k) != wanted)
                return QStringLiteral("slot %1 shows variant %2, not %3")
                    .arg(k)
                    .arg(w_.variant(k))
                    .arg(wanted);
            const int width = typeCode(pieces[std::size_t(k)])->slotWidth;
            if (w_.widthTwips(k) != width)
                return QStringLiteral("slot %1 is %2 wide").arg(k).arg(w_.widthTwips(k));
            // Right-running rows keep their places; left-running ones sit flush.
            if (right || k == 0)
                expectedLeft = moduleSlotLeft(right, k);
            else
                expectedLeft -= width;
            if (w_.e->moduleSlotLeftTwips(k) != expectedLeft)
                return QStringLiteral("slot %1 at %2, expected %3")
                    .arg(k)
                    .arg(w_.e->moduleSlotLeftTwips(k))
                    .arg(expectedLeft);
        }
        return QString();
    }

    QString codeParsesBack() const
    {
        const BeltDocument& doc = w_.document();
        Belt belt;
        try {
            belt = readBeltLine(QLatin1Char('m') + w_.code(), doc.featureCodes());
        } catch (const RunError& error) {
            return QStringLiteral("code %1 does not read back: %2")
                .arg(w_.code())
                .arg(error.number);
        }
        if (belt.pieces != doc.belt().pieces ||
            belt.rightRunning != w_.main->newRightAction->isChecked())
            return QStringLiteral("code %1 reads back as another row").arg(w_.code());
        return QString();
    }

    BeltDriver& w_;
};
} // namespace

class PlacementPropertyTest : public QObject
{
    Q_OBJECT
private slots:
    void randomRequestsKeepTheRowSound();
};

void PlacementPropertyTest::randomRequestsKeepTheRowSound()
{
    BeltDriver w;
    RowChecker check(w);
    QRandomGenerator random(20240611);
    const QStringList rightKeys = listOf(u"AG-R|AC-R|G|C|V|EG-R|EV-R"_s);
    const QStringList leftKeys = listOf(u"AG-L|AC-L|G|C|V|EG-L|EV-L"_s);
    QSet<int> messages;
    QSet<int> counts;
    int fullBelts = 0;

    for (int walk = 0; walk < 3000; ++walk) {
        const bool right = walk % 2 == 0;
        // Every third walk is a user who builds a long belt, waiting for each
        // piece to appear; the others try anything in any order.
        const bool builder = walk % 3 == 2;
        w.setUp(right);
        w.program.boxes.shown.clear();
        const int steps = 8 + int(random.bounded(150));
        bool full = false;
        QStringList trail;
        QString broken;
        auto tickModule = [&] {
            trail << QStringLiteral("tick");
            const QString before = w.row();
            const int boxes = w.program.boxes.shown.size();
            w.tickModule();
            broken = check.afterModuleTick(before, boxes);
        };
        for (int step = 0; step < steps && broken.isEmpty(); ++step) {
            const int n = w.count();
            const int roll = int(random.bounded(100));
            if (roll < 35) {
                // Middle modules most, end pieces rarely for the builder.
                const int pick = int(random.bounded(builder ? 20 : 10));
                const int key = builder ? (pick < 17   ? 2 + pick % 3
                                           : pick < 19 ? pick - 17
                                                       : 5)
                                        : (pick < 6   ? 2 + pick % 3
                                           : pick < 8 ? pick - 6
                                                      : pick - 3);
                const QString& name = (right ? rightKeys : leftKeys)[key];
                trail << name;
                w.press(name);
                if (builder)
                    tickModule();
            } else if (roll < 47 && n > 0) {
                const int slot = int(random.bounded(n));
                trail << QStringLiteral("c%1").arg(slot);
                w.click(slot);
            } else if (roll < 54 && n > 0) {
                const int slot = int(random.bounded(n));
                trail << QStringLiteral("d%1").arg(slot);
                w.doubleClick(slot);
            } else if (roll < (builder ? 56 : 62)) {
                trail << QStringLiteral("del");
                w.releaseDelete();
            } else if (roll < 90) {
                tickModule();
            } else {
                trail << QStringLiteral("drive");
                w.tickDrive();
                broken = check.afterDriveTick();
            }
            counts.insert(w.count());
            full = full || w.count() == 14;
        }
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 after %2 on a %3-running belt")
                                 .arg(broken, trail.join(QLatin1Char(' ')),
                                      right ? QStringLiteral("right") : QStringLiteral("left"))));
        for (int number : w.messages())
            messages.insert(number);
        fullBelts += full ? 1 : 0;
    }

    // The walks reached every message, every number of pieces, and full belts often.
    for (int k = 1; k <= 10; ++k)
        QVERIFY2(messages.contains(k), qPrintable(QStringLiteral("message %1").arg(k)));
    for (int n = 0; n <= 14; ++n)
        QVERIFY2(counts.contains(n), qPrintable(QStringLiteral("%1 pieces").arg(n)));
    QVERIFY2(fullBelts >= 100, qPrintable(QString::number(fullBelts)));
}

QTEST_MAIN(PlacementPropertyTest)
#include "placement_property_test.moc"

#include "belt_rows.h"
#include "rules/order_code.h"
#include "rules/scroll_steps.h"
#include "rules/slot_layout.h"
#include "rules/type_codes.h"
#include "table_rows.h"

#include <QTest>

using namespace kx;

namespace {
// Feature codes as a language file might give them.
const FeatureCodes Codes{{QStringLiteral("RS"), QStringLiteral("SF2"), QStringLiteral("BL"),
                          QStringLiteral("KS"), QStringLiteral("HV"), QStringLiteral("Z6")},
                         {QStringLiteral("SW"), QStringLiteral("LS")}};

FeatureChoice ticked(const QList<int>& features)
{
    FeatureChoice choice{};
    for (int i : features)
        choice[std::size_t(i)] = true;
    return choice;
}
} // namespace

class OrderCodeTest : public QObject
{
    Q_OBJECT
private slots:
    void plainCode_data();
    void plainCode();
    void orderCode_data();
    void orderCode();
    void snap_data();
    void snap();
    void toolbarKeys_data();
    void toolbarKeys();
    void typeCodeTable();
    void leftRowMirrorsRightRow();
};

void OrderCodeTest::plainCode_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QList<int>>("features");
    QTest::addColumn<QString>("code");

    QTest::newRow("default belt") << 40 << 300 << true << QList<int>{} << "KX40-300-R";
    QTest::newRow("wide, longest") << 80 << 1500 << true << QList<int>{} << "KX80-1500-R";
    row("left with features 0 and 2", 80, 1200, false, QList<int>{0, 2}, "KX80-1200-L-RS-BL");
    row("features in box order, not click order", 40, 500, true, QList<int>{3, 1},
        "KX40-500-R-SF2-KS");
    row("no width field for another width", 60, 300, true, QList<int>{}, "KX300-R");
}

void OrderCodeTest::plainCode()
{
    QFETCH(int, width);
    QFETCH(int, length);
    QFETCH(bool, right);
    QFETCH(QList<int>, features);
    Belt belt;
    belt.width = width;
    belt.length = length;
    belt.rightRunning = right;
    belt.features = ticked(features);
    QTEST(kx::orderCode(belt, Codes), "code");
    QCOMPARE(beltLine(belt, Codes), QLatin1Char('o') + kx::orderCode(belt, Codes));
}

void OrderCodeTest::orderCode_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<QList<int>>("features");
    QTest::addColumn<QString>("code");

    const auto row = [](const char* name, int width, bool right, const char* pieces,
                        const char* code, const QList<int>& features = {}) {
        kx::row(name, width, right, QString::fromLatin1(pieces), features,
                QString::fromLatin1(code));
    };
    // Closed belts.
    row("begin and end only", 40, true, "AG EG", "KX40-300-R-AG-EG");
    row("one V", 40, true, "AG V EV", "KX40-400-R-AG-V-EV");
    row("ten pieces", 40, true, "AG G*8 EG", "KX40-1100-R-AG-8G-EG");
    row("run then single", 40, true, "AG G*3 C EV", "KX40-700-R-AG-3GC-EV");
    row("separate runs of one module", 40, true, "AG G C G EG", "KX40-600-R-AG-GCG-EG");
    row("two-digit run", 40, true, "AG G*10 EG", "KX40-1300-R-AG-10G-EG");
    row("fourteen pieces", 80, true, "AG G*12 EV", "KX80-1500-R-AG-12G-EV");
    row("every family", 40, true, "AC C*2 V*3 G EG", "KX40-900-R-AC-2C3VG-EG");
    row("nine pieces", 40, true, "AG V*7 EV", "KX40-1000-R-AG-7V-EV");
    // Open belts describe the pieces they hold.
    row("empty, 80, left", 80, false, "", "KX80-0-L-");
    row("empty, 40, right", 40, true, "", "KX40-0-R-");
    row("begin piece alone", 40, true, "AG", "KX40-150-R-AG-");
    row("open, one module", 40, true, "AG G", "KX40-250-R-AG-G-");
    row("open, two modules", 40, true, "AG G G", "KX40-350-R-AG-2G-");
    row("open, C last", 40, true, "AC G C", "KX40-350-R-AC-GC-");
    row("open, thirteen pieces", 40, true, "AG G*12", "KX40-1350-R-AG-12G-");
    // Left-running belts use the same letters.
    row("left, begin and end", 40, false, "AG EG", "KX40-300-L-AG-EG");
    row("left, AC V EV", 40, false, "AC V EV", "KX40-400-L-AC-V-EV");
    row("left, open", 80, false, "AC G G V", "KX80-450-L-AC-2GV-");
    // Width field only for exactly 40 or 80.
    row("another width", 60, true, "AG EG", "KX300-R-AG-EG");
    // Features follow the end piece in check-box order.
    row("features after end piece", 40, true, "AG G EV", "KX40-400-R-AG-G-EV-SW-LS",
        QList<int>{0, 1});
    row("features on open belt", 40, true, "AG G", "KX40-250-R-AG-G--SW", QList<int>{0});
}

void OrderCodeTest::orderCode()
{
    QFETCH(int, width);
    QFETCH(bool, right);
    QFETCH(QString, pieces);
    QFETCH(QList<int>, features);
    Belt belt;
    belt.kind = BeltKind::Modular;
    belt.width = width;
    belt.rightRunning = right;
    belt.pieces = piecesOf(pieces, right);
    belt.features = ticked(features);
    QTEST(kx::orderCode(belt, Codes), "code");
    QCOMPARE(belt.lengthMm(), piecesLength(belt.pieces));
}

void OrderCodeTest::snap_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("snapped");

    QTest::newRow("length rounds down") << 749 << 300 << 1500 << 100 << 700;
    QTest::newRow("length rounds up") << 750 << 300 << 1500 << 100 << 800;
    QTest::newRow("length at the top") << 1500 << 300 << 1500 << 100 << 1500;
    QTest::newRow("width nearer 40") << 59 << 40 << 80 << 40 << 40;
    QTest::newRow("width nearer 80") << 60 << 40 << 80 << 40 << 80;
    QTest::newRow("above maximum") << 99 << 40 << 80 << 40 << 80;
}

void OrderCodeTest::snap()
{
    QFETCH(int, value);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, step);
    QFETCH(int, snapped);
    QCOMPARE(snapToStep(value, minimum, maximum, step), snapped);
}

void OrderCodeTest::toolbarKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("rightToolbar");
    QTest::addColumn<int>("type"); // -1: no request
    QTest::addColumn<int>("kind");

    const struct
    {
        const char* key;
        int right;
        int left;
        int kind;
    } keys[] = {
        {"AG-R", 0, -1, 0},  {"AC-R", 3, -1, 0},  {"AG-L", -1, 6, 0},  {"AC-L", -1, 9, 0},
        {"G", 24, 24, 1},    {"C", 27, 27, 1},    {"V", 30, 30, 1},    {"EG-R", 12, -1, 2},
        {"EV-R", 15, -1, 2}, {"EG-L", -1, 18, 2}, {"EV-L", -1, 21, 2},
    };
    for (const auto& k : keys) {
        QTest::addRow("%s on Toolbar_Rechts", k.key) << k.key << true << k.right << k.kind;
        QTest::addRow("%s on Toolbar_Links", k.key) << k.key << false << k.left << k.kind;
    }
    for (const char* foreign : {"g", "ag-r", "G ", "", "AG", "Separator"}) {
        QTest::addRow("'%s' on Toolbar_Rechts", foreign) << foreign << true << -1 << 0;
        QTest::addRow("'%s' on Toolbar_Links", foreign) << foreign << false << -1 << 0;
    }
}

void OrderCodeTest::toolbarKeys()
{
    QFETCH(QString, key);
    QFETCH(bool, rightToolbar);
    QFETCH(int, type);
    QFETCH(int, kind);
    const std::optional<ToolbarRequest> request = toolbarRequest(key, rightToolbar);
    QCOMPARE(request.has_value(), type >= 0);
    if (request) {
        QCOMPARE(request->type, type);
        QCOMPARE(int(request->kind), kind);
    }
}

void OrderCodeTest::typeCodeTable()
{
    for (int code = 0; code <= 30; code += 3) {
        const TypeCode* piece = typeCode(code);
        QVERIFY(piece);
        QCOMPARE(piece->code, code);
        const bool middle = code >= 24;
        QCOMPARE(isMiddleModule(code), middle);
        QCOMPARE(isBeginPiece(code), code < 12);
        QCOMPARE(isEndPiece(code), code >= 12 && code < 24);
        QCOMPARE(piece->slotWidth, middle ? 900 : 1350);
        // The toolbar key asks for this very piece.
        const bool onRight = piece->running != Running::Left;
        QCOMPARE(toolbarRequest(QString::fromLatin1(piece->key), onRight)->type, code);
        QCOMPARE(typeCodeFor(QString::fromLatin1(piece->family), onRight),
                 std::optional<int>(code));
    }
    for (int bad : {-3, 1, 2, 31, 33, 255})
        QVERIFY(!typeCode(bad) && !isBeginPiece(bad) && !isEndPiece(bad) && !isMiddleModule(bad));
    QCOMPARE(typeCodeFor(u"EV", false), std::optional<int>(21));
    QVERIFY(!typeCodeFor(u"ev", true));
}

void OrderCodeTest::leftRowMirrorsRightRow()
{
    // With 1350-wide end slots and 900-wide others the rows mirror about 6840.
    for (int k = 0; k < SlotCount; ++k) {
        const int width = k == 0 || k == 13 ? 1350 : 900;
        QCOMPARE(moduleSlotLeft(false, k), 13680 - moduleSlotLeft(true, k) - width);
        QCOMPARE(driveSlotLeft(false, k), k == 13 ? 540 : moduleSlotLeft(false, k));
    }
}

QTEST_GUILESS_MAIN(OrderCodeTest)
#include "order_code_test.moc"

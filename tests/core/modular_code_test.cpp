#include "belt_rows.h"
#include "modular_code.h"
#include "slot_layout.h"
#include "type_codes.h"

#include <QtTest>

using namespace kx;

class ModularCodeTest : public QObject
{
    Q_OBJECT
private slots:
    void orderCode_data();
    void orderCode();
    void runCountersKeepLastRun_data();
    void runCountersKeepLastRun();
    void directionFields_data();
    void directionFields();
    void toolbarKeys_data();
    void toolbarKeys();
    void typeCodeTable();
    void leftRowMirrorsRightRow();
};

void ModularCodeTest::orderCode_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<QStringList>("features");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("storesLength");

    const QStringList none;
    // Closed belts.
    QTest::newRow("begin and end only")
        << "40" << true << "AG EG" << none << "KX40-300-R-AG-EG" << true;
    QTest::newRow("one V") << "40" << true << "AG V EV" << none << "KX40-400-R-AG-V-EV" << true;
    QTest::newRow("ten pieces") << "40" << true << "AG G*8 EG" << none << "KX40-1100-R-AG-8G-EG"
                                << false;
    QTest::newRow("run then single")
        << "40" << true << "AG G*3 C EV" << none << "KX40-700-R-AG-3GC-EV" << true;
    QTest::newRow("separate runs of one module")
        << "40" << true << "AG G C G EG" << none << "KX40-600-R-AG-GCG-EG" << true;
    QTest::newRow("two-digit run")
        << "40" << true << "AG G*10 EG" << none << "KX40-1300-R-AG-10G-EG" << false;
    QTest::newRow("fourteen pieces")
        << "80" << true << "AG G*12 EV" << none << "KX80-1500-R-AG-12G-EV" << false;
    QTest::newRow("every family") << "40" << true << "AC C*2 V*3 G EG" << none
                                  << "KX40-900-R-AC-2C3VG-EG" << true;
    QTest::newRow("nine pieces") << "40" << true << "AG V*7 EV" << none << "KX40-1000-R-AG-7V-EV"
                                 << true;
    // Open belts describe the pieces they hold.
    QTest::newRow("empty, 80, left") << "80" << false << "" << none << "KX80-0-L-" << false;
    QTest::newRow("empty, 40, right") << "40" << true << "" << none << "KX40-0-R-" << false;
    QTest::newRow("begin piece alone") << "40" << true << "AG" << none << "KX40-150-R-AG-" << false;
    QTest::newRow("open, one module")
        << "40" << true << "AG G" << none << "KX40-250-R-AG-G-" << true;
    QTest::newRow("open, two modules")
        << "40" << true << "AG G G" << none << "KX40-350-R-AG-2G-" << true;
    QTest::newRow("open, C last") << "40" << true << "AC G C" << none << "KX40-350-R-AC-GC-"
                                  << true;
    QTest::newRow("open, thirteen pieces")
        << "40" << true << "AG G*12" << none << "KX40-1350-R-AG-12G-" << false;
    // Left-running belts use the same letters.
    QTest::newRow("left, begin and end")
        << "40" << false << "AG EG" << none << "KX40-300-L-AG-EG" << true;
    QTest::newRow("left, AC V EV")
        << "40" << false << "AC V EV" << none << "KX40-400-L-AC-V-EV" << true;
    QTest::newRow("left, open") << "80" << false << "AC G G V" << none << "KX80-450-L-AC-2GV-"
                                << true;
    // Width field only for exactly 40 or 80.
    QTest::newRow("width between the steps")
        << "57" << true << "AG EG" << none << "KX300-R-AG-EG" << true;
    QTest::newRow("width with blank")
        << " 40" << true << "AG EG" << none << "KX300-R-AG-EG" << true;
    // Features follow the end piece in check-box order.
    QTest::newRow("features after end piece")
        << "40" << true << "AG G EV" << QStringList{"SW", "LS"} << "KX40-400-R-AG-G-EV-SW-LS"
        << true;
    QTest::newRow("features on open belt")
        << "40" << true << "AG G" << QStringList{"SW"} << "KX40-250-R-AG-G--SW" << true;
}

void ModularCodeTest::orderCode()
{
    QFETCH(QString, width);
    QFETCH(bool, right);
    QFETCH(QString, pieces);
    QFETCH(QStringList, features);
    QFETCH(QString, code);
    QFETCH(bool, storesLength);

    ModularCodeInput input;
    input.widthText = width;
    input.rightChecked = right;
    input.leftChecked = !right;
    input.pieces = piecesOf(pieces, right);
    input.features.assign(features.begin(), features.end());
    const ModularCode built = buildModularCode(input);
    QCOMPARE(built.code, code);
    QCOMPARE(built.storesLength, storesLength);
    QCOMPARE(built.length, rowLength(input.pieces));
}

void ModularCodeTest::runCountersKeepLastRun_data()
{
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("v");
    QTest::newRow("single C last") << "AG G*3 C EV" << 0 << 1 << 0;
    QTest::newRow("run of G") << "AG G*8 EG" << 8 << 0 << 0;
    QTest::newRow("open, V run") << "AG C V V" << 0 << 0 << 2;
    QTest::newRow("no middle") << "AG EG" << 0 << 0 << 0;
}

void ModularCodeTest::runCountersKeepLastRun()
{
    QFETCH(QString, pieces);
    ModularCodeInput input;
    input.widthText = QStringLiteral("40");
    input.rightChecked = true;
    input.pieces = piecesOf(pieces, true);
    const ModularCode built = buildModularCode(input);
    QTEST(built.runG, "g");
    QTEST(built.runC, "c");
    QTEST(built.runV, "v");
}

void ModularCodeTest::directionFields_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("left");
    QTest::addColumn<QString>("code");
    QTest::newRow("neither") << false << false << "KX40-300-AG-EG";
    QTest::newRow("both") << true << true << "KX40-300-R-L-AG-EG";
}

void ModularCodeTest::directionFields()
{
    QFETCH(bool, right);
    QFETCH(bool, left);
    ModularCodeInput input;
    input.widthText = QStringLiteral("40");
    input.rightChecked = right;
    input.leftChecked = left;
    input.pieces = piecesOf(QStringLiteral("AG EG"), true);
    QTEST(buildModularCode(input).code, "code");
}

void ModularCodeTest::toolbarKeys_data()
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

void ModularCodeTest::toolbarKeys()
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

void ModularCodeTest::typeCodeTable()
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

void ModularCodeTest::leftRowMirrorsRightRow()
{
    // With 1350-wide end slots and 900-wide others the rows mirror about 6840.
    for (int k = 0; k < SlotCount; ++k) {
        const int width = k == 0 || k == 13 ? 1350 : 900;
        QCOMPARE(moduleSlotLeft(false, k), 13680 - moduleSlotLeft(true, k) - width);
        QCOMPARE(driveSlotLeft(false, k), k == 13 ? 540 : moduleSlotLeft(false, k));
    }
}

QTEST_GUILESS_MAIN(ModularCodeTest)
#include "modular_code_test.moc"

#include "belt_rows.h"
#include "rules/placement.h"
#include "rules/type_codes.h"

#include <QSet>
#include <QTest>

using namespace kx;

namespace {
BeltRow beltRow(const QString& text, bool beginRequested)
{
    return BeltRow{piecesOf(text), beginRequested};
}

PieceRequest request(const QString& family, int selected)
{
    const std::optional<int> type = typeCodeFor(family, true);
    if (!type)
        qFatal("no piece %s", qPrintable(family));
    return PieceRequest{*type, int(typeCode(*type)->kind), selected};
}

// A refusal leaves the row and skips the refresh step.
void refusal(const char* name, const char* row, int state, int selected, const char* piece,
             int message, int mark)
{
    QTest::newRow(name) << row << state << selected << piece << row << message << mark << false;
}

void done(const char* name, const char* row, int state, int selected, const char* piece,
          const char* after, bool refresh = true)
{
    QTest::newRow(name) << row << state << selected << piece << after << 0 << -1 << refresh;
}

QSet<int>& messagesSeen()
{
    static QSet<int> seen;
    return seen;
}

const int Plain = PlainPicture;
const int Grey = GreyPicture;
const int None = -1;
} // namespace

class PlacementTest : public QObject
{
    Q_OBJECT
private slots:
    void append_data();
    void insert_data();
    void replace_data();
    void remove_data();
    void append() { check(); }
    void insert() { check(); }
    void replace() { check(); }
    void remove() { check(); }
    void firstPiece_data();
    void firstPiece();
    void flushLayout_data();
    void flushLayout();
    void everyMessageReached();

private:
    static void columns();
    static void check();
};

void PlacementTest::columns()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("message");
    QTest::addColumn<int>("mark");
    QTest::addColumn<bool>("refresh");
}

void PlacementTest::check()
{
    QFETCH(QString, row);
    QFETCH(int, state);
    QFETCH(int, selected);
    QFETCH(QString, piece);
    QFETCH(QString, after);
    // The toolbar raises the flag with a begin piece's request.
    const PieceRequest asked = request(piece, selected);
    const BeltRow before = beltRow(row, !row.isEmpty() || asked.kind == int(PieceKind::Begin));
    const Placement p = placeRequest(before, state, asked);

    QCOMPARE(piecesText(p.row.pieces), piecesText(piecesOf(after)));
    QTEST(int(p.message), "message");
    messagesSeen().insert(p.message);
    QTEST(p.markVariant, "mark");
    QTEST(p.refresh, "refresh");
    QCOMPARE(p.row.beginRequested, before.beginRequested);
}

void PlacementTest::append_data()
{
    columns();
    const int s = NothingMarked;
    for (const char* piece : {"G", "C", "V", "EG", "EV"})
        refusal(qPrintable(QStringLiteral("empty belt, %1 first").arg(QLatin1String(piece))), "", s,
                0, piece, 1, None);
    done("empty belt, begin piece", "", s, 0, "AG", "AG");
    done("middle module", "AG G", s, 0, "C", "AG G C");
    done("end piece closes", "AG G", s, 0, "EV", "AG G EV");
    done("end piece right after the begin piece", "AC", s, 0, "EG", "AC EG");
    refusal("second begin piece", "AG G", s, 0, "AC", 3, None);
    done("12 pieces open, module", "AG G*11", s, 0, "V", "AG G*11 V");
    refusal("13 pieces open, module", "AG G*12", s, 0, "G", 4, None);
    done("13 pieces open, end piece makes 14", "AG G*12", s, 0, "EG", "AG G*12 EG");
    refusal("13 pieces open, begin piece", "AG G*12", s, 0, "AG", 3, None);
    refusal("closed, module", "AG G EV", s, 0, "G", 5, None);
    refusal("closed, end piece", "AG G EV", s, 0, "EG", 5, None);
    refusal("closed, begin piece", "AG G EV", s, 0, "AG", 3, None);
    refusal("closed 13, module", "AG G*11 EV", s, 0, "C", 4, None);
    refusal("closed 13, end piece", "AG G*11 EV", s, 0, "EV", 5, None);
    refusal("closed 13, begin piece", "AG G*11 EV", s, 0, "AC", 3, None);
    refusal("closed 14, module", "AG G*12 EV", s, 0, "G", 2, None);
    refusal("closed 14, end piece", "AG G*12 EV", s, 0, "EV", 2, None);
    refusal("closed 14, begin piece", "AG G*12 EV", s, 0, "AG", 2, None);
}

void PlacementTest::insert_data()
{
    columns();
    const int s = Clicked;
    done("after the begin piece", "AG G C EV", s, 0, "V", "AG V G C EV");
    done("in the middle", "AG G C V EV", s, 2, "G", "AG G C G V EV");
    done("after the last piece of an open belt", "AG G C", s, 2, "V", "AG G C V");
    done("before the end piece", "AG G EV", s, 1, "C", "AG G C EV");
    done("closed 13 goes to 14", "AG G*11 EV", s, 5, "C", "AG G*5 C G*6 EV");
    done("open 12 goes to 13", "AG G*11", s, 11, "C", "AG G*11 C");
    refusal("begin piece", "AG G EV", s, 1, "AC", 9, Plain);
    refusal("end piece", "AG G", s, 1, "EV", 9, Plain);
    refusal("after the end piece", "AG G EV", s, 2, "G", 5, Plain);
    refusal("closed 14", "AG G*12 EV", s, 3, "G", 2, Plain);
    refusal("open 13", "AG G*12", s, 3, "G", 4, Plain);
    refusal("open 13 after the begin piece", "AG G*12", s, 0, "C", 4, Plain);
    refusal("mark beyond the row", "AG G", s, 5, "G", 7, None);
    refusal("mark just past the last piece", "AG G", s, 2, "G", 7, None);
}

void PlacementTest::replace_data()
{
    columns();
    const int s = DoubleClicked;
    // A new begin piece leaves the order codes to the drive timer.
    done("begin by begin", "AG G EV", s, 0, "AC", "AC G EV", false);
    done("begin of a lone begin piece", "AC", s, 0, "AG", "AG", false);
    done("end by end", "AG G EG", s, 2, "EV", "AG G EV");
    done("middle by middle", "AG G C EV", s, 2, "V", "AG G V EV");
    done("last module of an open belt", "AG G C", s, 2, "G", "AG G G");
    refusal("begin by middle", "AG G EV", s, 0, "G", 6, Plain);
    refusal("begin by end", "AG G EV", s, 0, "EV", 6, Plain);
    // The end piece is left grey while its message is shown.
    refusal("end by middle", "AG G EV", s, 2, "C", 7, Grey);
    refusal("end by begin", "AG EG", s, 1, "AG", 7, Grey);
    refusal("middle by begin", "AG G EV", s, 1, "AC", 8, Plain);
    refusal("middle by end", "AG G EV", s, 1, "EG", 8, Plain);
    refusal("last module of an open belt by end", "AG G", s, 1, "EV", 8, Plain);
    refusal("mark beyond the row", "AG G", s, 4, "G", 7, None);
    refusal("mark just past the last piece", "AG G", s, 2, "G", 7, None);
}

void PlacementTest::remove_data()
{
    columns();
    const int s = RemovalRequested;
    // The piece column is whatever was requested last; removal ignores it.
    done("only module of a closed 3-piece belt", "AG V EV", s, 1, "G", "AG EV");
    done("module in the middle", "AG G C V EV", s, 2, "G", "AG G V EV");
    done("first module of 14", "AG C G*11 EV", s, 1, "G", "AG G*11 EV");
    done("module before the last of an open belt", "AG G C", s, 1, "AG", "AG C");
    done("last module of an open belt", "AG G C", s, 2, "G", "AG G", false);
    refusal("begin piece", "AG G EV", s, 0, "G", 10, Plain);
    refusal("lone begin piece", "AG", s, 0, "G", 10, Plain);
    refusal("end piece", "AG G EV", s, 2, "G", 10, Plain);
    refusal("mark just past the last piece", "AG G EV", s, 3, "G", 7, None);
}

void PlacementTest::firstPiece_data()
{
    QTest::addColumn<bool>("flag");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<int>("message");
    QTest::newRow("begin piece requested") << true << "AG" << 0;
    // The button raised the flag, but a set-up came before the tick.
    QTest::newRow("flag cleared by a set-up") << false << "AG" << 1;
    // A begin piece, then a module within one tick: the module is the request.
    QTest::newRow("flag raised, module requested") << true << "G" << 1;
    QTest::newRow("flag raised, end piece requested") << true << "EG" << 1;
}

void PlacementTest::firstPiece()
{
    QFETCH(bool, flag);
    QFETCH(QString, piece);
    const Placement p = appendPiece(beltRow(QString(), flag), request(piece, 0));
    QTEST(int(p.message), "message");
    QCOMPARE(int(p.row.pieces.size()), p.message == Placed ? 1 : 0);
    if (p.message == Placed)
        QVERIFY(isBeginPiece(p.row.pieces.front()));
}

void PlacementTest::everyMessageReached()
{
    // Runs after the tables: each of the ten messages is reached by its rule.
    for (int k = 1; k <= 10; ++k)
        QVERIFY2(messagesSeen().contains(k), qPrintable(QString::number(k)));
}

void PlacementTest::flushLayout_data()
{
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("left");
    QTest::newRow("module after the begin piece") << 12240 << int(type_code::G) << 11340;
    QTest::newRow("C module") << 6840 << int(type_code::C) << 5940;
    QTest::newRow("EG end piece") << 11340 << int(type_code::EG_L) << 9990;
    QTest::newRow("EV end piece") << 1440 << int(type_code::EV_L) << 90;
}

void PlacementTest::flushLayout()
{
    QFETCH(int, previous);
    QFETCH(int, type);
    QTEST(flushLeftOf(previous, type), "left");
}

QTEST_GUILESS_MAIN(PlacementTest)
#include "placement_test.moc"

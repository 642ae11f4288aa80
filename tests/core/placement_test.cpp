#include "belt_rows.h"
#include "rules/placement.h"
#include "rules/type_codes.h"

#include <QSet>
#include <QTest>

using namespace kx;
using namespace Qt::StringLiterals;

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
void refusal(const char* name, const QString& row, int state, int selected, const QString& piece,
             int message, int mark)
{
    QTest::newRow(name) << row << state << selected << piece << row << message << mark << false;
}

void done(const char* name, const QString& row, int state, int selected, const QString& piece,
          const QString& after, bool refresh = true)
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
        refusal(qPrintable(QStringLiteral("empty belt, %1 first").arg(QLatin1String(piece))), u""_s,
                s, 0, QString::fromLatin1(piece), 1, None);
    done("empty belt, begin piece", u""_s, s, 0, u"AG"_s, u"AG"_s);
    done("middle module", u"AG G"_s, s, 0, u"C"_s, u"AG G C"_s);
    done("end piece closes", u"AG G"_s, s, 0, u"EV"_s, u"AG G EV"_s);
    done("end piece right after the begin piece", u"AC"_s, s, 0, u"EG"_s, u"AC EG"_s);
    refusal("second begin piece", u"AG G"_s, s, 0, u"AC"_s, 3, None);
    done("12 pieces open, module", u"AG G*11"_s, s, 0, u"V"_s, u"AG G*11 V"_s);
    refusal("13 pieces open, module", u"AG G*12"_s, s, 0, u"G"_s, 4, None);
    done("13 pieces open, end piece makes 14", u"AG G*12"_s, s, 0, u"EG"_s, u"AG G*12 EG"_s);
    refusal("13 pieces open, begin piece", u"AG G*12"_s, s, 0, u"AG"_s, 3, None);
    refusal("closed, module", u"AG G EV"_s, s, 0, u"G"_s, 5, None);
    refusal("closed, end piece", u"AG G EV"_s, s, 0, u"EG"_s, 5, None);
    refusal("closed, begin piece", u"AG G EV"_s, s, 0, u"AG"_s, 3, None);
    refusal("closed 13, module", u"AG G*11 EV"_s, s, 0, u"C"_s, 4, None);
    refusal("closed 13, end piece", u"AG G*11 EV"_s, s, 0, u"EV"_s, 5, None);
    refusal("closed 13, begin piece", u"AG G*11 EV"_s, s, 0, u"AC"_s, 3, None);
    refusal("closed 14, module", u"AG G*12 EV"_s, s, 0, u"G"_s, 2, None);
    refusal("closed 14, end piece", u"AG G*12 EV"_s, s, 0, u"EV"_s, 2, None);
    refusal("closed 14, begin piece", u"AG G*12 EV"_s, s, 0, u"AG"_s, 2, None);
}

void PlacementTest::insert_data()
{
    columns();
    const int s = Clicked;
    done("after the begin piece", u"AG G C EV"_s, s, 0, u"V"_s, u"AG V G C EV"_s);
    done("in the middle", u"AG G C V EV"_s, s, 2, u"G"_s, u"AG G C G V EV"_s);
    done("after the last piece of an open belt", u"AG G C"_s, s, 2, u"V"_s, u"AG G C V"_s);
    done("before the end piece", u"AG G EV"_s, s, 1, u"C"_s, u"AG G C EV"_s);
    done("closed 13 goes to 14", u"AG G*11 EV"_s, s, 5, u"C"_s, u"AG G*5 C G*6 EV"_s);
    done("open 12 goes to 13", u"AG G*11"_s, s, 11, u"C"_s, u"AG G*11 C"_s);
    refusal("begin piece", u"AG G EV"_s, s, 1, u"AC"_s, 9, Plain);
    refusal("end piece", u"AG G"_s, s, 1, u"EV"_s, 9, Plain);
    refusal("after the end piece", u"AG G EV"_s, s, 2, u"G"_s, 5, Plain);
    refusal("closed 14", u"AG G*12 EV"_s, s, 3, u"G"_s, 2, Plain);
    refusal("open 13", u"AG G*12"_s, s, 3, u"G"_s, 4, Plain);
    refusal("open 13 after the begin piece", u"AG G*12"_s, s, 0, u"C"_s, 4, Plain);
    refusal("mark beyond the row", u"AG G"_s, s, 5, u"G"_s, 7, None);
    refusal("mark just past the last piece", u"AG G"_s, s, 2, u"G"_s, 7, None);
}

void PlacementTest::replace_data()
{
    columns();
    const int s = DoubleClicked;
    // A new begin piece leaves the order codes to the drive timer.
    done("begin by begin", u"AG G EV"_s, s, 0, u"AC"_s, u"AC G EV"_s, false);
    done("begin of a lone begin piece", u"AC"_s, s, 0, u"AG"_s, u"AG"_s, false);
    done("end by end", u"AG G EG"_s, s, 2, u"EV"_s, u"AG G EV"_s);
    done("middle by middle", u"AG G C EV"_s, s, 2, u"V"_s, u"AG G V EV"_s);
    done("last module of an open belt", u"AG G C"_s, s, 2, u"G"_s, u"AG G G"_s);
    refusal("begin by middle", u"AG G EV"_s, s, 0, u"G"_s, 6, Plain);
    refusal("begin by end", u"AG G EV"_s, s, 0, u"EV"_s, 6, Plain);
    // The end piece is left grey while its message is shown.
    refusal("end by middle", u"AG G EV"_s, s, 2, u"C"_s, 7, Grey);
    refusal("end by begin", u"AG EG"_s, s, 1, u"AG"_s, 7, Grey);
    refusal("middle by begin", u"AG G EV"_s, s, 1, u"AC"_s, 8, Plain);
    refusal("middle by end", u"AG G EV"_s, s, 1, u"EG"_s, 8, Plain);
    refusal("last module of an open belt by end", u"AG G"_s, s, 1, u"EV"_s, 8, Plain);
    refusal("mark beyond the row", u"AG G"_s, s, 4, u"G"_s, 7, None);
    refusal("mark just past the last piece", u"AG G"_s, s, 2, u"G"_s, 7, None);
}

void PlacementTest::remove_data()
{
    columns();
    const int s = RemovalRequested;
    // The piece column is whatever was requested last; removal ignores it.
    done("only module of a closed 3-piece belt", u"AG V EV"_s, s, 1, u"G"_s, u"AG EV"_s);
    done("module in the middle", u"AG G C V EV"_s, s, 2, u"G"_s, u"AG G V EV"_s);
    done("first module of 14", u"AG C G*11 EV"_s, s, 1, u"G"_s, u"AG G*11 EV"_s);
    done("module before the last of an open belt", u"AG G C"_s, s, 1, u"AG"_s, u"AG C"_s);
    done("last module of an open belt", u"AG G C"_s, s, 2, u"G"_s, u"AG G"_s, false);
    refusal("begin piece", u"AG G EV"_s, s, 0, u"G"_s, 10, Plain);
    refusal("lone begin piece", u"AG"_s, s, 0, u"G"_s, 10, Plain);
    refusal("end piece", u"AG G EV"_s, s, 2, u"G"_s, 10, Plain);
    refusal("mark just past the last piece", u"AG G EV"_s, s, 3, u"G"_s, 7, None);
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

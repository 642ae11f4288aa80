#include "belt_rows.h"
#include "drive.h"

#include <QtTest>

using namespace kx;

class DriveTest : public QObject
{
    Q_OBJECT
private slots:
    void length_data();
    void length();
    void position_data();
    void position();
};

void DriveTest::length_data()
{
    QTest::addColumn<bool>("begin");
    QTest::addColumn<bool>("end");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("length");
    QTest::newRow("empty belt") << false << false << 0 << 0;
    QTest::newRow("begin piece alone") << true << false << 1 << 150;
    QTest::newRow("begin piece and a module") << true << false << 2 << 250;
    QTest::newRow("begin, module, end") << true << true << 3 << 400;
    QTest::newRow("14 pieces") << true << true << 14 << 1500;
    QTest::newRow("13 pieces open") << true << false << 13 << 1350;
    // A begin piece requested but not yet placed adds nothing.
    QTest::newRow("begin piece requested, none placed") << true << false << 0 << 0;
}

void DriveTest::length()
{
    QFETCH(bool, begin);
    QFETCH(bool, end);
    QFETCH(int, count);
    QTEST(beltLength(begin, end, count), "length");
}

void DriveTest::position_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("shownCount"); // slots 0 .. shownCount - 1 are shown
    QTest::addColumn<int>("position");   // -1: no piece shown
    QTest::newRow("empty belt") << "" << 0 << -1;
    QTest::newRow("begin piece alone") << "AG" << 1 << 0;
    QTest::newRow("2 pieces: under the end piece") << "AG EG" << 2 << 1;
    QTest::newRow("3 pieces") << "AG G EG" << 3 << 1;
    QTest::newRow("4 pieces") << "AG G G EV" << 4 << 2;
    QTest::newRow("5 pieces") << "AG G V G G" << 5 << 2;
    QTest::newRow("14 pieces") << "AG G*12 EV" << 14 << 7;
    QTest::newRow("under the C") << "AG G G C EV" << 5 << 3;
    QTest::newRow("under the first C") << "AG G C V C EV" << 6 << 2;
    QTest::newRow("C at 10") << "AG G*9 C G EV" << 13 << 10;
    QTest::newRow("under an AC begin piece") << "AC G G G G EV" << 6 << 0;
    QTest::newRow("C beats the AC begin piece") << "AC G G G C EV" << 6 << 4;
    QTest::newRow("left-running AC") << "AC G G" << 3 << 0;
    // Only shown slots count: a hidden C is no drive.
    QTest::newRow("C not shown") << "AG G G G C" << 4 << 2;
}

void DriveTest::position()
{
    QFETCH(QString, row);
    QFETCH(int, shownCount);
    const bool left = QByteArray(QTest::currentDataTag()).startsWith("left");
    const std::vector<int> pieces = piecesOf(row, !left);
    std::array<bool, SlotCount> shown{};
    // Leftovers past the row are C modules: they must not attract the drive.
    std::array<int, SlotCount> types{};
    types.fill(type_code::C);
    for (std::size_t k = 0; k < pieces.size(); ++k)
        types[k] = pieces[k];
    for (int k = 0; k < shownCount; ++k)
        shown[std::size_t(k)] = true;
    const std::optional<int> drive = drivePosition(shown, types, shownCount);
    QTEST(drive.value_or(-1), "position");
}

QTEST_GUILESS_MAIN(DriveTest)
#include "drive_test.moc"

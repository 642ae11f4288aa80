#include "belt_rows.h"
#include "rules/belt.h"
#include "rules/drive.h"

#include <QTest>

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
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("length");
    QTest::newRow("empty belt") << "" << 0;
    QTest::newRow("begin piece alone") << "AG" << 150;
    QTest::newRow("begin piece and a module") << "AG G" << 250;
    QTest::newRow("begin, module, end") << "AC V EV" << 400;
    QTest::newRow("14 pieces") << "AG G*12 EV" << 1500;
    QTest::newRow("13 pieces open") << "AG G*12" << 1350;
}

void DriveTest::length()
{
    QFETCH(QString, row);
    QTEST(piecesLength(piecesOf(row)), "length");
}

void DriveTest::position_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("position"); // -1: no drive
    QTest::newRow("empty belt") << "" << -1;
    QTest::newRow("begin piece alone") << "AG" << 0;
    QTest::newRow("2 pieces: under the end piece") << "AG EG" << 1;
    QTest::newRow("3 pieces") << "AG G EG" << 1;
    QTest::newRow("4 pieces") << "AG G G EV" << 2;
    QTest::newRow("5 pieces") << "AG G V G G" << 2;
    QTest::newRow("14 pieces") << "AG G*12 EV" << 7;
    QTest::newRow("under the C") << "AG G G C EV" << 3;
    QTest::newRow("under the first C") << "AG G C V C EV" << 2;
    QTest::newRow("C at 10") << "AG G*9 C G EV" << 10;
    QTest::newRow("under an AC begin piece") << "AC G G G G EV" << 0;
    QTest::newRow("C beats the AC begin piece") << "AC G G G C EV" << 4;
    QTest::newRow("left-running AC") << "AC G G" << 0;
}

void DriveTest::position()
{
    QFETCH(QString, row);
    const bool left = QByteArray(QTest::currentDataTag()).startsWith("left");
    QTEST(drivePosition(piecesOf(row, !left)).value_or(-1), "position");
}

QTEST_GUILESS_MAIN(DriveTest)
#include "drive_test.moc"

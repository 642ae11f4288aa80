#include "variablen.h"

#include <QtTest>

using namespace kx;

class VariablenTest : public QObject {
    Q_OBJECT
private slots:
    void byteArithmetic_data();
    void byteArithmetic();
    void byteOverflowLeavesValue();
    void fixedArrayBounds_data();
    void fixedArrayBounds();
    void startsEmpty();
};

void VariablenTest::byteArithmetic_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("expected"); // -1: overflow

    QTest::newRow("0+1") << 0 << 1 << 1;
    QTest::newRow("254+1") << 254 << 1 << 255;
    QTest::newRow("255+1 overflows") << 255 << 1 << -1;
    QTest::newRow("200+100 overflows") << 200 << 100 << -1;
    QTest::newRow("1-1") << 1 << -1 << 0;
    QTest::newRow("0-1 overflows") << 0 << -1 << -1;
}

void VariablenTest::byteArithmetic()
{
    QFETCH(int, start);
    QFETCH(int, delta);
    QFETCH(int, expected);
    Byte b = start;
    if (expected < 0) {
        try {
            b += delta;
            QFAIL("no overflow");
        } catch (const RunError& e) {
            QCOMPARE(e.number, 6);
        }
    } else {
        b += delta;
        QCOMPARE(int(b), expected);
    }
}

void VariablenTest::byteOverflowLeavesValue()
{
    Byte b = 255;
    QVERIFY_THROWS_EXCEPTION(RunError, ++b);
    QCOMPARE(int(b), 255);
    QVERIFY_THROWS_EXCEPTION(RunError, b = 256);
    QVERIFY_THROWS_EXCEPTION(RunError, b = -1);
    QCOMPARE(int(b), 255);
}

void VariablenTest::fixedArrayBounds_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("valid");
    QTest::newRow("first") << 0 << true;
    QTest::newRow("last") << 20 << true;
    QTest::newRow("below") << -1 << false;
    QTest::newRow("above") << 21 << false;
}

void VariablenTest::fixedArrayBounds()
{
    QFETCH(int, index);
    QFETCH(bool, valid);
    Variablen v;
    if (valid) {
        v.Module_Type[index] = 30;
        QCOMPARE(int(v.Module_Type[index]), 30);
    } else {
        try {
            v.Module_Type[index] = 1;
            QFAIL("index accepted");
        } catch (const RunError& e) {
            QCOMPARE(e.number, 9);
        }
    }
}

void VariablenTest::startsEmpty()
{
    const Variablen v;
    QCOMPARE(int(v.Module_Count), 0);
    QCOMPARE(int(v.Module_Type[20]), 0);
    QVERIFY(!v.Language_Reloading);
    QVERIFY(v.Ini_Lines[256].isEmpty());
    QCOMPARE(v.Belt_Length, 0.0);
}

QTEST_GUILESS_MAIN(VariablenTest)
#include "variablen_test.moc"

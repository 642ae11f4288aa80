#include "plain_code.h"
#include "scroll_steps.h"

#include <QtTest>

using namespace kx;

Q_DECLARE_METATYPE(kx::PlainBelt)

class PlainCodeTest : public QObject
{
    Q_OBJECT
private slots:
    void orderCode_data();
    void orderCode();
    void pictureLength_data();
    void pictureLength();
    void snap_data();
    void snap();
};

namespace {
// Feature codes as a language file might give them; "" marks an unchecked box.
PlainBelt belt(const QString& width, const QString& length, const QString& direction,
               const QList<int>& checked)
{
    PlainBelt b;
    b.widthText = width;
    b.lengthText = length;
    b.right = direction.contains(QLatin1Char('R'));
    b.left = direction.contains(QLatin1Char('L'));
    const char* const codes[] = {"RS", "SF2", "BL", "KS", "HV", "Z6"};
    for (int i = 0; i < FeatureCount; ++i)
        b.featureCodes[std::size_t(i)] = QString::fromLatin1(codes[i]);
    for (int i : checked)
        b.features[std::size_t(i)] = true;
    return b;
}
} // namespace

void PlainCodeTest::orderCode_data()
{
    QTest::addColumn<PlainBelt>("input");
    QTest::addColumn<QString>("code");

    QTest::newRow("default belt") << belt("40", "300", "R", {}) << "KX40-300-R";
    QTest::newRow("wide, longest") << belt("80", "1500", "R", {}) << "KX80-1500-R";
    QTest::newRow("left with features 0 and 2")
        << belt("80", "1200", "L", {0, 2}) << "KX80-1200-L-RS-BL";
    QTest::newRow("features in box order, not click order")
        << belt("40", "500", "R", {3, 1}) << "KX40-500-R-SF2-KS";
    QTest::newRow("dragged width: no width field") << belt("57", "300", "R", {}) << "KX300-R";
    QTest::newRow("width compared exactly") << belt("40 ", "300", "R", {}) << "KX300-R";
    QTest::newRow("length taken as shown") << belt("40", "350", "R", {}) << "KX40-350-R";
    QTest::newRow("no direction selected") << belt("40", "300", "", {}) << "KX40-300";
}

void PlainCodeTest::orderCode()
{
    QFETCH(PlainBelt, input);
    QFETCH(QString, code);
    QCOMPARE(plainOrderCode(input), code);
}

void PlainCodeTest::pictureLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length"); // 0: no picture

    QTest::newRow("shortest") << "300" << 300;
    QTest::newRow("longest") << "1500" << 1500;
    QTest::newRow("between steps") << "350" << 0;
    QTest::newRow("above range") << "1600" << 0;
    QTest::newRow("as a number") << "1200.0" << 1200;
    QTest::newRow("not a number") << "abc" << 0;
}

void PlainCodeTest::pictureLength()
{
    QFETCH(QString, text);
    QFETCH(int, length);
    QCOMPARE(beltPictureLength(text).value_or(0), length);
}

void PlainCodeTest::snap_data()
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

void PlainCodeTest::snap()
{
    QFETCH(int, value);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, step);
    QFETCH(int, snapped);
    QCOMPARE(snapToStep(value, minimum, maximum, step), snapped);
}

QTEST_GUILESS_MAIN(PlainCodeTest)
#include "plain_code_test.moc"

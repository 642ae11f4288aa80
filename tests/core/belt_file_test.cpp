#include "rules/belt_file.h"
#include "rules/run_error.h"
#include "belt_rows.h"
#include "rules/text_pass_parser.h"

#include <QTest>

using namespace kx;

using Pieces = QList<int>;

namespace {
const FeatureCodes Codes{{QStringLiteral("SR"), QStringLiteral("LF"), QStringLiteral("F10")},
                         {QStringLiteral("SR"), QStringLiteral("LF")}};

Belt readBytes(const QByteArray& bytes)
{
    return readBeltBytes(bytes, Codes);
}
} // namespace

class BeltFileTest : public QObject {
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void read_data();
    void read();
    void rejects_data();
    void rejects();
    void features_data();
    void features();
    void roundTripOfSavedCodes_data();
    void roundTripOfSavedCodes();
    void orderCode_data();
    void orderCode();
};

void BeltFileTest::format_data()
{
    QTest::addColumn<QString>("feature"); // the code of a feature ticked; none when empty
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plain default") << "" << "" << QByteArray("oKX40-300-R\r\n");
    QTest::newRow("modular") << "" << "AC G G C EV" << QByteArray("mKX40-600-R-AC-2GC-EV\r\n");
    QTest::newRow("fits the ANSI code page")
        << QString::fromUtf8("\u00c4\u00df") << "" << QByteArray("oKX40-300-R-\xc4\xdf\r\n");
    // These two ANSI bytes would also read as one UTF-8 character.
    QTest::newRow("ANSI that reads as UTF-8") << QString::fromUtf8("\u00c4\u20ac") << ""
                                              << QByteArray("oKX40-300-R-\xc3\x84\xe2\x82\xac\r\n");
    QTest::newRow("falls back to UTF-8")
        << QString::fromUtf8("\u4e00") << "" << QByteArray("oKX40-300-R-\xe4\xb8\x80\r\n");
}

void BeltFileTest::format()
{
    QFETCH(QString, feature);
    QFETCH(QString, pieces);
    QFETCH(QByteArray, bytes);
    Belt belt;
    if (!pieces.isEmpty()) {
        belt.kind = BeltKind::Modular;
        belt.pieces = piecesOf(pieces);
    }
    FeatureCodes codes;
    if (!feature.isEmpty()) {
        codes.plain = QStringList{feature};
        belt.features[0] = true;
    }
    const QByteArray written = beltFileBytes(belt, codes);
    QCOMPARE(written, bytes);
    // What is written reads back to the same belt.
    QCOMPARE(readBeltBytes(written, codes), belt);
}

void BeltFileTest::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("modular");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("right");
    QTest::addColumn<Pieces>("pieces");

    QTest::newRow("plain right") << QByteArray("oKX40-300-R\r\n") << false << 40 << 300 << true
                                 << Pieces{};
    QTest::newRow("plain left") << QByteArray("oKX80-1200-L\r\n") << false << 80 << 1200 << false
                                << Pieces{};
    QTest::newRow("plain lower-case r is left") << QByteArray("oKX80-500-r") << false << 80 << 500
                                                << false << Pieces{};
    QTest::newRow("other tag is plain") << QByteArray("xKX40-400-R\r\n") << false << 40 << 400
                                        << true << Pieces{};
    QTest::newRow("upper-case M is plain") << QByteArray("MKX40-400-R") << false << 40 << 400
                                           << true << Pieces{};
    QTest::newRow("modular runs") << QByteArray("mKX40-600-R-AC-2GC-EV\r\n") << true << 40 << 600
                                  << true << Pieces{3, 24, 24, 27, 15};
    QTest::newRow("begin and end only") << QByteArray("mKX40-300-R-AG-EG\r\n") << true << 40 << 300
                                        << true << Pieces{0, 12};
    QTest::newRow("two-digit run") << QByteArray("mKX80-1400-R-AG-11G-EG") << true << 80 << 1400
                                   << true << Pieces{0, 24, 24, 24, 24, 24, 24, 24, 24, 24, 24, 24, 12};
    QTest::newRow("run of 0") << QByteArray("mKX40-400-R-AG-0GC-EV") << true << 40 << 400 << true
                              << Pieces{0, 27, 15};
    QTest::newRow("left running") << QByteArray("mKX40-400-L-AG-V-EV") << true << 40 << 400 << false
                                  << Pieces{6, 30, 21};
    QTest::newRow("left AC and EG") << QByteArray("mKX40-500-L-AC-GC-EG") << true << 40 << 500
                                    << false << Pieces{9, 24, 27, 18};
    QTest::newRow("lower-case pieces, right") << QByteArray("mKX40-400-r-ag-v-ev") << true << 40
                                              << 400 << true << Pieces{0, 30, 15};
    QTest::newRow("open belt") << QByteArray("mKX40-350-R-AG-2G-") << true << 40 << 350 << true
                               << Pieces{0, 24, 24};
    QTest::newRow("begin piece alone") << QByteArray("mKX40-150-R-AG-") << true << 40 << 150 << true
                                       << Pieces{0};
    QTest::newRow("empty belt") << QByteArray("mKX80-0-L-") << true << 80 << 0 << false << Pieces{};
    QTest::newRow("unknown letters skipped") << QByteArray("mKX40-500-R-AG-G2QV-EV") << true << 40
                                             << 500 << true << Pieces{0, 24, 30, 15};
    QTest::newRow("features after end piece") << QByteArray("mKX40-400-R-AG-V-EV-SR-LF") << true
                                              << 40 << 400 << true << Pieces{0, 30, 15};
    QTest::newRow("last of two lines") << QByteArray("mKX40-300-R-AG-EG\r\noKX80-400-L\r\n") << false
                                       << 80 << 400 << false << Pieces{};
    QTest::newRow("LF line ends") << QByteArray("oKX40-300-R\noKX40-700-L\n") << false << 40 << 700
                                  << false << Pieces{};
    QTest::newRow("CR line ends") << QByteArray("oKX40-300-R\roKX40-800-R\r") << false << 40 << 800
                                  << true << Pieces{};
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbfoKX40-300-R\r\n") << false << 40
                                    << 300 << true << Pieces{};
}

void BeltFileTest::read()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, modular);
    QFETCH(int, width);
    QFETCH(int, length);
    QFETCH(bool, right);
    QFETCH(Pieces, pieces);

    const Belt belt = readBytes(file);
    QCOMPARE(belt.modular(), modular);
    QCOMPARE(belt.width, width);
    QCOMPARE(belt.lengthMm(), length);
    QCOMPARE(belt.rightRunning, right);
    QCOMPARE(Pieces(belt.pieces.begin(), belt.pieces.end()), pieces);
}

void BeltFileTest::rejects_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QStringList>("values");
    const auto row = [](const char* name, const char* file, FailureText reason,
                        const QStringList& values = {}) {
        QTest::newRow(name) << QByteArray(file) << int(reason) << values;
    };
    row("empty file", "", FailNoOrderCode);
    row("empty line", "\r\n", FailNoOrderCode);
    row("empty last line", "oKX40-300-R\r\n\r\n", FailNoOrderCode);
    row("tag alone", "o\r\n", FailNoPrefix);
    row("no X", "oKY40-300-R\r\n", FailNoPrefix);
    row("width not a number", "oKX4a-300-R", FailWidth, {"4a"});
    row("width missing", "oKX-300-R", FailWidth, {""});
    row("width too large", "oKX90-300-R", FailWidth, {"90"});
    row("modular width too small", "mKX30-300-R-AG-EG", FailWidth, {"30"});
    // Widths the scroll bar does not have would drop out of a rebuilt code.
    row("plain width between", "oKX60-300-R", FailWidth, {"60"});
    row("modular width between", "mKX60-300-R-AG-EG", FailWidth, {"60"});
    row("width with a leading zero", "oKX040-300-R", FailWidth, {"040"});
    row("length not a number", "oKX40-3O0-R", FailPlainLength, {"3O0"});
    row("length below range", "oKX40-200-R", FailPlainLength, {"200"});
    row("length above range", "oKX40-1600-R", FailPlainLength, {"1600"});
    row("huge length", "oKX40-99999999999999-R", FailPlainLength, {"99999999999999"});
    row("modular length not a number", "mKX40-x-R-AG-EG", FailModularLength, {"x"});
    row("15 pieces", "mKX40-1600-R-AG-13G-EG", FailTooManyPieces, {"15", "14"});
    row("huge run", "mKX40-1600-R-AG-999999999999G-EG", FailTooManyPieces, {"1000000000000", "14"});
    row("open belt of 14", "mKX40-1450-R-AG-13G-", FailTooManyPieces, {"14", "13"});
    row("end piece without begin", "mKX40-300-L--EG", FailNoBeginPiece);
    row("middle module without begin", "mKX40-300-R-XY-G-", FailNoBeginPiece);
    row("end piece where the begin piece stands", "mKX40-400-R-EG-G-AG", FailNoBeginPiece);
}

void BeltFileTest::rejects()
{
    QFETCH(QByteArray, file);
    QFETCH(int, reason);
    QFETCH(QStringList, values);
    try {
        readBytes(file);
        QFAIL("loaded");
    } catch (const RunError& error) {
        QCOMPARE(int(error.reason.kind.value_or(FailureTextCount)), reason);
        QCOMPARE(error.reason.values, values);
    }
}

void BeltFileTest::features_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("feature");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("plain feature") << "KX40-300-R-SR" << "SR" << true;
    QTest::newRow("second of two") << "KX40-300-R-SR-LF" << "LF" << true;
    QTest::newRow("not there") << "KX40-300-R-SR" << "LF" << false;
    QTest::newRow("prefix of a longer code") << "KX40-300-R-F10" << "F1" << false;
    QTest::newRow("longer code present") << "KX40-300-R-F10" << "F10" << true;
    QTest::newRow("inside a piece field") << "KX40-600-R-AG-2GC-EV" << "GC" << false;
    QTest::newRow("width is not a feature") << "KX40-300-R" << "40" << false;
    QTest::newRow("wildcards are letters") << "KX40-300-R-FX" << "F?" << false;
    QTest::newRow("brackets are letters") << "KX40-300-R-F1" << "F[0-9]" << false;
    QTest::newRow("star is a letter") << "KX40-300-R-F1" << "*" << false;
    QTest::newRow("empty code never chosen") << "KX40-300-R--F1" << "" << false;
    QTest::newRow("case-sensitive") << "KX40-300-R-sr" << "SR" << false;
    QTest::newRow("modular after end piece") << "KX40-400-R-AG-V-EV-SR" << "SR" << true;
}

void BeltFileTest::features()
{
    QFETCH(QString, code);
    QFETCH(QString, feature);
    QFETCH(bool, chosen);
    const FeatureCodes codes{{feature}, {}};
    QCOMPARE(readBeltLine(QLatin1Char('o') + code, codes).features[0], chosen);
}

void BeltFileTest::roundTripOfSavedCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("pieces");
    QTest::newRow("closed with features") << "KX80-1000-L-AC-2GCV2G-EG-SR-LF" << 8;
    QTest::newRow("open with a feature") << "KX40-350-R-AG-2G--SR" << 3;
    QTest::newRow("begin alone with a feature") << "KX40-150-R-AG--SR" << 1;
    QTest::newRow("empty with a feature") << "KX40-0-R--SR" << 0;
}

// Codes that the editors write, features included, load back to their pieces.
void BeltFileTest::roundTripOfSavedCodes()
{
    QFETCH(QString, code);
    QFETCH(int, pieces);
    const Belt belt = readBeltLine(QLatin1Char('m') + code, Codes);
    QCOMPARE(int(belt.pieces.size()), pieces);
    QVERIFY(belt.features[0]);
}

void BeltFileTest::orderCode_data()
{
    // A code alone reads as the file line it names; an empty line, a failure.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("reason");
    const auto row = [](const char* name, const char* text, const char* line,
                        FailureText reason = FailureTextCount) {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(line) << int(reason);
    };
    row("modular", "KX40-600-R-AG-2GC-EV", "mKX40-600-R-AG-2GC-EV");
    row("modular, blanks and line end", " \tKX40-600-R-AG-2GC-EV  \r\n", "mKX40-600-R-AG-2GC-EV");
    row("modular, lower-case begin piece", "KX40-400-L-ac-V-EG", "mKX40-400-L-ac-V-EG");
    row("modular begin piece alone", "KX40-150-R-AG-\n", "mKX40-150-R-AG-");
    row("plain", "KX80-1200-L", "oKX80-1200-L");
    row("plain with features, LF", "KX40-300-R-SR-LF\n", "oKX40-300-R-SR-LF");
    row("plain, a feature like a begin piece", "KX40-300-R-AGX", "oKX40-300-R-AGX");
    row("last of two lines", "KX80-400-L\r\nKX40-600-R-AG-2GC-EV\r\n", "mKX40-600-R-AG-2GC-EV");
    row("empty", "", "", FailNoOrderCode);
    row("blanks alone", "  \r\n", "", FailNoOrderCode);
    row("no prefix", "KY40-300-R", "", FailNoPrefix);
    row("bad width", " KX60-300-R\n", "", FailWidth);
    row("plain length", "KX40-200-R", "", FailPlainLength);
    row("modular length", "KX40-x-R-AG-EG", "", FailModularLength);
    row("15 pieces", "KX40-1600-R-AG-13G-EG", "", FailTooManyPieces);
}

void BeltFileTest::orderCode()
{
    QFETCH(QString, text);
    QFETCH(QString, line);
    QFETCH(int, reason);
    try {
        const Belt belt = readOrderCode(text, Codes);
        QVERIFY2(!line.isEmpty(), "loaded");
        QCOMPARE(belt, readBeltLine(line, Codes));
    } catch (const RunError& error) {
        QVERIFY2(line.isEmpty(),
                 qPrintable(failureText(error.reason, error.number, germanWording().failures)));
        QCOMPARE(int(error.reason.kind.value_or(FailureTextCount)), reason);
    }
}

QTEST_GUILESS_MAIN(BeltFileTest)
#include "belt_file_test.moc"

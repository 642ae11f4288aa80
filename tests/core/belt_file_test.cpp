#include "belt_rows.h"
#include "rules/belt_file.h"
#include "rules/order_code.h"
#include "rules/run_error.h"
#include "rules/text_pass_parser.h"
#include "table_rows.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace kx;
using namespace Qt::StringLiterals;

namespace {
// "40" stands for a feature code that is also a field's value.
const FeatureCodes Codes{{u"SR"_s, u"LF"_s, u"F10"_s, u"40"_s}, {u"SR"_s, u"LF"_s}};

Belt readBytes(const QByteArray& bytes)
{
    return readBeltBytes(bytes, Codes);
}
} // namespace

class BeltFileTest : public QObject
{
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void read_data();
    void read();
    void rejects_data();
    void rejects();
    void orderCode_data();
    void orderCode();
    void offeredCode_data();
    void offeredCode();
    void everyBeltReadsBack();
    void sizeCap_data();
    void sizeCap();
};

void BeltFileTest::format_data()
{
    QTest::addColumn<QString>("feature"); // the code of a feature ticked; none when empty
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<QByteArray>("bytes");
    const auto row = [](const char* name, const char* feature, const char* pieces,
                        const char* bytes) {
        kx::row(name, QString::fromUtf8(feature), QString::fromLatin1(pieces), QByteArray(bytes));
    };
    row("plain default", "", "", "oKX40-300-R\r\n");
    row("modular", "", "AC G G C EV", "mKX40-600-R-AC-2GC-EV\r\n");
    row("fits the ANSI code page", "\u00c4\u00df", "", "oKX40-300-R-\xc4\xdf\r\n");
    // These two ANSI bytes would also read as one UTF-8 character.
    row("ANSI that reads as UTF-8", "\u00c4\u20ac", "", "oKX40-300-R-\xc3\x84\xe2\x82\xac\r\n");
    row("falls back to UTF-8", "\u4e00", "", "oKX40-300-R-\xe4\xb8\x80\r\n");
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
    QTest::addColumn<QString>("line"); // of the belt read, as it would be saved
    QTest::addColumn<QString>("pieces");
    // Without a line, the file's own line stands for it.
    const auto row = [](const char* name, const char* file, const char* pieces,
                        const char* line = nullptr) {
        kx::row(name, QByteArray(file), QString::fromUtf8(line ? line : file).trimmed(),
                QString::fromLatin1(pieces));
    };
    row("plain right", "oKX40-300-R\r\n", "");
    row("plain left", "oKX80-1200-L\r\n", "");
    row("modular runs", "mKX40-600-R-AC-2GC-EV\r\n", "AC G*2 C EV");
    row("begin and end only", "mKX40-300-R-AG-EG\r\n", "AG EG");
    row("two-digit run", "mKX80-1400-R-AG-11G-EG", "AG G*11 EG");
    row("left running", "mKX40-400-L-AG-V-EV", "AG V EV");
    row("left AC and EG", "mKX40-500-L-AC-GC-EG", "AC G C EG");
    row("open belt", "mKX40-350-R-AG-2G-", "AG G*2");
    row("begin piece alone", "mKX40-150-R-AG-", "AG");
    row("empty belt", "mKX80-0-L-", "");
    row("open belt of 13", "mKX40-1350-R-AG-12G-", "AG G*12");
    row("last of two lines", "mKX40-300-R-AG-EG\r\noKX80-400-L\r\n", "", "oKX80-400-L");
    row("LF line ends", "oKX40-300-R\noKX40-700-L\n", "", "oKX40-700-L");
    row("CR line ends", "oKX40-300-R\roKX40-800-R\r", "", "oKX40-800-R");
    row("UTF-8 with BOM", "\xef\xbb\xbfoKX40-300-R\r\n", "", "oKX40-300-R");
    row("blanks around the line", " \tmKX40-300-L-AC-EV \r\n", "AC EV");
    // Features, the plain belt's longer code among them, and the codes the
    // editors write for belts with features, open ones included.
    row("plain features", "oKX40-300-R-SR-F10", "");
    row("features after end piece", "mKX40-400-R-AG-V-EV-SR-LF", "AG V EV");
    row("closed with features", "mKX80-900-L-AC-2GCV2G-EG-SR-LF", "AC G*2 C V G*2 EG");
    row("open with a feature", "mKX40-350-R-AG-2G--SR", "AG G*2");
    row("begin alone with a feature", "mKX40-150-R-AG--SR", "AG");
    row("empty with a feature", "mKX40-0-R--SR", "");
}

// The belt read is the one the file names: its line as it would be saved,
// and its pieces for the direction it runs.
void BeltFileTest::read()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, pieces);
    const Belt belt = readBytes(file);
    QTEST(beltLine(belt, Codes), "line");
    QCOMPARE(piecesText(belt.pieces), pieces);
    QVERIFY(belt.pieces == piecesOf(pieces, belt.rightRunning));
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
    row("width not a number", "oKX4a-300-R", FailWidth, {u"4a"_s});
    row("width missing", "oKX-300-R", FailWidth, {u""_s});
    row("width too large", "oKX90-300-R", FailWidth, {u"90"_s});
    row("modular width too small", "mKX30-300-R-AG-EG", FailWidth, {u"30"_s});
    // Widths the scroll bar does not have would drop out of a rebuilt code.
    row("plain width between", "oKX60-300-R", FailWidth, {u"60"_s});
    row("modular width between", "mKX60-300-R-AG-EG", FailWidth, {u"60"_s});
    row("width with a leading zero", "oKX040-300-R", FailWidth, {u"040"_s});
    row("length not a number", "oKX40-3O0-R", FailPlainLength, {u"3O0"_s});
    row("length below range", "oKX40-200-R", FailPlainLength, {u"200"_s});
    row("length above range", "oKX40-1600-R", FailPlainLength, {u"1600"_s});
    row("huge length", "oKX40-99999999999999-R", FailPlainLength, {u"99999999999999"_s});
    row("modular length not a number", "mKX40-x-R-AG-EG", FailModularLength, {u"x"_s});
    row("15 pieces", "mKX40-1600-R-AG-13G-EG", FailTooManyPieces, {u"15"_s, u"14"_s});
    row("huge run", "mKX40-1600-R-AG-999999999999G-EG", FailTooManyPieces,
        {u"1000000000001"_s, u"14"_s});
    row("open belt of 14", "mKX40-1450-R-AG-13G-", FailTooManyPieces, {u"14"_s, u"13"_s});
    row("end piece without begin", "mKX40-300-L--EG", FailNoBeginPiece);
    row("middle module without begin", "mKX40-300-R-XY-G-", FailNoBeginPiece);
    row("end piece where the begin piece stands", "mKX40-400-R-EG-G-AG", FailNoBeginPiece);
    row("another tag", "xKX40-300-R", FailKindLetter);
    row("upper-case M", "MKX40-400-R", FailKindLetter);
    row("no tag", "KX40-300-R", FailKindLetter);
    row("text before the code", "oOrder: KX40-600-R", FailTextBeforeCode);
    row("blank after the tag", "o KX40-600-R", FailTextBeforeCode);
    row("right-to-left mark", "oKX40-300-\xe2\x80\x8fR", FailCharacter, {u"U+200F"_s});
    row("right-to-left override", "oKX40-300\xe2\x80\xae-R", FailCharacter, {u"U+202E"_s});
    row("right-to-left isolate", "mKX40-300-R-AG\xe2\x81\xa7-EG", FailCharacter, {u"U+2067"_s});
    row("direction Q", "oKX40-600-Q", FailDirection, {u"Q"_s});
    row("lower-case direction", "oKX80-500-r", FailDirection, {u"r"_s});
    row("no direction", "oKX40-600", FailDirection, {u""_s});
    row("length between the steps", "oKX40-650-R", FailPlainLengthStep, {u"650"_s});
    row("length and pieces differ", "mKX40-999-R-AG-G-EV", FailPiecesLength, {u"999"_s, u"400"_s});
    row("pieces after an empty field", "mKX40-150-R-AG--5G-EV", FailPiecesLength,
        {u"150"_s, u"800"_s});
    row("plain code in a modular file", "mKX40-300-R", FailPiecesLength, {u"300"_s, u"0"_s});
    row("20-digit run", "mKX40-1600-R-AG-99999999999999999999G-EG", FailTooManyPieces,
        {u"100000000000000000001"_s, u"14"_s});
    row("unknown module letter", "mKX40-500-R-AG-G2QV-EV", FailUnknownPiece, {u"G2QV"_s});
    row("a module after the end piece", "mKX40-400-R-AG-V-EV-G", FailPieceOutOfPlace, {u"G"_s});
    row("a second begin piece", "mKX40-450-R-AG-AC-EV", FailPieceOutOfPlace, {u"AC"_s});
    row("modular code in a plain file", "oKX40-600-R-AG-2GC-EV", FailPlainHoldsPieces);
    row("unknown feature", "oKX40-600-R-SR-XX", FailUnknownFeature, {u"XX"_s});
    row("feature in lower case", "oKX40-600-R-sr", FailUnknownFeature, {u"sr"_s});
    row("prefix of a longer code", "oKX40-300-R-F1", FailUnknownFeature, {u"F1"_s});
    row("wildcards are letters", "oKX40-300-R-F?", FailUnknownFeature, {u"F?"_s});
    row("brackets are letters", "oKX40-300-R-F[09]", FailUnknownFeature, {u"F[09]"_s});
    row("the plain belt's feature", "mKX40-400-R-AG-V-EV-F10", FailUnknownFeature, {u"F10"_s});
    const auto notItsCode = [&row](const char* name, const char* line, const char* code) {
        row(name, line, FailNotItsCode, {QString::fromLatin1(line + 1), QString::fromLatin1(code)});
    };
    notItsCode("length with a leading zero", "oKX40-0300-R", "KX40-300-R");
    notItsCode("run of 0", "mKX40-400-R-AG-0GC-EV", "KX40-400-R-AG-C-EV");
    notItsCode("run of 1", "mKX40-400-R-AG-1V-EV", "KX40-400-R-AG-V-EV");
    notItsCode("two runs of one module as one", "mKX40-500-R-AG-GG-EV", "KX40-500-R-AG-2G-EV");
    notItsCode("lower-case pieces", "mKX40-400-R-ag-v-ev", "KX40-400-R-AG-V-EV");
    notItsCode("lower-case prefix", "okx40-300-R", "KX40-300-R");
    notItsCode("trailing dash", "oKX40-300-R-", "KX40-300-R");
    notItsCode("open belt without its dash", "mKX40-350-R-AG-2G", "KX40-350-R-AG-2G-");
    notItsCode("features out of order", "oKX40-300-R-LF-SR", "KX40-300-R-SR-LF");
    notItsCode("a feature twice", "oKX40-300-R-SR-SR", "KX40-300-R-SR");
    notItsCode("an empty field before a feature", "oKX40-300-R--SR", "KX40-300-R-SR");
    notItsCode("open belt's feature without its dash", "mKX40-350-R-AG-2G-SR",
               "KX40-350-R-AG-2G--SR");
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
    row("modular, lower-case begin piece", "KX40-400-L-ac-V-EG", "", FailNotItsCode);
    row("modular begin piece alone", "KX40-150-R-AG-\n", "mKX40-150-R-AG-");
    row("plain", "KX80-1200-L", "oKX80-1200-L");
    row("plain with features, LF", "KX40-300-R-SR-LF\n", "oKX40-300-R-SR-LF");
    row("plain, a feature like a begin piece", "KX40-300-R-AGX", "", FailUnknownFeature);
    row("two lines", "KX80-400-L\r\nKX40-600-R-AG-2GC-EV\r\n", "", FailCharacter);
    row("text before the code", "Order: KX40-600-R-AG-2GC-EV", "", FailTextBeforeCode);
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

void BeltFileTest::offeredCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("offered");
    const auto row = [](const char* name, const char* text, const char* offered) {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromLatin1(offered);
    };
    row("a code alone", "KX40-600-R-AG-2GC-EV", "KX40-600-R-AG-2GC-EV");
    row("an e-mail, the code in its second line",
        "Dear Sirs,\r\nplease send KX40-600-R-AG-2GC-EV by Friday.\r\nRegards",
        "KX40-600-R-AG-2GC-EV");
    row("the first of two codes", "KX80-700-L or KX40-300-R", "KX80-700-L");
    row("lower case, in brackets", "Order (kx40-350-r-ag-2g-): thanks", "KX40-350-R-AG-2G-");
    row("quoted, after a no-break space", "Code:\u00a0\u201eKX40-300-R\u201c", "KX40-300-R");
    row("direction marks dropped", "\u200fKX40-300\u202e-R\u202c", "KX40-300-R");
    row("no code", "Dear Sirs,\nRegards", "");
}

// Open order code offers the code an e-mail holds, not its last line.
void BeltFileTest::offeredCode()
{
    QFETCH(QString, text);
    QTEST(orderCodeText(text), "offered");
}

// Every belt the editors can build, features included, is written as a line
// that reads back as the same belt, and the line it writes is the same.
void BeltFileTest::everyBeltReadsBack()
{
    QRandomGenerator random(20261210);
    for (int round = 0; round < 2000; ++round) {
        Belt belt;
        belt.kind = random.bounded(2) ? BeltKind::Modular : BeltKind::Plain;
        belt.width = random.bounded(2) ? NarrowWidth : WideWidth;
        belt.rightRunning = random.bounded(2);
        if (belt.modular()) {
            const bool right = belt.rightRunning;
            if (random.bounded(8) != 0) {
                belt.pieces = piecesOf(random.bounded(2) ? u"AG"_s : u"AC"_s, right);
                for (int i = int(random.bounded(MaxPiecesOpen)); i > 0; --i)
                    belt.pieces.push_back(
                        piecesOf(QString(QLatin1Char("GCV"[random.bounded(3)])))[0]);
                if (random.bounded(2))
                    belt.pieces.push_back(
                        piecesOf(random.bounded(2) ? u"EG"_s : u"EV"_s, right)[0]);
            }
        } else {
            belt.length = MinLength + LengthStep * int(random.bounded(13));
        }
        for (int i = 0; i < Codes.of(belt.kind).size(); ++i)
            belt.features[std::size_t(i)] = random.bounded(2);
        const QString line = beltLine(belt, Codes);
        try {
            const Belt read = readBytes(beltFileBytes(belt, Codes));
            QCOMPARE(read, belt);
            QCOMPARE(beltLine(read, Codes), line);
        } catch (const RunError& error) {
            QFAIL(qPrintable(line + QStringLiteral(": ") +
                             failureText(error.reason, error.number, germanWording().failures)));
        }
    }
}

void BeltFileTest::sizeCap_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("reason"); // empty: the belt loads
    QTest::newRow("at the cap") << BeltFileLimit << "";
    row("one byte past", BeltFileLimit + 1,
        QString::fromUtf8("big.dat: zu groß (65537 Bytes, höchstens 65536)"));
    row("far past, told by its own size", qint64(10) * 1024 * 1024,
        QString::fromUtf8("big.dat: zu groß (10485760 Bytes, höchstens 65536)"));
}

// A belt file of up to 64 KiB is read whole, its last line the belt.
void BeltFileTest::sizeCap()
{
    QFETCH(qint64, size);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("big.dat")));
    // The cap filled up to a belt in the last line; past it, grown sparse.
    const QByteArray belt("\r\noKX40-300-R\r\n");
    QVERIFY(file.open(QIODevice::WriteOnly) &&
            file.write(QByteArray(BeltFileLimit - belt.size(), 'x') + belt) == BeltFileLimit &&
            file.resize(size));
    file.close();
    try {
        const Belt read = readBeltFile(file.fileName(), Codes);
        QVERIFY2(reason.isEmpty(), "loaded");
        QCOMPARE(read.length, 300);
    } catch (const RunError& error) {
        QCOMPARE(failureText(error.reason, error.number, germanWording().failures), reason);
    }
}

QTEST_GUILESS_MAIN(BeltFileTest)
#include "belt_file_test.moc"

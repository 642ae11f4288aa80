#include "config_file.h"

#include "run_error.h"
#include "text_files.h"
#include "type_codes.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace kx {

namespace {

constexpr int ExaminedLength = 255;
constexpr int MaxPieces = 14;
constexpr int MaxPiecesOpen = 13;

// Failures of a file that cannot be turned into a belt.
constexpr int TypeMismatch = 13;
constexpr int InvalidValue = 380;

[[noreturn]] void fail(int number, FailureText kind, const QStringList& values = {})
{
    // The file's name is added by whoever knows it.
    throw failure(number, kind, QString(), values);
}

bool isWholeNumber(const QString& text)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

int wholeNumber(const QString& text, FailureText kind)
{
    if (!isWholeNumber(text))
        fail(TypeMismatch, kind, {text});
    return text.toInt();
}

// The type code of the piece that letters in any case name, when it is a
// piece of the given kind; -1 otherwise.
int pieceCode(const QString& letters, PieceKind kind, bool right)
{
    const std::optional<int> code = typeCodeFor(letters.toUpper(), right);
    return code && typeCode(*code)->kind == kind ? *code : -1;
}

// The count before a letter: none means 1. A count beyond any belt is
// capped, still too large, so that it can be told.
qint64 runLength(const QString& digits)
{
    if (digits.isEmpty())
        return 1;
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits[first] == QLatin1Char('0'))
        ++first;
    const QString significant = digits.mid(first);
    return significant.size() > 15 ? Q_INT64_C(999999999999999) : significant.toLongLong();
}

[[noreturn]] void tooManyPieces(qint64 count, int fit)
{
    fail(RunError::SubscriptOutOfRange, FailTooManyPieces,
         {QString::number(count), QString::number(fit)});
}

// Runs of a count (none means 1) and a letter; letters other than G, C and V
// are skipped with their count.
void appendMiddleModules(const QString& field, std::vector<int>& pieces)
{
    qsizetype i = 0;
    while (i < field.size()) {
        qsizetype digitsEnd = i;
        while (digitsEnd < field.size() && field[digitsEnd].isDigit())
            ++digitsEnd;
        if (digitsEnd == field.size())
            return; // a count without a letter names no piece
        const qint64 count = runLength(field.mid(i, digitsEnd - i));
        // Middle modules are the same on both running sides.
        const int code = pieceCode(QString(field[digitsEnd]), PieceKind::Middle, true);
        if (code >= 0) {
            if (qint64(pieces.size()) + count > MaxPieces)
                tooManyPieces(qint64(pieces.size()) + count, MaxPieces);
            pieces.insert(pieces.end(), std::size_t(count), code);
        }
        i = digitsEnd + 1;
    }
}

} // namespace

QByteArray formatConfigFile(BeltKind kind, const QString& orderCode)
{
    const QString line = QLatin1Char(kind == BeltKind::Modular ? 'm' : 'o') + orderCode +
                         QStringLiteral("\r\n");
    // Rare ANSI text is also valid UTF-8 and would read back as other
    // characters; UTF-8 then keeps the code as it is.
    const QByteArray ansi = encodeLine(line, TextEncoding::Windows1252);
    const TextFile back = decodeTextFile(ansi);
    if (back.encoding == TextEncoding::Windows1252 && back.lines.value(0) + QStringLiteral("\r\n") == line)
        return ansi;
    return encodeLine(line, TextEncoding::Utf8);
}

OrderCodeFields splitOrderCode(const QString& orderCode, BeltKind kind)
{
    const QString code = orderCode.left(ExaminedLength);
    const qsizetype x = code.indexOf(QLatin1Char('X'));
    if (x < 0)
        fail(TypeMismatch, FailNoPrefix);
    qsizetype start = x + 1;
    auto next = [&] {
        qsizetype end = code.indexOf(QLatin1Char('-'), start);
        if (end < 0)
            end = code.size();
        const QString field = start < code.size() ? code.mid(start, end - start) : QString();
        start = end + 1;
        return field;
    };
    OrderCodeFields fields;
    fields.width = next();
    fields.length = next();
    fields.direction = next();
    fields.afterDirection = start < code.size() ? code.mid(start) : QString();
    if (kind == BeltKind::Modular) {
        fields.beginPiece = next();
        const QString field = next();
        if (field.contains(QLatin1Char('E'))) {
            fields.endPiece = field;
        } else {
            fields.middleModules = field;
            fields.endPiece = next();
        }
    }
    return fields;
}

LoadedBelt readConfigFile(const QByteArray& bytes)
{
    return readConfigLine(lastLine(decodeTextFile(bytes)));
}

QString lastLine(const TextFile& file)
{
    return file.lines.isEmpty() ? QString() : file.lines.constLast();
}

LoadedBelt readConfigLine(const QString& line)
{
    if (line.isEmpty())
        fail(RunError::InputPastEnd, FailNoOrderCode);
    LoadedBelt belt;
    belt.line = line;
    belt.kind = line[0] == QLatin1Char('m') ? BeltKind::Modular : BeltKind::Plain;
    belt.orderCode = line.mid(1);
    belt.fields = splitOrderCode(belt.orderCode, belt.kind);
    const OrderCodeFields& f = belt.fields;

    // Only the widths the width scroll bar has: the order codes are built
    // from the width's text, and any other would vanish from a rebuilt code.
    belt.width = wholeNumber(f.width, FailWidth);
    if (f.width != QLatin1String("40") && f.width != QLatin1String("80"))
        fail(InvalidValue, FailWidth, {f.width});

    if (belt.kind == BeltKind::Plain) {
        belt.length = wholeNumber(f.length, FailPlainLength);
        belt.rightRunning = f.direction == QLatin1String("R");
        if (belt.length < 300 || belt.length > 1500)
            fail(InvalidValue, FailPlainLength, {f.length});
        return belt;
    }
    belt.length = wholeNumber(f.length, FailModularLength);

    // One running side for the pieces, the option button and the menu check.
    belt.rightRunning = f.direction.compare(QLatin1String("R"), Qt::CaseInsensitive) == 0;
    const int begin = pieceCode(f.beginPiece, PieceKind::Begin, belt.rightRunning);
    if (begin >= 0) {
        belt.pieces.push_back(begin);
        belt.hasBeginPiece = true;
    }
    appendMiddleModules(f.middleModules, belt.pieces);
    const int end = pieceCode(f.endPiece, PieceKind::End, belt.rightRunning);
    if (end >= 0) {
        belt.pieces.push_back(end);
        belt.hasEndPiece = true;
    }
    // A belt starts with its begin piece; an open belt leaves room for its end.
    if (!belt.hasBeginPiece && !belt.pieces.empty())
        fail(InvalidValue, FailNoBeginPiece);
    const int fit = belt.hasEndPiece ? MaxPieces : MaxPiecesOpen;
    if (int(belt.pieces.size()) > fit)
        tooManyPieces(qint64(belt.pieces.size()), fit);
    return belt;
}

QString orderCodeText(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\\r\\n|\\r|\\n"));
    return text.trimmed().split(lineEnd).constLast().trimmed();
}

LoadedBelt readOrderCode(const QString& text)
{
    const QString code = orderCodeText(text);
    if (code.isEmpty())
        fail(RunError::InputPastEnd, FailNoOrderCode);
    const bool modular =
        pieceCode(splitOrderCode(code, BeltKind::Modular).beginPiece, PieceKind::Begin, true) >= 0;
    return readConfigLine(QLatin1Char(modular ? 'm' : 'o') + code);
}

LoadedBelt readBeltFile(const QString& path)
{
    try {
        return readConfigFile(readWholeFile(path, ConfigFileLimit));
    } catch (RunError& error) {
        if (error.reason.subject.isEmpty())
            error.reason.subject = QFileInfo(path).fileName();
        throw;
    }
}

bool featureChosen(const OrderCodeFields& fields, const QString& featureCode)
{
    if (featureCode.isEmpty())
        return false;
    const QString haystack = QLatin1Char('-') + fields.afterDirection + QLatin1Char('-');
    return haystack.contains(QLatin1Char('-') + featureCode + QLatin1Char('-'));
}

} // namespace kx

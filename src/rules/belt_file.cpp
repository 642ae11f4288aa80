#include "rules/belt_file.h"

#include "rules/order_code.h"
#include "rules/run_error.h"
#include "rules/text_files.h"
#include "rules/type_codes.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace kx {

namespace {

constexpr int ExaminedLength = 255;

// Failures of a line that cannot be turned into a belt.
constexpr int TypeMismatch = 13;
constexpr int InvalidValue = 380;

[[noreturn]] void fail(int number, FailureText kind, const QStringList& values = {})
{
    // The file's name is added by whoever knows it.
    throw failure(number, kind, QString(), values);
}

// The fields of an order code, split at "-" from the character after the
// first "X".
struct Fields
{
    QString width;
    QString length;
    QString direction;
    QString beginPiece;
    QString middleModules;
    QString endPiece;
    // Everything after the direction field; features are matched in it.
    QString afterDirection;
};

Fields splitOrderCode(const QString& orderCode, BeltKind kind)
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
    Fields fields;
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

// A feature is chosen when its code stands as whole fields after the
// direction field.
FeatureChoice chosenFeatures(const Fields& fields, const QStringList& codes)
{
    FeatureChoice chosen{};
    const QString haystack = QLatin1Char('-') + fields.afterDirection + QLatin1Char('-');
    for (int i = 0; i < FeatureCount && i < codes.size(); ++i)
        chosen[std::size_t(i)] =
            !codes.at(i).isEmpty() &&
            haystack.contains(QLatin1Char('-') + codes.at(i) + QLatin1Char('-'));
    return chosen;
}

} // namespace

QByteArray beltFileBytes(const Belt& belt, const FeatureCodes& codes)
{
    const QString line = beltLine(belt, codes) + QStringLiteral("\r\n");
    // Rare ANSI text is also valid UTF-8 and would read back as other
    // characters; UTF-8 then keeps the code as it is.
    const QByteArray ansi = encodeLine(line, TextEncoding::Windows1252);
    const TextFile back = decodeTextFile(ansi);
    if (back.encoding == TextEncoding::Windows1252 &&
        back.lines.value(0) + QStringLiteral("\r\n") == line)
        return ansi;
    return encodeLine(line, TextEncoding::Utf8);
}

Belt readBeltLine(const QString& line, const FeatureCodes& codes)
{
    if (line.isEmpty())
        fail(RunError::InputPastEnd, FailNoOrderCode);
    Belt belt;
    belt.kind = line[0] == QLatin1Char('m') ? BeltKind::Modular : BeltKind::Plain;
    const Fields f = splitOrderCode(line.mid(1), belt.kind);

    // Only the widths the width bar has.
    belt.width = wholeNumber(f.width, FailWidth);
    if (!isBeltWidth(belt.width) || f.width.size() != 2)
        fail(InvalidValue, FailWidth, {f.width});
    belt.features = chosenFeatures(f, codes.of(belt.kind));

    if (belt.kind == BeltKind::Plain) {
        belt.length = wholeNumber(f.length, FailPlainLength);
        belt.rightRunning = f.direction == QLatin1String("R");
        if (belt.length < MinLength || belt.length > MaxLength)
            fail(InvalidValue, FailPlainLength, {f.length});
        return belt;
    }
    wholeNumber(f.length, FailModularLength);

    // One running side for the pieces and the editor.
    belt.rightRunning = f.direction.compare(QLatin1String("R"), Qt::CaseInsensitive) == 0;
    const int begin = pieceCode(f.beginPiece, PieceKind::Begin, belt.rightRunning);
    if (begin >= 0)
        belt.pieces.push_back(begin);
    appendMiddleModules(f.middleModules, belt.pieces);
    const int end = pieceCode(f.endPiece, PieceKind::End, belt.rightRunning);
    if (end >= 0)
        belt.pieces.push_back(end);
    // A belt starts with its begin piece; an open belt leaves room for its end.
    if (begin < 0 && !belt.pieces.empty())
        fail(InvalidValue, FailNoBeginPiece);
    const int fit = end >= 0 ? MaxPieces : MaxPiecesOpen;
    if (int(belt.pieces.size()) > fit)
        tooManyPieces(qint64(belt.pieces.size()), fit);
    return belt;
}

QString lastLine(const TextFile& file)
{
    return file.lines.isEmpty() ? QString() : file.lines.constLast();
}

Belt readBeltBytes(const QByteArray& bytes, const FeatureCodes& codes)
{
    return readBeltLine(lastLine(decodeTextFile(bytes)), codes);
}

Belt readBeltFile(const QString& path, const FeatureCodes& codes)
{
    try {
        return readBeltBytes(readWholeFile(path, BeltFileLimit), codes);
    } catch (RunError& error) {
        if (error.reason.subject.isEmpty())
            error.reason.subject = QFileInfo(path).fileName();
        throw;
    }
}

QString orderCodeText(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\\r\\n|\\r|\\n"));
    return text.trimmed().split(lineEnd).constLast().trimmed();
}

Belt readOrderCode(const QString& text, const FeatureCodes& codes)
{
    const QString code = orderCodeText(text);
    if (code.isEmpty())
        fail(RunError::InputPastEnd, FailNoOrderCode);
    const bool modular =
        pieceCode(splitOrderCode(code, BeltKind::Modular).beginPiece, PieceKind::Begin, true) >= 0;
    return readBeltLine(QLatin1Char(modular ? 'm' : 'o') + code, codes);
}

} // namespace kx

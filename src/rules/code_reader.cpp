#include "rules/code_reader.h"

#include "rules/order_code.h"
#include "rules/run_error.h"
#include "rules/type_codes.h"

#include <optional>

namespace kx {

namespace {

// Failures of a code that cannot be turned into a belt.
constexpr int TypeMismatch = 13;
constexpr int InvalidValue = 380;

[[noreturn]] void fail(int number, FailureText kind, const QStringList& values = {})
{
    // The file's name (or the code's) is added by whoever knows it.
    throw failure(number, kind, QString(), values);
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A field of digits alone. A number beyond any belt is capped, still too
// large, so that it is told as too large rather than read as another.
std::optional<qint64> wholeNumber(QStringView field)
{
    if (field.isEmpty())
        return std::nullopt;
    for (QChar c : field)
        if (!isAsciiDigit(c))
            return std::nullopt;
    while (field.size() > 1 && field.front() == QLatin1Char('0'))
        field = field.sliced(1);
    return field.size() > 15 ? Q_INT64_C(999999999999999) : field.toLongLong();
}

// The type code of the piece that letters in any case name, when it is a
// piece of the given kind; -1 otherwise. The comparison of the codes tells
// the case apart.
int pieceCode(const QString& letters, PieceKind kind, bool right)
{
    const std::optional<int> code = typeCodeFor(letters.toUpper(), right);
    return code && typeCode(*code)->kind == kind ? *code : -1;
}

bool isMiddleLetter(QChar c)
{
    return QLatin1StringView("GCVgcv").contains(c);
}

// Middle modules as runs: a count (none means 1) before each letter.
bool isRuns(const QString& field)
{
    if (field.isEmpty() || !isMiddleLetter(field.back()))
        return false;
    for (QChar c : field)
        if (!isAsciiDigit(c) && !isMiddleLetter(c))
            return false;
    return true;
}

bool isPieceField(const QString& field, bool right)
{
    return isRuns(field) || pieceCode(field, PieceKind::Begin, right) >= 0 ||
           pieceCode(field, PieceKind::End, right) >= 0;
}

// The number of pieces a code names, in decimal digits: a run count may
// have any number of digits, and the refusal tells it as it is.
class PieceTally
{
public:
    void add(QStringView digits)
    {
        while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
            digits = digits.sliced(1);
        QString sum;
        int carry = 0;
        for (qsizetype i = 0; i < std::max(digits_.size(), digits.size()) || carry; ++i) {
            const int a = i < digits_.size() ? digits_[digits_.size() - 1 - i].digitValue() : 0;
            const int b = i < digits.size() ? digits[digits.size() - 1 - i].digitValue() : 0;
            sum.prepend(QChar(u'0' + (a + b + carry) % 10));
            carry = (a + b + carry) / 10;
        }
        digits_ = sum;
    }
    void add(int count) { add(QString::number(count)); }
    bool atMost(int limit) const { return digits_.size() < 10 && digits_.toInt() <= limit; }
    QString text() const { return digits_; }

private:
    QString digits_ = QStringLiteral("0");
};

// Adds the field's runs to the pieces. Modules past any belt are counted in
// named, not kept.
void appendRuns(const QString& field, std::vector<int>& pieces, PieceTally& named)
{
    qsizetype digits = 0;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (isAsciiDigit(field[i])) {
            ++digits;
            continue;
        }
        const QStringView count = QStringView(field).sliced(i - digits, digits);
        digits = 0;
        if (count.isEmpty())
            named.add(1);
        else
            named.add(count);
        // Within a belt's pieces, the count is small. Middle modules are the
        // same on both running sides.
        if (named.atMost(MaxPieces))
            pieces.insert(pieces.end(), std::size_t(count.isEmpty() ? 1 : count.toInt()),
                          pieceCode(QString(field[i]), PieceKind::Middle, true));
    }
}

// The pieces of a belt with side modules, from the fields after the
// direction: the begin piece, runs of middle modules, and the end piece or
// the empty field that ends an open belt. Returns where the features start;
// named is the number of pieces the fields name.
qsizetype readPieces(const QStringList& fields, Belt& belt, const QStringList& features,
                     PieceTally& named)
{
    const bool right = belt.rightRunning;
    const auto isFeature = [&features](const QString& field) { return features.contains(field); };
    if (fields.isEmpty())
        return 0;
    const int begin = pieceCode(fields[0], PieceKind::Begin, right);
    if (begin < 0) {
        // No piece at all is a belt; pieces without their begin piece are not.
        const bool none = fields[0].isEmpty();
        const QString& next = none ? fields.value(1) : fields[0];
        if (!isFeature(next) && (!none || isPieceField(next, right)))
            fail(InvalidValue, FailNoBeginPiece);
        return none ? 1 : 0;
    }
    belt.pieces.push_back(begin);
    named.add(1);
    for (qsizetype j = 1; j < fields.size(); ++j) {
        const QString& field = fields[j];
        if (const int end = pieceCode(field, PieceKind::End, right); end >= 0) {
            belt.pieces.push_back(end);
            named.add(1);
            return j + 1;
        }
        if (isRuns(field)) {
            appendRuns(field, belt.pieces, named);
        } else if (field.isEmpty()) {
            // Pieces after the "-" that ends an open belt still count as
            // pieces, so that the length and the count tell what is wrong.
            const QString& next = fields.value(j + 1);
            if (!isPieceField(next, right) || isFeature(next))
                return j + 1;
        } else if (isFeature(field)) {
            return j;
        } else if (pieceCode(field, PieceKind::Begin, right) >= 0) {
            fail(InvalidValue, FailPieceOutOfPlace, {field});
        } else {
            fail(InvalidValue, FailUnknownPiece, {field});
        }
    }
    return fields.size();
}

QString featureFields(const FeatureChoice& chosen, const QStringList& defined)
{
    QString fields;
    for (int i = 0; i < FeatureCount && i < defined.size(); ++i)
        if (chosen[std::size_t(i)])
            fields += QLatin1Char('-') + defined.at(i);
    return fields;
}

// The features whose codes, each after a "-" and in check-box order, make
// up the fields exactly. Every choice is tried, so that codes holding a "-"
// or standing inside others are told apart.
FeatureChoice readFeatures(const QStringList& fields, const QStringList& defined, bool modular,
                           bool right)
{
    const QString tail =
        fields.isEmpty() ? QString() : QLatin1Char('-') + fields.join(QLatin1Char('-'));
    const int count = std::min<int>(FeatureCount, int(defined.size()));
    FeatureChoice chosen{};
    for (int mask = 0; mask < (1 << count); ++mask) {
        for (int i = 0; i < count; ++i)
            chosen[std::size_t(i)] = mask & (1 << i);
        if (featureFields(chosen, defined) == tail)
            return chosen;
    }
    // Known codes out of order, twice or between empty fields are left to
    // the comparison of the codes.
    chosen = {};
    for (const QString& field : fields) {
        const qsizetype index = defined.indexOf(field);
        if (index >= 0 && index < count)
            chosen[std::size_t(index)] = true;
        else if (modular && isPieceField(field, right))
            fail(InvalidValue, FailPieceOutOfPlace, {field});
        else if (!field.isEmpty())
            fail(InvalidValue, FailUnknownFeature, {field});
    }
    return chosen;
}

} // namespace

void requireVisibleCharacters(const QString& text)
{
    for (const char32_t c : text.toUcs4())
        if (isHiddenCharacter(c))
            fail(InvalidValue, FailCharacter,
                 {QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper()});
}

BeltKind kindOfCode(const QString& code)
{
    const QString field = code.split(QLatin1Char('-')).value(3);
    return pieceCode(field, PieceKind::Begin, true) >= 0 ? BeltKind::Modular : BeltKind::Plain;
}

Belt readCode(const QString& code, BeltKind kind, const FeatureCodes& codes)
{
    requireVisibleCharacters(code);
    if (!code.startsWith(QLatin1String("KX"), Qt::CaseInsensitive))
        fail(TypeMismatch, code.contains(QLatin1String("KX"), Qt::CaseInsensitive)
                               ? FailTextBeforeCode
                               : FailNoPrefix);
    Belt belt;
    belt.kind = kind;
    QStringList fields = code.mid(2).split(QLatin1Char('-'));
    const QString width = fields.value(0);
    const QString length = fields.value(1);
    const QString direction = fields.value(2);
    fields = fields.mid(3);
    const bool right = direction == QLatin1String("R");
    // The kind comes first: a code with pieces would fail on its length.
    if (kind == BeltKind::Plain && pieceCode(fields.value(0), PieceKind::Begin, true) >= 0 &&
        !codes.plain.contains(fields.value(0)))
        fail(InvalidValue, FailPlainHoldsPieces);

    if (width != QLatin1String("40") && width != QLatin1String("80"))
        fail(wholeNumber(width) ? InvalidValue : TypeMismatch, FailWidth, {width});
    belt.width = width.toInt();

    const std::optional<qint64> mm = wholeNumber(length);
    if (kind == BeltKind::Plain) {
        if (!mm || *mm < MinLength || *mm > MaxLength)
            fail(mm ? InvalidValue : TypeMismatch, FailPlainLength, {length});
        if (!isPlainLength(int(*mm)))
            fail(InvalidValue, FailPlainLengthStep, {length});
        belt.length = int(*mm);
    } else if (!mm) {
        fail(TypeMismatch, FailModularLength, {length});
    }

    if (!right && direction != QLatin1String("L"))
        fail(InvalidValue, FailDirection, {direction});
    belt.rightRunning = right;

    qsizetype featuresFrom = 0;
    if (kind == BeltKind::Modular) {
        PieceTally named;
        featuresFrom = readPieces(fields, belt, codes.modular, named);
        const int fit = belt.closed() ? MaxPieces : MaxPiecesOpen;
        if (!named.atMost(fit))
            fail(RunError::SubscriptOutOfRange, FailTooManyPieces,
                 {named.text(), QString::number(fit)});
        if (*mm != piecesLength(belt.pieces))
            fail(InvalidValue, FailPiecesLength,
                 {length, QString::number(piecesLength(belt.pieces))});
    }
    belt.features =
        readFeatures(fields.mid(featuresFrom), codes.of(kind), belt.modular(), belt.rightRunning);

    const QString built = orderCode(belt, codes);
    if (built != code)
        fail(InvalidValue, FailNotItsCode, {code, built});
    return belt;
}

} // namespace kx

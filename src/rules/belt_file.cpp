#include "rules/belt_file.h"

#include "rules/code_reader.h"
#include "rules/order_code.h"
#include "rules/run_error.h"
#include "rules/text_files.h"

#include <QFileInfo>

namespace kx {

namespace {
// A line that does not say which kind of belt it holds.
constexpr int TypeMismatch = 13;

[[noreturn]] void fail(int number, FailureText kind)
{
    // The file's name is added by whoever knows it.
    throw failure(number, kind, QString());
}

// Punctuation of an e-mail's sentence around a code; the dash of an open
// belt's code stays.
bool isWrapping(QChar c)
{
    return c.isPunct() && c.category() != QChar::Punctuation_Dash;
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

Belt readBeltLine(const QString& fileLine, const FeatureCodes& codes)
{
    const QString line = fileLine.trimmed();
    if (line.isEmpty())
        fail(RunError::InputPastEnd, FailNoOrderCode);
    requireVisibleCharacters(line);
    const QChar tag = line[0];
    if (tag != QLatin1Char('o') && tag != QLatin1Char('m'))
        fail(TypeMismatch, FailKindLetter);
    return readCode(line.mid(1), tag == QLatin1Char('m') ? BeltKind::Modular : BeltKind::Plain,
                    codes);
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
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i].isSpace())
            ++i;
        qsizetype end = i;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        QString word = text.mid(i, end - i);
        // Invisible marks that mail programs put in would reorder the offer.
        word.removeIf([](QChar c) { return isHiddenCharacter(c.unicode()); });
        while (!word.isEmpty() && isWrapping(word.front()))
            word.remove(0, 1);
        while (!word.isEmpty() && isWrapping(word.back()))
            word.chop(1);
        if (word.startsWith(QLatin1String("KX"), Qt::CaseInsensitive))
            return word.toUpper();
        i = end;
    }
    return QString();
}

Belt readOrderCode(const QString& text, const FeatureCodes& codes)
{
    const QString code = text.trimmed();
    if (code.isEmpty())
        fail(RunError::InputPastEnd, FailNoOrderCode);
    requireVisibleCharacters(code);
    return readCode(code, kindOfCode(code), codes);
}

} // namespace kx

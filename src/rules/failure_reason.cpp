#include "rules/failure_reason.h"

namespace kx {

// In the order of FailureText.
const std::array<const char*, FailureTextCount> FailureGerman = {
    "%1: Datei nicht gefunden",
    "%1: Ordner nicht gefunden",
    "%1: keine gewöhnliche Datei (ein Ordner, eine Pipe oder ein Gerät)",
    "%1: zu groß (%2 Bytes, höchstens %3)",
    "%1: Zugriff verweigert",
    "%1: konnte nicht gelesen werden",
    "%1: konnte nicht geschrieben werden",
    "%1: enthält keine Bestellnummer (die letzte Zeile ist leer)",
    "%1: keine Bestellnummer (sie beginnt mit KX)",
    "%1: Breite %2 (ein Band ist 40 oder 80 breit)",
    "%1: Länge %2 (ein Band ohne Module ist 300 bis 1500 mm lang)",
    "%1: Länge %2 ist keine Zahl",
    "%1: das Band hat %2 Teile, höchstens %3 passen",
    "%1: das Band beginnt nicht mit einem Anfangsstück (AG oder AC)",
    "%1: die Datei endet mitten im Abschnitt %2",
    "%1: die Zeile %2 fehlt",
    "%1: mehr als 255 Zeilen",
    "%1: kein Dateiname im Programmordner",
    "%1: der Drucker hat die Seite nicht angenommen",
    "%1: Fehler %2",
    "%1: das Dateisystem ist schreibgeschützt",
    "%1: der Datenträger ist voll",
    "%1: die Verknüpfung zeigt auf keine Datei",
    "%1: die Datei ist schreibgeschützt",
    "%1: die Zeile beginnt nicht mit o oder m",
    "%1: Text vor der Bestellnummer",
    "%1: das Zeichen %2 gehört nicht in eine Bestellnummer",
    "%1: Laufrichtung %2 (R oder L)",
    "%1: Länge %2 (ein Band ohne Module wächst in Schritten von 100 mm)",
    "%1: Länge %2, die Teile ergeben aber %3 mm",
    "%1: unbekanntes Teil %2",
    "%1: Teil %2 an falscher Stelle (das Anfangsstück steht vorn, das Endstück hinten)",
    "%1: die Datei eines Bandes ohne Module enthält Teile",
    "%1: unbekannte Option %2",
    "%1: %2 ist nicht die Bestellnummer des Bandes, das sie beschreibt (%3)",
    "%1: ein Band mit Modulen hat ohne Teile kein Datenblatt",
    "%1: der Abschnitt %2 fehlt"};

// In the order of QuestionText.
const std::array<const char*, QuestionTextCount> QuestionGerman = {
    "Die Änderungen an diesem Band sind nicht gespeichert. Jetzt speichern?",
    "&Speichern",
    "&Verwerfen",
    "Abbrechen",
    "%1 ist bereits vorhanden. Möchten Sie die Datei ersetzen?",
    "&Ersetzen"};

namespace {
// A field of a hostile file can be 255 characters long; the box shows its start.
constexpr int ShownValueLength = 24;

QString shortened(const QString& value)
{
    if (value.size() <= ShownValueLength)
        return value;
    qsizetype kept = ShownValueLength - 1;
    if (value.at(kept - 1).isHighSurrogate())
        --kept;
    return value.left(kept) + QChar(0x2026);
}

// Characters that show nothing, break the line or turn the text around.
bool invisible(char16_t c)
{
    return isHiddenCharacter(c) || c == 0x2028 || c == 0x2029;
}

// Before any text pass (a program without windows) the German words stand in.
// It takes the line, not the table: GCC merges a template's identical copies
// for both tables at -O3 and then warns that the merged one reads past the
// smaller table.
QString worded(const QString& text, const char* german)
{
    return text.isEmpty() ? QString::fromUtf8(german) : text;
}

// Fills %1..%9 in one pass.
QString filled(const QString& text, const QStringList& arguments)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const int index = i + 1 < text.size() ? text.at(i + 1).digitValue() - 1 : -1;
        if (c == QLatin1Char('%') && index >= 0 && index < arguments.size()) {
            result += arguments.at(index);
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

QString visibleText(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("\"\"");
    QString shown;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\0':
            shown += QLatin1String("\\0");
            break;
        case u'\t':
            shown += QLatin1String("\\t");
            break;
        case u'\n':
            shown += QLatin1String("\\n");
            break;
        case u'\r':
            shown += QLatin1String("\\r");
            break;
        default:
            if (invisible(c.unicode()))
                shown += QLatin1String("\\u") +
                         QString::number(c.unicode(), 16).rightJustified(4, u'0').toUpper();
            else
                shown += c;
        }
    }
    return shown;
}
} // namespace

bool isHiddenCharacter(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Other_Format;
}

QString failureText(const FailureReason& reason, int number,
                    const std::array<QString, FailureTextCount>& texts)
{
    QStringList arguments{visibleText(reason.subject)};
    if (reason.kind) {
        for (const QString& value : reason.values)
            arguments << visibleText(shortened(value));
    } else {
        arguments << QString::number(number);
    }
    const int line = reason.kind.value_or(FailOther);
    return filled(worded(texts[std::size_t(line)], FailureGerman[std::size_t(line)]), arguments);
}

QString questionText(const std::array<QString, QuestionTextCount>& texts, QuestionText line,
                     const QString& arg)
{
    return filled(worded(texts[std::size_t(line)], QuestionGerman[std::size_t(line)]),
                  {visibleText(arg)});
}

} // namespace kx

#include "rules/failure_reason.h"

namespace kx {

namespace {
// A field of a hostile file can be 255 characters long; the box shows its start.
constexpr int ShownValueLength = 24;

QString visible(const QString& text)
{
    QString shown;
    for (const char32_t c : text.toUcs4())
        shown +=
            isHiddenCharacter(c) ? QString(QChar::ReplacementCharacter) : QString::fromUcs4(&c, 1);
    return shown;
}

QString shortened(const QString& value)
{
    return value.size() <= ShownValueLength ? value
                                            : value.left(ShownValueLength - 1) + QChar(0x2026);
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
    QStringList arguments{visible(reason.subject)};
    if (reason.kind) {
        for (const QString& value : reason.values)
            arguments << shortened(visible(value));
    } else {
        arguments << QString::number(number);
    }
    const int line = reason.kind.value_or(FailOther);
    const QString& text = texts[std::size_t(line)];

    QString filled;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const int index = i + 1 < text.size() ? text.at(i + 1).digitValue() - 1 : -1;
        if (c == QLatin1Char('%') && index >= 0 && index < arguments.size()) {
            filled += arguments.at(index);
            ++i;
        } else {
            filled += c;
        }
    }
    return filled;
}

} // namespace kx

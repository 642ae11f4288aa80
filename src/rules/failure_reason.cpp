#include "rules/failure_reason.h"

namespace kx {

namespace {
// A field of a hostile file can be 255 characters long; the box shows its start.
constexpr int ShownValueLength = 24;

QString shortened(const QString& value)
{
    return value.size() <= ShownValueLength ? value
                                            : value.left(ShownValueLength - 1) + QChar(0x2026);
}
} // namespace

QString failureText(const FailureReason& reason, int number,
                    const std::array<QString, FailureTextCount>& texts)
{
    QStringList arguments{reason.subject};
    if (reason.kind) {
        for (const QString& value : reason.values)
            arguments << shortened(value);
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

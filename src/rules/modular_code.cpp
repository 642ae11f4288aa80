#include "modular_code.h"

#include "type_codes.h"

namespace kx {

namespace {
struct Run
{
    int type;
    char letter;
    int count = 0;
};

void flush(Run& run, QString& out)
{
    if (run.count > 1)
        out += QString::number(run.count);
    out += QLatin1Char(run.letter);
    run.count = 0;
}
} // namespace

bool isClosedRow(const std::vector<int>& pieces)
{
    return !pieces.empty() && isEndPiece(pieces.back());
}

int rowLength(const std::vector<int>& pieces)
{
    int length = 0;
    for (int type : pieces)
        length += isMiddleModule(type) ? 100 : 150;
    return length;
}

ModularCode buildModularCode(const ModularCodeInput& input)
{
    using namespace type_code;
    ModularCode result;
    const std::vector<int>& pieces = input.pieces;
    const int count = int(pieces.size());
    const bool closed = isClosedRow(pieces);

    QString code = QStringLiteral("KX");
    if (input.widthText == QLatin1String("40"))
        code += QLatin1String("40-");
    if (input.widthText == QLatin1String("80"))
        code += QLatin1String("80-");

    // For a closed belt this is 100 * (count + 1).
    result.length = rowLength(pieces);
    result.storesLength = count >= 2 && count <= 9;
    code += QString::number(result.length) + QLatin1Char('-');

    if (input.rightChecked)
        code += QLatin1String("R-");
    if (input.leftChecked)
        code += QLatin1String("L-");

    if (count > 0) {
        if (pieces[0] == AG_R || pieces[0] == AG_L)
            code += QLatin1String("AG-");
        if (pieces[0] == AC_R || pieces[0] == AC_L)
            code += QLatin1String("AC-");
    }

    // A run ends at the first position of another type, so at most one
    // counter is non-zero at a time and the runs come out in belt order.
    Run runs[] = {{G, 'G'}, {C, 'C'}, {V, 'V'}};
    QString middle;
    const int lastMiddle = closed ? count - 2 : count - 1;
    for (int position = 1; position <= lastMiddle; ++position) {
        for (Run& run : runs) {
            if (pieces[std::size_t(position)] == run.type)
                ++run.count;
            else if (run.count > 0)
                flush(run, middle);
        }
    }
    for (Run& run : runs) {
        if (run.count > 0) {
            const int kept = run.count;
            flush(run, middle);
            run.count = kept;
        }
    }
    code += middle;
    if (closed ? count > 2 : !middle.isEmpty())
        code += QLatin1Char('-');

    if (closed) {
        if (pieces.back() == EG_R || pieces.back() == EG_L)
            code += QLatin1String("EG");
        if (pieces.back() == EV_R || pieces.back() == EV_L)
            code += QLatin1String("EV");
    }

    for (const QString& feature : input.features)
        code += QLatin1Char('-') + feature;

    result.code = code;
    result.runG = runs[0].count;
    result.runC = runs[1].count;
    result.runV = runs[2].count;
    return result;
}

} // namespace kx

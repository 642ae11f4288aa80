#include "rules/belt_file.h"
#include "rules/order_code.h"
#include "rules/run_error.h"
#include "rules/text_files.h"
#include "rules/type_codes.h"

#include <cstddef>
#include <cstdint>

namespace {
const kx::FeatureCodes Codes{{QStringLiteral("SR"), QStringLiteral("LF"), QStringLiteral("F10")},
                             {QStringLiteral("SR"), QStringLiteral("LF")}};

// What the editor of the belt's kind can show.
bool sound(const kx::Belt& belt)
{
    if (!kx::isBeltWidth(belt.width))
        return false;
    if (!belt.modular())
        return belt.pieces.empty() && kx::isPlainLength(belt.length);
    const std::size_t fit = belt.closed() ? kx::MaxPieces : kx::MaxPiecesOpen;
    if (belt.pieces.size() > fit)
        return false;
    for (std::size_t k = 0; k < belt.pieces.size(); ++k) {
        const int code = belt.pieces[k];
        if (!kx::typeCode(code) || (k == 0) != kx::isBeginPiece(code) ||
            (kx::isEndPiece(code) && k + 1 != belt.pieces.size()))
            return false;
    }
    return true;
}

// A belt read from a code alone is the belt whose code it is.
void checkPasted(const QString& text)
{
    try {
        const kx::Belt pasted = kx::readOrderCode(text, Codes);
        if (!sound(pasted) || kx::orderCode(pasted, Codes) != text.trimmed())
            __builtin_trap();
    } catch (const kx::RunError&) {
    }
}
} // namespace

// Any bytes either load as a belt the editors can show or fail with a
// numbered error; nothing else may happen. Whatever loads is the belt its
// line says: saved again, it gives the same line, blanks and line end aside.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const kx::Belt belt = kx::readBeltBytes(bytes, Codes);
        const QString line = kx::lastLine(kx::decodeTextFile(bytes)).trimmed();
        if (!sound(belt) ||
            kx::lastLine(kx::decodeTextFile(kx::beltFileBytes(belt, Codes))) != line)
            __builtin_trap();
    } catch (const kx::RunError&) {
    }
    // The same bytes pasted, and the code Open order code offers from them.
    const QString text = QString::fromUtf8(bytes);
    checkPasted(text);
    checkPasted(kx::orderCodeText(text));
    return 0;
}

#include "rules/belt_file.h"
#include "rules/order_code.h"
#include "rules/run_error.h"
#include "rules/type_codes.h"

#include <cstddef>
#include <cstdint>

namespace {
const kx::FeatureCodes Codes{{QStringLiteral("SR"), QStringLiteral("LF")},
                             {QStringLiteral("SR"), QStringLiteral("LF")}};

// The rules of a belt that whatever loads keeps.
bool sound(const kx::Belt& belt)
{
    const std::size_t fit = belt.closed() ? 14 : 13;
    if (belt.pieces.size() > fit || !kx::isBeltWidth(belt.width))
        return false;
    if (!belt.modular())
        return belt.pieces.empty() && belt.length >= 300 && belt.length <= 1500;
    for (std::size_t k = 0; k < belt.pieces.size(); ++k) {
        const int code = belt.pieces[k];
        if (code < 0 || code > 30 || code % 3 != 0)
            return false;
        if (k == 0 && !kx::isBeginPiece(code))
            return false;
    }
    return true;
}
} // namespace

// Any bytes either load as a belt that keeps the belt's rules or fail with a
// numbered error; nothing else may happen. Whatever loads, written again,
// loads as the same belt.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const kx::Belt belt = kx::readBeltBytes(bytes, Codes);
        if (!sound(belt))
            __builtin_trap();
        if (kx::readBeltBytes(kx::beltFileBytes(belt, Codes), Codes) != belt)
            __builtin_trap();
    } catch (const kx::RunError&) {
    }
    // The same bytes as a pasted code: a belt read from a code alone is the
    // belt its code names, kind included.
    try {
        const kx::Belt pasted = kx::readOrderCode(QString::fromUtf8(bytes), Codes);
        const QString code = kx::orderCode(pasted, Codes);
        if (kx::readOrderCode(code + QStringLiteral(" \r\n"), Codes) != pasted || !sound(pasted))
            __builtin_trap();
    } catch (const kx::RunError&) {
    }
    return 0;
}

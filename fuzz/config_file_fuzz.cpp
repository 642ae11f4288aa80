#include "config_file.h"
#include "run_error.h"

#include <cstddef>
#include <cstdint>

// Any bytes either load as a belt that keeps the belt's rules or fail with a
// numbered error; nothing else may happen.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const kx::LoadedBelt belt = kx::readConfigFile(bytes);
        if (belt.pieces.size() > 14 || (!belt.hasEndPiece && belt.pieces.size() > 13))
            __builtin_trap();
        if (!belt.pieces.empty() && !belt.hasBeginPiece)
            __builtin_trap();
        for (int code : belt.pieces)
            if (code < 0 || code > 30 || code % 3 != 0)
                __builtin_trap();
        if (belt.kind == kx::BeltKind::Plain && (belt.length < 300 || belt.length > 1500))
            __builtin_trap();
        // A belt read back from what the program would write is the same belt.
        const kx::LoadedBelt again = kx::readConfigFile(kx::formatConfigFile(belt.kind, belt.orderCode));
        if (again.pieces != belt.pieces || again.width != belt.width || again.length != belt.length)
            __builtin_trap();
        kx::featureChosen(belt.fields, QStringLiteral("SR"));
    } catch (const kx::RunError&) {
    }
    // The same bytes as a pasted code: a belt read from a code alone is the
    // belt its code names, kind included.
    try {
        const kx::LoadedBelt pasted = kx::readOrderCode(QString::fromUtf8(bytes));
        const kx::LoadedBelt again = kx::readOrderCode(pasted.orderCode + QStringLiteral(" \r\n"));
        if (again.kind != pasted.kind || again.pieces != pasted.pieces ||
            pasted.orderCode != pasted.orderCode.trimmed())
            __builtin_trap();
        if (pasted.kind == kx::BeltKind::Modular && !pasted.hasBeginPiece)
            __builtin_trap();
    } catch (const kx::RunError&) {
    }
    return 0;
}

#include "rules/run_error.h"
#include "rules/text_files.h"
#include "rules/text_pass_parser.h"

#include <cstddef>
#include <cstdint>

// The input holds a main text file and a language file, split at the first
// NUL byte. The pass either runs through or stops with a numbered failure,
// and what it leaves keeps its bounds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    const QByteArray main = split < 0 ? bytes : bytes.left(split);
    const QByteArray language = split < 0 ? QByteArray() : bytes.mid(split + 1);

    kx::Wording v;
    try {
        const kx::TextPassOutcome outcome = kx::parseTextPass(v, [&](const QString& name) {
            if (name == QLatin1String("47-318-xx.ini"))
                return kx::decodeTextFile(main);
            if (name.isEmpty())
                throw kx::RunError(kx::RunError::FileNotFound);
            return kx::decodeTextFile(language);
        });
        if (v.plainFeatures.count > 6 || v.modularFeatures.count > 6)
            __builtin_trap();
        for (const kx::TextAssignment& a : outcome.assignments)
            if (a.property == kx::TextAssignment::Property::ToolTip && (a.index < 1 || a.index > 9))
                __builtin_trap();
        kx::rewriteMainTextFile(kx::decodeTextFile(main), QStringLiteral("English"));
    } catch (const kx::RunError&) {
    }
    return 0;
}

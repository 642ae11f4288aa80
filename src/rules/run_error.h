#pragma once

#include "rules/failure_reason.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace kx {

// A failure of the program's own procedures, identified by number as the
// error tails expect, with the reason the error box tells when it is known.
struct RunError : std::runtime_error
{
    enum : int {
        Overflow = 6,
        SubscriptOutOfRange = 9,
        FileNotFound = 53,
        InputPastEnd = 62,
        PathFileAccess = 75,
        Cancel = 32755,
    };

    explicit RunError(int number, FailureReason reason = {})
        : std::runtime_error("run-time error " + std::to_string(number)), number(number),
          reason(std::move(reason))
    {}

    int number;
    FailureReason reason;
};

// A failure of the given number whose reason is one of the [FEHLER] texts.
inline RunError failure(int number, FailureText kind, const QString& subject,
                        const QStringList& values = {})
{
    return RunError(number, FailureReason{kind, subject, values});
}

} // namespace kx

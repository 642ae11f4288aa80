#pragma once

#include <stdexcept>
#include <string>

namespace kx {

// A failure of the program's own procedures, identified by number as the
// error boxes and the error tails expect.
struct RunError : std::runtime_error {
    enum : int {
        Overflow = 6,
        SubscriptOutOfRange = 9,
        FileNotFound = 53,
        InputPastEnd = 62,
        PathFileAccess = 75,
        Cancel = 32755,
    };

    explicit RunError(int number)
        : std::runtime_error("run-time error " + std::to_string(number)), number(number)
    {
    }

    int number;
};

} // namespace kx

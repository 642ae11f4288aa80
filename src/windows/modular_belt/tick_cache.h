#pragma once

#include "modular_code.h"
#include "variablen.h"

#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace kx {

// What a drive tick read and left behind.
struct DriveTickMemo {
    bool valid = false;
    quint64 controlChanges = 0;
    std::array<int, decltype(Variablen::Module_Type)::size()> types{};
    int count = 0;
    bool beginPiece = false;
    bool endPiece = false;
    int driveSlot = 0;
    int shownDriveSlot = 0;
    double length = 0;
};

// What building the order code read and left behind.
struct OrderCodeMemo {
    bool valid = false;
    quint64 controlChanges = 0;
    quint64 menuChanges = 0;
    std::vector<int> pieces;
    std::array<QString, FeatureCount> featureCodes;
    QString copyCaption;
    QString buttonCaption;
    QString orderCode;
    bool storesLength = false;
    double length = 0;
    int runG = 0;
    int runC = 0;
    int runV = 0;
};

// What the modular belt's ticks remember between two ticks. Both editor
// timers run the drive work or the order-code build ten times a second,
// nearly always on an unchanged belt; with this, such a tick reads a few
// variables and no widget.
//
// wmM owns it, since its controls are most of what the ticks read: a new wmM
// (after a language switch) starts with nothing remembered. A memo is stale
// as soon as anything in it differs from the present: the shared variables
// are compared by value, wmM's controls by its controlChanges(), the menu
// items of the main window by its menuChanges().
struct TickCache {
    DriveTickMemo drive;
    OrderCodeMemo orderCode;
    // The last order code built and its input, which is all the code
    // depends on: a build from the same input takes it.
    std::optional<std::pair<ModularCodeInput, ModularCode>> lastBuild;
};

} // namespace kx

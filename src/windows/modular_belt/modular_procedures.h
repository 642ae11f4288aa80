#pragma once

#include "variablen.h"

#include "modular_editor.h"
#include <QString>

#include <array>
#include <vector>

namespace kx {
class Forms;

// What building the order code read and left behind. The refresh step
// builds it on every tick while the belt is open, nearly always from the
// same belt; then nothing needs reading but a few variables.
struct OrderCodeMemo {
    bool valid = false;
    quint64 menuChanges = 0;
    EditorStamp window;
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

namespace Funktionen {

// Open wmM for a new, empty belt running right or left.
void Create_Belt_mM_Right(Forms& forms);
void Create_Belt_mM_Left(Forms& forms);

// Build the modular belt's order code and show it.
void Make_Order_Code_mM(Forms& forms);
// The same, skipped when nothing it reads or writes has changed since.
void Make_Order_Code_mM(Forms& forms, OrderCodeMemo& memo);

// Every shown piece gets its plain picture back.
void Clear_Module_Marks(Forms& forms);

} // namespace Funktionen
} // namespace kx

#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace kx {

struct TextFile;

enum class BeltKind { Plain, Modular };

// A configuration file holds one line: the kind tag ("o" or "m") and the
// order code, ended by CR LF.
QByteArray formatConfigFile(BeltKind kind, const QString& orderCode);

// The fields of an order code, split at "-" from the character after the
// first "X" as the loader reads them.
struct OrderCodeFields {
    QString width;
    QString length;
    QString direction;
    QString beginPiece;
    QString middleModules;
    QString endPiece;
    // Everything after the direction field; features are matched in it.
    QString afterDirection;
};

// Throws RunError when the code has no "X".
OrderCodeFields splitOrderCode(const QString& orderCode, BeltKind kind);

// A configuration read and checked as a whole, before any window is touched.
struct LoadedBelt {
    BeltKind kind = BeltKind::Plain;
    QString orderCode; // shown unchanged in the editor
    OrderCodeFields fields;
    int width = 0;
    int length = 0;
    bool rightRunning = true;
    std::vector<int> pieces; // type codes, begin piece first
    bool hasBeginPiece = false;
    bool hasEndPiece = false;
};

// Reads the last line of a configuration file's bytes and checks it; any
// file the loader cannot rebuild a belt from throws RunError.
LoadedBelt readConfigFile(const QByteArray& bytes);
// The line a configuration file holds: its last one; empty for an empty file.
QString lastLine(const TextFile& file);
LoadedBelt readConfigLine(const QString& line);

// A feature is chosen when its code stands as whole fields after the
// direction field.
bool featureChosen(const OrderCodeFields& fields, const QString& featureCode);

} // namespace kx

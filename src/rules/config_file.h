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
    QString line; // the kind tag and the order code
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

// A configuration line with a wide margin: a larger file is no belt.
constexpr qint64 ConfigFileLimit = 64 * 1024;

// Reads a configuration file from disk and checks it, as File > Open and
// any other way of loading a file do: a file that is no belt, or that the
// editors could not show, throws RunError whose reason names the file.
LoadedBelt readBeltFile(const QString& path);

// Reads the last line of a configuration file's bytes and checks it; any
// file the loader cannot rebuild a belt from throws RunError with its reason.
LoadedBelt readConfigFile(const QByteArray& bytes);
// The line a configuration file holds: its last one; empty for an empty file.
QString lastLine(const TextFile& file);
LoadedBelt readConfigLine(const QString& line);

// An order code on its own, as a customer sends it: read as a file holding
// it would be, its kind told by the code itself (a begin piece right after
// the direction makes a belt with modules). Surrounding blanks and line
// ends do not count; of several lines the last counts, as in a file.
LoadedBelt readOrderCode(const QString& text);
// The code readOrderCode reads of a text.
QString orderCodeText(const QString& text);

// A feature is chosen when its code stands as whole fields after the
// direction field.
bool featureChosen(const OrderCodeFields& fields, const QString& featureCode);

} // namespace kx

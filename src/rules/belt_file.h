#pragma once

#include "rules/belt.h"

#include <QByteArray>
#include <QString>

namespace kx {

struct TextFile;

// A belt file holds one line: the kind tag ("o" or "m") and the order code,
// ended by CR LF.
QByteArray beltFileBytes(const Belt& belt, const FeatureCodes& codes);

// A belt file is small: a larger file is no belt.
constexpr qint64 BeltFileLimit = 64 * 1024;

// The belt of a belt file's line, read and checked whole before any window
// is touched. Without its line end and the blanks around it, the line is
// the kind tag ("o" or "m") and the code of a belt the editor of that kind
// can show, exactly as orderCode() writes it; anything else throws
// RunError with its reason. The same reader serves every way to a belt.
Belt readBeltLine(const QString& line, const FeatureCodes& codes);
// The last line of a belt file's bytes; empty for an empty file.
QString lastLine(const TextFile& file);
Belt readBeltBytes(const QByteArray& bytes, const FeatureCodes& codes);
// Reads the file from disk, guarded as every file is; the reason of a
// failure names the file.
Belt readBeltFile(const QString& path, const FeatureCodes& codes);

// An order code on its own, as a customer sends it, blanks and line ends
// around it dropped: read as a file holding it would be, its kind told by
// the code itself (a begin piece right after the direction makes a belt
// with side modules).
Belt readOrderCode(const QString& text, const FeatureCodes& codes);
// The code an e-mail's text offers: its first word that starts with "KX",
// in any line, in upper case, without the punctuation of the sentence
// around it; empty when there is none.
QString orderCodeText(const QString& text);

} // namespace kx

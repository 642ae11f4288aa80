#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

namespace kx {

class Forms;
struct Variablen;

// What the datasheet tells of a belt, in the words the editors show it in.
struct DatasheetFacts
{
    QString orderCode;
    bool modular = false;
    bool rightRunning = true;
    QString length; // in mm, as the editor shows it
    QString width;
    QStringList features;    // the captions of the chosen features
    std::vector<int> pieces; // type codes, begin piece first
    QStringList pieceWords;  // "Module C, position 3", one a piece
    QString drive;           // the piece the drive sits under, worded as above
    QDate date;
};

// The belt in front, as its editor shows it: the plain belt when band_om
// carries the check mark, else the belt with side modules.
DatasheetFacts datasheetFacts(Forms& forms);

// The date as the language file's locale writes it in full.
QString datasheetDate(const QDate& date, const Variablen& v);

// One A4 page in the words of the [DATENBLATT] section.
void paintDatasheet(QPainter& painter, const DatasheetFacts& facts, const Variablen& v);

// The page as a PDF document; throws RunError when it cannot be made.
QByteArray datasheetPdf(const DatasheetFacts& facts, const Variablen& v);

} // namespace kx

#include "datasheet.h"

#include "drawing.h"
#include "drive.h"
#include "file_command.h"
#include "forms.h"
#include "image_control.h"
#include "main_window.h"
#include "modular_editor.h"
#include "plain_editor.h"
#include "run_error.h"
#include "variablen.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QFont>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QRadioButton>

namespace kx {

namespace {

const char* const ProgramName = "KX-Konfigurator";

template <class Boxes>
QStringList chosenFeatures(const Boxes& boxes, int count)
{
    QStringList chosen;
    for (int i = 0; i < count && i < int(boxes.size()); ++i)
        if (boxes[std::size_t(i)]->isChecked())
            chosen << plainCaption(boxes[std::size_t(i)]->text());
    return chosen;
}

void editorFacts(const BeltEditor& editor, DatasheetFacts& facts)
{
    facts.orderCode = editor.Text_Bestellnummer->text();
    facts.length = editor.Text_Bandlaenge->text();
    facts.width = editor.Text_Bandbreite->text();
    facts.rightRunning = editor.Option_Rechts->isChecked();
}

// Page geometry in tenths of a millimetre.
constexpr qreal TitleSize = 60;
constexpr qreal SmallSize = 32;
constexpr qreal CodeSize = 100;
constexpr qreal TableSize = 38;
constexpr qreal LabelColumn = 520;
constexpr qreal Gap = 40;
constexpr qreal MaxPicture = 700;

QFont pageFont(qreal size, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    // Without ligatures the words come back out of the PDF as typed.
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    font.setPixelSize(qMax(1, qRound(size)));
    font.setBold(bold);
    return font;
}

// Draws lines of text from the top of the rectangle, wrapped at its width;
// returns the height used.
qreal drawLines(QPainter& painter, const QRectF& area, const QStringList& lines)
{
    qreal y = area.top();
    for (const QString& line : lines) {
        const QRectF room(area.left(), y, area.width(), 10000);
        QRectF used;
        painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line, &used);
        y += qMax(used.height(), QFontMetricsF(painter.font()).height());
    }
    return y - area.top();
}

} // namespace

QString datasheetDate(const QDate& date, const Variablen& v)
{
    // A language file that does not name its language gets a date any
    // reader can tell.
    const QString locale = v.Locale_Texts(LocaleName).trimmed();
    return locale.isEmpty() ? date.toString(Qt::ISODate)
                            : QLocale(locale).toString(date, QLocale::LongFormat);
}

DatasheetFacts datasheetFacts(Forms& forms)
{
    const Variablen& v = forms.vars();
    DatasheetFacts facts;
    facts.date = QDate::currentDate();
    if (forms.main().band_om->isChecked()) {
        const PlainBeltEditor& woM = forms.window<PlainBeltEditor>();
        editorFacts(woM, facts);
        facts.features = chosenFeatures(woM.Check_Optional, v.Optional_Count_oM);
        return facts;
    }
    const ModularBeltEditor& wmM = forms.window<ModularBeltEditor>();
    editorFacts(wmM, facts);
    facts.modular = true;
    facts.features = chosenFeatures(wmM.Check_Optional, v.Optional_Count_mM);
    std::array<bool, SlotCount> shown{};
    std::array<int, SlotCount> types{};
    for (int k = 0; k < v.Module_Count && k < SlotCount; ++k) {
        const int type = v.Module_Type[k];
        shown[std::size_t(k)] = true;
        types[std::size_t(k)] = type;
        facts.pieces.push_back(type);
        // As a screen reader names the piece.
        facts.pieceWords << wmM.pieceAtPosition(type, k);
    }
    if (const std::optional<int> drive = drivePosition(shown, types, v.Module_Count))
        facts.drive = facts.pieceWords.value(*drive);
    return facts;
}

void paintDatasheet(QPainter& painter, const DatasheetFacts& facts, const Variablen& v)
{
    const auto word = [&v](DatasheetText line) { return v.Datasheet_Texts(line); };
    QPaintDevice* device = painter.device();
    const qreal unit = device->logicalDpiX() / 254.0;
    painter.save();
    painter.scale(unit, unit);
    const qreal width = device->width() / unit;
    const QColor ink(0x20, 0x20, 0x20);
    painter.setPen(ink);

    // Heading: the program's name and the sheet's title, the date below.
    painter.setFont(pageFont(TitleSize, true));
    const qreal titleHeight = QFontMetricsF(painter.font()).height();
    painter.drawText(QRectF(0, 0, width, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromLatin1(ProgramName));
    painter.setFont(pageFont(TitleSize));
    painter.drawText(QRectF(0, 0, width, titleHeight), Qt::AlignRight | Qt::AlignVCenter,
                     word(DatasheetTitle));
    qreal y = titleHeight + 10;
    painter.setFont(pageFont(SmallSize));
    y += drawLines(painter, QRectF(0, y, width, 0),
                   {word(DatasheetDate) + QStringLiteral(": ") + datasheetDate(facts.date, v)});
    y += 20;
    painter.setPen(QPen(ink, 4));
    painter.drawLine(QPointF(0, y), QPointF(width, y));
    y += Gap;

    // The order code, large, shrunk to the page width if need be.
    painter.setPen(ink);
    painter.setFont(pageFont(SmallSize));
    y += drawLines(painter, QRectF(0, y, width, 0), {word(DatasheetOrderCode)});
    QFont codeFont = pageFont(CodeSize, true);
    const qreal codeWidth = QFontMetricsF(codeFont).horizontalAdvance(facts.orderCode);
    if (codeWidth > width)
        codeFont.setPixelSize(qMax(1, int(CodeSize * width / codeWidth)));
    painter.setFont(codeFont);
    const qreal codeHeight = QFontMetricsF(codeFont).height();
    painter.drawText(QRectF(0, y, width, codeHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     facts.orderCode);
    y += codeHeight + Gap;

    // The belt as vectors, with the arrow of its running direction, as wide
    // as the page unless that made it too tall.
    BeltLook look;
    look.rightRunning = facts.rightRunning;
    look.plainLength = facts.length.toInt();
    look.pieces = facts.pieces;
    // A belt with modules but no piece yet has nothing to draw.
    const bool drawn = !facts.modular || !facts.pieces.empty();
    const QSizeF own = drawn ? QSizeF(beltDrawing(look).size()) : QSizeF();
    if (!own.isEmpty()) {
        const qreal height = qMin(width * own.height() / own.width(), MaxPicture);
        paintBelt(painter, QRectF(0, y, width, height), look);
        y += height + 30;
    }
    y += Gap;

    // The table of the belt.
    const QString direction = facts.rightRunning ? word(DatasheetRight) : word(DatasheetLeft);
    QList<QPair<QString, QStringList>> rows{
        {word(DatasheetKind), {facts.modular ? word(DatasheetModular) : word(DatasheetPlain)}},
        {word(DatasheetLength), {facts.length + QStringLiteral(" mm")}},
        {word(DatasheetWidth), {facts.width + QStringLiteral(" mm")}},
        {word(DatasheetDirection), {direction}},
        {word(DatasheetFeatures),
         facts.features.isEmpty() ? QStringList{word(DatasheetNone)} : facts.features}};
    if (facts.modular) {
        rows.append({word(DatasheetPieces),
                     facts.pieceWords.isEmpty() ? QStringList{word(DatasheetNone)}
                                                : facts.pieceWords});
        if (!facts.drive.isEmpty())
            rows.append({word(DatasheetDrive),
                         {QString(word(DatasheetDriveUnder)).replace(QStringLiteral("%1"),
                                                                     facts.drive)}});
    }
    painter.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 2));
    painter.drawLine(QPointF(0, y), QPointF(width, y));
    for (const auto& [label, values] : rows) {
        y += 15;
        painter.setPen(ink);
        painter.setFont(pageFont(TableSize, true));
        const qreal labelHeight =
            drawLines(painter, QRectF(0, y, LabelColumn - 20, 0), {label});
        painter.setFont(pageFont(TableSize));
        const qreal valueHeight =
            drawLines(painter, QRectF(LabelColumn, y, width - LabelColumn, 0), values);
        y += qMax(labelHeight, valueHeight) + 15;
        painter.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 2));
        painter.drawLine(QPointF(0, y), QPointF(width, y));
    }
    painter.restore();
}

QByteArray datasheetPdf(const DatasheetFacts& facts, const Variablen& v)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(600);
        writer.setCreator(QString::fromLatin1(ProgramName));
        writer.setTitle(v.Datasheet_Texts(DatasheetTitle) + QStringLiteral(" ") + facts.orderCode);
        QPainter painter;
        if (!painter.begin(&writer))
            throw failure(RunError::PathFileAccess, FailNotWritten, QString());
        painter.setRenderHint(QPainter::Antialiasing);
        paintDatasheet(painter, facts, v);
        if (!painter.end())
            throw failure(RunError::PathFileAccess, FailNotWritten, QString());
    }
    return buffer.data();
}

} // namespace kx

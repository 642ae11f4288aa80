#include "belt_driver.h"

#include "belt_rows.h"
#include "pictures/picture_store.h"
#include "rules/belt_file.h"
#include "windows/forms/image_control.h"
#include "windows/forms/keyed_toolbar.h"
#include "windows/forms/twips.h"
#include "windows/main/main_window.h"
#include "windows/modular_belt/modular_editor.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

namespace kx {

BeltDriver::BeltDriver(bool right)
{
    main = &program.start();
    program.holdTimers();
    setUp(right);
    e = &program.forms->window<ModularBeltEditor>();
}

void BeltDriver::setUp(bool right)
{
    (right ? main->newRightAction : main->newLeftAction)->trigger();
}

KeyedToolbar* BeltDriver::shownToolbar() const
{
    return e->Toolbar_Rechts->isHidden() ? e->Toolbar_Links : e->Toolbar_Rechts;
}

void BeltDriver::press(const QString& key)
{
    KeyedToolbar* toolbar = shownToolbar();
    QAction* button = toolbar->buttonByKey(key);
    if (!button)
        qFatal("no button %s", qPrintable(key));
    QTest::mouseClick(toolbar->widgetForAction(button), Qt::LeftButton);
}

void BeltDriver::click(int slot)
{
    QTest::mouseClick(e->Image_Modul.at(std::size_t(slot)), Qt::LeftButton);
}

void BeltDriver::doubleClick(int slot)
{
    QTest::mouseDClick(e->Image_Modul.at(std::size_t(slot)), Qt::LeftButton);
}

void BeltDriver::releaseDelete()
{
    QTest::keyRelease(e, Qt::Key_Delete);
}

void BeltDriver::mark(const QString& script)
{
    for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("del"))
            releaseDelete();
        else if (step.startsWith(QLatin1Char('c')))
            click(step.mid(1).toInt());
        else
            doubleClick(step.mid(1).toInt());
    }
}

void BeltDriver::tickModule()
{
    main->Timer_Module_Timer();
}

void BeltDriver::tickDrive()
{
    main->Timer_Antrieb_Timer();
}

void BeltDriver::build(const QString& keys)
{
    for (const QString& key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        press(key);
        tickModule();
    }
}

void BeltDriver::load(std::initializer_list<int> types)
{
    Belt belt;
    belt.kind = BeltKind::Modular;
    belt.rightRunning = main->newRightAction->isChecked();
    belt.pieces.assign(types.begin(), types.end());
    const QString name = QStringLiteral("loaded.dat");
    program.writeFile(name, beltFileBytes(belt, document().featureCodes()));
    program.load(program.path(name));
}

QString BeltDriver::row() const
{
    return piecesText(document().belt().pieces);
}

QString BeltDriver::shownSlots() const
{
    QStringList shown;
    for (int k = 0; k < SlotCount; ++k)
        if (!e->Image_Modul[std::size_t(k)]->isHidden())
            shown << QString::number(k);
    return shown.join(QLatin1Char(' '));
}

QString BeltDriver::shownDrives() const
{
    QStringList shown;
    for (int k = 0; k < SlotCount; ++k)
        if (!e->Image_Antrieb[std::size_t(k)]->isHidden())
            shown << QString::number(k);
    return shown.join(QLatin1Char(' '));
}

QList<int> BeltDriver::lefts() const
{
    QList<int> out;
    for (int k = 0; k < count(); ++k)
        out << e->moduleSlotLeftTwips(k);
    return out;
}

int BeltDriver::widthTwips(int slot) const
{
    return toTwips(e->Image_Modul.at(std::size_t(slot))->width());
}

int BeltDriver::variant(int slot) const
{
    const qint64 shown = e->Image_Modul.at(std::size_t(slot))->picture().cacheKey();
    for (int v = 0; v < 3; ++v)
        if (program.forms->modulePictures()
                .Picture_M(document().belt().pieces.at(std::size_t(slot)) + v)
                .cacheKey() == shown)
            return v;
    return -1;
}

QString BeltDriver::variants() const
{
    QString out;
    for (int k = 0; k < count(); ++k)
        out += QString::number(variant(k));
    return out;
}

QList<int> BeltDriver::messages() const
{
    QList<int> out;
    for (const auto& box : program.boxes.shown) {
        int number = -1;
        for (int k = 1; k <= 10; ++k)
            if (box.text == wording().messages[std::size_t(k)] &&
                box.title == wording().messages[0])
                number = k;
        out << number;
    }
    return out;
}

QString BeltDriver::code() const
{
    return e->Text_Bestellnummer->text();
}

QString BeltDriver::lengthText() const
{
    return e->Text_Bandlaenge->text();
}

} // namespace kx

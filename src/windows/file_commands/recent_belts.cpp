#include "windows/file_commands/recent_belts.h"

#include "rules/user_folders.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace kx {

namespace {
const char* const RecentKey = "recent/belts";

void storeRecentBelts(const QStringList& list)
{
    QSettings settings(userSettingsFile(), QSettings::IniFormat);
    settings.setValue(QLatin1String(RecentKey), list);
}
} // namespace

QStringList recentBelts()
{
    const QSettings settings(userSettingsFile(), QSettings::IniFormat);
    QStringList list = settings.value(QLatin1String(RecentKey)).toStringList();
    list.removeAll(QString());
    return list.mid(0, RecentBeltCount);
}

void rememberRecentBelt(const QString& path)
{
    // The path in front, once, and the list cut to its length.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = recentBelts();
    list.removeAll(absolute);
    list.prepend(absolute);
    storeRecentBelts(list.mid(0, RecentBeltCount));
}

void forgetRecentBelt(const QString& path)
{
    QStringList list = recentBelts();
    if (list.removeAll(path) > 0)
        storeRecentBelts(list);
}

void fillRecentMenu(QMenu& menu, const std::function<void(const QString&)>& open)
{
    menu.clear();
    const QStringList list = recentBelts();
    for (int i = 0; i < list.size(); ++i) {
        const QString path = list[i];
        // "&&" keeps an ampersand in a path from making a mnemonic.
        QAction* item = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QString(path).replace(QLatin1Char('&'), QStringLiteral("&&"))));
        item->setObjectName(QStringLiteral("zuletzt%1").arg(i + 1));
        QObject::connect(item, &QAction::triggered, &menu, [open, path] { open(path); });
    }
    menu.menuAction()->setEnabled(!list.isEmpty());
}

} // namespace kx

#pragma once

#include <QStringList>

#include <functional>

class QMenu;

namespace kx {

// File > Recent: the belts loaded or saved last, newest first, kept across
// starts in the user's settings.
constexpr int RecentBeltCount = 5;

QStringList recentBelts();
void rememberRecentBelt(const QString& path);
void forgetRecentBelt(const QString& path);

// Fills the Recent menu, one item a belt (zuletzt1 .. zuletzt5), each
// calling open with its path; the menu is disabled while the list is empty.
void fillRecentMenu(QMenu& menu, const std::function<void(const QString&)>& open);

} // namespace kx

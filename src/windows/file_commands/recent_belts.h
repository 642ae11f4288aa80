#pragma once

#include <QStringList>

#include <functional>

class QMenu;
class QWidget;

namespace kx {

class Forms;

// File > Recent: the belts loaded or saved last, newest first, kept across
// starts in the user's settings.
constexpr int RecentBeltCount = 5;

QStringList recentBelts();
void rememberRecentBelt(const QString& path);

// Fills the Recent menu, one item a belt (zuletzt1 .. zuletzt5), each
// calling open with its path; the menu is disabled while the list is empty.
void fillRecentMenu(QMenu& menu, const std::function<void(const QString&)>& open);

// Loads a belt of the list as File > Open would; a file that is gone is
// taken off the list once the load has said so.
void openRecentBelt(Forms& forms, QWidget* parent, const QString& path);

} // namespace kx

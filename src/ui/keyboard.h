// Reaching everything from the keyboard: access keys on menus and field labels, and shortcuts.
#pragma once

#include <QKeySequence>
#include <QString>
#include <initializer_list>
#include <set>
#include <utility>

class QAction;
class QTabWidget;
class QWidget;

namespace standwise {

/// A caption with its access key: the first letter not yet in `used` is underlined (an "&" put
/// before it) and added to `used`. A caption that has a key already keeps it; one whose letters
/// are all taken stays as it is.
QString with_access_key(const QString& caption, std::set<QChar>& used);
/// The key a caption carries ("&" before it), lower case; a null QChar when it has none.
QChar access_key(const QString& caption);

/// Gives every menu title, menu item and field label of a window that has no access key one.
/// The menu titles and the labels outside tab pages share one set of keys; each tab page's labels
/// take theirs from what is left, since only one page shows at a time; each menu has its own.
void give_access_keys(QWidget* window);

/// The arrows that scroll a tab bar stay out of the Tab order: the arrow keys on the tabs scroll
/// them too, and every Tab would otherwise stop twice on the way to the page.
void keep_tab_arrows_out_of_tab_order(QTabWidget* tabs);

void set_shortcuts(std::initializer_list<std::pair<QAction*, QKeySequence>> shortcuts);

}  // namespace standwise

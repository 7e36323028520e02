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
/// before it) and added to `used`, or failing that the first such digit. A caption that has a key
/// already keeps it; one whose letters and digits are all taken stays as it is.
QString with_access_key(const QString& caption, std::set<QChar>& used);
/// The key a caption carries ("&" before it), lower case; a null QChar when it has none.
QChar access_key(const QString& caption);

/// Gives every menu title, menu item, field label, push button and option button of a window that
/// has no access key one. The menu titles and what lies outside tab pages share one set of keys;
/// each tab page takes its keys from what is left, since only one page shows at a time; each menu
/// has its own.
void give_access_keys(QWidget* window);

/// The keys of a tab widget: Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp change the page
/// from any control of the window, a list with the focus included, which keeps its value; the tab
/// widget is no Tab stop of its own (its tab bar is), nor are the arrows that scroll the tabs. Tabs
/// that would not all show in the widget's width (large text) take less room beside their captions.
void give_tab_keys(QTabWidget* tabs);

/// The option buttons of `frame` form one Tab stop: Tab lands on the checked one, the arrow keys
/// only move the focus among them, and Space chooses, with whatever question the choice raises.
void choose_options_with_space(QWidget* frame);

/// The menu commands that both workspaces have, found by their control names, take their access
/// keys and shortcuts from one table, so a command has the same keys in either workspace.
void give_command_keys(QWidget* workspace);

void set_shortcuts(std::initializer_list<std::pair<QAction*, QKeySequence>> shortcuts);

}  // namespace standwise

// A workspace's "Recent configurations": the files last loaded or saved there, newest first, kept
// across runs in the settings.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace standwise {

/// Owned by the File menu it is added to.
class RecentConfigurations : public QObject {
public:
    /// Adds the submenu to `file_menu` before `before`. `key` names the workspace's list in the
    /// settings; `open` is called with the entry the user picks.
    RecentConfigurations(QMenu* file_menu, QAction* before, const QString& key,
                         std::function<void(const std::string&)> open);

    std::vector<std::string> paths() const;
    /// Puts a file just loaded or saved at the top.
    void add(const std::string& path);
    void remove(const std::string& path);

    QMenu* menu() const { return menu_; }

private:
    void store(const std::vector<std::string>& paths);
    void rebuild();

    QMenu* menu_;
    QString key_;
    std::function<void(const std::string&)> open_;
};

}  // namespace standwise

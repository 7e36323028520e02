#include "ui/recent_configurations.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QStringList>
#include <algorithm>

#include "files/file_names.h"
#include "ui/widgets.h"

namespace standwise {
namespace {

// The same file reached by another way (a relative name on the command line) is listed once.
std::string full_path(const std::string& path) {
    return ss(QDir::toNativeSeparators(QFileInfo(qs(path)).absoluteFilePath()));
}

}  // namespace

RecentConfigurations::RecentConfigurations(QMenu* file_menu, QAction* before, const QString& key,
                                           std::function<void(const std::string&)> open)
    : QObject(file_menu),
      menu_(new QMenu(QStringLiteral("Recent configurations"), file_menu)),
      key_(QStringLiteral("recent/") + key),
      open_(std::move(open)) {
    menu_->setObjectName(QStringLiteral("mnurecent"));
    file_menu->insertMenu(before, menu_);
    rebuild();
}

std::vector<std::string> RecentConfigurations::paths() const {
    std::vector<std::string> paths;
    for (const QString& path : QSettings().value(key_).toStringList())
        paths.push_back(ss(path));
    if (paths.size() > kRecentConfigurations) paths.resize(kRecentConfigurations);
    return paths;
}

void RecentConfigurations::add(const std::string& path) {
    store(with_recent(paths(), full_path(path)));
}

void RecentConfigurations::remove(const std::string& path) {
    std::vector<std::string> kept = paths();
    std::erase(kept, path);
    store(kept);
}

void RecentConfigurations::store(const std::vector<std::string>& paths) {
    QStringList list;
    for (const std::string& path : paths)
        list << qs(path);
    QSettings().setValue(key_, list);
    rebuild();
}

// Entries are numbered for the keyboard; an "&" in a folder name is shown as written.
void RecentConfigurations::rebuild() {
    menu_->clear();
    const std::vector<std::string> recent = paths();
    int number = 0;
    for (const std::string& path : recent) {
        QString caption = qs(path);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = menu_->addAction(QStringLiteral("&%1 %2").arg(++number).arg(caption));
        QObject::connect(entry, &QAction::triggered, menu_, [this, path] { open_(path); });
    }
    menu_->setEnabled(!recent.empty());
}

}  // namespace standwise

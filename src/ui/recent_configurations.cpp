#include "ui/recent_configurations.h"

#include <QMenu>
#include <QSettings>
#include <QVariant>
#include <QVariantList>
#include <algorithm>
#include <filesystem>

#include "files/file_names.h"
#include "platform/native.h"
#include "ui/widgets.h"

namespace standwise {
namespace {

// The same file reached by another way (a relative name on the command line) is listed once.
std::string full_path(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(native_path(path), ec);
    return ec ? path : utf8_path(absolute.lexically_normal());
}

// A path is kept as text when it is UTF-8, as earlier versions kept every path, and as its bytes
// when it is not, so a name such as "caf\xE9.cfg" comes back as the same file.
QVariant stored(const std::string& path) {
    const QString text = qs(path);
    if (ss(text) == path) return text;
    return QByteArray::fromStdString(path);
}

std::string restored(const QVariant& value) {
    if (value.typeId() == QMetaType::QByteArray) return value.toByteArray().toStdString();
    return ss(value.toString());
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
    // The settings give back a list of one as that one entry.
    const QVariant value = QSettings().value(key_);
    const bool single = value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray;
    for (const QVariant& path : single ? QVariantList{value} : value.toList())
        paths.push_back(restored(path));
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
    QVariantList list;
    for (const std::string& path : paths)
        list << stored(path);
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

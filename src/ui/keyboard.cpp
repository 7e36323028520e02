#include "ui/keyboard.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <map>

namespace standwise {
namespace {

// The tab page a widget sits on, or null when it is outside every tab widget of the window.
QWidget* page_of(QWidget* widget, const QWidget* window) {
    for (QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
        QWidget* parent = w->parentWidget();
        if (qobject_cast<QStackedWidget*>(parent) != nullptr &&
            qobject_cast<QTabWidget*>(parent->parentWidget()))
            return w;
    }
    return nullptr;
}

void give_menu_keys(QMenu* menu) {
    std::set<QChar> used;
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions)
        if (const QChar key = access_key(action->text()); !key.isNull()) used.insert(key);
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        action->setText(with_access_key(action->text(), used));
        if (QMenu* submenu = action->menu()) give_menu_keys(submenu);
    }
}

}  // namespace

QChar access_key(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toLower();
        ++i;  // "&&" is a shown "&"
    }
    return {};
}

QString with_access_key(const QString& caption, std::set<QChar>& used) {
    if (const QChar key = access_key(caption); !key.isNull()) {
        used.insert(key);
        return caption;
    }
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        const QChar key = caption[i].toLower();
        if (caption[i].isLetter() && used.insert(key).second)
            return QString(caption).insert(i, QLatin1Char('&'));
    }
    return caption;
}

void give_access_keys(QWidget* window) {
    std::set<QChar> window_keys;
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (QAction* action : bar->actions())
            if (const QChar key = access_key(action->text()); !key.isNull()) window_keys.insert(key);
        for (QAction* action : bar->actions()) {
            action->setText(with_access_key(action->text(), window_keys));
            if (QMenu* menu = action->menu()) give_menu_keys(menu);
        }
    }

    // Only labels that lead to a field take a key; the keys already given are kept first.
    std::vector<std::pair<QLabel*, QWidget*>> labels;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() != nullptr) labels.emplace_back(label, page_of(label, window));
    std::map<QWidget*, std::set<QChar>> page_keys;
    for (auto [label, page] : labels)
        if (const QChar key = access_key(label->text()); !key.isNull())
            (page == nullptr ? window_keys : page_keys[page]).insert(key);
    for (auto [label, page] : labels)
        if (page == nullptr) label->setText(with_access_key(label->text(), window_keys));
    for (auto [label, page] : labels) {
        if (page == nullptr) continue;
        std::set<QChar>& keys = page_keys[page];
        keys.insert(window_keys.begin(), window_keys.end());
        label->setText(with_access_key(label->text(), keys));
    }
}

void keep_tab_arrows_out_of_tab_order(QTabWidget* tabs) {
    for (QToolButton* arrow : tabs->tabBar()->findChildren<QToolButton*>())
        arrow->setFocusPolicy(Qt::NoFocus);
}

void set_shortcuts(std::initializer_list<std::pair<QAction*, QKeySequence>> shortcuts) {
    for (const auto& [action, keys] : shortcuts)
        action->setShortcut(keys);
}

}  // namespace standwise

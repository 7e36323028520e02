#include "ui/keyboard.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <map>
#include <vector>

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

// The controls whose captions take a key, in the order they get one: the labels that lead to a
// field keep the keys tests and users know, then the push buttons, then the options.
std::vector<QWidget*> keyed_controls(QWidget* window) {
    std::vector<QWidget*> controls;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() != nullptr) controls.push_back(label);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->focusPolicy() != Qt::NoFocus) controls.push_back(button);
    for (QAbstractButton* option : window->findChildren<QAbstractButton*>())
        if ((qobject_cast<QRadioButton*>(option) || qobject_cast<QCheckBox*>(option)) &&
            option->focusPolicy() != Qt::NoFocus)
            controls.push_back(option);
    return controls;
}

QString caption_of(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    return static_cast<const QAbstractButton*>(control)->text();
}

void set_caption(QWidget* control, const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
    } else {
        static_cast<QAbstractButton*>(control)->setText(caption);
    }
}

// The caption with an "&" before its first character of a kind not yet in `used`; unchanged when
// it has none.
QString keyed_on_first(const QString& caption, std::set<QChar>& used, bool (QChar::*kind)() const) {
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if ((caption[i].*kind)() && used.insert(caption[i].toLower()).second)
            return QString(caption).insert(i, QLatin1Char('&'));
    }
    return caption;
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
    // A letter if one is free, else a digit ("R2&20" where R is taken).
    const QString with_letter = keyed_on_first(caption, used, &QChar::isLetter);
    return with_letter != caption ? with_letter : keyed_on_first(caption, used, &QChar::isDigit);
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

    // The keys already given are kept first; what lies outside the pages is keyed before the
    // pages, which share its keys.
    std::vector<std::pair<QWidget*, QWidget*>> controls;
    for (QWidget* control : keyed_controls(window))
        controls.emplace_back(control, page_of(control, window));
    std::map<QWidget*, std::set<QChar>> page_keys;
    for (auto [control, page] : controls)
        if (const QChar key = access_key(caption_of(control)); !key.isNull())
            (page == nullptr ? window_keys : page_keys[page]).insert(key);
    // Letters first, then digits, the buttons before the labels; where the keys run out, a
    // caption repeated (each channel's "Zone") shares the key of its first, which then steps the
    // focus through them, Space choosing.
    auto each = [&](const std::function<void(QWidget*, std::set<QChar>&)>& step) {
        for (auto [control, page] : controls)
            if (page == nullptr) step(control, window_keys);
        for (auto [control, page] : controls) {
            if (page == nullptr) continue;
            std::set<QChar>& keys = page_keys[page];
            keys.insert(window_keys.begin(), window_keys.end());
            step(control, keys);
        }
    };
    auto give = [](QWidget* control, std::set<QChar>& keys, bool (QChar::*kind)() const) {
        const QString caption = caption_of(control);
        if (access_key(caption).isNull()) set_caption(control, keyed_on_first(caption, keys, kind));
    };
    each([&](QWidget* control, std::set<QChar>& keys) { give(control, keys, &QChar::isLetter); });
    each([&](QWidget* control, std::set<QChar>& keys) {
        if (qobject_cast<QAbstractButton*>(control) != nullptr) give(control, keys, &QChar::isDigit);
    });
    each([&](QWidget* control, std::set<QChar>& keys) { give(control, keys, &QChar::isDigit); });
    std::map<std::pair<const std::set<QChar>*, QString>, QString> keyed;
    each([&](QWidget* control, std::set<QChar>& keys) {
        const QString caption = caption_of(control);
        const QString shown = QString(caption).remove(QLatin1Char('&'));
        if (!access_key(caption).isNull()) {
            keyed.emplace(std::pair{&keys, shown}, caption);
        } else if (auto same = keyed.find({&keys, shown}); same != keyed.end()) {
            set_caption(control, same->second);
        }
    });
}

namespace {

// Half the room beside each tab's caption.
class CompactTabStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value / 2 : value;
    }
};

// Scroll arrows would hide the last tabs (the results) until scrolled to; where the tabs need more
// than the width the window gives them, they are made narrower once.
class TabRoom : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* tabs = qobject_cast<QTabWidget*>(watched);
        if (tabs == nullptr || event->type() != QEvent::Resize || compact_) return false;
        QTabBar* bar = tabs->tabBar();
        if (bar->sizeHint().width() > tabs->width()) {
            compact_ = true;
            auto* style = new CompactTabStyle;
            style->setParent(bar);
            bar->setStyle(style);
        }
        return false;
    }

private:
    bool compact_ = false;
};

}  // namespace

void give_tab_keys(QTabWidget* tabs) {
    tabs->installEventFilter(new TabRoom(tabs));
    for (QToolButton* arrow : tabs->tabBar()->findChildren<QToolButton*>())
        arrow->setFocusPolicy(Qt::NoFocus);
    // The tab bar is the stop; the tab widget only hands the focus on to it. Setting a policy
    // passes it on to the focus proxy, so the tab bar gets its own back.
    const Qt::FocusPolicy bar_policy = tabs->tabBar()->focusPolicy();
    tabs->setFocusPolicy(Qt::NoFocus);
    tabs->tabBar()->setFocusPolicy(bar_policy);
    // Before the control with the focus sees the key: a list would take Ctrl+PgDn as a step of
    // ten entries and Ctrl+Tab as a search.
    const std::pair<QKeyCombination, int> steps[] = {
        {Qt::CTRL | Qt::Key_Tab, 1},
        {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
        {Qt::CTRL | Qt::Key_PageUp, -1},
    };
    for (auto [keys, step] : steps) {
        auto* shortcut = new QShortcut(QKeySequence(keys), tabs);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, tabs, [tabs, step] {
            const int count = tabs->count();
            for (int i = 1; i < count; ++i) {
                const int page = ((tabs->currentIndex() + step * i) % count + count) % count;
                if (tabs->isTabEnabled(page) && tabs->isTabVisible(page)) {
                    tabs->setCurrentIndex(page);
                    return;
                }
            }
        });
    }
}

namespace {

// The toolkit moves the choice with the arrow keys, which for a system type asks its question and
// replaces the cards at every step; here the arrows only move the focus, and Tab into the group
// lands on the option chosen.
class OptionKeys : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* option = qobject_cast<QRadioButton*>(watched);
        if (option == nullptr) return false;
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() & ~Qt::KeypadModifier) return false;
            int step = 0;
            if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Right) step = 1;
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Left) step = -1;
            if (step == 0) return false;
            const std::vector<QRadioButton*> group = options_beside(option);
            const auto here = std::find(group.begin(), group.end(), option);
            if (here == group.end() || group.size() < 2) return true;
            const auto size = static_cast<std::ptrdiff_t>(group.size());
            const std::ptrdiff_t next = ((here - group.begin()) + step + size) % size;
            group[static_cast<std::size_t>(next)]->setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (option->isChecked() || (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason))
                return false;
            for (QRadioButton* other : options_beside(option))
                if (other->isChecked()) {
                    other->setFocus(reason);
                    return true;
                }
        }
        return false;
    }

    /// The options that exclude one another with `option`, shown and enabled, in their order.
    static std::vector<QRadioButton*> options_beside(QRadioButton* option) {
        std::vector<QRadioButton*> options;
        if (QButtonGroup* group = option->group()) {
            for (QAbstractButton* button : group->buttons())
                if (auto* radio = qobject_cast<QRadioButton*>(button)) options.push_back(radio);
        } else {
            for (QRadioButton* radio :
                 option->parentWidget()->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly))
                if (radio->autoExclusive()) options.push_back(radio);
        }
        std::erase_if(options,
                      [](QRadioButton* radio) { return !radio->isVisible() || !radio->isEnabled(); });
        return options;
    }
};

}  // namespace

void choose_options_with_space(QWidget* frame) {
    auto* keys = new OptionKeys(frame);
    for (QRadioButton* option : frame->findChildren<QRadioButton*>())
        option->installEventFilter(keys);
}

namespace {

struct CommandKeys {
    const char* control;
    char key;
    QKeySequence shortcut;
};

// The desktop's key for a command; where it has none (Quit on Windows, where Alt+F4 closes a
// window), the key the program has always used.
QKeySequence standard_or(QKeySequence::StandardKey key, QKeySequence otherwise) {
    const QKeySequence standard(key);
    return standard.isEmpty() ? otherwise : standard;
}

// One table for both workspaces: the standard keys of the desktop where it has them.
const std::vector<CommandKeys>& command_keys() {
    static const std::vector<CommandKeys> table{
        {"mnunew", 'n', QKeySequence(QKeySequence::New)},
        {"mnuload", 'l', QKeySequence(QKeySequence::Open)},
        {"mnusavefile", 's', QKeySequence(QKeySequence::Save)},
        {"mnusave", 'a', QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"mnusummary", 'p', QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
        {"mnuswitch_to_interface", 'w', QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W)},
        {"mnuswitch_to_system", 'w', QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W)},
        {"mnuexit", 'e', standard_or(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q))},
        {"mnuopenreport", 'o', QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
        {"mnushort", 'g', QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)},
        {"mnufull", 'e', QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"mnureport", 'g', QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"mnuprintreport", 'p', QKeySequence(QKeySequence::Print)},
        {"mnuexportpdf", 'x', QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"mnuviewrelease", 'v', QKeySequence(QKeySequence::HelpContents)},
        {"mnuabout", 'a', QKeySequence()},
    };
    return table;
}

// The caption with its "&" before the first `key` (either case); unchanged when it has a key or
// lacks the letter.
QString keyed_on(const QString& caption, QChar key) {
    if (!access_key(caption).isNull()) return caption;
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i].toLower() == key) return QString(caption).insert(i, QLatin1Char('&'));
    return caption;
}

}  // namespace

void give_command_keys(QWidget* workspace) {
    for (const CommandKeys& command : command_keys()) {
        auto* action = workspace->findChild<QAction*>(QString::fromLatin1(command.control));
        if (action == nullptr) continue;
        action->setText(keyed_on(action->text(), QLatin1Char(command.key)));
        action->setShortcut(command.shortcut);
    }
}

void set_shortcuts(std::initializer_list<std::pair<QAction*, QKeySequence>> shortcuts) {
    for (const auto& [action, keys] : shortcuts)
        action->setShortcut(keys);
}

}  // namespace standwise

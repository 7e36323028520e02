#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QTabBar>
#include <vector>

namespace standwise {
namespace {

constexpr const char* kReadoutProperty = "standwise_readout";
constexpr const char* kWindowProperty = "standwise_window";

// The toolkit describes a window built directly on a plain widget (the panel setup, unit and card
// picture windows) as a "filler"; a reader then never says which window has come up.
class PlainWindowAccessible : public QAccessibleWidget {
public:
    explicit PlainWindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// A label's mnemonic marker is not part of what is read out.
QString without_marker(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char('&')) text.remove(i, 1);  // "&&" keeps its second "&"
    return text;
}

class ReadoutAccessible : public QAccessibleWidget {
public:
    explicit ReadoutAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        switch (kind) {
            case QAccessible::Name:
                return label->accessibleName();
            case QAccessible::Value:
                return label->text();
            // Readers say the description after the name: "Loop 1 quiescent current, 006.00mA".
            case QAccessible::Description: {
                QStringList parts{label->text(), label->toolTip()};
                parts.removeAll(QString());
                return parts.join(QStringLiteral(". "));
            }
            default:
                return QAccessibleWidget::text(kind);
        }
    }
};

// One tab of a tab bar. The toolkit's own tab reports a greyed tab as enabled and selects it when
// asked to; this one is disabled then and refuses.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar* bar, int index) : bar_(bar), index_(index) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QObject* object() const override { return nullptr; }
    bool isValid() const override { return bar_ && index_ < bar_->count(); }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override {
        if (!isValid()) return {};
        if (kind == QAccessible::Name) return without_marker(bar_->tabText(index_));
        if (kind == QAccessible::Description) return bar_->tabToolTip(index_);
        return {};
    }

    QRect rect() const override {
        if (!isValid() || !bar_->isVisible()) return {};
        const QRect tab = bar_->tabRect(index_);
        return QRect(bar_->mapToGlobal(tab.topLeft()), tab.size());
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool enabled = selectable();
        state.disabled = !enabled;
        state.focusable = enabled;
        state.selectable = enabled;
        state.selected = bar_->currentIndex() == index_;
        state.focused = state.selected && bar_->hasFocus();
        state.invisible = !bar_->isVisible() || !bar_->isTabVisible(index_);
        state.offscreen = !bar_->rect().contains(bar_->tabRect(index_));
        return state;
    }

    QStringList actionNames() const override {
        return selectable() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && selectable()) bar_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    bool selectable() const {
        return isValid() && bar_->isEnabled() && bar_->isTabEnabled(index_) && bar_->isTabVisible(index_);
    }

    QPointer<QTabBar> bar_;
    int index_;
};

class TabBarAccessible : public QAccessibleWidget {
public:
    explicit TabBarAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabBarAccessible() override {
        for (QAccessible::Id id : tabs_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return bar()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= bar()->count()) return nullptr;
        if (tabs_.size() <= static_cast<std::size_t>(index))
            tabs_.resize(static_cast<std::size_t>(index) + 1, 0);
        QAccessible::Id& id = tabs_[static_cast<std::size_t>(index)];
        if (id == 0) id = QAccessible::registerAccessibleInterface(new TabAccessible(bar(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child) return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        return bar()->hasFocus() ? child(bar()->currentIndex()) : nullptr;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty() && widget()->parentWidget())
            return widget()->parentWidget()->accessibleName();  // the tab widget's name
        return QAccessibleWidget::text(kind);
    }

private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }

    mutable std::vector<QAccessible::Id> tabs_;
};

// The caption of the label that leads to a control, without its access key marker.
QString buddy_caption(const QWidget* widget) {
    for (const QLabel* label : widget->window()->findChildren<QLabel*>())
        if (label->buddy() == widget) return without_marker(label->text()).simplified();
    return {};
}

// On Linux the toolkit names a combo box by the entry it shows ("30"), whatever name it was given,
// so a reader never says which list it is. This one answers the name and hands everything else
// (role, value, the list and the line edit, the actions) to the toolkit's own description.
class NamedComboAccessible : public QAccessibleInterface {
public:
    NamedComboAccessible(QComboBox* combo, QAccessibleInterface* toolkit)
        : combo_(combo), toolkit_(toolkit), toolkit_id_(QAccessible::uniqueId(toolkit)) {}
    ~NamedComboAccessible() override {
        // The cache may have let the toolkit's description go first, when it is torn down.
        if (QAccessible::accessibleInterface(toolkit_id_) == toolkit_)
            QAccessible::deleteAccessibleInterface(toolkit_id_);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !combo_) return toolkit_->text(kind);
        const QString given = combo_->accessibleName();
        return given.isEmpty() ? buddy_caption(combo_) : given;
    }

    bool isValid() const override { return combo_ && toolkit_->isValid(); }
    QObject* object() const override { return combo_; }
    QWindow* window() const override { return toolkit_->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        return toolkit_->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return toolkit_->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return toolkit_->childAt(x, y); }
    QAccessibleInterface* parent() const override { return toolkit_->parent(); }
    QAccessibleInterface* child(int index) const override { return toolkit_->child(index); }
    int childCount() const override { return toolkit_->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return toolkit_->indexOfChild(child);
    }
    void setText(QAccessible::Text kind, const QString& text) override { toolkit_->setText(kind, text); }
    QRect rect() const override { return toolkit_->rect(); }
    QAccessible::Role role() const override { return toolkit_->role(); }
    QAccessible::State state() const override { return toolkit_->state(); }
    QColor foregroundColor() const override { return toolkit_->foregroundColor(); }
    QColor backgroundColor() const override { return toolkit_->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override { return toolkit_->interface_cast(type); }

private:
    QPointer<QComboBox> combo_;
    QAccessibleInterface* toolkit_;
    QAccessible::Id toolkit_id_;
};

// Set while the toolkit's own description of a combo box is asked for: this factory steps aside,
// the toolkit's is made and kept under an id of its own, and the combo box answers with the
// description made of it here.
bool asking_toolkit = false;

QAccessibleInterface* named_combo(QComboBox* combo) {
    asking_toolkit = true;
    QAccessibleInterface* toolkit = QAccessible::queryAccessibleInterface(combo);
    asking_toolkit = false;
    return toolkit != nullptr ? new NamedComboAccessible(combo, toolkit) : nullptr;
}

// Only what this program means to change is described here; every toolkit control keeps the
// toolkit's own description, with its role, value, text, actions and children.
QAccessibleInterface* make_interface(const QString&, QObject* object) {
    if (asking_toolkit || !object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* bar = qobject_cast<QTabBar*>(widget)) return new TabBarAccessible(bar);
    if (auto* label = qobject_cast<QLabel*>(widget); label && is_readout(label))
        return new ReadoutAccessible(label);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return named_combo(combo);
    if (widget->property(kWindowProperty).toBool()) return new PlainWindowAccessible(widget);
    return nullptr;
}

// A description made before a widget was marked is replaced by the one its mark asks for.
void forget_description(QWidget* widget) {
    if (QAccessibleInterface* described = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(described));
}

}  // namespace

void install_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(make_interface);
        return true;
    }();
    (void)installed;
}

void name_readout(QLabel* label, const QString& meaning) {
    const bool marked = is_readout(label);
    label->setProperty(kReadoutProperty, true);
    label->setAccessibleName(meaning);
    if (!marked) forget_description(label);
}

void name_window(QWidget* window) {
    if (window->property(kWindowProperty).toBool()) return;
    window->setProperty(kWindowProperty, true);
    forget_description(window);
}

bool is_readout(const QLabel* label) {
    return label->property(kReadoutProperty).toBool();
}

}  // namespace standwise

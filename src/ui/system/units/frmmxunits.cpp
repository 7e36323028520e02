#include "ui/system/units/frmmxunits.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <optional>
#include <string>

#include <QSet>
#include <QSignalBlocker>
#include "calc/unit_sums.h"
#include "model/numbers.h"
#include "platform/qt_window_placement.h"
#include "ui/app_context.h"
#include "ui/system/frmloopx.h"
#include "ui/system/units/unit_tree_icons.h"
#include "ui/widgets.h"

using standwise::NodeKind;
using standwise::qs;
using standwise::ss;

namespace {

constexpr int kKeyRole = Qt::UserRole;
const QString kRootKey = QStringLiteral("Hub");

QString milliamps(double amps) {
    return qs(standwise::plain_number(amps * 1000) + "mA");
}

bool is_channel(NodeKind kind) {
    return kind != NodeKind::None && kind != NodeKind::Unit;
}

}  // namespace

frmMXunits::frmMXunits(standwise::AppContext& ctx, standwise::UnitModel unit_model)
    : ctx_(ctx), table_(standwise::unit_window_table(unit_model)) {
    setObjectName(QString::fromLatin1(table_.window_name));
    setWindowTitle(QString::fromLatin1(table_.design_title));
    build_layout();
    Form_Load();
}

// Showing is left to the loop window's buttons, which show the window in their own order.
void frmMXunits::Form_Load() {
    show_feature(QStringLiteral("N/A"), QStringLiteral("N/A"));
    cmdRemove->setEnabled(false);
    for (QPushButton* button : cmdAdd)
        if (button != nullptr) button->setEnabled(false);
    refresh();
}

// The tree is built again in the model's order, with its root selected.
void frmMXunits::populateForm(int loop) {
    TreeView1->clear();
    ctx_.system.populateForm(table_.model, loop);
    ctx_.refresh_system();
    TreeView1->setCurrentItem(root());
    update();
}

// The title, the count list and the totals as the workspace holds them, and the tree made to show
// the loop's units: nodes that stay are kept, so the selection and what is open stay too.
void frmMXunits::refresh() {
    const standwise::UnitWindowView& view = ctx_.system.unit_windows[static_cast<std::size_t>(table_.model)];
    setWindowTitle(qs(view.title));
    {
        const QSignalBlocker quiet(cmbInterfaces);
        for (int k = cmbInterfaces->count(); k < view.list_size; ++k)
            cmbInterfaces->addItem(QString::number(k));
        cmbInterfaces->setCurrentIndex(view.count_position);
    }
    if (view.loop >= 1) sync_tree(ctx_.model.units_of(table_.model)[view.loop]);
    show_totals();
}

void frmMXunits::sync_tree(const standwise::UnitLoopRecord& record) {
    const QSignalBlocker quiet(TreeView1);
    if (root() == nullptr) {
        auto* hub = new QTreeWidgetItem(TreeView1, QStringList(QString::fromLatin1(table_.root_text)));
        hub->setData(0, kKeyRole, kRootKey);
        hub->setExpanded(true);
    }
    QTreeWidgetItem* hub = root();
    const int count = std::clamp<int>(record.unit_count, 0, standwise::kMaxUnitsPerLoop);
    while (hub->childCount() > count)
        delete hub->takeChild(hub->childCount() - 1);
    while (hub->childCount() < count)
        add_unit_node(hub->childCount() + 1)->setExpanded(true);
    for (int n = 1; n <= count; ++n) {
        QTreeWidgetItem* unit_node = hub->child(n - 1);
        // The channels the unit has, in the model's order; a channel added later goes last.
        std::vector<std::pair<NodeKind, int>> wanted;
        for (NodeKind kind : table_.build_order) {
            if (kind == NodeKind::None) break;
            const int channels = record.units[n].*standwise::channel_kind(kind).count;
            for (int m = 1; m <= channels; ++m)
                wanted.emplace_back(kind, m);
        }
        QSet<QString> wanted_keys;
        for (const auto& [kind, m] : wanted)
            wanted_keys.insert(qs(standwise::channel_key(n, kind, m)));
        QSet<QString> present;
        for (int c = unit_node->childCount() - 1; c >= 0; --c) {
            const QString key = unit_node->child(c)->data(0, kKeyRole).toString();
            if (key == qs(standwise::fixed_output_key(n)) || wanted_keys.contains(key))
                present.insert(key);
            else
                delete unit_node->takeChild(c);
        }
        for (const auto& channel : wanted)
            if (!present.contains(qs(standwise::channel_key(n, channel.first, channel.second))))
                add_channel_node(unit_node, n, channel.first, channel.second);
    }
}

QTreeWidgetItem* frmMXunits::node(const QString& key) const {
    for (QTreeWidgetItemIterator it(TreeView1); *it != nullptr; ++it)
        if ((*it)->data(0, kKeyRole).toString() == key) return *it;
    return nullptr;
}

void frmMXunits::cmbInterfaces_Change() {
    const int position = cmbInterfaces->currentIndex();
    ctx_.system.cmbInterfaces_Change(table_.model, position);
    ctx_.refresh_system();
    if (position != 0) TreeView1_SelectionUpdate();
}

void frmMXunits::TreeView1_SelectionUpdate() {
    QTreeWidgetItem* item = TreeView1->currentItem();
    const NodeKind kind = item != nullptr ? standwise::node_kind(ss(item->text(0))) : NodeKind::None;

    const bool unit_open = kind == NodeKind::Unit && item->childCount() < table_.max_children;
    for (std::size_t i = 0; i < cmdAdd.size(); ++i) {
        if (cmdAdd[i] == nullptr) continue;
        bool enabled = unit_open;
        if (enabled) {
            const NodeKind channel = standwise::kChannelKinds[i];
            const int count =
                unit(standwise::node_number(ss(item->text(0)))).*standwise::channel_kind(channel).count;
            enabled = count < table_.limits[i];
        }
        cmdAdd[i]->setEnabled(enabled);
    }

    if (kind == NodeKind::None) {
        show_feature(QStringLiteral("N/A"), QStringLiteral("N/A"));
        cmdRemove->setEnabled(false);
        return;
    }
    const auto [quiescent, alarm] =
        standwise::feature_currents(ctx_.model.interface_constants, table_.model, kind);
    show_feature(milliamps(quiescent), milliamps(alarm));

    bool removable = false;
    if (is_channel(kind) && standwise::channel_limit(table_, kind) > 0 && item->parent() != nullptr) {
        const int owner = standwise::node_number(ss(item->parent()->text(0)));
        removable =
            standwise::node_number(ss(item->text(0))) == unit(owner).*standwise::channel_kind(kind).count;
    }
    cmdRemove->setEnabled(removable);
}

void frmMXunits::add_channel(NodeKind kind) {
    QTreeWidgetItem* unit_node = TreeView1->currentItem();
    if (unit_node == nullptr || standwise::node_kind(ss(unit_node->text(0))) != NodeKind::Unit) return;
    const int number = standwise::node_number(ss(unit_node->text(0)));
    if (!ctx_.system.add_channel(table_.model, number, kind)) return;
    ctx_.refresh_system();
    unit_node->setExpanded(true);
    TreeView1_SelectionUpdate();
}

void frmMXunits::cmdRemove_Click() {
    QTreeWidgetItem* item = TreeView1->currentItem();
    if (item == nullptr || item->parent() == nullptr) return;
    const NodeKind kind = standwise::node_kind(ss(item->text(0)));
    if (!is_channel(kind)) return;
    QTreeWidgetItem* unit_node = item->parent();
    const int number = standwise::node_number(ss(unit_node->text(0)));
    if (!ctx_.system.remove_channel(table_.model, number, kind, standwise::node_number(ss(item->text(0)))))
        return;
    ctx_.refresh_system();
    TreeView1->setCurrentItem(unit_node->childCount() > 0 ? unit_node->child(unit_node->childCount() - 1)
                                                          : unit_node);
    TreeView1_SelectionUpdate();
}

void frmMXunits::cmdExit_Click() {
    hide();
    ctx_.system.unit_exit(table_.model);
    ctx_.refresh_system();
    standwise::place_over(&ctx_.loopx(), this);
    ctx_.loopx().show();
}

// The close box only hides the window, exactly as Exit does.
void frmMXunits::closeEvent(QCloseEvent* event) {
    event->ignore();
    cmdExit_Click();
}

standwise::UnitChannels& frmMXunits::unit(int number) {
    const int loop = ctx_.system.unit_windows[static_cast<std::size_t>(table_.model)].loop;
    return ctx_.model.units_of(table_.model)[loop].units.at(
        std::clamp(number, 0, standwise::kMaxUnitsPerLoop));
}

QTreeWidgetItem* frmMXunits::root() const {
    return TreeView1->topLevelItem(0);
}

QTreeWidgetItem* frmMXunits::add_node(QTreeWidgetItem* parent, const std::string& key,
                                      const std::string& text, const char* icon) {
    auto* item = new QTreeWidgetItem(parent, QStringList(qs(text)));
    item->setData(0, kKeyRole, qs(key));
    item->setIcon(0, standwise::unit_tree_icon(QString::fromLatin1(icon)));
    return item;
}

QTreeWidgetItem* frmMXunits::add_unit_node(int number) {
    const std::string text = standwise::unit_text(number);
    QTreeWidgetItem* unit_node = add_node(root(), text, text, "Interface");
    if (table_.fixed_output)
        add_node(unit_node, standwise::fixed_output_key(number), standwise::kFixedOutputText, "Output");
    return unit_node;
}

void frmMXunits::add_channel_node(QTreeWidgetItem* unit_node, int unit_number, NodeKind kind, int number) {
    add_node(unit_node, standwise::channel_key(unit_number, kind, number),
             standwise::channel_text(kind, number), standwise::channel_kind(kind).icon);
}

void frmMXunits::show_totals() {
    const int loop = ctx_.system.unit_windows[static_cast<std::size_t>(table_.model)].loop;
    const standwise::UnitLoopRecord& record = ctx_.model.units_of(table_.model)[loop];
    lblQuiescent->setText(milliamps(record.quiescent));
    lblAlarm->setText(milliamps(record.alarm));
}

void frmMXunits::show_feature(const QString& quiescent, const QString& alarm) {
    lblfeatureQuiescent->setText(quiescent);
    lblfeatureAlarm->setText(alarm);
}

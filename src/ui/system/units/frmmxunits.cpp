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

#include "calc/unit_sums.h"
#include "model/numbers.h"
#include "platform/qt_window_placement.h"
#include "ui/app_context.h"
#include "ui/system/units/unit_tree_icons.h"
#include "ui/system/frmloopx.h"
#include "ui/widgets.h"

using standwise::NodeKind;
using standwise::qs;
using standwise::ss;

frmMXunits& standwise::AppContext::unit_window(UnitModel unit_model) {
    auto& slot = units_[static_cast<int>(unit_model)];
    if (!slot) slot = std::make_unique<frmMXunits>(*this, unit_model);
    return static_cast<frmMXunits&>(*slot);
}

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
    {
        const QSignalBlocker blocker(cmbInterfaces);
        cmbInterfaces->clear();
        const int maximum = standwise::max_units_per_loop(ctx_.model, table_.model);
        for (int k = 0; k <= maximum; ++k)
            cmbInterfaces->addItem(QString::number(k));
        cmbInterfaces->setCurrentIndex(0);
    }
    show_feature(QStringLiteral("N/A"), QStringLiteral("N/A"));
    lblQuiescent->setText(QStringLiteral("0mA"));
    lblAlarm->setText(QStringLiteral("0mA"));
    cmdRemove->setEnabled(false);
    for (QPushButton* button : cmdAdd)
        if (button != nullptr) button->setEnabled(false);
}

void frmMXunits::populateForm(int loop) {
    loop_ = static_cast<std::int16_t>(loop);
    setWindowTitle(qs("Loop" + standwise::str_number(loop) + table_.title_tail));

    TreeView1->clear();
    auto* hub = new QTreeWidgetItem(TreeView1, QStringList(QString::fromLatin1(table_.root_text)));
    hub->setData(0, kKeyRole, kRootKey);
    hub->setExpanded(true);

    const standwise::UnitLoopRecord& record = ctx_.model.units_of(table_.model)[loop];
    const int count = std::clamp<int>(record.unit_count, 0, standwise::kMaxUnitsPerLoop);
    for (int n = 1; n <= count; ++n) {
        QTreeWidgetItem* unit_node = add_unit_node(n);
        for (NodeKind kind : table_.build_order) {
            if (kind == NodeKind::None) break;
            const int channels = record.units[n].*standwise::channel_kind(kind).count;
            for (int m = 1; m <= channels; ++m)
                add_channel_node(unit_node, n, kind, m);
        }
        unit_node->setExpanded(true);
    }

    TreeView1->setCurrentItem(hub);
    fit_count_list(count);
    cmbInterfaces->setCurrentIndex(count);
    // The list may already stand at this count, so the totals are not left to the count change.
    standwise::calcConsumptions(ctx_.model, table_.model, loop);
    show_totals();
    update();
}

QTreeWidgetItem* frmMXunits::node(const QString& key) const {
    for (QTreeWidgetItemIterator it(TreeView1); *it != nullptr; ++it)
        if ((*it)->data(0, kKeyRole).toString() == key) return *it;
    return nullptr;
}

// The record takes the new count before the validation works the loop out, so the loop's figures
// carry the units at once; a refused count gets the record back as it was.
void frmMXunits::cmbInterfaces_Change() {
    const int position = cmbInterfaces->currentIndex();
    if (position < 0 || loop_ < 1) return;
    standwise::UnitLoopRecord& record = ctx_.model.units_of(table_.model)[loop_];
    const standwise::UnitLoopRecord before = record;
    QTreeWidgetItem* hub = root();
    // Removed units are cleared, and a unit that comes into use starts empty, whatever a file left
    // beyond the old count.
    for (int number = std::min(hub->childCount(), position) + 1;
         number <= std::max(hub->childCount(), position); ++number)
        unit(number) = {};
    record.unit_count = static_cast<std::int16_t>(position);
    standwise::calcConsumptions(ctx_.model, table_.model, loop_);

    const int device_type = standwise::device_type_of(table_.model);
    if (ctx_.validate_device_count(ss(cmbInterfaces->currentText()), loop_, device_type).text.empty()) {
        // Refused and already reported: going back validates the previous count again.
        record = before;
        standwise::calcConsumptions(ctx_.model, table_.model, loop_);
        cmbInterfaces->setCurrentIndex(previous_count_index_);
        return;
    }
    previous_count_index_ = position;
    show_count_in_loop_window(position);

    while (hub->childCount() > position)
        delete hub->takeChild(hub->childCount() - 1);
    while (hub->childCount() < position)
        add_unit_node(hub->childCount() + 1)->setExpanded(true);

    show_totals();
    if (position != 0) TreeView1_SelectionUpdate();
}

void frmMXunits::count_typed_in_loop_window(int loop, const QString& text) {
    {
        // The window may show another loop, or this one as it was before a file or a clear.
        const QSignalBlocker quiet(cmbInterfaces);
        populateForm(loop);
    }
    previous_count_index_ = cmbInterfaces->currentIndex();
    const std::optional<int> count = standwise::typed_unit_count(ss(text));
    if (!count) {
        show_count_in_loop_window(previous_count_index_);
    } else if (*count >= cmbInterfaces->count()) {
        // Beyond the list, so beyond the model's maximum: the validation says so, and the previous
        // count is validated and stored again, as when the list goes back.
        const int device_type = standwise::device_type_of(table_.model);
        ctx_.validate_device_count(ss(text), loop_, device_type);
        ctx_.validate_device_count(std::to_string(previous_count_index_), loop_, device_type);
        show_count_in_loop_window(previous_count_index_);
    } else if (*count == previous_count_index_) {
        show_count_in_loop_window(*count);
    } else {
        cmbInterfaces->setCurrentIndex(*count);
    }
}

// The count is already validated and the loop recalculated, so the loop window's own handling of
// the field is held off: it would only validate the same count again.
void frmMXunits::show_count_in_loop_window(int position) {
    if (!ctx_.has_loopx()) return;
    QComboBox* field = ctx_.loopx().cmb_viewdata[standwise::device_type_of(table_.model)];
    const bool ready = ctx_.model.loop_form_ready;
    ctx_.model.loop_form_ready = false;
    field->setCurrentIndex(position < field->count() ? position : -1);
    field->setEditText(QString::number(position));
    ctx_.model.loop_form_ready = ready;
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
    std::int16_t& count = unit(number).*standwise::channel_kind(kind).count;
    if (count >= standwise::channel_limit(table_, kind) || unit_node->childCount() >= table_.max_children)
        return;
    ++count;
    add_channel_node(unit_node, number, kind, count);
    unit_node->setExpanded(true);

    standwise::calcConsumptions(ctx_.model, table_.model, loop_);
    show_totals();
    TreeView1_SelectionUpdate();
}

void frmMXunits::cmdRemove_Click() {
    QTreeWidgetItem* item = TreeView1->currentItem();
    if (item == nullptr || item->parent() == nullptr) return;
    const NodeKind kind = standwise::node_kind(ss(item->text(0)));
    if (!is_channel(kind) || standwise::channel_limit(table_, kind) == 0) return;
    QTreeWidgetItem* unit_node = item->parent();
    std::int16_t& count =
        unit(standwise::node_number(ss(unit_node->text(0)))).*standwise::channel_kind(kind).count;
    // Only the last channel of a kind goes, so a unit's channel numbers never have gaps.
    if (standwise::node_number(ss(item->text(0))) != count) return;
    --count;
    delete item;
    TreeView1->setCurrentItem(unit_node->childCount() > 0 ? unit_node->child(unit_node->childCount() - 1)
                                                          : unit_node);

    standwise::calcConsumptions(ctx_.model, table_.model, loop_);
    show_totals();
    TreeView1_SelectionUpdate();
}

void frmMXunits::cmdExit_Click() {
    hide();
    if (loop_ >= 1) ctx_.calc_loop(loop_);
    standwise::place_over(&ctx_.loopx(), this);
    ctx_.loopx().show();
}

// The close box only hides the window, exactly as Exit does.
void frmMXunits::closeEvent(QCloseEvent* event) {
    event->ignore();
    cmdExit_Click();
}

standwise::UnitChannels& frmMXunits::unit(int number) {
    return ctx_.model.units_of(table_.model)[loop_].units.at(
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
    const standwise::UnitLoopRecord& record = ctx_.model.units_of(table_.model)[loop_];
    lblQuiescent->setText(milliamps(record.quiescent));
    lblAlarm->setText(milliamps(record.alarm));
}

void frmMXunits::show_feature(const QString& quiescent, const QString& alarm) {
    lblfeatureQuiescent->setText(quiescent);
    lblfeatureAlarm->setText(alarm);
}

// A loaded file may hold more units than the list offers; the list grows so that the count shows.
void frmMXunits::fit_count_list(int count) {
    const QSignalBlocker blocker(cmbInterfaces);
    for (int k = cmbInterfaces->count(); k <= count; ++k)
        cmbInterfaces->addItem(QString::number(k));
}

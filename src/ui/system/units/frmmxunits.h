// The unit configuration window of one interface-unit model (frmMX210, frmMX220, frmMX240): how
// many units of the model sit on a loop and which channels each unit has, as a tree.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "calc/unit_window_table.h"
#include "model/interface_model.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace standwise {
class AppContext;
}

class frmMXunits : public QWidget {
    Q_OBJECT
public:
    frmMXunits(standwise::AppContext& ctx, standwise::UnitModel unit_model);

    /// Fills the window for one loop: title, tree, count list and totals.
    void populateForm(int loop);

    /// Shows what the system workspace holds for the window's loop.
    void refresh();

    /// The node with the given key, or null.
    QTreeWidgetItem* node(const QString& key) const;

    // Event handlers.
    void Form_Load();
    void cmbInterfaces_Change();
    /// Enables the add and remove buttons and shows the feature currents for the selected node.
    void TreeView1_SelectionUpdate();
    void cmdAddInput_Click() { add_channel(standwise::NodeKind::Input); }
    void cmdAddZone_Click() { add_channel(standwise::NodeKind::Zone); }
    void cmdLED_Click() { add_channel(standwise::NodeKind::Led); }
    void cmdAddRelay_Click() { add_channel(standwise::NodeKind::Relay); }
    void cmdRemove_Click();
    void cmdExit_Click();

    // Controls. The add buttons are indexed like kChannelKinds; a model without the kind has none.
    QComboBox* cmbInterfaces = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    std::array<QPushButton*, 4> cmdAdd{};
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel *lblQuiescent = nullptr, *lblAlarm = nullptr;
    QLabel *lblfeatureQuiescent = nullptr, *lblfeatureAlarm = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build_layout();
    standwise::UnitChannels& unit(int number);
    QTreeWidgetItem* root() const;
    QTreeWidgetItem* add_node(QTreeWidgetItem* parent, const std::string& key, const std::string& text,
                              const char* icon);
    QTreeWidgetItem* add_unit_node(int number);
    void add_channel_node(QTreeWidgetItem* unit_node, int unit_number, standwise::NodeKind kind, int number);
    void add_channel(standwise::NodeKind kind);
    void show_totals();
    void show_feature(const QString& quiescent, const QString& alarm);
    void sync_tree(const standwise::UnitLoopRecord& record);

    standwise::AppContext& ctx_;
    const standwise::UnitWindowTable& table_;
};

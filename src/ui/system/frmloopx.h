// The loop configuration window: the count of each device type 1..79 on one loop, grouped by
// device family, with the loop's load units.
#pragma once

#include <QMainWindow>
#include <array>

#include "model/interface_model.h"
#include "model/system_model.h"

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace standwise {
class AppContext;
class ClickableLabel;
struct LoopResult;
}  // namespace standwise

class frmloopx : public QMainWindow {
    Q_OBJECT
public:
    explicit frmloopx(standwise::AppContext& ctx);

    /// Builds the count lists and label tooltips from the device library.
    void initialiseForm();
    /// Shows what the system workspace holds for the open loop.
    void refresh();
    void focus_first_count();
    /// The loop the window is open on.
    int loop_number() const;

    /// For the unit models' types 75, 76 and 77 the change is the unit window's own count change,
    /// run when the typed count is finished (Return, leaving the field, a pick from the list).
    void cmb_viewdata_Change(int device_type);
    void cmb_viewdata_Click(int device_type);
    /// A typed count finished (Return, leaving the field): it shows the count in use.
    void cmb_viewdata_Finished(int device_type);
    void lbldevice_help_Click(int device_type);
    void cmdMX210_Click();
    void cmdMX220_Click();
    void cmdMX240_Click();
    void cmdExit_Click();
    void mnuexit_Click();
    void mnuclear_Click();

    QTabWidget* SSTab_loop = nullptr;
    std::array<QComboBox*, standwise::kDeviceTypes> cmb_viewdata{};
    std::array<standwise::ClickableLabel*, standwise::kDeviceTypes> lbldevice_help{};
    QPushButton *cmdMX210 = nullptr, *cmdMX220 = nullptr, *cmdMX240 = nullptr, *cmdExit = nullptr;
    QLabel *Label3 = nullptr, *lblload_units_standby = nullptr, *Label2 = nullptr,
           *lblload_units_alarm = nullptr;
    QAction *mnuexit = nullptr, *mnuclear = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Building the window (frmloopx_layout.cpp).
    void build_menus();
    QWidget* build_family_tab(int first_type, int last_type);
    void make_lists_editable();
    QWidget* build_load_units();
    QPushButton* change_button(const char* name, void (frmloopx::*handler)());

    void open_unit_window(standwise::UnitModel unit_model);
    /// Runs the count change of a unit field typed into but not yet finished.
    void finish_typed_unit_counts();
    /// What leaving the window does, whichever way it is left.
    void leave();

    standwise::AppContext& ctx_;
    bool lists_editable_ = false;
    // A unit count typed into but not yet finished, per model.
    std::array<bool, 3> unit_count_typed_{};
};

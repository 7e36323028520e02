// The panel setup window: PSU type, system type and the card in each of the 16 slots.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "model/system_model.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace standwise {
class AppContext;
struct PanelCards;
}  // namespace standwise

class frmnewfront : public QWidget {
    Q_OBJECT
public:
    explicit frmnewfront(standwise::AppContext& ctx);

    void Form_Load();
    /// Shows what the system workspace holds.
    void refresh();
    void setup_default_system();
    void optPSU_Click(int index);
    void optsystem_Click(int index);
    void cmbslot_Click(int index);
    /// The controller and the fitted slots' cards together, in A; also shown in lblcurrent.
    double calc_sys_current();
    void cmdhelp_Click();
    void cmdExit_Click();

    QGroupBox *frmPower = nullptr, *Frame2 = nullptr, *Frame1 = nullptr;
    std::array<QRadioButton*, 4> optPSU{};
    std::array<QRadioButton*, standwise::kSystemTypes> optsystem{};
    std::array<QComboBox*, standwise::kSlots> cmbslot{};
    std::array<QLabel*, standwise::kSlots> lblslot{};
    QPushButton *cmdhelp = nullptr, *cmdExit = nullptr;
    QLabel *Label1 = nullptr, *lblcurrent = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the window (frmnewfront_layout.cpp).
    QGroupBox* build_power_frame();
    QGroupBox* build_system_frame();
    QGroupBox* build_slot_frame();

    void fill_slot_lists();
    /// Sets an option button without running its click handling.
    static void check_quietly(QRadioButton* button);

    standwise::AppContext& ctx_;
};

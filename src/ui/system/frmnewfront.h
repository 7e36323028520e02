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
    void setup_default_system();
    void optPSU_Click(int index);
    void optsystem_Click(int index);
    void cmbslot_Click(int index);
    /// The controller and the fitted slots' cards together, in A; also shown in lblcurrent.
    double calc_sys_current();
    void cmdhelp_Click();
    void cmdExit_Click();

    // Set by the configuration loader so that the next change passes without its question or check.
    bool skip_system_prompt = false;
    bool skip_psu_prompt = false;
    bool skip_card_check = false;

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
    void show_fitted_slots();
    void load_default_slots();
    void update_main_summary();
    /// Reports every card limit that the cards shown exceed; true when none is.
    bool check_card_counts();
    /// The cards as the slot lists show them.
    standwise::PanelCards count_cards() const;
    void show_card_current(int slot);
    /// Runs what an accepted change of panel leads to: counts, currents, summary, loops, system.
    void panel_changed();
    /// Sets a slot's list without running its click handling.
    void select_slot_quietly(int slot, int entry);
    /// Puts an option button back without running its click handling.
    static void check_quietly(QRadioButton* button);
    bool confirm_type_change(bool& skip_prompt, const char* question);
    void type_changed();

    standwise::AppContext& ctx_;
    std::array<std::int16_t, standwise::kSlots> slot_selection{};
};

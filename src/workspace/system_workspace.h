// The system workspace: the panel being edited, everything its windows show, and every handler of
// the main, panel setup, loop and unit windows as an operation on them. The windows pass their
// events here and show what the workspace then holds; no figure is read back from a window.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/design_check.h"
#include "calc/loop_calc.h"
#include "calc/panel_cards.h"
#include "calc/system_calc.h"
#include "calc/unit_window_table.h"
#include "files/config_fields.h"
#include "files/system_config.h"
#include "files/system_report.h"
#include "model/system_model.h"
#include "platform/platform.h"
#include "workspace/saved_state.h"

namespace standwise {

/// The main window's tab of the site details; selecting it may raise the standards warning.
inline constexpr int kSiteDetailsTab = 8;
inline constexpr int kMasterAlarmsTab = 10;
inline constexpr int kStandbyTab = 11;

/// What one loop's tab and its status-bar panel show.
struct LoopView {
    std::string current_s, current_a, load_units_s, load_units_a, total_devices = "0", loop_curr;
    Colour colour = Colour::ButtonFace;  // the alarm figures of an overloaded loop
    double alarm_units = 0;              // as last worked out, for the design check
    std::string status = "Not used";
    bool in_use = false;  // tab enabled and panel sunken
};

/// What the main window shows: the loop tabs, the panel summary, the master alarms and the
/// standby figures, as the calculations last left them.
struct MainView {
    std::string date;
    std::string devices = "0";  // the panel detection count, "&&" standing for one "&"
    Colour devices_colour = Colour::ButtonFace;
    std::array<LoopView, kLoops + 1> loops{};
    std::string system, controller, loop_cards, io_cards, network_cards, ram_cards, amphours;
    bool flash_backplane = false;
    std::string loops_total_q, loops_total_a;
    Colour loops_total_a_colour = Colour::Black;
    std::string system_total_q, system_total_a, standby, capacity_24h, capacity_72h;
    Colour standby_colour = Colour::ButtonFace;
    std::optional<SystemResult> result;  // the last system calculation
    int current_tab = kSiteDetailsTab;
};

/// What the loop window shows for the loop it is open on.
struct LoopWindowView {
    int loop_number = 0;
    std::string title = "Loop Configuration - Loop X";
    std::array<std::string, kDeviceTypes> counts{};  // each count list's text
    std::string units_standby, units_alarm;
    Colour units_colour = Colour::ButtonFace;
};

/// What one interface-unit window holds besides the loop's unit record, which its tree shows.
struct UnitWindowView {
    int loop = 0;
    std::string title;
    int list_size = 0;       // entries 0..list_size-1 of the unit-count list
    int count_position = 0;  // the list's selection
    int previous_count = 0;  // the count last accepted, which a refused one goes back to
};

class SystemWorkspace : public SavedState<SystemWorkspace> {
public:
    /// A workspace over a started model: reference tables, device library and stock sizes filled.
    /// It is then reset as start-up leaves the windows: the default panel, all loops clear.
    SystemWorkspace(const SystemModel& started, Platform& platform);
    /// A workspace with nothing in it yet, for a program whose start-up is still to come.
    explicit SystemWorkspace(Platform& platform) : platform(platform) {}

    /// Takes the started model and resets everything as start-up leaves the windows.
    void start(const SystemModel& started);

    SystemModel model;
    Platform& platform;

    // The values of the configuration that have no model field.
    std::string site, site_id;
    std::string master_alarm_1, master_alarm_2;  // mA as typed
    int alarm_position = -1;                     // 0..3, or -1 before the first choice

    MainView main;
    LoopWindowView loop_window;
    std::array<UnitWindowView, 3> unit_windows{};
    /// The panel setup window's choices as it shows them: the PSU option, the system type and the
    /// entry of each slot list.
    int psu_shown = 1, system_shown = 5;
    std::array<std::int16_t, kSlots> slot_shown{};
    std::string card_current_text;  // "Total Card Current"

    // What the windows show that follows from the state.
    std::string title() const;                 // "Standwise - System - R500 - Harbour"
    std::string alarm_time() const;            // the alarm-duration list's text, "" before a choice
    std::string maximum_ma_text() const;       // "(Maximum circuit load 800mA)."
    std::string slot_tooltip(int slot) const;  // "Card Current: 75mA"

    // Main window.
    /// The main window's reset: date, loops, summary, master alarms, site, alarm time, tabs.
    void clear_system_window();
    void SSTabentry_Click(int tab);
    void txtsite_Change(const std::string& text);
    void txtsiteid_Change(const std::string& text);
    void set_date(const std::string& text);
    void txtma1_Change(const std::string& text);
    void txtma2_Change(const std::string& text);
    /// A choice in the alarm-duration list; choosing the selected entry again changes nothing.
    void cmbalarm_time_Change(int position);
    /// Sets the alarm duration as the reset does: the handling runs even when it stands there.
    void select_alarm_time(int position);
    /// Prepares the loop window for a loop, as opening it does: its counts and the loop's figures.
    void cmdview_Click(int loop);
    /// "New configuration" once confirmed: every loop cleared, the default panel.
    void mnunew_Click();
    void update_loop_tabs();

    // Panel setup window.
    /// The slot lists filled and the default system chosen, as start-up does.
    void newfront_Form_Load();
    void setup_default_system();
    /// A PSU option (0..3) or system type chosen; asks first unless `without_question`. False when
    /// the change is refused, the option shown going back to the one in use.
    bool optPSU_Click(int option, bool without_question = false);
    bool optsystem_Click(int system_type, bool without_question = false);
    /// An entry chosen in a slot list; a separator, or a card over a limit, is refused (each limit
    /// in its own message) unless `without_check`, and the list goes back to its previous entry.
    bool cmbslot_Click(int slot, int entry, bool without_check = false);
    double calc_sys_current();

    // Loop window.
    /// A count chosen or typed for a device type on the open loop; the unit models' counts go
    /// through their unit windows. Ignored while the window is being filled.
    void cmb_viewdata_Change(int device_type, const std::string& text);
    /// A typed count finished: the field shows the whole number the calculation uses (2 for "2.5").
    void count_finished(int device_type);
    /// Sets every count of the loop to 0, empties its interface units and recalculates it.
    void clear_configuration(int loop);
    /// Leaving the loop window: the loop and the system worked out again.
    void leave_loop_window();
    /// The loop window's counts as the model holds them.
    void show_counts(int loop);

    // Interface-unit windows.
    UnitWindowView& unit_window(UnitModel unit_model) {
        return unit_windows[static_cast<std::size_t>(unit_model)];
    }
    void unit_Form_Load(UnitModel unit_model);
    void populateForm(UnitModel unit_model, int loop);
    /// A unit count chosen in the unit window's list.
    void cmbInterfaces_Change(UnitModel unit_model, int position);
    /// A unit count typed into the loop window's field of the model.
    void count_typed_in_loop_window(UnitModel unit_model, int loop, const std::string& text);
    /// Adds a channel of a kind to a unit, within the model's limits; false when none was added.
    bool add_channel(UnitModel unit_model, int unit, NodeKind kind);
    /// Removes the last channel of a kind from a unit; false when `number` is not the last.
    bool remove_channel(UnitModel unit_model, int unit, NodeKind kind, int number);
    /// Leaving a unit window: its loop worked out again.
    void unit_exit(UnitModel unit_model);

    // Calculations whose results every window shows.
    CountValidation validate_device_count(const std::string& text, int loop, int device_type);
    LoopResult calc_loop(int loop);
    void calc_system_standby();
    /// Every limit the panel as now worked out exceeds.
    DesignCheck design_check() const;

    // Files and reports.
    std::vector<std::string> configuration_lines() const;
    /// Applies a read configuration in the file's order, as a user's choices would be made, then
    /// works out every loop the file left unworked and the system. When reading stops early,
    /// `stop` (if given) learns where and why.
    ConfigReadStatus load(const std::vector<std::string>& lines, ReadStop* stop = nullptr);
    SystemReportInputs report_inputs() const;
    std::vector<std::string> full_report_lines() const;
    std::vector<std::string> short_report_lines() const;
    /// The reports as they go on paper and into a PDF, under a header with the site.
    ReportDocument full_report_document() const;
    ReportDocument short_report_document() const;

    /// One line for each loop in use and device type it counts that no device file defined:
    /// "Loop 1 counts 60 devices of type 2, which has no device file: their current is not
    /// included." Empty when every counted device has its definition. Loading shows them; a design
    /// check may list them too.
    std::vector<std::string> undefined_device_warnings() const;
    /// The fields that the last load put a text into and whose check emptied it, one message each.
    const std::vector<std::string>& emptied_fields() const { return emptied_fields_; }

private:
    class Loader;

    void check_master_alarm(std::string& changed, const std::string& other, int circuit);
    void report_emptied_field(const std::string& message);
    /// What a field holds once a load puts `text` into it; a typed text is only held to the length.
    std::string loaded_text(const std::string& field, const std::string& text);
    /// Whether a load's text is refused for a control character; the refusal is reported.
    bool refused_text(const std::string& field, const std::string& text);
    void show_loop_result(const LoopResult& result);
    void show_system_result(const SystemResult& result);
    void type_changed();
    void load_default_slots();
    void panel_changed();
    void update_main_summary();
    bool check_card_counts();
    PanelCards count_cards() const;
    ReportDocument report_document(const std::string& title, std::vector<std::string> lines) const;
    void show_unit_count_in_loop_window(UnitModel unit_model, int position);
    UnitChannels& unit(UnitModel unit_model, int number);

    bool loading_ = false;  // a configuration is being applied: emptied fields are reported
    std::vector<std::string> emptied_fields_;
};

}  // namespace standwise

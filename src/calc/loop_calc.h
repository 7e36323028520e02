// Loop loading: device-count validation, the loop's currents and load units, the panel detection
// count and the loops totals.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/results.h"
#include "model/system_model.h"
#include "platform/platform.h"

namespace standwise {

inline constexpr int kMaxDevicesPerLoop = 200;
inline constexpr double kMaxAlarmLoadUnits = 1000;
inline constexpr int kMaxPanelDetectionDevices = 512;
inline constexpr double kLoadUnitAmps = 0.0004;

/// The panel-wide detection count and its standards warning (lbldevices).
struct PanelCountResult {
    std::int16_t count = 0;
    bool warning = false;  // above 512
    std::string caption;  // "600 (EN && BS Input/Detection count may have been exceeded for panel.)" or "600"
    Colour colour = Colour::ButtonFace;  // Yellow when warning
};

/// The loops totals (lblloops_total_q, lblloops_total_a).
struct LoopsTotalResult {
    double quiescent_amps = 0;
    double alarm_amps = 0;
    std::string quiescent_text;  // "000.00mA" form; a zero total shows "000.00mA"
    std::string alarm_text;
};

/// Everything one loop calculation shows.
struct LoopResult {
    int loop = 0;
    double quiescent_ma = 0;
    double alarm_ma = 0;
    double quiescent_units = 0;
    double alarm_units = 0;
    bool overloaded = false;
    std::string current_s_text;      // lblcurrent_s: "012.35mA", or "mA" for exactly 0
    std::string current_a_text;      // lblcurrent_a
    std::string load_units_s_text;   // lblload_units_s: plain decimal, or empty for 0
    std::string load_units_a_text;   // lblload_units_a
    std::string total_devices_text;  // lbltotal_devices
    std::string loop_curr_text;      // lblloop_curr: always a number, "000.00mA" form
    // lblload_units_a, lblcurrent_a, lblloop_curr and the loop window's alarm units
    Colour loop_colour = Colour::ButtonFace;
    std::string status_text;         // stb_loadstatus panel: "Loop 3 OK" / "Loop 3 X"
    std::string loop_window_title;   // "Loop Configuration - Loop 3 of 4 - 45 Device(s)"
    std::string units_standby_text;  // loop window: "0000.0" form, or empty for 0
    std::string units_alarm_text;
    PanelCountResult panel;
    LoopsTotalResult totals;
};

/// The result of checking one entered count.
struct CountValidation {
    std::string text;                // the entry when accepted, empty when refused or not a number
    std::optional<LoopResult> loop;  // the loop calculation, when one ran
};

/// "Loop Configuration - Loop n of c - d Device(s)".
std::string loop_window_title(const SystemModel& model, int loop);

/// Checks an entered count of one device type on one loop against the type's loop maximum and the
/// 200-device loop limit (messages through the platform), stores it and recalculates the loop.
CountValidation validate_device_count(SystemModel& model, Platform& platform, std::string_view value,
                                      int loop, int device_type);

/// Recounts the devices of types 1..79 on one loop.
void count_loop_devices(SystemModel& model, int loop);

/// Recomputes one loop's currents and load units, the panel detection count and the loops totals.
/// An overloaded loop is reported through the platform on every calculation.
LoopResult calc_loop(SystemModel& model, Platform& platform, int loop);

/// Devices on all loops served by a loop card.
std::int16_t count_panel_devices(const SystemModel& model);

/// Adds up the loops served by loop cards into all_loops_quiescent and all_loops_alarm.
LoopsTotalResult calc_loops_total(SystemModel& model);

}  // namespace standwise

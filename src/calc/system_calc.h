// The panel's quiescent and alarm currents, the standby time on its standard battery and the
// capacities needed for 24 and 72 hours; the formulas are shared with the interface calculation.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/results.h"
#include "model/system_model.h"
#include "platform/platform.h"

namespace standwise {

/// Shown instead of a capacity that no battery can give: the derated alarm current leaves no usable
/// share of any battery (or the figures are not finite).
inline constexpr const char* kCapacityNotPossible = "Not possible";

/// A standby time and capacities as shown.
struct StandbyFigures {
    double hours = 0;            // standby time; 0 when no time remains
    std::string standby_text;    // "37:22"; "0:00" when no time remains
    bool short_standby = false;  // below 24 hours (and "0:00"): shown on red
    double capacity_24h = 0;     // Ah; 0 when not possible
    double capacity_72h = 0;
    std::string capacity_24h_text;  // "09.31Ah", or kCapacityNotPossible
    std::string capacity_72h_text;
    bool capacity_24h_possible = true;
    bool capacity_72h_possible = true;
};

/// The battery to fit and the verdict on the standard battery for one standby period, as shown.
struct BatteryVerdict {
    std::string fit_text;      // "Battery to fit: 17Ah", "Larger than any stock size" or "—"
    std::string verdict_text;  // "The 42Ah battery covers 24hr standby", "... does not cover ..." or "—"
    Colour verdict_colour = Colour::ButtonFace;  // Green when it covers, Red when not
    std::optional<double> fit_ah;                // the size to fit, when there is one
    bool covers = false;
};

struct BatterySelection {
    BatteryVerdict for_24h;
    BatteryVerdict for_72h;
};

struct SystemResult {
    bool max_alarm_exceeded = false;
    Colour loops_total_a_text_colour = Colour::Black;  // Red when exceeded
    double quiescent_amps = 0;
    double alarm_amps = 0;
    std::string system_total_q_text;  // "0.500A", empty for exactly 0
    std::string system_total_a_text;
    StandbyFigures standby;
    Colour standby_colour = Colour::ButtonFace;  // Red below 24 hours
    BatterySelection batteries;                  // the sizes to fit and the standard battery's verdicts
};

/// The whole-system calculation from the loops totals last computed, the master alarm texts (mA as
/// typed) and the selected alarm duration ("30", "60", "90", "120"). Warns through the platform when
/// the loops' alarm current exceeds the panel's maximum.
SystemResult calc_system_standby(SystemModel& model, Platform& platform, std::string_view master_alarm_1,
                                 std::string_view master_alarm_2, std::string_view alarm_time);

/// The alarm duration in hours, in single precision: "30" gives 0.5.
float alarm_hours(std::string_view minutes_text);

/// The current that the loops draw from the panel supply.
double loop_supply_current(const SystemModel& model, bool is_alarm, double loops_current);

/// 1.0 up to 0.6 A of alarm current, 0.01 less for every started 0.1 A above (stepped in double
/// precision, whose rounding decides the boundaries).
double alarm_derating_factor(double alarm_current);

/// The battery capacity in Ah that 24 hours of standby at `quiescent` A followed by `hours` of
/// alarm at `alarm` A need, the derated alarm current corrected for over the period. Not finite,
/// or negative, where no battery can give it.
double battery_capacity_24h(double quiescent, double alarm, double hours);
/// The same for 72 hours of standby.
double battery_capacity_72h(double quiescent, double alarm, double hours);

/// Standby time in hours on a battery of `capacity` Ah. Negative when the usable capacity does not
/// cover the alarm period (no derating correction is applied then); 0 without quiescent current.
double standby_hours(double quiescent, double alarm, double hours, double capacity);

/// Standby time and capacities as texts, with the guards for figures that no battery can give: a
/// time that is not positive shows "0:00" (short), an impossible capacity kCapacityNotPossible.
StandbyFigures standby_figures(double quiescent, double alarm, double hours, double capacity);

}  // namespace standwise

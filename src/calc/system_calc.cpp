#include "calc/system_calc.h"

#include <cmath>
#include <utility>

#include "calc/battery_choice.h"
#include "calc/panel_cards.h"
#include "model/numbers.h"

namespace standwise {
namespace {

constexpr double kUsableShare = 0.8;
constexpr double kQuiescentSupplyFactor = 2.0185185185185186;  // 109/54
constexpr double kAlarmSupplyFactor = 2.1372549019607843;      // 109/51
constexpr double kDeratingThreshold = 0.6;                     // A
constexpr double kDeratingStep = 0.1;                          // A per step
constexpr double kDeratingPerStep = 0.01;
constexpr double kShortStandby = 24;  // h

// Above this alarm current the stepping loop would run for too long (or forever, once the step no
// longer changes the remainder); the factor is then far below any figure a battery can meet.
constexpr double kSteppedDeratingLimit = 1000;  // A

// The correction of the capacity formulas for a derated alarm current over a standby period.
double capacity_correction(double factor, double hours, double period) {
    return 1 - (1 - factor) * (hours / period);
}

double battery_capacity(double quiescent, double alarm, double hours, double period) {
    const double f = alarm_derating_factor(alarm);
    if (f == 1.0) return (hours * alarm + quiescent * period) / kUsableShare;
    const double k = capacity_correction(f, hours, period);
    return (hours * alarm + quiescent * period) / (k * kUsableShare);
}

// Fills the capacity as shown, or the fixed text when no battery can give it.
void fill_capacity(double alarm, double hours, double period, double required, double& capacity,
                   std::string& text, bool& possible) {
    const double f = alarm_derating_factor(alarm);
    capacity = required;
    possible =
        (f == 1.0 || capacity_correction(f, hours, period) > 0) && std::isfinite(capacity) && capacity >= 0;
    if (possible) {
        text = format_fixed(capacity, "00.00") + "Ah";
    } else {
        capacity = 0;
        text = kCapacityNotPossible;
    }
}

// A system total of exactly zero shows as an empty caption.
std::string system_amps_text(double amps) {
    return amps == 0 ? std::string() : amps_text(amps);
}

}  // namespace

double battery_capacity_24h(double quiescent, double alarm, double hours) {
    return battery_capacity(quiescent, alarm, hours, 24);
}

double battery_capacity_72h(double quiescent, double alarm, double hours) {
    return battery_capacity(quiescent, alarm, hours, 72);
}

float alarm_hours(std::string_view minutes_text) {
    return static_cast<float>(text_value(minutes_text) / 60);
}

double loop_supply_current(const SystemModel& model, bool is_alarm, double loops_current) {
    if (model.psu_type != 0) return loops_current * (is_alarm ? kAlarmSupplyFactor : kQuiescentSupplyFactor);
    // The battery factor table applies to the legacy PSU only; its last row takes every larger current.
    const auto& table = model.battery_factor_table;
    std::size_t row = table.size() - 1;
    for (std::size_t i = 0; i + 1 < table.size(); ++i) {
        if (table[i].threshold >= loops_current) {
            row = i;
            break;
        }
    }
    return loops_current * table[row].factor;
}

double alarm_derating_factor(double alarm_current) {
    double d = alarm_current - kDeratingThreshold;
    if (d > kSteppedDeratingLimit) return 1.0 - kDeratingPerStep * std::ceil(d / kDeratingStep);
    // Stepped exactly so: the rounding of the repeated subtractions decides the step boundaries.
    double f = 1.0;
    while (d > 0) {
        f = f - kDeratingPerStep;
        d = d - kDeratingStep;
    }
    return f;
}

double standby_hours(double quiescent, double alarm, double hours, double capacity) {
    // No quiescent current would divide by zero; no time is claimed then.
    if (!(quiescent > 0)) return 0;
    const double f = alarm_derating_factor(alarm);
    const double t0 = (capacity * kUsableShare - hours * alarm) / quiescent;
    // When the usable capacity does not even cover the alarm period no time remains, and the
    // correction below would divide by zero or turn the shortfall into a positive time.
    if (f == 1.0 || t0 <= 0) return t0;
    const double k = 1 - (1 - f) * (hours / t0);
    return (k * capacity * kUsableShare - hours * alarm) / quiescent;
}

StandbyFigures standby_figures(double quiescent, double alarm, double hours, double capacity) {
    StandbyFigures figures;
    const double t = standby_hours(quiescent, alarm, hours, capacity);
    if (std::isfinite(t) && t > 0) {
        figures.hours = t;
        figures.standby_text = hours_minutes(t);
        figures.short_standby = t < kShortStandby;
    } else {
        figures.hours = 0;
        figures.standby_text = "0:00";
        figures.short_standby = true;
    }
    fill_capacity(alarm, hours, 24, battery_capacity_24h(quiescent, alarm, hours), figures.capacity_24h,
                  figures.capacity_24h_text, figures.capacity_24h_possible);
    fill_capacity(alarm, hours, 72, battery_capacity_72h(quiescent, alarm, hours), figures.capacity_72h,
                  figures.capacity_72h_text, figures.capacity_72h_possible);
    return figures;
}

SystemResult calc_system_standby(SystemModel& model, Platform& platform, std::string_view master_alarm_1,
                                 std::string_view master_alarm_2, std::string_view alarm_time) {
    SystemResult result;
    const SystemRecord& panel = model.panel();

    // The warning repeats on every run while the limit is exceeded; the figures are still worked out.
    result.max_alarm_exceeded = model.all_loops_alarm > panel.max_alarm_current;
    if (result.max_alarm_exceeded) {
        platform.ask_user("Maximum alarm current exceeded for this panel type",
                          "Warning - Reduce alarm current", MessageStyle::OkExclamation);
    }
    result.loops_total_a_text_colour = result.max_alarm_exceeded ? Colour::Red : Colour::Black;

    // Summed term by term in this order, so the figures match the reports to the last digit.
    const double controller = controller_current(panel, panel.slots[0]);
    double iq = controller + panel.panel_quiescent_current +
                loop_supply_current(model, false, model.all_loops_quiescent);
    result.quiescent_amps = add_card_currents(model.cards, iq);
    double ia = controller + panel.panel_quiescent_current + panel.panel_alarm_current +
                loop_supply_current(model, true, model.all_loops_alarm);
    ia = add_card_currents(model.cards, ia);
    result.alarm_amps = ia + text_value(master_alarm_1) / 1000 + text_value(master_alarm_2) / 1000;
    result.system_total_q_text = system_amps_text(result.quiescent_amps);
    result.system_total_a_text = system_amps_text(result.alarm_amps);

    const float hours = alarm_hours(alarm_time);
    result.standby = standby_figures(result.quiescent_amps, result.alarm_amps, hours, panel.battery_capacity);
    result.standby_colour = result.standby.short_standby ? Colour::Red : Colour::ButtonFace;
    result.batteries = select_batteries(result.standby, panel.battery_capacity, model.stock_batteries);
    return result;
}

}  // namespace standwise

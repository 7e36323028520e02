#include "calc/loop_calc.h"

#include <algorithm>

#include "model/numbers.h"

namespace standwise {
namespace {

const char* const kPanelCountWarning = " (EN && BS Input/Detection count may have been exceeded for panel.)";

// Sums of 16-bit counts are kept within the 16-bit range instead of wrapping, so that a loop
// loaded with absurd counts never passes the 200-device test by overflowing to a negative total.
std::int16_t clamp_count(int sum) {
    return static_cast<std::int16_t>(std::clamp(sum, -32768, 32767));
}

std::string ma_text(double ma) {
    return format_fixed(ma, "000.00") + "mA";
}

// A loop figure that is exactly zero shows as empty text.
std::string units_text(double units) {
    return units == 0 ? std::string() : plain_number(units);
}
std::string units_window_text(double units) {
    return units == 0 ? std::string() : format_fixed(units, "0000.0");
}

std::string loops_total_text(double amps) {
    return ma_text(amps * 1000);
}

PanelCountResult panel_count_result(std::int16_t count) {
    PanelCountResult panel;
    panel.count = count;
    panel.warning = count > kMaxPanelDetectionDevices;
    panel.caption = plain_number(count);
    if (panel.warning) {
        panel.caption += kPanelCountWarning;
        panel.colour = Colour::Yellow;
    }
    return panel;
}

}  // namespace

std::string loop_window_title(const SystemModel& model, int loop) {
    return "Loop Configuration - Loop" + str_number(loop) + " of" + str_number(model.loop_cards) + " -" +
           str_number(model.loop_device_total[loop]) + " Device(s)";
}

CountValidation validate_device_count(SystemModel& model, Platform& platform, std::string_view value,
                                      int loop, int device_type) {
    std::int16_t& count = model.loop_device_count[loop][device_type];
    std::string accepted;
    const std::optional<double> number = parse_number(value);
    // A negative count would lower the loop's current; it is taken like any other non-number.
    if (number && *number >= 0) {
        const std::int16_t maximum = model.device_loop_max[device_type];
        if (*number > maximum) {
            platform.ask_user("Too many of this device type on loop" + str_number(loop) + "." + kCrLf +
                                  "This filed will be cleared." + kCrLf + "(Maximum =" + str_number(maximum) +
                                  ")",
                              "Too Many Of This Device Type", MessageStyle::OkInformation);
            count = 0;
            return {};
        }
        count = to_count(*number).value_or(0);
        accepted = std::string(value);
    } else {
        count = 0;
    }

    count_loop_devices(model, loop);
    if (model.loop_device_total[loop] <= kMaxDevicesPerLoop)
        return {accepted, calc_loop(model, platform, loop)};

    platform.ask_user("The maximum number of devices has been exceeded for loop" + str_number(loop) + "." +
                          kCrLf + "This field will be cleared.",
                      "Too Many Devices", MessageStyle::OkInformation);
    count = 0;
    return {};
}

void count_loop_devices(SystemModel& model, int loop) {
    int total = 0;
    for (int type = kFirstDevice; type <= kLastDevice; ++type)
        total += model.loop_device_count[loop][type];
    model.loop_device_total[loop] = clamp_count(total);
}

LoopResult calc_loop(SystemModel& model, Platform& platform, int loop) {
    LoopResult r;
    r.loop = loop;
    const auto& counts = model.loop_device_count[loop];
    const UnitLoopRecord& mx210 = model.mx210_units[loop];
    const UnitLoopRecord& mx220 = model.mx220_units[loop];
    const UnitLoopRecord& mx240 = model.mx240_units[loop];

    double quiescent = 0;
    double alarm = 0;
    double quiescent_units = 0;
    double alarm_units = 0;
    for (int type = kFirstDevice; type <= kLastDevice; ++type) {
        const int n = counts[type];
        const DeviceCurrents& device = model.device_currents[type];
        quiescent += n * device.quiescent_current;
        const int in_fire = model.device_max_in_fire[type];
        if (n <= in_fire) {
            alarm += n * device.alarm_current;
        } else {
            alarm += in_fire * device.alarm_current + (n - in_fire) * device.quiescent_current;
        }
        quiescent_units += n * device.quiescent_units;
        alarm_units += n * device.alarm_units;
    }
    quiescent += mx210.quiescent;
    quiescent += mx220.quiescent;
    quiescent += mx240.quiescent;
    quiescent += model.psu().loop_overhead_current;
    alarm += mx210.alarm;
    alarm += mx220.alarm;
    alarm += mx240.alarm;
    quiescent_units += mx210.quiescent / kLoadUnitAmps;
    quiescent_units += mx220.quiescent / kLoadUnitAmps;
    quiescent_units += mx240.quiescent / kLoadUnitAmps;
    alarm_units += mx210.alarm / kLoadUnitAmps;
    alarm_units += mx220.alarm / kLoadUnitAmps;
    alarm_units += mx240.alarm / kLoadUnitAmps;

    model.loop_currents[loop][1] = quiescent;
    model.loop_currents[loop][2] = alarm;
    r.quiescent_ma = quiescent * 1000;
    r.alarm_ma = alarm * 1000;
    r.quiescent_units = quiescent_units;
    r.alarm_units = alarm_units;

    // The quiescent load is not limited; the warning repeats on every calculation of an overloaded loop.
    r.overloaded = alarm_units > kMaxAlarmLoadUnits;
    if (r.overloaded) {
        platform.ask_user("The maximum load has been exceeded on loop" + str_number(loop) + "." + kCrLf +
                              "Please reduce this loading.",
                          "Loop Overloaded", MessageStyle::OkExclamation);
    }
    r.status_text = "Loop" + str_number(loop) + (r.overloaded ? " X" : " OK");
    r.loop_colour = r.overloaded ? Colour::Red : Colour::ButtonFace;

    count_loop_devices(model, loop);
    r.current_s_text = r.quiescent_ma == 0 ? "mA" : ma_text(r.quiescent_ma);
    r.current_a_text = r.alarm_ma == 0 ? "mA" : ma_text(r.alarm_ma);
    r.load_units_s_text = units_text(quiescent_units);
    r.load_units_a_text = units_text(alarm_units);
    r.total_devices_text = plain_number(model.loop_device_total[loop]);
    r.loop_curr_text = ma_text(r.alarm_ma);
    r.loop_window_title = loop_window_title(model, loop);
    r.units_standby_text = units_window_text(quiescent_units);
    r.units_alarm_text = units_window_text(alarm_units);

    model.total_detection_devices = count_panel_devices(model);
    r.panel = panel_count_result(model.total_detection_devices);
    r.totals = calc_loops_total(model);
    return r;
}

std::int16_t count_panel_devices(const SystemModel& model) {
    int total = 0;
    for (int loop = 1; loop <= kLoops; ++loop)
        if (model.loop_on_loop_card(loop)) total += model.loop_device_total[loop];
    return clamp_count(total);
}

LoopsTotalResult calc_loops_total(SystemModel& model) {
    // Each loop's current already holds its interface units; they are counted once.
    double quiescent = 0;
    double alarm = 0;
    for (int loop = 1; loop <= kLoops; ++loop) {
        if (!model.loop_on_loop_card(loop)) continue;
        quiescent += model.loop_currents[loop][1];
        alarm += model.loop_currents[loop][2];
    }
    model.all_loops_quiescent = quiescent;
    model.all_loops_alarm = alarm;
    return {quiescent, alarm, loops_total_text(quiescent), loops_total_text(alarm)};
}

}  // namespace standwise

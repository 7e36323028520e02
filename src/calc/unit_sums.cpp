#include "calc/unit_sums.h"

#include <cmath>
#include <cstdint>

#include "model/numbers.h"

namespace standwise {

ChannelCurrents currents_of(const InterfaceConstants& c, UnitModel unit_model) {
    switch (unit_model) {
        case UnitModel::MX210:
            return {c.mx210_unit_current, c.mx210_input_quiescent, c.mx210_input_alarm,
                    c.mx210_zone_quiescent, c.mx210_zone_alarm};
        case UnitModel::MX220:
            return {c.mx220_unit_current,
                    c.mx220_input_quiescent,
                    c.mx220_input_alarm,
                    c.mx220_zone_quiescent,
                    c.mx220_zone_alarm,
                    0,
                    0,
                    0,
                    0,
                    c.mx220_output_quiescent,
                    c.mx220_output_alarm};
        case UnitModel::MX240:
            break;
    }
    return {c.mx240_unit_current,   c.mx240_input_quiescent, c.mx240_input_alarm,
            c.mx240_zone_quiescent, c.mx240_zone_alarm,      c.mx240_relay_quiescent,
            c.mx240_relay_alarm,    c.mx240_led_quiescent,   c.mx240_led_alarm};
}

namespace {

// Adds `count` items of which the first one of the loop is taken in alarm.
void add_one_in_alarm(int count, double quiescent, double alarm, bool& taken, double& q, double& a) {
    if (count == 0) return;
    q += count * quiescent;
    if (!taken) {
        a += alarm;
        taken = true;
        a += (count - 1) * quiescent;
    } else {
        a += count * quiescent;
    }
}

}  // namespace

std::optional<int> typed_unit_count(std::string_view text) {
    if (text.find_first_not_of(" \t") == std::string_view::npos) return 0;
    const std::optional<double> value = parse_number(text);
    if (!value || *value < 0 || *value != std::floor(*value) || *value > INT16_MAX) return std::nullopt;
    return static_cast<int>(*value);
}

std::int16_t max_units_per_loop(const SystemModel& model, UnitModel unit_model) {
    const InterfaceConstants& c = model.interface_constants;
    switch (unit_model) {
        case UnitModel::MX210:
            return to_count(c.mx210_max_per_loop).value_or(0);
        case UnitModel::MX220:
            return to_count(c.mx220_max_per_loop).value_or(0);
        case UnitModel::MX240:
            break;
    }
    return c.mx240_max_per_loop;
}

void calcConsumptions(SystemModel& model, UnitModel unit_model, int loop) {
    UnitLoopRecord& record = model.units_of(unit_model)[loop];
    const ChannelCurrents c = currents_of(model.interface_constants, unit_model);
    double q = record.unit_count * c.unit;
    double a = q;
    bool input_taken = false;
    bool zone_taken = false;
    for (int u = 1; u <= record.unit_count && u <= kMaxUnitsPerLoop; ++u) {
        const UnitChannels& unit = record.units[u];
        add_one_in_alarm(unit.inputs, c.input_q, c.input_a, input_taken, q, a);
        add_one_in_alarm(unit.zones, c.zone_q, c.zone_a, zone_taken, q, a);
        if (unit_model == UnitModel::MX240) {
            q += unit.relays * c.relay_q;
            a += unit.relays * c.relay_a;
            q += unit.leds * c.led_q;
            a += unit.leds * c.led_a;
        }
    }
    if (unit_model == UnitModel::MX220) {
        for (int u = 1; u <= record.unit_count; ++u) {
            q += c.output_q;
            a += c.output_a;
        }
    }
    record.quiescent = q;
    record.alarm = a;
}

void clearLoop(SystemModel& model, UnitModel unit_model, int loop) {
    UnitLoopRecord& record = model.units_of(unit_model)[loop];
    record.unit_count = 0;
    // Every unit record, not only those up to the model's maximum: a loaded file may hold more.
    for (int u = 1; u <= kMaxUnitsPerLoop; ++u)
        record.units[u] = UnitChannels{};
    calcConsumptions(model, unit_model, loop);
}

}  // namespace standwise

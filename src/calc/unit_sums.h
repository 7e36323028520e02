// Sums of the interface units on a loop: one input and one detection zone of a model are taken to
// be in alarm on each loop, whichever unit they belong to; relays and LEDs all count in alarm.
#pragma once

#include <optional>
#include <string_view>

#include "model/system_model.h"

namespace standwise {

/// The currents of one unit and of one item of each channel kind of a model, in amperes; the kinds
/// a model lacks stay 0.
struct ChannelCurrents {
    double unit = 0;
    double input_q = 0, input_a = 0, zone_q = 0, zone_a = 0;
    double relay_q = 0, relay_a = 0, led_q = 0, led_a = 0;  // MX240 channels
    double output_q = 0, output_a = 0;                      // the MX220's fixed output relay
};

ChannelCurrents currents_of(const InterfaceConstants& constants, UnitModel unit_model);

/// A unit count as typed: an empty text is 0, a whole number of 0 or more is itself; anything
/// else is no count.
std::optional<int> typed_unit_count(std::string_view text);

/// Most units of the model on one loop: the MX240 maximum as read, the MX210 and MX220 maxima
/// rounded to the nearest whole number.
std::int16_t max_units_per_loop(const SystemModel& model, UnitModel unit_model);

/// Recomputes the quiescent and alarm sums of one model's units on one loop.
void calcConsumptions(SystemModel& model, UnitModel unit_model, int loop);

/// Empties one model's units on one loop and recomputes its sums.
void clearLoop(SystemModel& model, UnitModel unit_model, int loop);

}  // namespace standwise

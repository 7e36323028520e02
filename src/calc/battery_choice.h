// The battery to buy: the stock sizes on sale, the smallest one that meets a required capacity, and
// whether a panel's standard battery covers a standby period.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/results.h"
#include "calc/system_calc.h"

namespace standwise {

/// A battery's capacity as the verdicts and the project table name it: "17Ah", "2.1Ah".
std::string battery_size_text(double ah);

/// A required capacity as the Standby tabs show it, to two decimals: 17.003 gives 17.
double as_shown(double capacity_ah);

/// The smallest stock size not below the required capacity (a requirement equal to a size takes
/// that size); none when every size is smaller.
std::optional<double> battery_to_fit(const std::vector<double>& sizes, double required_ah);

/// The selection for the capacities a standby calculation worked out, against the stock sizes and
/// the standard battery of `standard_ah`. Both compare with the capacity as shown (as_shown): the
/// standard battery covers a period when its capacity is at least that; a capacity that no battery
/// can give reads "—".
BatterySelection select_batteries(const StandbyFigures& figures, double standard_ah,
                                  const std::vector<double>& sizes);

}  // namespace standwise

// The battery to buy: the stock sizes on sale, the smallest one that meets a required capacity, and
// whether a panel's standard battery covers a standby period.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/results.h"
#include "calc/system_calc.h"
#include "platform/platform.h"

namespace standwise {

/// What reading batteries.txt gave: the sizes in ascending order, and the one message about the
/// file when it could not be used (the shipped sizes, kShippedBatterySizes, are then in `sizes`).
struct StockBatteries {
    std::vector<double> sizes;
    std::string problem;  // empty when the file was used
};

/// Reads the stock sizes from the lines of batteries.txt: one number of ampere-hours a line, blank
/// lines and anything after "#" ignored. A line that is not a positive number, or a file with no
/// size at all, makes the whole file unused; `path` names it in the message.
StockBatteries read_stock_batteries(const TextLines& file, const std::string& path);

/// The batteries.txt files that may hold the stock sizes, first found wins: the one in each
/// settings folder (the user's, then the site's), then the one shipped in the program folder.
std::vector<std::string> stock_battery_files(Platform& platform);

/// Reads the first of stock_battery_files that is there (else the shipped one) into the model's
/// stock sizes; its one message, when the file cannot be used, names it and goes through the platform.
void load_stock_batteries(SystemModel& model, Platform& platform);

/// A battery's capacity as the verdicts and the project table name it: "17Ah", "2.1Ah".
std::string battery_size_text(double ah);

/// The smallest stock size not below the required capacity (a requirement equal to a size takes
/// that size); none when every size is smaller.
std::optional<double> battery_to_fit(const std::vector<double>& sizes, double required_ah);

/// The selection for the capacities a standby calculation worked out, against the stock sizes and
/// the standard battery of `standard_ah`. The standard battery covers a period when its capacity is
/// at least the one required; a capacity that no battery can give reads "—".
BatterySelection select_batteries(const StandbyFigures& figures, double standard_ah,
                                  const std::vector<double>& sizes);

/// The closing "Battery selection" section of a report on paper or in PDF: per period the size to
/// fit and the standard battery's verdict.
std::vector<std::string> battery_selection_lines(const BatterySelection& selection);

}  // namespace standwise

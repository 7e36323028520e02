// The stock battery sizes file, batteries.txt: one size in ampere-hours a line.
#pragma once

#include <string>
#include <vector>

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

}  // namespace standwise

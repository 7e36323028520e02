#include "calc/battery_choice.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/numbers.h"

namespace standwise {
namespace {

constexpr const char* kNotPossible = "\u2014";  // an em dash, as for a figure that cannot be given

BatteryVerdict verdict(bool possible, double required, int period, double standard_ah,
                       const std::vector<double>& sizes) {
    BatteryVerdict v;
    if (!possible) {
        v.fit_text = v.verdict_text = kNotPossible;
        return v;
    }
    // Judged on the requirement as shown, so a figure shown equal to a size is never too small for it.
    const double shown = as_shown(required);
    v.fit_ah = battery_to_fit(sizes, shown);
    v.fit_text = v.fit_ah ? "Battery to fit: " + battery_size_text(*v.fit_ah) : "Larger than any stock size";
    v.covers = standard_ah >= shown;
    v.verdict_text = "The " + battery_size_text(standard_ah) + " battery " +
                     (v.covers ? "covers " : "does not cover ") + std::to_string(period) + "hr standby";
    v.verdict_colour = v.covers ? Colour::Green : Colour::Red;
    return v;
}

}  // namespace

double as_shown(double capacity_ah) {
    return parse_number(format_fixed(capacity_ah, "00.00")).value_or(capacity_ah);
}

std::string battery_size_text(double ah) {
    return plain_number(ah) + "Ah";
}

std::optional<double> battery_to_fit(const std::vector<double>& sizes, double required_ah) {
    for (double size : sizes)
        if (size >= required_ah) return size;
    return std::nullopt;
}

BatterySelection select_batteries(const StandbyFigures& figures, double standard_ah,
                                  const std::vector<double>& sizes) {
    return {verdict(figures.capacity_24h_possible, figures.capacity_24h, 24, standard_ah, sizes),
            verdict(figures.capacity_72h_possible, figures.capacity_72h, 72, standard_ah, sizes)};
}

}  // namespace standwise

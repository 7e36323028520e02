#include "calc/design_check.h"

#include <cmath>

#include "calc/interface_calc.h"
#include "calc/loop_calc.h"
#include "model/numbers.h"

namespace standwise {
namespace {

// Figures to the milliampere or the tenth of a load unit, without trailing zeros: "6.2", "900".
std::string figure(double value) {
    return plain_number(std::round(value * 1000) / 1000);
}

void check(std::vector<std::string>& exceeded, const std::string& what, double value, double limit,
           const std::string& unit) {
    if (value > limit) exceeded.push_back(what + ": " + figure(value) + " of " + figure(limit) + unit);
}

}  // namespace

std::string DesignCheck::text() const {
    if (exceeded.empty()) return kAllLimitsMet;
    std::string joined;
    for (const std::string& limit : exceeded)
        joined += (joined.empty() ? "" : "; ") + limit;
    return joined;
}

DesignCheck system_design_check(const SystemModel& model, const std::array<double, kLoops + 1>& alarm_units,
                                std::string_view master_alarm_1, std::string_view master_alarm_2) {
    DesignCheck result;
    std::vector<std::string>& exceeded = result.exceeded;
    for (int n = 1; n <= kLoops; ++n) {
        if (model.loop_on_loop_card(n) && alarm_units[n] > kMaxAlarmLoadUnits)
            exceeded.push_back("Loop" + str_number(n) + ": " + format_fixed(alarm_units[n], "0.0") + " of " +
                               figure(kMaxAlarmLoadUnits) + " load units in alarm");
    }
    const SystemRecord& panel = model.panel();
    const CardCounts& c = model.cards;
    check(exceeded, "I/O cards", c.pth_io_cards + c.smt_io_cards, panel.max_io_cards, "");
    check(exceeded, "Network cards",
          c.pth_network_cards + c.smt_copper_network_cards + c.smt_fibre_network_cards,
          panel.max_network_cards, "");
    check(exceeded, "RAM cards", c.ram_cards, panel.max_ram_cards, "");
    check(exceeded, "Loop cards", c.smt_loop_cards + c.pth_loop_cards, panel.max_loop_cards, "");
    check(exceeded, "Master alarm circuits", text_value(master_alarm_1) + text_value(master_alarm_2),
          panel.max_master_alarm_ma, " mA");
    if (model.all_loops_alarm > panel.max_alarm_current)
        exceeded.push_back("Panel alarm current exceeded: " + figure(model.all_loops_alarm) + " of " +
                           figure(panel.max_alarm_current) + " A");
    return result;
}

DesignCheck interface_design_check(const InterfaceSetup& setup) {
    DesignCheck result;
    double sectors = 0;
    for (int n = 1; n <= 4; ++n) {
        const InterfaceChannel& channel = setup.channels[n];
        const std::string name = "Channel" + str_number(n);
        if (channel.function == ChannelFunction::Zone)
            check(result.exceeded, name + " zone", text_value(channel.zone_current), kMaxZoneCurrent * 1000,
                  " mA");
        if (channel.function == ChannelFunction::Sector)
            check(result.exceeded, name + " sector", text_value(channel.sector_current),
                  kMaxSectorCurrent * 1000, " mA");
        sectors += text_value(channel.sector_current);
    }
    if (sector_total_exceeded(setup))
        result.exceeded.push_back("Sectors: " + figure(sectors) + " of " + figure(kMaxSectorTotal * 1000) +
                                  " mA");
    check(result.exceeded, "Auxiliary supply", text_value(setup.aux_current), kMaxAuxCurrent * 1000, " mA");
    return result;
}

}  // namespace standwise

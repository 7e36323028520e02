#include "calc/interface_calc.h"

#include "calc/battery_choice.h"
#include "model/numbers.h"

namespace standwise {
std::string check_current_entry(std::string_view value, double max_amps) {
    const std::optional<double> number = parse_number(value);
    if (!number) return {};
    const double amps = *number / 1000;
    return amps <= max_amps && amps >= 0 ? std::string(value) : std::string();
}

bool sector_total_exceeded(const InterfaceSetup& setup) {
    // A single-precision running total, rounded at each step: 100 + 100 + 100 + 200 mA is then exactly
    // 0.5 A and stays, where double precision would come out just above it.
    float total = 0;
    for (int channel = 1; channel <= 4; ++channel)
        total = static_cast<float>(total + text_value(setup.channels[channel].sector_current) / 1000);
    return total > kMaxSectorTotal;
}

bool check_sector_total(InterfaceSetup& setup, int channel) {
    if (!sector_total_exceeded(setup)) return false;
    setup.channels[channel].sector_current.clear();
    return true;
}

InterfaceResult calc_interface_standby(const InterfaceSetup& setup, std::string_view alarm_time,
                                       const std::vector<double>& stock_sizes) {
    InterfaceResult result;
    double quiescent = 0;
    double alarm = 0;
    // One zone of the unit is taken to be in alarm; further zones stay at their quiescent current.
    for (int i = 1; i <= 4; ++i) {
        const InterfaceChannel& channel = setup.channels[i];
        double& channel_q = result.channel_quiescent[static_cast<std::size_t>(i)];
        double& channel_a = result.channel_alarm[static_cast<std::size_t>(i)];
        if (channel.function == ChannelFunction::Zone) {
            channel_q = text_value(channel.zone_current) / 1000;
            channel_a = result.zone_in_fire ? channel_q : kInterfaceZoneInFire;
            result.zone_in_fire = true;
        } else if (channel.function == ChannelFunction::Sector) {
            // Sectors draw nothing while quiescent.
            channel_a = text_value(channel.sector_current) / 1000;
        }
        quiescent += channel_q;
        alarm += channel_a;
    }
    const double aux = text_value(setup.aux_current) / 1000;
    quiescent += kInterfaceUnitCurrent;
    quiescent += aux;
    alarm += kInterfaceUnitCurrent;
    alarm += aux;

    result.quiescent_amps = quiescent;
    result.alarm_amps = alarm;
    result.quiescent_text = amps_text(quiescent);
    result.alarm_text = amps_text(alarm);
    result.standby = standby_figures(quiescent, alarm, alarm_hours(alarm_time), kInterfaceBattery);
    result.batteries = select_batteries(result.standby, kInterfaceBattery, stock_sizes);
    return result;
}

}  // namespace standwise

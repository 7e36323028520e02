#include "calc/interface_calc.h"

#include "model/numbers.h"

namespace standwise {
namespace {

std::string amps_text(double amps) {
    return format_fixed(amps, "0.000") + "A";
}

}  // namespace

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

InterfaceResult calc_interface_standby(const InterfaceSetup& setup, std::string_view alarm_time) {
    InterfaceResult result;
    double quiescent = 0;
    double alarm = 0;
    // One zone of the unit is taken to be in alarm; further zones stay at their quiescent current.
    bool zone_in_alarm = false;
    for (int i = 1; i <= 4; ++i) {
        const InterfaceChannel& channel = setup.channels[i];
        if (channel.function == ChannelFunction::Zone) {
            const double zone = text_value(channel.zone_current) / 1000;
            quiescent += zone;
            if (!zone_in_alarm) {
                alarm += kInterfaceZoneInFire;
                zone_in_alarm = true;
            } else {
                alarm += zone;
            }
        } else if (channel.function == ChannelFunction::Sector) {
            // Sectors draw nothing while quiescent.
            alarm += text_value(channel.sector_current) / 1000;
        }
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
    return result;
}

}  // namespace standwise

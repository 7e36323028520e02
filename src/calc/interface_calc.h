// The stand-alone four-channel interface: entry checks and its standby figures.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/system_calc.h"
#include "model/interface_model.h"

namespace standwise {

inline constexpr double kInterfaceUnitCurrent = 0.02;  // A, both states
inline constexpr double kInterfaceZoneInFire = 0.025;  // A
inline constexpr double kInterfaceBattery = 2.1;       // Ah
inline constexpr double kMaxSectorTotal = 0.5;         // A, the four sectors together
inline constexpr double kMaxZoneCurrent = 0.0025;      // A, one zone entry
inline constexpr double kMaxSectorCurrent = 0.5;       // A, one sector entry
inline constexpr double kMaxAuxCurrent = 0.25;         // A

/// The entry (mA) when it is a number from 0 to max_amps once divided by 1000; otherwise empty.
std::string check_current_entry(std::string_view value, double max_amps);

/// Whether the four sector entries (mA) together exceed 0.5 A, added in single precision.
bool sector_total_exceeded(const InterfaceSetup& setup);

/// Empties the sector entry of `channel` (1..4), the one just changed, when the four sector entries
/// together exceed 0.5 A; returns whether it did.
bool check_sector_total(InterfaceSetup& setup, int channel);

struct InterfaceResult {
    /// Each channel's own currents in A (channels 1..4): a zone's quiescent current, and in alarm
    /// 0.025 A for the first zone (the one taken to be in fire), the quiescent current for later
    /// zones, a sector's current; nothing for an unconnected channel.
    std::array<double, 5> channel_quiescent{};
    std::array<double, 5> channel_alarm{};
    bool zone_in_fire = false;  // some channel is a zone
    double quiescent_amps = 0;
    double alarm_amps = 0;
    std::string quiescent_text;  // lblinterface_q: "0.045A"
    std::string alarm_text;      // lblinterface_a
    StandbyFigures standby;      // colour never changes in this window
    BatterySelection batteries;  // against the unit's own 2.1Ah battery
};

/// The interface's currents and standby figures; `alarm_time` is the selected duration text, and
/// `stock_sizes` the battery sizes on sale for the battery to fit.
InterfaceResult calc_interface_standby(const InterfaceSetup& setup, std::string_view alarm_time,
                                       const std::vector<double>& stock_sizes);

}  // namespace standwise

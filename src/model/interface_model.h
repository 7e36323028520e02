// The interface units on the detection loops (MX210, MX220, MX240) and the stand-alone interface.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace standwise {

/// The three interface-unit models; the value indexes per-model tables.
enum class UnitModel { MX210 = 0, MX220 = 1, MX240 = 2 };
inline constexpr std::array<UnitModel, 3> kUnitModels{UnitModel::MX210, UnitModel::MX220, UnitModel::MX240};

/// The device types under which the models' unit counts are kept on a loop, and which their
/// device files carry.
inline constexpr int kMx210DeviceType = 75;
inline constexpr int kMx220DeviceType = 76;
inline constexpr int kMx240DeviceType = 77;

inline constexpr int device_type_of(UnitModel unit_model) {
    return unit_model == UnitModel::MX210   ? kMx210DeviceType
           : unit_model == UnitModel::MX220 ? kMx220DeviceType
                                            : kMx240DeviceType;
}

/// The model whose unit count a device type holds; none for the other types.
inline std::optional<UnitModel> unit_model_of(int device_type) {
    for (UnitModel unit_model : kUnitModels)
        if (device_type_of(unit_model) == device_type) return unit_model;
    return std::nullopt;
}

/// Most units one loop record can hold.
inline constexpr int kMaxUnitsPerLoop = 50;

/// Channel counts of one unit. MX210 and MX220 units use inputs and zones only; every MX220 unit
/// also has one output relay, which is not counted here.
struct UnitChannels {
    std::int16_t inputs = 0;
    std::int16_t zones = 0;
    std::int16_t leds = 0;
    std::int16_t relays = 0;
};

/// The units of one model on one loop. Units are numbered 1..unit_count; index 0 stays zero.
struct UnitLoopRecord {
    std::int16_t unit_count = 0;
    double quiescent = 0;  // A, as last computed by calcConsumptions
    double alarm = 0;      // A
    std::array<UnitChannels, kMaxUnitsPerLoop + 1> units{};
};

/// Constants of the three models, read from their device files (amperes as written).
struct InterfaceConstants {
    double mx210_unit_current = 0, mx210_max_per_loop = 0;
    double mx210_zone_quiescent = 0, mx210_zone_alarm = 0;
    double mx210_input_quiescent = 0, mx210_input_alarm = 0;

    double mx220_unit_current = 0, mx220_max_per_loop = 0;
    double mx220_zone_quiescent = 0, mx220_zone_alarm = 0;
    double mx220_input_quiescent = 0, mx220_input_alarm = 0;
    double mx220_output_quiescent = 0, mx220_output_alarm = 0;

    double mx240_unit_current = 0;
    std::int16_t mx240_max_per_loop = 0;
    double mx240_zone_quiescent = 0, mx240_zone_alarm = 0;
    double mx240_input_quiescent = 0, mx240_input_alarm = 0;
    double mx240_relay_quiescent = 0, mx240_relay_alarm = 0;
    double mx240_led_quiescent = 0, mx240_led_alarm = 0;
};

/// What a channel of the stand-alone interface is connected to.
enum class ChannelFunction { Zone, Sector, NotConnected };

struct InterfaceChannel {
    ChannelFunction function = ChannelFunction::Sector;
    std::string zone_current;    // mA as typed; empty or 0..2.5
    std::string sector_current;  // mA as typed; empty or 0..500
};

/// The stand-alone four-channel interface, as its window holds it.
struct InterfaceSetup {
    std::int16_t address_index = 1;  // 0 no address; k stands for address k - 1
    std::string label;
    std::array<InterfaceChannel, 5> channels{};  // channels 1..4; index 0 unused
    std::string aux_current;                     // mA as typed; empty or 0..250
    std::int16_t alarm_time_index = 0;           // 0..3: "30", "60", "90", "120" minutes
};

}  // namespace standwise

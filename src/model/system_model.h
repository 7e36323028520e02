// The one model of the current system: reference tables, device library, the chosen panel, the
// loops with their interface units, and the run-time state. Values that the user types into the
// main window (site, master alarm loads, alarm duration) stay in the window.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/interface_model.h"

namespace standwise {

inline constexpr int kLoops = 8;         // loops 1..8; index 0 is never used
inline constexpr int kDeviceTypes = 81;  // types 0..80; 1..79 are shown and counted
inline constexpr int kFirstDevice = 1;
inline constexpr int kLastDevice = 79;
inline constexpr int kSlots = 16;  // slot 0 is the local controller
inline constexpr int kCardTypes = 13;
inline constexpr int kSystemTypes = 6;
inline constexpr int kPsuRecords = 4;  // 0..2 used, 3 stays empty

/// Card list entries that count as cards.
enum CardCode : std::int16_t {
    kCardEmpty = 0,
    kPthIo = 2,
    kPthLoop = 3,
    kPthNetwork = 4,
    kPthRam = 5,
    kSmtIo = 7,
    kSmtLoop = 8,
    kSmtCopperNetwork = 9,
    kSmtFibreNetwork = 10,
    kFlashBackplane = 12,
};

/// Whether a card list entry is one of the separator rows, which cannot be chosen.
inline bool is_separator_card(int code) {
    return code == 1 || code == 6 || code == 11;
}
inline bool is_loop_card(int code) {
    return code == kPthLoop || code == kSmtLoop;
}

struct SystemRecord {
    std::string name;
    double panel_quiescent_current = 0;  // A
    double panel_alarm_current = 0;      // A
    std::array<std::int16_t, kSlots> default_slots{};
    std::array<std::int16_t, kSlots> slots{};
    std::array<bool, kSlots> slot_fitted{};
    std::array<double, kCardTypes> card_current{};  // A per card
    std::array<double, 2> controller_current{};     // A per controller kind
    double battery_capacity = 0;                    // Ah
    std::int16_t max_loop_cards = 0;
    std::int16_t max_ram_cards = 0;
    std::int16_t max_io_cards = 0;
    std::int16_t max_network_cards = 0;
    std::int16_t max_master_alarm_ma = 0;
    double max_alarm_current = 0;  // A
};

struct PsuRecord {
    double loop_overhead_current = 0;  // A
    std::string name;
    std::array<SystemRecord, kSystemTypes> systems{};
};

struct BatteryFactorRow {
    double threshold = 0;  // A
    double factor = 0;
};

struct DeviceCurrents {
    double quiescent_current = 0;  // A
    double alarm_current = 0;      // A
    double quiescent_units = 0;    // load units of 0.4 mA
    double alarm_units = 0;
};

/// The cards in a panel's fitted slots 1..15 and the supply current each kind of card draws.
struct CardCounts {
    std::int16_t pth_io_cards = 0, pth_loop_cards = 0, pth_network_cards = 0, ram_cards = 0;
    std::int16_t smt_io_cards = 0, smt_loop_cards = 0, smt_copper_network_cards = 0;
    std::int16_t smt_fibre_network_cards = 0, flash_backplanes = 0;
    std::int16_t total_loop_cards = 0;  // both kinds of loop card, counted in the same pass
    double pth_io_current = 0, pth_loop_current = 0, pth_network_current = 0, ram_current = 0;  // A
    double smt_io_current = 0, smt_loop_current = 0, smt_copper_network_current = 0;
    double smt_fibre_network_current = 0, flash_backplane_current = 0;
};

/// The common sealed lead-acid battery sizes in Ah: the stock sizes when batteries.txt cannot be used.
inline const std::vector<double> kShippedBatterySizes{7, 12, 17, 24, 38, 45, 65, 100, 200};

struct SystemModel {
    // Reference tables, filled at start-up.
    std::array<std::string, 2> local_controller_types{};
    std::array<std::string, kCardTypes> card_types{};
    std::array<std::string, 5> alarm_times{};
    std::array<BatteryFactorRow, 11> battery_factor_table{};
    std::array<PsuRecord, kPsuRecords> psu_types{};

    // Device library, indexed by device type.
    std::array<std::string, kDeviceTypes> device_name{};
    std::array<std::string, kDeviceTypes> device_tooltip{};
    std::array<std::int16_t, kDeviceTypes> device_loop_max{};
    std::array<std::int16_t, kDeviceTypes> device_pseudo_count{};
    std::array<std::int16_t, kDeviceTypes> device_max_in_fire{};
    std::array<DeviceCurrents, kDeviceTypes> device_currents{};
    std::array<bool, kDeviceTypes> device_defined{};  // a device file was read for the type
    InterfaceConstants interface_constants{};

    // Battery sizes on sale, ascending, read at start-up beside the device library.
    std::vector<double> stock_batteries = kShippedBatterySizes;
    std::string stock_batteries_file;  // the batteries.txt they came from; empty for the built-in list

    // The chosen panel.
    std::int16_t psu_type = 1;
    std::int16_t last_psu_type = 1;  // PSU option 0..3; options 2 and 3 both select PSU type 2
    std::int16_t system_type = 5;
    CardCounts cards;             // the cards of the fitted slots, as the panel setup last counted them
    std::int16_t loop_cards = 0;  // loop cards after the last accepted slot change: the loops in use

    // Loops 1..8.
    std::array<std::array<std::int16_t, kDeviceTypes>, kLoops + 1> loop_device_count{};
    std::array<std::int16_t, kLoops + 1> loop_device_total{};
    std::array<std::array<double, 3>, kLoops + 1> loop_currents{};  // [loop][1] quiescent, [2] alarm
    std::int16_t total_detection_devices = 0;
    double all_loops_quiescent = 0;
    double all_loops_alarm = 0;
    std::array<UnitLoopRecord, kLoops + 1> mx210_units{};
    std::array<UnitLoopRecord, kLoops + 1> mx220_units{};
    std::array<UnitLoopRecord, kLoops + 1> mx240_units{};

    // Run-time state.
    std::string windows_dir;
    std::int16_t current_loop = 0;
    bool loop_form_ready = false;

    SystemRecord& panel() { return psu_types[psu_type].systems[system_type]; }
    const SystemRecord& panel() const { return psu_types[psu_type].systems[system_type]; }
    const PsuRecord& psu() const { return psu_types[psu_type]; }

    /// Whether loop n (1..8) is served by a loop card of the current panel.
    bool loop_on_loop_card(int loop) const { return is_loop_card(panel().slots[loop]); }

    std::array<UnitLoopRecord, kLoops + 1>& units_of(UnitModel model) {
        return model == UnitModel::MX210   ? mx210_units
               : model == UnitModel::MX220 ? mx220_units
                                           : mx240_units;
    }
    const std::array<UnitLoopRecord, kLoops + 1>& units_of(UnitModel model) const {
        return const_cast<SystemModel*>(this)->units_of(model);
    }
};

}  // namespace standwise

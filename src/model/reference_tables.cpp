#include "model/reference_tables.h"

#include <initializer_list>
#include <utility>

namespace standwise {
namespace {

struct SystemLayout {
    const char* name;
    std::initializer_list<std::pair<int, std::int16_t>> default_slots;  // slot, entry; others empty
    std::initializer_list<int> fitted;
    std::int16_t max_loop_cards, max_ram_cards, max_io_cards, max_network_cards;
};

const SystemLayout kLayouts[kSystemTypes] = {
    {"R210", {{0, 0}, {1, 3}, {5, 5}, {15, 2}}, {0, 1, 2, 3, 4, 5, 6, 7, 8}, 4, 1, 6, 1},
    {"R220", {{0, 0}, {1, 3}, {9, 5}, {15, 2}}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 8, 2, 14, 1},
    {"R500", {{0, 0}, {1, 3}, {3, 5}, {15, 2}}, {0, 1, 2, 3, 15}, 2, 1, 1, 0},
    {"Caldris", {{0, 1}, {1, 8}, {14, 12}, {15, 7}}, {0, 1, 2, 3, 4, 5, 6, 14, 15}, 4, 1, 6, 1},
    {"Caldris Zonal", {{0, 1}, {1, 8}, {14, 12}, {15, 7}}, {0, 1, 2, 3, 4, 5, 6, 14, 15}, 4, 1, 6, 1},
    {"Caldris XX", {{0, 1}, {1, 8}, {14, 12}, {15, 0}}, {0, 1, 2, 3, 4, 5, 6, 14, 15}, 4, 1, 6, 1},
};

struct PanelFigures {
    double quiescent, alarm, capacity, max_alarm;
    std::int16_t max_master_alarm_ma;
};

// [psu][system]: panel currents, standard battery, most loop alarm current, master alarm limit.
// The dual-charger capacity stays 0 until a dual-charger option is chosen.
const PanelFigures kFigures[3][kSystemTypes] = {
    {{0.25, 0.01, 24, 1.6, 400},
     {0.25, 0.01, 48, 2.5, 200},
     {0.25, 0.01, 24, 1.6, 400},
     {0.08, 0.135, 24, 1.6, 400},
     {0.02, 0.02, 24, 1.6, 400},
     {0.02, 0.02, 24, 1.6, 400}},
    {{0.013, 0.007, 24, 3.2, 800},
     {0.013, 0.007, 48, 3.2, 800},
     {0.012, 0.096, 24, 3.2, 800},
     {0.012, 0.135, 24, 3.2, 800},
     {0.007, 0.02, 24, 3.2, 800},
     {0.007, 0.006, 21, 3.2, 800}},
    {{0.25, 0.01, 0, 3.2, 800},
     {0.25, 0.01, 0, 3.2, 800},
     {0.25, 0.01, 0, 3.2, 800},
     {0.08, 0.135, 0, 3.2, 800},
     {0.02, 0.02, 0, 3.2, 800},
     {0.02, 0.02, 0, 3.2, 800}},
};

// Card currents by card list entry (separators and "Empty" draw nothing), then the controllers.
const std::array<double, kCardTypes> kLegacyCardCurrent = {0, 0, 0.027, 0.02, 0.125, 0.05, 0,
                                                           0.042, 0.045, 0.14, 0.065, 0, 0.021};
const std::array<double, kCardTypes> kChargerCardCurrent = {0, 0, 0.009, 0.044, 0.055, 0, 0,
                                                            0.02, 0.038, 0.057, 0.021, 0, 0};
const std::array<double, 2> kLegacyControllerCurrent = {0.172, 0.152};
const std::array<double, 2> kChargerControllerCurrent = {0.049, 0.037};

void fill_psu(SystemModel& model, int psu, const char* name, double loop_overhead) {
    PsuRecord& record = model.psu_types[psu];
    record.loop_overhead_current = loop_overhead;
    record.name = name;
    for (int t = 0; t < kSystemTypes; ++t) {
        SystemRecord& system = record.systems[t];
        const SystemLayout& layout = kLayouts[t];
        const PanelFigures& figures = kFigures[psu][t];
        system.name = layout.name;
        system.panel_quiescent_current = figures.quiescent;
        system.panel_alarm_current = figures.alarm;
        system.default_slots.fill(0);
        for (auto [slot, entry] : layout.default_slots) system.default_slots[slot] = entry;
        system.slot_fitted.fill(false);
        for (int slot : layout.fitted) system.slot_fitted[slot] = true;
        system.battery_capacity = figures.capacity;
        system.max_loop_cards = (t == 5 && psu == 2) ? 6 : layout.max_loop_cards;
        system.max_ram_cards = layout.max_ram_cards;
        system.max_io_cards = layout.max_io_cards;
        system.max_network_cards = layout.max_network_cards;
        system.max_master_alarm_ma = figures.max_master_alarm_ma;
        system.max_alarm_current = figures.max_alarm;
    }
    for (SystemRecord& system : record.systems) system.slots = system.default_slots;
    for (SystemRecord& system : record.systems) {
        system.card_current = psu == 0 ? kLegacyCardCurrent : kChargerCardCurrent;
        system.controller_current = psu == 0 ? kLegacyControllerCurrent : kChargerControllerCurrent;
    }
}

void set_dual_capacity(SystemModel& model, double capacity) {
    for (SystemRecord& system : model.psu_types[2].systems) system.battery_capacity = capacity;
}

}  // namespace

void fill_reference_tables(SystemModel& model) {
    fill_psu(model, 0, "Legacy PSU", 0.006);
    fill_psu(model, 1, "PSU - Single charger", 0);
    fill_psu(model, 2, "PSU - Dual charger", 0);

    model.local_controller_types = {"MKI PTH Local Controller", "MKII SMT Local Controller"};
    const std::string separator(23, '-');
    model.card_types = {"Empty",
                        separator,
                        "MKI PTH I/O Card",
                        "MKI PTH Loop Card",
                        "MKI PTH Network Card",
                        "MKI PTH RAM Card",
                        separator,
                        "MKII SMT I/O Card",
                        "MKII SMT Loop Card",
                        "MKII SMT Copper Network Card",
                        "MKII SMT Fibre Network Card",
                        separator,
                        "Flash backplane"};

    model.battery_factor_table = {{{0, 0},
                                   {0.025, 0.2},
                                   {0.05, 1.12},
                                   {0.075, 1.44},
                                   {0.1, 1.59},
                                   {0.125, 1.672},
                                   {0.15, 1.733},
                                   {0.175, 1.771},
                                   {0.2, 1.8},
                                   {0.225, 1.822},
                                   {0.25, 1.84}}};

    model.alarm_times = {"30", "60", "90", "120", ""};
}

DeviceLibraryReport init_reference_tables(SystemModel& model, Platform& platform) {
    DeviceLibraryReport report = load_device_library(model, platform);
    fill_reference_tables(model);
    return report;
}

DeviceLibraryReport read_windows_dir(SystemModel& model, Platform& platform) {
    model.windows_dir = platform.windows_folder();
    return init_reference_tables(model, platform);
}

void set_dual_capacity_42(SystemModel& model) { set_dual_capacity(model, 42); }
void set_dual_capacity_84(SystemModel& model) { set_dual_capacity(model, 84); }

}  // namespace standwise

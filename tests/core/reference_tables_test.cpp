#include "model/reference_tables.h"

#include <gtest/gtest.h>

#include <vector>

namespace standwise {
namespace {

// The panel figures per system type, as the maker's data sheets give them.
struct SystemRow {
    const char* name;
    double currents[3][2];  // [psu] panel quiescent, panel alarm
    double capacity[2];     // PSU 0, PSU 1; PSU 2 follows the dual-charger option
    double max_alarm[2];    // PSU 0, PSU 1 and 2
    int master_alarm_ma[2];
    std::vector<std::pair<int, int>> default_slots;  // slot, entry
    std::vector<int> fitted;
    int loop_cards, ram_cards, io_cards, network_cards;
};

const std::vector<int> kCaldrisSlots = {0, 1, 2, 3, 4, 5, 6, 14, 15};
// clang-format off
const SystemRow kSystems[kSystemTypes] = {
    {"R210", {{0.25, 0.01}, {0.013, 0.007}, {0.25, 0.01}}, {24, 24}, {1.6, 3.2}, {400, 800},
     {{0, 0}, {1, 3}, {5, 5}, {15, 2}}, {0, 1, 2, 3, 4, 5, 6, 7, 8}, 4, 1, 6, 1},
    {"R220", {{0.25, 0.01}, {0.013, 0.007}, {0.25, 0.01}}, {48, 48}, {2.5, 3.2}, {200, 800},
     {{0, 0}, {1, 3}, {9, 5}, {15, 2}}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 8, 2, 14, 1},
    {"R500", {{0.25, 0.01}, {0.012, 0.096}, {0.25, 0.01}}, {24, 24}, {1.6, 3.2}, {400, 800},
     {{0, 0}, {1, 3}, {3, 5}, {15, 2}}, {0, 1, 2, 3, 15}, 2, 1, 1, 0},
    {"Caldris", {{0.08, 0.135}, {0.012, 0.135}, {0.08, 0.135}}, {24, 24}, {1.6, 3.2}, {400, 800},
     {{0, 1}, {1, 8}, {14, 12}, {15, 7}}, kCaldrisSlots, 4, 1, 6, 1},
    {"Caldris Zonal", {{0.02, 0.02}, {0.007, 0.02}, {0.02, 0.02}}, {24, 24}, {1.6, 3.2}, {400, 800},
     {{0, 1}, {1, 8}, {14, 12}, {15, 7}}, kCaldrisSlots, 4, 1, 6, 1},
    {"Caldris XX", {{0.02, 0.02}, {0.007, 0.006}, {0.02, 0.02}}, {24, 21}, {1.6, 3.2}, {400, 800},
     {{0, 1}, {1, 8}, {14, 12}}, kCaldrisSlots, 4, 1, 6, 1},
};
// clang-format on

// Card currents by card list entry, then the two controllers; the same for every system of a PSU.
const double kLegacyCards[kCardTypes] = {0,     0,     0.027, 0.02,  0.125, 0.05, 0,
                                         0.042, 0.045, 0.14,  0.065, 0,     0.021};
const double kChargerCards[kCardTypes] = {0, 0, 0.009, 0.044, 0.055, 0, 0, 0.02, 0.038, 0.057, 0.021, 0, 0};

TEST(ReferenceTables, EveryPsuAndSystemFigure) {
    SystemModel model;
    fill_reference_tables(model);
    const char* psu_names[] = {"Legacy PSU", "PSU - Single charger", "PSU - Dual charger"};
    const double overhead[] = {0.006, 0, 0};
    for (int psu = 0; psu < 3; ++psu) {
        const PsuRecord& record = model.psu_types[psu];
        EXPECT_EQ(record.name, psu_names[psu]);
        EXPECT_EQ(record.loop_overhead_current, overhead[psu]);
        for (int s = 0; s < kSystemTypes; ++s) {
            SCOPED_TRACE("PSU " + std::to_string(psu) + " system " + std::to_string(s));
            const SystemRecord& sys = record.systems[s];
            const SystemRow& row = kSystems[s];
            EXPECT_EQ(sys.name, row.name);
            EXPECT_EQ(sys.panel_quiescent_current, row.currents[psu][0]);
            EXPECT_EQ(sys.panel_alarm_current, row.currents[psu][1]);
            EXPECT_EQ(sys.battery_capacity, psu == 2 ? 0 : row.capacity[psu]);
            EXPECT_EQ(sys.max_alarm_current, row.max_alarm[psu == 0 ? 0 : 1]);
            EXPECT_EQ(sys.max_master_alarm_ma, row.master_alarm_ma[psu == 0 ? 0 : 1]);
            std::array<std::int16_t, kSlots> slots{};
            for (auto [slot, entry] : row.default_slots)
                slots[slot] = static_cast<std::int16_t>(entry);
            EXPECT_EQ(sys.default_slots, slots);
            EXPECT_EQ(sys.slots, slots);
            std::array<bool, kSlots> fitted{};
            for (int slot : row.fitted)
                fitted[slot] = true;
            EXPECT_EQ(sys.slot_fitted, fitted);
            EXPECT_EQ(sys.max_loop_cards, s == 5 && psu == 2 ? 6 : row.loop_cards);
            EXPECT_EQ(sys.max_ram_cards, row.ram_cards);
            EXPECT_EQ(sys.max_io_cards, row.io_cards);
            EXPECT_EQ(sys.max_network_cards, row.network_cards);
            for (int card = 0; card < kCardTypes; ++card)
                EXPECT_EQ(sys.card_current[card], psu == 0 ? kLegacyCards[card] : kChargerCards[card])
                    << card;
            EXPECT_EQ(sys.controller_current[0], psu == 0 ? 0.172 : 0.049);
            EXPECT_EQ(sys.controller_current[1], psu == 0 ? 0.152 : 0.037);
        }
    }
    const PsuRecord& unused = model.psu_types[3];
    EXPECT_EQ(unused.name, "");
    EXPECT_EQ(unused.loop_overhead_current, 0);
    for (const SystemRecord& sys : unused.systems) {
        EXPECT_EQ(sys.name, "");
        EXPECT_EQ(sys.battery_capacity, 0);
        EXPECT_EQ(sys.max_alarm_current, 0);
        EXPECT_EQ(sys.default_slots, (std::array<std::int16_t, kSlots>{}));
        EXPECT_EQ(sys.card_current, (std::array<double, kCardTypes>{}));
    }

    set_dual_capacity_42(model);
    for (int psu = 0; psu < 3; ++psu)
        for (int s = 0; s < kSystemTypes; ++s)
            EXPECT_EQ(model.psu_types[psu].systems[s].battery_capacity,
                      psu == 2 ? 42 : kSystems[s].capacity[psu]);
    set_dual_capacity_84(model);
    for (const SystemRecord& sys : model.psu_types[2].systems)
        EXPECT_EQ(sys.battery_capacity, 84);
}

TEST(ReferenceTables, ListsAndBatteryFactors) {
    SystemModel model;
    fill_reference_tables(model);
    const std::string separator(23, '-');
    // clang-format off
    const std::array<std::string, kCardTypes> cards = {
        "Empty", separator, "MKI PTH I/O Card", "MKI PTH Loop Card", "MKI PTH Network Card", "MKI PTH RAM Card",
        separator, "MKII SMT I/O Card", "MKII SMT Loop Card", "MKII SMT Copper Network Card",
        "MKII SMT Fibre Network Card", separator, "Flash backplane"};
    // clang-format on
    EXPECT_EQ(model.card_types, cards);
    EXPECT_EQ(model.local_controller_types,
              (std::array<std::string, 2>{"MKI PTH Local Controller", "MKII SMT Local Controller"}));
    EXPECT_EQ(model.alarm_times, (std::array<std::string, 5>{"30", "60", "90", "120", ""}));
    const double rows[11][2] = {{0, 0},      {0.025, 0.2},   {0.05, 1.12},  {0.075, 1.44},
                                {0.1, 1.59}, {0.125, 1.672}, {0.15, 1.733}, {0.175, 1.771},
                                {0.2, 1.8},  {0.225, 1.822}, {0.25, 1.84}};
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(model.battery_factor_table[i].threshold, rows[i][0]) << i;
        EXPECT_EQ(model.battery_factor_table[i].factor, rows[i][1]) << i;
    }
}

}  // namespace
}  // namespace standwise

#include "calc/unit_sums.h"

#include <gtest/gtest.h>

namespace standwise {
namespace {

class InterfaceUnits : public ::testing::Test {
protected:
    // Distinct values per constant, so a constant taken in the wrong place shows in the sums.
    void SetUp() override {
        // clang-format off
        model.interface_constants = {
            .mx210_unit_current = 0.0001, .mx210_max_per_loop = 20.4,
            .mx210_zone_quiescent = 0.00004, .mx210_zone_alarm = 0.005,
            .mx210_input_quiescent = 0.00002, .mx210_input_alarm = 0.0003,
            .mx220_unit_current = 0.0002, .mx220_max_per_loop = 10,
            .mx220_zone_quiescent = 0.00005, .mx220_zone_alarm = 0.006,
            .mx220_input_quiescent = 0.00003, .mx220_input_alarm = 0.0004,
            .mx220_output_quiescent = 0.00007, .mx220_output_alarm = 0.0009,
            .mx240_unit_current = 0.0003, .mx240_max_per_loop = 8,
            .mx240_zone_quiescent = 0.00006, .mx240_zone_alarm = 0.007,
            .mx240_input_quiescent = 0.00001, .mx240_input_alarm = 0.0002,
            .mx240_relay_quiescent = 0.00008, .mx240_relay_alarm = 0.0011,
            .mx240_led_quiescent = 0.00009, .mx240_led_alarm = 0.0013};
        // clang-format on
    }

    SystemModel model;
};

TEST_F(InterfaceUnits, Mx240TakesOneInputAndOneZoneOfTheLoopInAlarm) {
    const InterfaceConstants& c = model.interface_constants;
    UnitLoopRecord& loop = model.mx240_units[3];
    loop.unit_count = 2;
    loop.units[1].inputs = 2;
    loop.units[2].inputs = 3;
    calcConsumptions(model, UnitModel::MX240, 3);
    EXPECT_DOUBLE_EQ(loop.quiescent, 2 * c.mx240_unit_current + 5 * c.mx240_input_quiescent);
    EXPECT_DOUBLE_EQ(loop.alarm,
                     2 * c.mx240_unit_current + c.mx240_input_alarm + 4 * c.mx240_input_quiescent);

    // Zones on two units, relays and LEDs all in alarm.
    loop.units[1].zones = 1;
    loop.units[2].zones = 1;
    loop.units[1].relays = 1;
    loop.units[2].leds = 2;
    calcConsumptions(model, UnitModel::MX240, 3);
    EXPECT_DOUBLE_EQ(loop.quiescent, 2 * c.mx240_unit_current + 5 * c.mx240_input_quiescent +
                                         2 * c.mx240_zone_quiescent + c.mx240_relay_quiescent +
                                         2 * c.mx240_led_quiescent);
    EXPECT_DOUBLE_EQ(loop.alarm, 2 * c.mx240_unit_current + c.mx240_input_alarm +
                                     4 * c.mx240_input_quiescent + c.mx240_zone_alarm +
                                     c.mx240_zone_quiescent + c.mx240_relay_alarm + 2 * c.mx240_led_alarm);
}

TEST_F(InterfaceUnits, EveryMx220HasItsOutputRelay) {
    const InterfaceConstants& c = model.interface_constants;
    UnitLoopRecord& loop = model.mx220_units[1];
    loop.unit_count = 2;
    calcConsumptions(model, UnitModel::MX220, 1);
    EXPECT_DOUBLE_EQ(loop.quiescent, 2 * (c.mx220_unit_current + c.mx220_output_quiescent));
    EXPECT_DOUBLE_EQ(loop.alarm, 2 * (c.mx220_unit_current + c.mx220_output_alarm));

    loop.units[2].zones = 1;
    calcConsumptions(model, UnitModel::MX220, 1);
    EXPECT_DOUBLE_EQ(loop.alarm, 2 * (c.mx220_unit_current + c.mx220_output_alarm) + c.mx220_zone_alarm);
}

TEST_F(InterfaceUnits, UnitsAboveTheCountAreLeftOutOfTheSums) {
    // A count lowered from 5 to 3: units 4 and 5 no longer draw anything.
    UnitLoopRecord& loop = model.mx210_units[2];
    loop.unit_count = 5;
    for (int u = 1; u <= 5; ++u)
        loop.units[u].inputs = 1;
    loop.unit_count = 3;
    calcConsumptions(model, UnitModel::MX210, 2);
    const InterfaceConstants& c = model.interface_constants;
    EXPECT_DOUBLE_EQ(loop.quiescent, 3 * c.mx210_unit_current + 3 * c.mx210_input_quiescent);
}

TEST_F(InterfaceUnits, ClearLoopEmptiesOneModelOnOneLoopOnly) {
    for (UnitModel unit_model : kUnitModels) {
        for (int l = 2; l <= 4; ++l) {
            UnitLoopRecord& loop = model.units_of(unit_model)[l];
            loop.unit_count = 2;
            loop.units[1] = {1, 1, 0, 0};
            loop.units[2] = {1, 0, 0, 0};
            calcConsumptions(model, unit_model, l);
        }
    }
    const UnitLoopRecord before_loop2 = model.mx240_units[2];
    const UnitLoopRecord before_mx220 = model.mx220_units[3];
    clearLoop(model, UnitModel::MX240, 3);

    const UnitLoopRecord& cleared = model.mx240_units[3];
    EXPECT_EQ(cleared.unit_count, 0);
    EXPECT_EQ(cleared.quiescent, 0);
    EXPECT_EQ(cleared.alarm, 0);
    for (const UnitChannels& unit : cleared.units)
        EXPECT_EQ(unit.inputs + unit.zones + unit.leds + unit.relays, 0);

    EXPECT_EQ(model.mx240_units[2].unit_count, before_loop2.unit_count);
    EXPECT_EQ(model.mx240_units[2].alarm, before_loop2.alarm);
    EXPECT_EQ(model.mx240_units[4].units[1].zones, 1);
    EXPECT_EQ(model.mx220_units[3].unit_count, before_mx220.unit_count);
    EXPECT_EQ(model.mx220_units[3].quiescent, before_mx220.quiescent);
    EXPECT_EQ(model.mx210_units[3].units[1].inputs, 1);

    EXPECT_EQ(max_units_per_loop(model, UnitModel::MX210), 20);
    EXPECT_EQ(max_units_per_loop(model, UnitModel::MX240), 8);
}

}  // namespace
}  // namespace standwise

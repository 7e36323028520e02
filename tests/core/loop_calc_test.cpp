#include "calc/loop_calc.h"

#include <gtest/gtest.h>

#include "model/reference_tables.h"
#include "support/scripted_platform.h"

namespace standwise {
namespace {

class LoopCalc : public ::testing::Test {
protected:
    void SetUp() override {
        fill_reference_tables(model);
        // Single-charger PSU, Caldris XX: loop 1 on an SMT loop card, no loop overhead current.
        model.psu_type = 1;
        model.system_type = 5;
        model.loop_cards = 1;
        for (int type = 0; type < kDeviceTypes; ++type)
            model.device_loop_max[type] = 200;
    }

    void set_device(int type, double quiescent, double alarm, std::int16_t max_in_fire = 200) {
        model.device_currents[type] = {quiescent, alarm, quiescent / kLoadUnitAmps, alarm / kLoadUnitAmps};
        model.device_max_in_fire[type] = max_in_fire;
    }

    SystemModel model;
    test::ScriptedPlatform platform;
};

using Texts = std::vector<std::string>;

// The loop figures as shown: loop currents, load units, loop window units, loop current, devices.
Texts shown(const LoopResult& r) {
    return {r.current_s_text,     r.current_a_text,   r.load_units_s_text, r.load_units_a_text,
            r.units_standby_text, r.units_alarm_text, r.loop_curr_text,    r.total_devices_text};
}

TEST_F(LoopCalc, CountAtTheTypeMaximumIsAcceptedAndOneMoreRefused) {
    model.device_loop_max[5] = 10;
    CountValidation ok = validate_device_count(model, platform, "10", 3, 5);
    EXPECT_EQ(ok.text, "10");
    ASSERT_TRUE(ok.loop.has_value());
    EXPECT_EQ(model.loop_device_count[3][5], 10);
    EXPECT_EQ(model.loop_device_total[3], 10);
    EXPECT_TRUE(platform.messages.empty());

    // The refusal neither recounts nor recalculates.
    for (const char* entry : {"11", "10.4"}) {
        platform.clear_messages();
        CountValidation refused = validate_device_count(model, platform, entry, 3, 5);
        EXPECT_EQ(refused.text, "");
        EXPECT_FALSE(refused.loop.has_value());
        EXPECT_EQ(model.loop_device_count[3][5], 0);
        EXPECT_EQ(model.loop_device_total[3], 10);
        EXPECT_EQ(platform.messages,
                  (test::Messages{{"Too many of this device type on loop 3.\r\nThis filed will "
                                   "be cleared.\r\n(Maximum = 10)",
                                   "Too Many Of This Device Type", MessageStyle::OkInformation}}));
    }
}

TEST_F(LoopCalc, LoopTotalOf200IsAcceptedAnd201Refused) {
    model.loop_device_count[4][1] = 150;
    EXPECT_EQ(validate_device_count(model, platform, "50", 4, 2).text, "50");
    EXPECT_EQ(model.loop_device_total[4], 200);

    CountValidation refused = validate_device_count(model, platform, "51", 4, 2);
    EXPECT_EQ(refused.text, "");
    EXPECT_FALSE(refused.loop.has_value());
    EXPECT_EQ(model.loop_device_count[4][2], 0);
    EXPECT_EQ(model.loop_device_count[4][1], 150);
    EXPECT_EQ(model.loop_device_total[4], 201);  // not recounted until the field changes again
    EXPECT_EQ(platform.messages, (test::Messages{{"The maximum number of devices has been exceeded for loop "
                                                  "4.\r\nThis field will be cleared.",
                                                  "Too Many Devices", MessageStyle::OkInformation}}));
}

TEST_F(LoopCalc, EntriesRoundHalfToEvenAndNonNumbersOrNegativesCountAsZeroWithoutMessage) {
    set_device(4, 0.001, 0.002);
    struct Case {
        const char *entry, *text;
        std::int16_t count;
        const char* current_s;
    } cases[] = {
        {"2.5", "2.5", 2, "002.00mA"}, {"3.5", "3.5", 4, "004.00mA"},
        {" 7 ", " 7 ", 7, "007.00mA"}, {"1e1", "1e1", 10, "010.00mA"},
        {"-0", "-0", 0, "mA"},         {"", "", 0, "mA"},
        {"abc", "", 0, "mA"},          {"12mA", "", 0, "mA"},
        {"1,000", "", 0, "mA"},        {"-3", "", 0, "mA"},
        {"-0.4", "", 0, "mA"},
    };
    for (const Case& c : cases) {
        model.loop_device_count[2][4] = 9;
        CountValidation result = validate_device_count(model, platform, c.entry, 2, 4);
        EXPECT_EQ(result.text, c.text) << c.entry;
        EXPECT_EQ(model.loop_device_count[2][4], c.count) << c.entry;
        ASSERT_TRUE(result.loop.has_value()) << c.entry;
        EXPECT_EQ(result.loop->current_s_text, c.current_s) << c.entry;
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LoopCalc, DeviceTypes0And80TakeNoPartAndTheTotalDoesNotWrap) {
    set_device(0, 0.01, 0.02);
    set_device(80, 0.01, 0.02);
    model.loop_device_count[1][0] = 5;
    model.loop_device_count[1][80] = 5;
    LoopResult r = calc_loop(model, platform, 1);
    EXPECT_EQ(model.loop_device_total[1], 0);
    EXPECT_EQ(r.quiescent_ma, 0);
    EXPECT_EQ(r.alarm_units, 0);
    EXPECT_EQ(r.total_devices_text, "0");

    for (int type = 1; type <= 3; ++type)  // absurd counts, as a file may hold them
        model.loop_device_count[5][type] = 30000;
    count_loop_devices(model, 5);
    EXPECT_EQ(model.loop_device_total[5], 32767);
}

TEST_F(LoopCalc, OnlyMaxInFireDevicesDrawAlarmCurrentButAllCountInAlarmLoad) {
    set_device(7, 0.0001, 0.005, 2);
    model.loop_device_count[1][7] = 5;
    LoopResult r = calc_loop(model, platform, 1);
    EXPECT_DOUBLE_EQ(model.loop_currents[1][2], 2 * 0.005 + 3 * 0.0001);
    EXPECT_DOUBLE_EQ(r.alarm_units, 5 * 12.5);
    EXPECT_EQ(shown(r), (Texts{"000.50mA", "010.30mA", "1.25", "62.5", "0001.3", "0062.5", "010.30mA", "5"}));
}

TEST_F(LoopCalc, AlarmLoadAbove1000UnitsOverloadsTheLoopOnEveryCalculation) {
    model.device_currents[9].alarm_units = 1000;
    model.loop_device_count[3][9] = 1;
    LoopResult at_limit = calc_loop(model, platform, 3);
    EXPECT_FALSE(at_limit.overloaded);
    EXPECT_EQ(at_limit.status_text, "Loop 3 OK");
    EXPECT_EQ(at_limit.loop_colour, Colour::ButtonFace);
    EXPECT_TRUE(platform.messages.empty());

    model.device_currents[9].alarm_units = 1000.1;
    for (int run = 1; run <= 2; ++run) {
        LoopResult over = calc_loop(model, platform, 3);
        EXPECT_TRUE(over.overloaded);
        EXPECT_EQ(over.status_text, "Loop 3 X");
        EXPECT_EQ(over.loop_colour, Colour::Red);
        EXPECT_EQ(platform.messages,
                  test::Messages(run, {"The maximum load has been exceeded on loop 3.\r\nPlease reduce this "
                                       "loading.",
                                       "Loop Overloaded", MessageStyle::OkExclamation}));
    }
}

TEST_F(LoopCalc, EmptyLoopShowsOnlyTheLegacyLoopOverhead) {
    model.psu_type = 0;
    LoopResult r = calc_loop(model, platform, 2);
    EXPECT_EQ(model.loop_currents[2][1], 0.006);
    EXPECT_EQ(shown(r), (Texts{"006.00mA", "mA", "", "", "", "", "000.00mA", "0"}));
}

TEST_F(LoopCalc, InterfaceUnitsCountOnceInTheLoopAndInTheTotals) {
    set_device(3, 0.0002, 0.004);
    model.loop_device_count[1][3] = 10;
    model.mx240_units[1].quiescent = 0.002;
    model.mx240_units[1].alarm = 0.004;
    LoopResult r = calc_loop(model, platform, 1);
    EXPECT_DOUBLE_EQ(model.loop_currents[1][1], 10 * 0.0002 + 0.002);
    EXPECT_DOUBLE_EQ(model.loop_currents[1][2], 10 * 0.004 + 0.004);
    EXPECT_DOUBLE_EQ(r.quiescent_units, 10 * 0.5 + 5);
    EXPECT_DOUBLE_EQ(r.alarm_units, 10 * 10 + 10);
    EXPECT_EQ(model.all_loops_quiescent, model.loop_currents[1][1]);
    EXPECT_EQ(model.all_loops_alarm, model.loop_currents[1][2]);
    EXPECT_EQ(r.totals.quiescent_text, "004.00mA");
    EXPECT_EQ(r.totals.alarm_text, "044.00mA");
}

TEST_F(LoopCalc, LoopsOffLoopCardsAreShownButLeftOutOfPanelCountAndTotals) {
    set_device(3, 0.001, 0.002);
    model.loop_device_count[1][3] = 10;
    model.loop_device_count[2][3] = 20;  // slot 2 of Caldris XX is empty
    calc_loop(model, platform, 1);
    LoopResult r = calc_loop(model, platform, 2);
    EXPECT_EQ(r.current_s_text, "020.00mA");
    EXPECT_EQ(r.panel.count, 10);
    EXPECT_EQ(model.total_detection_devices, 10);
    EXPECT_EQ(r.totals.quiescent_text, "010.00mA");
    EXPECT_EQ(r.totals.alarm_text, "020.00mA");
    EXPECT_DOUBLE_EQ(model.all_loops_alarm, 0.02);

    model.panel().slots[2] = kPthLoop;
    r = calc_loop(model, platform, 2);
    EXPECT_EQ(r.panel.count, 30);
    EXPECT_EQ(r.totals.quiescent_text, "030.00mA");
}

TEST_F(LoopCalc, PanelCountAbove512RaisesTheStandardsWarning) {
    for (int loop = 1; loop <= 3; ++loop)
        model.panel().slots[loop] = kSmtLoop;
    model.loop_device_count[1][3] = 200;
    model.loop_device_count[2][3] = 200;
    model.loop_device_count[3][3] = 112;
    calc_loop(model, platform, 1);
    calc_loop(model, platform, 2);
    LoopResult r = calc_loop(model, platform, 3);
    EXPECT_FALSE(r.panel.warning);
    EXPECT_EQ(r.panel.caption, "512");
    EXPECT_EQ(r.panel.colour, Colour::ButtonFace);

    EXPECT_EQ(validate_device_count(model, platform, "113", 3, 3).text, "113");
    r = calc_loop(model, platform, 3);
    EXPECT_TRUE(r.panel.warning);
    EXPECT_EQ(r.panel.count, 513);
    EXPECT_EQ(r.panel.caption, "513 (EN && BS Input/Detection count may have been exceeded for panel.)");
    EXPECT_EQ(r.panel.colour, Colour::Yellow);
}

TEST_F(LoopCalc, FiguresAndTitleAsShown) {
    set_device(6, 0.0123456 / 45, 0.0000001);
    model.loop_cards = 4;
    EXPECT_EQ(validate_device_count(model, platform, "45", 3, 6).text, "45");
    LoopResult r = calc_loop(model, platform, 3);
    EXPECT_EQ(r.current_s_text, "012.35mA");
    EXPECT_EQ(r.loop_window_title, "Loop Configuration - Loop 3 of 4 - 45 Device(s)");
    EXPECT_EQ(r.total_devices_text, "45");
}

}  // namespace
}  // namespace standwise

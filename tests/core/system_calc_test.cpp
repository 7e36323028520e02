#include "calc/system_calc.h"

#include <gtest/gtest.h>

#include "calc/panel_cards.h"
#include "model/reference_tables.h"
#include "support/scripted_platform.h"

namespace standwise {
namespace {

TEST(StandbyFormulas, WorkedExamples) {
    struct Case {
        double quiescent, alarm;
        const char *time, *c24, *c72;
        double hours, capacity_24h;
    } cases[] = {
        {0.4, 0.5, "47:22", "12.31Ah", "36.31Ah", 47.375, 12.3125},
        {0.5, 1.0, "37:22", "15.64Ah", "45.64Ah", 37.374, 15.641},
    };
    for (const Case& c : cases) {
        StandbyFigures f = standby_figures(c.quiescent, c.alarm, alarm_hours("30"), 24);
        EXPECT_EQ(f.standby_text, c.time);
        EXPECT_EQ(f.capacity_24h_text, c.c24);
        EXPECT_EQ(f.capacity_72h_text, c.c72);
        EXPECT_NEAR(f.hours, c.hours, 0.0005);
        EXPECT_NEAR(f.capacity_24h, c.capacity_24h, 0.0005);
        EXPECT_FALSE(f.short_standby);
    }
}

TEST(StandbyFormulas, DeratingStepsAtTheirBoundaries) {
    const std::pair<double, double> cases[] = {{0, 1.0},    {0.6, 1.0},   {0.61, 0.99}, {0.65, 0.99},
                                               {0.7, 0.99}, {0.75, 0.98}, {1.0, 0.95}};
    for (auto [alarm, factor] : cases)
        EXPECT_DOUBLE_EQ(alarm_derating_factor(alarm), factor) << alarm;
    EXPECT_EQ(alarm_derating_factor(0.6), 1.0);
    // Far above any real panel the factor is still finite and the call returns.
    EXPECT_LT(alarm_derating_factor(1e300), -1e290);
}

// Up to 0.6 A the plain formula; above it the derating correction; no correction once no time is left.
TEST(StandbyFormulas, StandbyHoursAtTheDeratingBoundary) {
    EXPECT_EQ(standby_hours(0.4, 0.6, 0.5, 24), (24 * 0.8 - 0.5 * 0.6) / 0.4);
    const double t0 = (24 * 0.8 - 0.5 * 0.61) / 0.4;
    EXPECT_DOUBLE_EQ(standby_hours(0.4, 0.61, 0.5, 24),
                     ((1 - 0.01 * (0.5 / t0)) * 24 * 0.8 - 0.5 * 0.61) / 0.4);
    EXPECT_EQ(standby_hours(0.5, 0.8, 0.5, 0.5), 0);
    EXPECT_LT(standby_hours(0.5, 0.8, 0.5, 0.45), 0);
}

TEST(StandbyFormulas, AlarmHoursInSinglePrecision) {
    const std::pair<const char*, float> cases[] = {{"30", 0.5f}, {"90", 1.5f}, {"120", 2.0f}, {"", 0.0f}};
    for (auto [minutes, hours] : cases)
        EXPECT_EQ(alarm_hours(minutes), hours) << minutes;
}

TEST(StandbyFormulas, StandbyOfExactly24HoursIsNotShort) {
    StandbyFigures at = standby_figures(1, 0, 0, 30);
    EXPECT_EQ(at.standby_text, "24:00");
    EXPECT_FALSE(at.short_standby);
    StandbyFigures below = standby_figures(1, 0, 0, 29.9875);
    EXPECT_EQ(below.standby_text, "23:59");
    EXPECT_TRUE(below.short_standby);
}

TEST(StandbyFormulas, NoTimeLeftShows0h00OnRed) {
    struct Case {
        double quiescent, alarm, hours, capacity;
    } cases[] = {
        {0.5, 0.5, 0.5, 0},     // no standard battery: negative time
        {0.5, 0.8, 0.5, 0.5},   // first estimate exactly 0 with a derated alarm current
        {0.5, 0.8, 0.5, 0.45},  // capacity below the alarm consumption, derated
        {0, 0.5, 0.5, 24},      // no quiescent current
        {0.5, 1e300, 0.5, 24},  // absurd alarm current
    };
    for (const Case& c : cases) {
        StandbyFigures f = standby_figures(c.quiescent, c.alarm, c.hours, c.capacity);
        EXPECT_EQ(f.standby_text, "0:00") << c.capacity;
        EXPECT_EQ(f.hours, 0);
        EXPECT_TRUE(f.short_standby);
    }
}

TEST(StandbyFormulas, CapacityThatNoBatteryGivesIsShownAsNotPossible) {
    // 200 A derates by almost 20: the 24-hour correction falls below 0, the 72-hour one does not.
    StandbyFigures f = standby_figures(0.5, 200, 2, 24);
    EXPECT_FALSE(f.capacity_24h_possible);
    EXPECT_EQ(f.capacity_24h_text, kCapacityNotPossible);
    EXPECT_EQ(f.capacity_24h, 0);
    EXPECT_TRUE(f.capacity_72h_possible);
    EXPECT_GT(f.capacity_72h, 0);

    f = standby_figures(0.5, 1e300, 2, 24);
    EXPECT_EQ(f.capacity_24h_text, kCapacityNotPossible);
    EXPECT_EQ(f.capacity_72h_text, kCapacityNotPossible);
}

class SystemCalc : public ::testing::Test {
protected:
    void SetUp() override { fill_reference_tables(model); }
    SystemModel model;
    test::ScriptedPlatform platform;
};

TEST_F(SystemCalc, LegacyPsuLooksUpTheBatteryFactorTable) {
    model.psu_type = 0;
    const std::pair<double, double> cases[] = {
        {0, 0}, {0.05, 1.12}, {0.0500001, 1.44}, {0.25, 1.84}, {0.3, 1.84}};
    for (auto [current, factor] : cases) {
        EXPECT_EQ(loop_supply_current(model, false, current), current * factor) << current;
        EXPECT_EQ(loop_supply_current(model, true, current), current * factor) << current;
    }
    model.psu_type = 2;
    EXPECT_EQ(loop_supply_current(model, false, 0.3), 0.3 * 2.0185185185185186);
    EXPECT_EQ(loop_supply_current(model, true, 0.3), 0.3 * 2.1372549019607843);
}

TEST_F(SystemCalc, SumsPanelCardsLoopsAndMasterAlarms) {
    // Single-charger Caldris XX: SMT controller, one SMT loop card, a flash backplane.
    model.cards = count_panel_cards(model.panel(), model.panel().slots).counts;
    model.all_loops_quiescent = 0.054;
    model.all_loops_alarm = 0.102;
    SystemResult r = calc_system_standby(model, platform, "100", "50mA", "60");
    const double iq = 0.037 + 0.007 + 0.054 * 2.0185185185185186 + 0.038;
    const double ia = 0.037 + 0.007 + 0.006 + 0.102 * 2.1372549019607843 + 0.038 + 0.1 + 0.05;
    EXPECT_DOUBLE_EQ(r.quiescent_amps, iq);
    EXPECT_DOUBLE_EQ(r.alarm_amps, ia);
    EXPECT_EQ(r.system_total_q_text, "0.191A");
    EXPECT_EQ(r.system_total_a_text, "0.456A");
    const StandbyFigures expected = standby_figures(iq, ia, 1, 21);
    EXPECT_EQ(r.standby.standby_text, expected.standby_text);
    EXPECT_EQ(r.standby.capacity_24h_text, expected.capacity_24h_text);
    EXPECT_EQ(r.standby_colour, Colour::ButtonFace);
    EXPECT_FALSE(r.max_alarm_exceeded);
    EXPECT_EQ(r.loops_total_a_text_colour, Colour::Black);
    EXPECT_TRUE(platform.messages.empty());

    EXPECT_DOUBLE_EQ(calc_system_standby(model, platform, "abc", "", "60").alarm_amps, ia - 0.15);
}

TEST_F(SystemCalc, AlarmCurrentAboveThePanelMaximumWarnsOnEveryRun) {
    model.all_loops_alarm = model.panel().max_alarm_current;
    SystemResult r = calc_system_standby(model, platform, "0", "0", "30");
    EXPECT_FALSE(r.max_alarm_exceeded);
    EXPECT_TRUE(platform.messages.empty());

    model.all_loops_alarm += 0.001;
    for (int run = 1; run <= 2; ++run) {
        r = calc_system_standby(model, platform, "0", "0", "30");
        EXPECT_TRUE(r.max_alarm_exceeded);
        EXPECT_EQ(r.loops_total_a_text_colour, Colour::Red);
        EXPECT_FALSE(r.standby.standby_text.empty());
        EXPECT_EQ(platform.messages,
                  test::Messages(run, {"Maximum alarm current exceeded for this panel type",
                                       "Warning - Reduce alarm current", MessageStyle::OkExclamation}));
    }
}

TEST_F(SystemCalc, DualChargerBeforeItsCapacityIsChosenShowsNoTime) {
    model.psu_type = 2;
    SystemResult r = calc_system_standby(model, platform, "0", "0", "30");
    EXPECT_EQ(r.standby.standby_text, "0:00");
    EXPECT_EQ(r.standby_colour, Colour::Red);
    set_dual_capacity_42(model);
    r = calc_system_standby(model, platform, "0", "0", "30");
    EXPECT_NE(r.standby.standby_text, "0:00");
}

TEST_F(SystemCalc, PanelWithoutAnyQuiescentCurrentDoesNotDivideByZero) {
    SystemRecord& panel = model.panel();
    panel.panel_quiescent_current = 0;
    panel.controller_current = {0, 0};
    SystemResult r = calc_system_standby(model, platform, "0", "0", "30");
    EXPECT_EQ(r.system_total_q_text, "");
    EXPECT_EQ(r.standby.standby_text, "0:00");
    EXPECT_EQ(r.standby_colour, Colour::Red);
    EXPECT_EQ(r.standby.capacity_24h_text, "00.00Ah");
}

}  // namespace
}  // namespace standwise

#include "calc/interface_calc.h"

#include <gtest/gtest.h>

namespace standwise {
namespace {

InterfaceSetup setup_of(ChannelFunction f1, ChannelFunction f2, ChannelFunction f3, ChannelFunction f4) {
    InterfaceSetup setup;
    const ChannelFunction functions[] = {f1, f2, f3, f4};
    for (int i = 1; i <= 4; ++i)
        setup.channels[i].function = functions[i - 1];
    return setup;
}

constexpr ChannelFunction kZone = ChannelFunction::Zone;
constexpr ChannelFunction kSector = ChannelFunction::Sector;
constexpr ChannelFunction kNone = ChannelFunction::NotConnected;

TEST(InterfaceEntries, CurrentEntryWithinZeroAndTheMaximumStays) {
    struct Case {
        const char* entry;
        double max_amps;
        bool accepted;
    } cases[] = {
        {"2.5", kMaxZoneCurrent, true},   {"2.6", kMaxZoneCurrent, false},  {"0", kMaxZoneCurrent, true},
        {"-1", kMaxZoneCurrent, false},   {" 250 ", kMaxAuxCurrent, true},  {"250.1", kMaxAuxCurrent, false},
        {"500", kMaxSectorCurrent, true}, {"5e2", kMaxSectorCurrent, true}, {"", kMaxAuxCurrent, false},
        {"12mA", kMaxAuxCurrent, false},  {"1,5", kMaxAuxCurrent, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(check_current_entry(c.entry, c.max_amps), c.accepted ? c.entry : "") << c.entry;
}

TEST(InterfaceEntries, SectorTotalAddsAllFourFieldsInSinglePrecision) {
    struct Case {
        const char* sectors[4];
        bool exceeded;
    } cases[] = {
        {{"125", "125", "125", "125"}, false}, {{"125", "125", "125", "126"}, true},
        {{"100", "100", "100", "200"}, false},  // just above 0.5 A in double precision
        {{"abc", "", "250", "250"}, false},    {{"400", "", "", "100.1"}, true},
    };
    for (const Case& c : cases) {
        // The total counts every sector field, whatever its channel is set to.
        InterfaceSetup setup = setup_of(kZone, kNone, kSector, kSector);
        for (int i = 1; i <= 4; ++i)
            setup.channels[i].sector_current = c.sectors[i - 1];
        EXPECT_EQ(sector_total_exceeded(setup), c.exceeded) << c.sectors[3];
    }
}

TEST(InterfaceEntries, ExceededSectorTotalEmptiesOnlyTheChangedField) {
    InterfaceSetup setup = setup_of(kSector, kSector, kSector, kSector);
    for (int i = 1; i <= 4; ++i)
        setup.channels[i].sector_current = "125";
    EXPECT_FALSE(check_sector_total(setup, 2));
    setup.channels[2].sector_current = "126";
    EXPECT_TRUE(check_sector_total(setup, 2));
    EXPECT_EQ(setup.channels[2].sector_current, "");
    EXPECT_EQ(setup.channels[1].sector_current, "125");
    EXPECT_EQ(setup.channels[4].sector_current, "125");
}

TEST(InterfaceStandby, OneZoneInAlarmAndSectorsOnlyInAlarm) {
    InterfaceSetup zones = setup_of(kZone, kZone, kNone, kNone);
    zones.channels[1].zone_current = "1";
    zones.channels[2].zone_current = "1";
    zones.channels[3].zone_current = "2";  // not a zone channel: ignored
    InterfaceResult r = calc_interface_standby(zones, "30", kShippedBatterySizes);
    EXPECT_DOUBLE_EQ(r.quiescent_amps, 0.022);
    EXPECT_DOUBLE_EQ(r.alarm_amps, 0.046);
    EXPECT_EQ(r.quiescent_text, "0.022A");
    EXPECT_EQ(r.alarm_text, "0.046A");

    InterfaceSetup sectors = setup_of(kSector, kSector, kNone, kSector);
    sectors.channels[1].sector_current = "100";
    sectors.channels[2].sector_current = "50";
    sectors.channels[4].zone_current = "2";  // not a zone channel: ignored
    sectors.aux_current = "10";
    r = calc_interface_standby(sectors, "30", kShippedBatterySizes);
    EXPECT_DOUBLE_EQ(r.quiescent_amps, 0.03);
    EXPECT_DOUBLE_EQ(r.alarm_amps, 0.18);
    EXPECT_EQ(r.quiescent_text, "0.030A");
}

TEST(InterfaceStandby, StandbyOnTheUnitsOwnBattery) {
    InterfaceResult r =
        calc_interface_standby(setup_of(kNone, kNone, kNone, kNone), "30", kShippedBatterySizes);
    EXPECT_EQ(r.quiescent_text, "0.020A");
    EXPECT_EQ(r.alarm_text, "0.020A");
    EXPECT_EQ(r.standby.standby_text, "83:30");
    EXPECT_EQ(r.standby.capacity_24h_text, standby_figures(0.02, 0.02, 0.5, 2.1).capacity_24h_text);

    // Full sectors and auxiliary load derate the alarm current: 0.77 A gives 0.98.
    InterfaceSetup heavy = setup_of(kSector, kNone, kNone, kNone);
    heavy.channels[1].sector_current = "500";
    heavy.aux_current = "250";
    r = calc_interface_standby(heavy, "120", kShippedBatterySizes);
    EXPECT_DOUBLE_EQ(r.alarm_amps, 0.77);
    const double iq = 0.27, ia = 0.77, h = 2;
    const double k = 1 - 0.02 * (h / 24);
    EXPECT_NEAR(r.standby.capacity_24h, (h * ia + iq * 24) / (k * 0.8), 1e-12);
    const double t0 = (2.1 * 0.8 - h * ia) / iq;
    EXPECT_NEAR(r.standby.hours, ((1 - 0.02 * h / t0) * 2.1 * 0.8 - h * ia) / iq, 1e-12);
}

}  // namespace
}  // namespace standwise

#include <gtest/gtest.h>

#include "files/interface_config.h"
#include "files/interface_report.h"
#include "model/reference_tables.h"
#include "platform/text_files.h"
#include "support/golden.h"
#include "support/samples.h"
#include "support/scripted_platform.h"

namespace standwise {
namespace {

using test::ScriptedPlatform;

// Applies the values as the interface window does: choosing a function empties both currents.
struct FakeInterfaceTarget : InterfaceConfigTarget {
    void select_address(std::int16_t p) override { ++calls, setup.address_index = p; }
    void set_label(const std::string& t) override { ++calls, setup.label = t; }
    void set_zone_option(int ch, bool on) override { option(ch, on, ChannelFunction::Zone); }
    void set_sector_option(int ch, bool on) override { option(ch, on, ChannelFunction::Sector); }
    void set_nc_option(int ch, bool on) override { option(ch, on, ChannelFunction::NotConnected); }
    void set_sector_current(int ch, const std::string& t) override {
        ++calls, setup.channels[ch].sector_current = t;
    }
    void set_zone_current(int ch, const std::string& t) override {
        ++calls, setup.channels[ch].zone_current = t;
    }
    void set_aux_current(const std::string& t) override { ++calls, setup.aux_current = t; }
    void select_alarm_time(std::int16_t p) override { ++calls, setup.alarm_time_index = p; }

    void option(int ch, bool on, ChannelFunction function) {
        ++calls;
        if (on) setup.channels[ch] = {function, "", ""};
    }

    InterfaceSetup setup;
    int calls = 0;
};

TEST(InterfaceConfig, DefaultFileLines) {
    std::vector<std::string> lines = interface_configuration_lines(InterfaceSetup{});
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[0], "Interface Configuration");
    EXPECT_EQ(lines[1], " 1 ");
    EXPECT_EQ(lines[24], " 0 ");
    EXPECT_EQ((std::vector<std::string>(lines.begin() + 3, lines.begin() + 8)),
              (std::vector<std::string>{"False", "True", "False", "", ""}));
}

TEST(InterfaceConfig, SetupsRoundTripThroughAFile) {
    test::TempFolder folder;
    for (const InterfaceSetup& saved : {InterfaceSetup{}, test::mixed_interface_setup()}) {
        std::string path = folder.file("interface.cfg");
        ASSERT_FALSE(write_text_lines(path, interface_configuration_lines(saved)));
        FakeInterfaceTarget target;
        ScriptedPlatform platform;
        EXPECT_EQ(read_interface_configuration(*read_text_lines(path), target, platform),
                  ConfigReadStatus::Complete);
        EXPECT_EQ(interface_configuration_lines(target.setup), interface_configuration_lines(saved));
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST(InterfaceConfig, SystemConfigurationIsRefused) {
    SystemModel model;
    fill_reference_tables(model);
    FakeInterfaceTarget target;
    ScriptedPlatform platform;
    std::vector<std::string> lines = system_configuration_lines(model, {});
    EXPECT_EQ(read_interface_configuration(lines, target, platform), ConfigReadStatus::NotAConfiguration);
    EXPECT_EQ(read_interface_configuration({}, target, platform), ConfigReadStatus::NotAConfiguration);
    EXPECT_EQ(platform.messages, test::Messages(2, {"Not a valid interface configuration",
                                                    "Incorrect File Type", MessageStyle::OkExclamation}));
    EXPECT_EQ(target.calls, 0);
}

TEST(InterfaceConfig, CutFileAppliesEveryLineBeforeTheCut) {
    std::vector<std::string> full = interface_configuration_lines(test::mixed_interface_setup());
    for (std::size_t kept = 1; kept < full.size(); ++kept) {
        FakeInterfaceTarget target;
        ScriptedPlatform platform;
        std::vector<std::string> lines(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(kept));
        EXPECT_EQ(read_interface_configuration(lines, target, platform), ConfigReadStatus::Stopped);
        EXPECT_EQ(target.calls, static_cast<int>(kept) - 1);
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST(InterfaceConfig, ValuesOfTheWrongKindStopReading) {
    struct Case {
        std::size_t line;  // 1-based
        const char* text;
        bool complete;
    };
    const Case cases[] = {
        {2, " 202 ", false}, {2, "-1 ", false},   {2, " 1.5 ", false}, {2, "x", false},
        {2, " 201 ", true},  {25, " 4 ", false},  {25, "", false},     {4, "Yes", false},
        {5, "", false},      {4, " TRUE ", true}, {6, "false", true},  {2, " 12.0 ", true},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = interface_configuration_lines(InterfaceSetup{});
        lines[c.line - 1] = c.text;
        FakeInterfaceTarget target;
        ScriptedPlatform platform;
        ConfigReadStatus status = read_interface_configuration(lines, target, platform);
        EXPECT_EQ(status, c.complete ? ConfigReadStatus::Complete : ConfigReadStatus::Stopped)
            << c.line << c.text;
        EXPECT_EQ(target.calls, c.complete ? 24 : static_cast<int>(c.line) - 2) << c.line << c.text;
    }
}

const DateTime kWhen{2026, 12, 5, 14, 3, 59};
const InterfaceReportInputs kInputs{"120", "12:34", "with 2.1Ah", "03.95Ah", "11.20Ah"};

std::vector<std::string> report_of(const InterfaceSetup& setup) {
    return interface_report_lines(setup, calc_interface_standby(setup, "120", kShippedBatterySizes), kInputs,
                                  kWhen);
}

TEST(InterfaceReport, WithAndWithoutZones) {
    InterfaceSetup sectors;
    sectors.channels[2].sector_current = "120.5";
    std::vector<std::string> without_zones = report_of(sectors);
    EXPECT_EQ(without_zones.size(), 55u);
    test::expect_golden(without_zones, "core/interface_sectors.txt");
    std::vector<std::string> with_zones = report_of(test::mixed_interface_setup());
    EXPECT_EQ(with_zones.size(), 56u);
    test::expect_golden(with_zones, "core/interface_zones.txt");
}

TEST(InterfaceReport, AddressLine) {
    const std::pair<std::int16_t, const char*> cases[] = {
        {1, "Interface address:   0"}, {13, "Interface address:   12"}, {0, "Interface address:  -1"}};
    for (auto [position, expected] : cases) {
        InterfaceSetup setup;
        setup.address_index = position;
        EXPECT_EQ(report_of(setup)[7], expected);
    }
}

}  // namespace
}  // namespace standwise

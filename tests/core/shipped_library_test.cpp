#include <gtest/gtest.h>

#include <filesystem>

#include "model/reference_tables.h"
#include "support/scripted_platform.h"

namespace standwise {
namespace {

// The devices folder lies directly below the source root, as it does below the program folder.
class ShippedLibrary : public ::testing::Test {
protected:
    void SetUp() override { report = read_windows_dir(model, platform); }

    test::ScriptedPlatform platform{
        std::filesystem::path(test::shipped_devices_folder()).parent_path().string()};
    SystemModel model;
    DeviceLibraryReport report;
};

TEST_F(ShippedLibrary, LoadsOneFilePerTypeInNameOrderWithoutFindings) {
    EXPECT_FALSE(report.folder_unreadable);
    for (const SkippedDeviceFile& file : report.skipped)
        ADD_FAILURE() << file.path << ": " << file.reason;
    report_device_library(report, platform);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(model.psu_types[1].name, "PSU - Single charger");  // the tables follow the library

    auto entries = platform.list_folder(test::shipped_devices_folder());
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 79u);
    for (std::size_t i = 0; i < entries->size(); ++i) {
        const TextLines file = platform.read_lines((*entries)[i].path);
        ASSERT_TRUE(file.read() && file.lines.size() >= 2) << (*entries)[i].name;
        EXPECT_EQ(file.lines[1], std::to_string(i + 1)) << (*entries)[i].name;
    }
}

TEST_F(ShippedLibrary, EveryTypeIsCompleteAndConsistent) {
    for (int t = kFirstDevice; t <= kLastDevice; ++t) {
        SCOPED_TRACE(t);
        EXPECT_TRUE(model.device_defined[t]);  // every shipped file reads whole under the strict reader
        EXPECT_FALSE(model.device_name[t].empty());
        EXPECT_FALSE(model.device_tooltip[t].empty());
        EXPECT_GE(model.device_loop_max[t], 1);
        EXPECT_LE(model.device_loop_max[t], 200);
        if (t >= 75 && t <= 77) continue;  // interface files carry no device currents
        const DeviceCurrents& c = model.device_currents[t];
        EXPECT_GE(model.device_max_in_fire[t], 0);
        EXPECT_LE(model.device_max_in_fire[t], model.device_loop_max[t]);
        EXPECT_GE(model.device_pseudo_count[t], 0);
        EXPECT_GE(c.quiescent_current, 0);
        EXPECT_GT(c.alarm_current, 0);
        EXPECT_GE(c.alarm_current, c.quiescent_current);
    }
    for (int t : {0, kDeviceTypes - 1}) {
        EXPECT_EQ(model.device_name[t], "");
        EXPECT_EQ(model.device_loop_max[t], 0);
        EXPECT_EQ(model.device_currents[t].alarm_current, 0);
    }
}

TEST_F(ShippedLibrary, InterfaceUnitsHaveTheirConstants) {
    const InterfaceConstants& c = model.interface_constants;
    EXPECT_NE(model.device_name[75].find("Q7-MX210"), std::string::npos);
    EXPECT_NE(model.device_name[76].find("Q7-MX220"), std::string::npos);
    EXPECT_NE(model.device_name[77].find("Q7-MX240"), std::string::npos);
    const double currents[] = {c.mx210_unit_current,    c.mx210_zone_quiescent,   c.mx210_zone_alarm,
                               c.mx210_input_quiescent, c.mx210_input_alarm,      c.mx220_unit_current,
                               c.mx220_zone_quiescent,  c.mx220_zone_alarm,       c.mx220_input_quiescent,
                               c.mx220_input_alarm,     c.mx220_output_quiescent, c.mx220_output_alarm,
                               c.mx240_unit_current,    c.mx240_zone_quiescent,   c.mx240_zone_alarm,
                               c.mx240_input_quiescent, c.mx240_input_alarm,      c.mx240_relay_quiescent,
                               c.mx240_relay_alarm,     c.mx240_led_quiescent,    c.mx240_led_alarm};
    for (double current : currents) {
        EXPECT_GT(current, 0);
        EXPECT_LT(current, 0.1);  // amperes, not milli- or microamperes
    }
    const double maxima[] = {c.mx210_max_per_loop, c.mx220_max_per_loop, double(c.mx240_max_per_loop)};
    for (int i = 0; i < 3; ++i) {
        EXPECT_GE(maxima[i], 1);
        EXPECT_LE(maxima[i], kMaxUnitsPerLoop);
        EXPECT_EQ(model.device_loop_max[75 + i], maxima[i]);
    }
}

}  // namespace
}  // namespace standwise

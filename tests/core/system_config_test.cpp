#include "files/system_config.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/unit_sums.h"
#include "model/reference_tables.h"
#include "platform/text_files.h"
#include "support/samples.h"
#include "support/scripted_platform.h"

namespace standwise {
namespace {

using test::kRichFields;
using test::loop_block_ends;
using test::ScriptedPlatform;
using test::TempFolder;

// Stands in for the windows: records every step and applies the panel choices as they would.
struct FakeTarget : SystemConfigTarget {
    explicit FakeTarget(SystemModel& m) : model(m) {}
    void select_system_type(std::int16_t t) override { log("system", t), model.system_type = t; }
    void select_psu_option(std::int16_t o) override {
        log("psu", o), model.last_psu_type = o, model.psu_type = o == 3 ? 2 : o;
    }
    void set_site(const std::string& s) override { log("site"), fields.site = s; }
    void set_site_id(const std::string& s) override { log("site id"), fields.site_id = s; }
    void set_date(const std::string& s) override { log("date"), fields.date = s; }
    void begin_slots() override { log("begin slots"); }
    void select_slot(int slot, std::int16_t code) override {
        log("slot", slot);
        EXPECT_EQ(model.panel().slots[slot], code);  // stored before the window sees it
    }
    void end_slots() override { log("end slots"); }
    void set_master_alarm_1(const std::string& s) override { log("ma1"), fields.master_alarm_1 = s; }
    void set_master_alarm_2(const std::string& s) override { log("ma2"), fields.master_alarm_2 = s; }
    void select_alarm_time(std::int16_t p) override { log("alarm"), fields.alarm_time_index = p; }
    void loop_read(int loop) override { log("loop", loop); }
    void finish() override { log("finish"); }

    void log(const std::string& step, int n = -1) {
        calls.push_back(n < 0 ? step : step + " " + std::to_string(n));
    }
    bool called(const std::string& step) const { return std::ranges::count(calls, step) > 0; }
    // The step before finish.
    std::string last_step() const { return calls.size() < 2 ? "" : calls[calls.size() - 2]; }

    SystemModel& model;
    SystemWindowFields fields;
    std::vector<std::string> calls;
};

SystemModel reference_model() {
    SystemModel model;
    fill_reference_tables(model);
    InterfaceConstants& c = model.interface_constants;
    c.mx210_unit_current = c.mx220_unit_current = c.mx240_unit_current = 0.0003;
    c.mx240_relay_alarm = 0.004;
    return model;
}

SystemModel rich_model() {
    SystemModel model = reference_model();
    test::fill_rich_panel(model);
    return model;
}

TEST(SystemConfig, RichConfigurationRoundTripsThroughAFile) {
    SystemModel saved = rich_model();
    TempFolder folder;
    std::string path = folder.file("rich.cfg");
    ASSERT_FALSE(write_text_lines(path, system_configuration_lines(saved, kRichFields)));
    std::optional<std::vector<std::string>> lines = read_text_lines(path);
    ASSERT_TRUE(lines);
    EXPECT_EQ((*lines)[3], " 3 ");   // the PSU option, not the PSU type
    EXPECT_EQ((*lines)[24], " 2 ");  // the list position, not the minutes
    EXPECT_EQ((*lines)[25], "MKI PTH Loop Card - Loop 1");

    SystemModel loaded = reference_model();
    loaded.mx210_units[1].units[5] = {1, 0, 0, 0};  // left over from an earlier configuration
    FakeTarget target(loaded);
    ScriptedPlatform platform;
    EXPECT_EQ(read_system_configuration(*lines, loaded, target, platform), ConfigReadStatus::Complete);

    // Saving again gives the same file: site, date, slots, counts and units all came back.
    EXPECT_EQ(system_configuration_lines(loaded, target.fields), *lines);
    EXPECT_EQ(loaded.psu_type, 2);
    EXPECT_EQ(loaded.mx210_units[1].units[5].inputs, 0);
    calcConsumptions(saved, UnitModel::MX240, 3);
    EXPECT_DOUBLE_EQ(loaded.mx240_units[3].alarm, saved.mx240_units[3].alarm);
    EXPECT_GT(loaded.mx240_units[3].alarm, 0);

    std::vector<std::string> expected_order{"system 1", "psu 3", "site", "site id", "date", "begin slots"};
    for (int s = 0; s < kSlots; ++s)
        expected_order.push_back("slot " + std::to_string(s));
    expected_order.insert(expected_order.end(),
                          {"end slots", "ma1", "ma2", "alarm", "loop 1", "loop 3", "loop 8", "finish"});
    EXPECT_EQ(target.calls, expected_order);
    EXPECT_EQ(platform.busy_calls, (std::vector<bool>{true, false}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST(SystemConfig, EmptyPanelGivesFortyNineLines) {
    SystemModel model = reference_model();
    for (int s = 1; s < kSlots; ++s)
        model.panel().slots[s] = 0;
    std::vector<std::string> lines = system_configuration_lines(model, {});
    ASSERT_EQ(lines.size(), 49u);
    EXPECT_EQ(lines[3], " 1 ");  // PSU option 1, the default
    for (std::size_t i = 25; i < 49; ++i)
        EXPECT_EQ(lines[i], " 0 ");
}

// An empty or blank-only file is refused like any other file of the wrong type.
TEST(SystemConfig, WrongMarkerOrEmptyFileIsRefusedAndChangesNothing) {
    std::vector<std::string> rich = system_configuration_lines(rich_model(), kRichFields);
    rich[0] = "system configuration";
    for (const std::vector<std::string>& lines :
         {rich, std::vector<std::string>{}, std::vector<std::string>{"", " "}}) {
        SystemModel model = reference_model();
        FakeTarget target(model);
        ScriptedPlatform platform;
        EXPECT_EQ(read_system_configuration(lines, model, target, platform),
                  ConfigReadStatus::NotAConfiguration);
        EXPECT_EQ(platform.messages, (test::Messages{{"Not a valid system configuration",
                                                      "Incorrect File Type", MessageStyle::OkExclamation}}));
        EXPECT_TRUE(target.calls.empty());
        EXPECT_TRUE(platform.busy_calls.empty());
        EXPECT_EQ(model.loop_device_count, reference_model().loop_device_count);
    }
}

TEST(SystemConfig, FileCutAtEveryLineStopsThereAndFinishes) {
    SystemModel saved = rich_model();
    std::vector<std::string> full = system_configuration_lines(saved, kRichFields);
    std::vector<std::size_t> ends = loop_block_ends(saved);
    ASSERT_EQ(ends.back(), full.size());
    for (std::size_t kept = 1; kept < full.size(); ++kept) {
        std::vector<std::string> lines(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(kept));
        SystemModel model = reference_model();
        FakeTarget target(model);
        ScriptedPlatform platform;
        ReadStop stop;
        ASSERT_EQ(read_system_configuration(lines, model, target, platform, &stop), ConfigReadStatus::Stopped)
            << kept;
        EXPECT_EQ(stop.line, kept + 1) << kept;
        EXPECT_EQ(stop.reason, "the file ends early") << kept;
        EXPECT_EQ(target.calls.back(), "finish") << kept;
        EXPECT_EQ(platform.busy_calls, (std::vector<bool>{true, false})) << kept;
        EXPECT_EQ(target.called("system 1"), kept >= 3) << kept;
        EXPECT_EQ(target.called("site"), kept >= 4) << kept;
        EXPECT_EQ(target.called("slot 15"), kept >= 22) << kept;
        EXPECT_EQ(target.called("end slots"), kept >= 6) << kept;
        EXPECT_EQ(target.called("alarm"), kept >= 25) << kept;
        for (int loop : {1, 3, 8})
            EXPECT_EQ(target.called("loop " + std::to_string(loop)), kept >= ends[loop]) << kept;
    }
}

TEST(SystemConfig, UnreadableFieldStopsReadingThere) {
    struct Case {
        std::size_t line;  // 1-based
        const char* text;
        const char* last_step;
    };
    // Loop 1 starts at line 26: its name, then counts on 27..105, then the MX210 count on 106.
    const Case cases[] = {
        {3, " 6 ", ""},          {3, "R220", ""},         {4, " 4 ", "system 1"},   {4, "-1 ", "system 1"},
        {7, " 2 ", "end slots"}, {8, " 1 ", "end slots"}, {9, " 13 ", "end slots"}, {10, " 6 ", "end slots"},
        {25, " 4 ", "ma2"},      {27, "-1 ", "alarm"},    {27, " 70000 ", "alarm"}, {27, "", "alarm"},
        {106, " 51 ", "alarm"},  {106, "-1 ", "alarm"},   {107, "-2 ", "alarm"},    {110, "x", "alarm"},
    };
    const std::vector<std::string> full = system_configuration_lines(rich_model(), kRichFields);
    for (const Case& c : cases) {
        std::vector<std::string> lines = full;
        lines[c.line - 1] = c.text;
        SystemModel model = reference_model();
        model.mx210_units[1].unit_count = 9;
        FakeTarget target(model);
        ScriptedPlatform platform;
        ReadStop stop;
        EXPECT_EQ(read_system_configuration(lines, model, target, platform, &stop), ConfigReadStatus::Stopped)
            << c.line;
        // Every case holds a value that cannot be used, even an empty count line: the line named is its own.
        EXPECT_EQ(stop.line, c.line) << c.text;
        EXPECT_EQ(stop.reason, "the value cannot be read") << c.line;
        EXPECT_EQ(target.last_step(), c.last_step) << c.line << " " << c.text;
        if (c.line >= 7 && c.line <= 22) {
            int slot = static_cast<int>(c.line) - 7;
            EXPECT_EQ(target.called("slot " + std::to_string(slot - 1)), slot > 0) << c.line;
            EXPECT_FALSE(target.called("slot " + std::to_string(slot))) << c.line;
        }
        EXPECT_EQ(target.calls.back(), "finish");
        if (c.line == 106) {
            EXPECT_EQ(model.mx210_units[1].unit_count, 9);  // a refused count is not stored
        }
    }
}

TEST(SystemConfig, ReadsAHandEditedWindows1252File) {
    std::vector<std::string> lines = system_configuration_lines(reference_model(), {});
    lines[1] = "\tCaf\xE9 M\xFCller \t";  // blanks and tabs around a text field are dropped
    lines[26] = " 2.5 ";                  // fractions round half to even
    lines[27] = "3.5";
    lines[4] = "\t ID 9\t";
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    TempFolder folder;
    SystemModel model = reference_model();
    FakeTarget target(model);
    ScriptedPlatform platform;
    EXPECT_EQ(
        read_system_configuration(*read_text_lines(folder.write("old.cfg", bytes)), model, target, platform),
        ConfigReadStatus::Complete);
    EXPECT_EQ(target.fields.site, "Caf\xC3\xA9 M\xC3\xBCller");
    EXPECT_EQ(target.fields.site_id, "ID 9");
    EXPECT_EQ(model.loop_device_count[1][1], 2);
    EXPECT_EQ(model.loop_device_count[1][2], 4);
}

}  // namespace
}  // namespace standwise

// What a loaded configuration's figures leave out is said: devices counted of a type that no
// device file defined, and values of the file that their field's check empties.
#include <gtest/gtest.h>

#include "files/interface_config.h"
#include "files/system_config.h"
#include "model/device_library.h"
#include "model/numbers.h"
#include "support/samples.h"
#include "support/scripted_platform.h"
#include "workspace/entry_field.h"
#include "workspace/interface_workspace.h"
#include "workspace/startup.h"
#include "workspace/system_workspace.h"

namespace standwise {
namespace {

using test::ScriptedPlatform;
using test::TempFolder;

class LeftOutTest : public ::testing::Test {
protected:
    LeftOutTest() : platform(STANDWISE_SOURCE_DIR), started(start_model(platform)) {
        platform.clear_messages();
    }

    // The rich panel with master alarms that pass their check.
    std::vector<std::string> rich_lines(const std::string& ma1 = "100",
                                        const std::string& ma2 = "150") const {
        SystemModel rich = started;
        test::fill_rich_panel(rich);
        SystemWindowFields fields = test::kRichFields;
        fields.master_alarm_1 = ma1;
        fields.master_alarm_2 = ma2;
        return system_configuration_lines(rich, fields);
    }

    std::vector<std::string> shown(const std::string& caption) const {
        std::vector<std::string> prompts;
        for (const test::RecordedMessage& m : platform.messages)
            if (m.caption == caption) prompts.push_back(m.prompt);
        return prompts;
    }

    ScriptedPlatform platform;
    SystemModel started;
};

// Each way a type ends up without a definition: its file skipped (out of range, cut short, not a
// number), not there at all, or no devices folder.
TEST(UndefinedDeviceTypes, EveryKindOfMissingFileLeavesItsTypeUndefined) {
    TempFolder folder;
    ScriptedPlatform platform(folder.path());
    SystemModel none;
    EXPECT_TRUE(load_device_library(none, platform).folder_unreadable);
    for (int t = 0; t < kDeviceTypes; ++t)
        EXPECT_FALSE(none.device_defined[t]) << t;

    const std::string tail = "\r\nname\r\ntip\r\n9\r\n1\r\n0\r\n3\r\n";
    folder.write("devices/1.txt", "t\r\n1" + tail + "250\r\n4000\r\n");
    folder.write("devices/2.txt", "t\r\n2" + tail + "250\r\n4000000\r\n");  // out of range
    folder.write("devices/3.txt", "t\r\n3" + tail + "250\r\n");             // cut short
    folder.write("devices/4.txt", "t\r\n4" + tail + "250\r\n4,000\r\n");    // not a number
    SystemModel model;
    EXPECT_EQ(load_device_library(model, platform).skipped.size(), 3u);
    for (int t = 0; t < kDeviceTypes; ++t)
        EXPECT_EQ(model.device_defined[t], t == 1) << t;
}

TEST_F(LeftOutTest, DevicesOfATypeWithoutDefinitionAreNamedLoopByLoop) {
    SystemModel partial = started;
    for (int t : {7, 40, 79}) {  // type 7 is not counted at all
        partial.device_defined[t] = false;
        partial.device_name[t].clear();
        partial.device_currents[t] = {};
    }
    SystemWorkspace ws(partial, platform);
    platform.clear_messages();
    ASSERT_EQ(ws.load(rich_lines()), ConfigReadStatus::Complete);
    const std::vector<std::string> expected{
        "Loop 1 counts 5 devices of type 40, which has no device file: their current is not included.",
        "Loop 1 counts 2 devices of type 79, which has no device file: their current is not included.",
        "Loop 3 counts 250 devices of type 40, which has no device file: their current is not included.",
        "Loop 8 counts 1 device of type 79, which has no device file: its current is not included."};
    EXPECT_EQ(ws.undefined_device_warnings(), expected);
    EXPECT_EQ(shown("Device Library"), std::vector<std::string>{expected[0] + "\r\n" + expected[1] + "\r\n" +
                                                                expected[2] + "\r\n" + expected[3]});
    EXPECT_TRUE(ws.emptied_fields().empty());

    // With the whole library the same file names nothing.
    SystemWorkspace whole(started, platform);
    platform.clear_messages();
    whole.load(rich_lines());
    EXPECT_TRUE(whole.undefined_device_warnings().empty());
    EXPECT_TRUE(shown("Device Library").empty());
}

TEST_F(LeftOutTest, MasterAlarmsEmptiedOnLoadAreSaidAndTypingStaysQuiet) {
    struct Case {
        std::string ma1, ma2, message;
    };
    SystemModel rich = started;
    test::fill_rich_panel(rich);
    const std::string maximum = plain_number(rich.panel().max_master_alarm_ma);
    const std::string range = " is not a current from 0 to " + maximum + " mA; the field was emptied.";
    const Case cases[] = {
        {"250,5", "150", "Master alarm circuit 1: \"250,5\"" + range},
        {"150mA", "", "Master alarm circuit 1: \"150mA\"" + range},
        {"100", "-150", "Master alarm circuit 2: \"-150\"" + range},
        {"inf", "0", "Master alarm circuit 1: \"inf\"" + range},
        {"100", "99999", "Master alarm circuit 2: \"99999\"" + range},
        {"100", maximum,
         "Master alarm circuit 2: \"" + maximum + "\" takes the two circuits together over " + maximum +
             " mA; the field was emptied."},
    };
    for (const Case& c : cases) {
        SystemWorkspace ws(started, platform);
        platform.clear_messages();
        ASSERT_EQ(ws.load(rich_lines(c.ma1, c.ma2)), ConfigReadStatus::Complete);
        EXPECT_EQ(ws.emptied_fields(), std::vector<std::string>{c.message});
        EXPECT_EQ(shown("Field Emptied"), std::vector<std::string>{c.message});
        // The load still applies the file as the field would: the refused value is gone.
        const std::vector<std::string> saved = ws.configuration_lines();
        EXPECT_EQ(saved[22] + "|" + saved[23],
                  (c.message.find("circuit 1") != std::string::npos ? "|" + c.ma2 : c.ma1 + "|"));
        platform.clear_messages();
        ws.txtma1_Change("abc");  // typed, not loaded: emptied without a word
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_TRUE(ws.emptied_fields().size() == 1);
    }
}

TEST_F(LeftOutTest, InterfaceCurrentsEmptiedOnLoadAreSaidInTheFilesOrder) {
    InterfaceSetup setup = test::mixed_interface_setup();
    setup.channels[2].zone_current = "2,5";
    setup.channels[3].sector_current = "99999";
    setup.aux_current = "150mA";
    InterfaceWorkspace ws(started, platform);
    platform.clear_messages();
    ASSERT_EQ(ws.load(interface_configuration_lines(setup)), ConfigReadStatus::Complete);
    const std::vector<std::string> expected{
        "Zone 2: \"2,5\" is not a current from 0 to 2.5 mA; the field was emptied.",
        "Sector 3: \"99999\" is not a current from 0 to 500 mA; the field was emptied.",
        "Auxilliary supply: \"150mA\" is not a current from 0 to 250 mA; the field was emptied."};
    EXPECT_EQ(ws.emptied_fields(), expected);
    EXPECT_EQ(shown("Field Emptied"), expected);
    InterfaceSetup kept = setup;
    kept.channels[2].zone_current.clear();
    kept.channels[3].sector_current.clear();
    kept.aux_current.clear();
    EXPECT_EQ(ws.configuration_lines(), interface_configuration_lines(kept));

    // Sectors within their own limit but together over it; empty fields in a file are no warning.
    setup = test::mixed_interface_setup();
    setup.channels[4] = {ChannelFunction::Sector, "", "200"};
    ws.load(interface_configuration_lines(setup));
    EXPECT_EQ(ws.emptied_fields(),
              std::vector<std::string>{"Sector 4: \"200\" takes the four sectors together "
                                       "over 500 mA; the field was emptied."});
    ws.load(interface_configuration_lines(test::mixed_interface_setup()));
    EXPECT_TRUE(ws.emptied_fields().empty());
}

// A text longer than its field is cut as a paste would be, and said; one that fits is not.
TEST_F(LeftOutTest, TextsLongerThanTheirFieldAreCutWithAWarning) {
    std::vector<std::string> lines = rich_lines();
    lines[1] = std::string(40000, 's');
    lines[4] = "é" + std::string(kEntryFieldLength, 'i');  // one character over, two bytes in front
    SystemWorkspace ws(started, platform);
    platform.clear_messages();
    ASSERT_EQ(ws.load(lines), ConfigReadStatus::Complete);
    EXPECT_EQ(ws.site, std::string(kEntryFieldLength, 's'));
    EXPECT_EQ(ws.site_id.size(), kEntryFieldLength + 1);  // the é is two bytes
    EXPECT_EQ(
        shown("Field Cut"),
        (std::vector<std::string>{"Site: the text of 40000 characters was cut to the field's 32767.",
                                  "Site ID: the text of 32768 characters was cut to the field's 32767."}));

    InterfaceSetup setup = test::mixed_interface_setup();
    setup.label = std::string(kEntryFieldLength + 5, 'l');
    InterfaceWorkspace iface(started, platform);
    platform.clear_messages();
    iface.load(interface_configuration_lines(setup));
    EXPECT_EQ(shown("Field Cut"),
              std::vector<std::string>{
                  "Interface label: the text of 32772 characters was cut to the field's 32767."});
    platform.clear_messages();
    iface.txtlabel_Change(setup.label);  // typed or pasted: the field cuts it quietly
    EXPECT_TRUE(platform.messages.empty());
}

// A text from a file that holds a control character is refused as an unreadable value: the field
// is emptied and said, and the rest of the file still loads. A tab or a C1 control counts; an
// accented letter does not.
TEST_F(LeftOutTest, TextsHoldingControlCharactersAreEmptiedWithAWarning) {
    std::vector<std::string> lines = rich_lines();
    lines[1] = std::string("Harbour\0Road", 12);
    lines[4] = "Id\tA";
    lines[5] = "01/02/2026\xC2\x9B";
    SystemWorkspace ws(started, platform);
    platform.clear_messages();
    ASSERT_EQ(ws.load(lines), ConfigReadStatus::Complete);
    const std::vector<std::string> expected{
        "Site: \"Harbour\\x00Road\" holds a control character; the field was emptied.",
        "Site ID: \"Id\\tA\" holds a control character; the field was emptied.",
        "Date: \"01/02/2026\\u009B\" holds a control character; the field was emptied."};
    EXPECT_EQ(ws.emptied_fields(), expected);
    EXPECT_EQ(shown(kEmptiedFieldCaption), expected);
    EXPECT_EQ(ws.site + ws.site_id + ws.main.date, "");
    EXPECT_EQ(ws.master_alarm_1, "100");  // read on past the refused texts

    lines = rich_lines();
    lines[1] = "Café Zürich";
    ws.load(lines);
    EXPECT_EQ(ws.site, "Café Zürich");
    EXPECT_TRUE(ws.emptied_fields().empty());

    InterfaceSetup setup = test::mixed_interface_setup();
    setup.label = "Panel\x7F";
    InterfaceWorkspace iface(started, platform);
    platform.clear_messages();
    iface.load(interface_configuration_lines(setup));
    EXPECT_EQ(iface.emptied_fields(),
              std::vector<std::string>{
                  "Interface label: \"Panel\\x7F\" holds a control character; the field was emptied."});
    EXPECT_EQ(iface.setup.label, "");

    // Typed or pasted, the field keeps no control character, so what it saves loads back.
    platform.clear_messages();
    ws.txtsite_Change("Dock\t4\x1B[2J");
    iface.txtlabel_Change("Gate\tA\xC2\x85");
    EXPECT_EQ(ws.site, "Dock 4[2J");
    EXPECT_EQ(iface.setup.label, "Gate A");
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace standwise

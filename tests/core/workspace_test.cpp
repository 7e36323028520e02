// The workspaces' rules without any window: the panel setup's questions and card limits, the
// master alarm entry check, the loop and unit counts, the interface's entry checks, and loading a
// file in its order with the messages a user would see.
#include <gtest/gtest.h>

#include <algorithm>

#include "files/interface_config.h"
#include "files/system_config.h"
#include "support/samples.h"
#include "support/scripted_platform.h"
#include "workspace/interface_workspace.h"
#include "workspace/startup.h"
#include "workspace/system_workspace.h"

namespace standwise {
namespace {

using test::ScriptedPlatform;

class WorkspaceTest : public ::testing::Test {
protected:
    WorkspaceTest() : platform(STANDWISE_SOURCE_DIR), started(start_model(platform)), ws(started, platform) {
        platform.clear_messages();
    }

    std::vector<std::string> captions() const { return platform.captions(); }

    ScriptedPlatform platform;
    SystemModel started;
    SystemWorkspace ws;
};

TEST_F(WorkspaceTest, TypeChangesAskAndPutTheDefaultCardsBack) {
    ASSERT_TRUE(ws.cmbslot_Click(3, kPthLoop));
    EXPECT_EQ(ws.model.loop_cards, 2);
    EXPECT_TRUE(ws.main.loops[3].in_use);

    platform.answer_next(Answer::No);
    EXPECT_FALSE(ws.optsystem_Click(2));
    EXPECT_EQ(ws.system_shown, 5);  // the option shown goes back
    EXPECT_EQ(ws.model.panel().slots[3], kPthLoop);

    EXPECT_TRUE(ws.optsystem_Click(2));
    EXPECT_EQ(captions(), (std::vector<std::string>{"Standwise", "Standwise"}));
    EXPECT_EQ(ws.model.system_type, 2);
    EXPECT_EQ(ws.slot_shown, ws.model.panel().default_slots);
    EXPECT_EQ(ws.main.system, " R500");
    EXPECT_EQ(ws.title(), "Standwise - System - R500 - ");

    platform.clear_messages();
    EXPECT_TRUE(ws.optPSU_Click(3));  // the dual charger with its 84Ah battery
    EXPECT_EQ(ws.model.psu_type, 2);
    EXPECT_EQ(ws.main.amphours, "with 84Ah");
    EXPECT_FALSE(ws.optPSU_Click(3));  // already chosen: nothing asked
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(WorkspaceTest, RefusedCardsGoBackWithOneMessageALimit) {
    ws.optsystem_Click(2, true);
    ASSERT_TRUE(ws.cmbslot_Click(2, kSmtIo, true));  // as a loaded file may hold more than allowed
    platform.clear_messages();
    const auto before = ws.model.panel().slots;
    EXPECT_FALSE(ws.cmbslot_Click(3, kPthNetwork));
    EXPECT_EQ(captions(),
              (std::vector<std::string>{"I/O Card Count Exceeded", "Network Card Count Exceeded"}));
    EXPECT_EQ(ws.slot_shown[3], before[3]);
    EXPECT_EQ(ws.model.panel().slots, before);

    platform.clear_messages();
    EXPECT_FALSE(ws.cmbslot_Click(4, 1));  // a separator row
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ws.slot_shown[4], before[4]);
}

TEST_F(WorkspaceTest, MasterAlarmsOverTheirLimitAreEmptiedWithoutAMessage) {
    const int limit = ws.model.panel().max_master_alarm_ma;
    ws.txtma1_Change("100");
    EXPECT_EQ(ws.master_alarm_1, "100");
    const std::string alarm_with_100 = ws.main.system_total_a;

    ws.txtma2_Change(std::to_string(limit - 50));  // together over the limit: the one typed goes
    EXPECT_EQ(ws.master_alarm_2, "");
    for (const char* refused : {"-5", "abc", "12,5"}) {
        ws.txtma2_Change(refused);
        EXPECT_EQ(ws.master_alarm_2, "") << refused;
    }
    ws.txtma2_Change("50");
    EXPECT_EQ(ws.master_alarm_2, "50");
    EXPECT_NE(ws.main.system_total_a, alarm_with_100);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ws.configuration_lines()[22], "100");
}

TEST_F(WorkspaceTest, LoopCountsAreCheckedAndUnitsFollowTheirCount) {
    ws.cmdview_Click(1);
    ws.cmb_viewdata_Change(1, "12");
    EXPECT_EQ(ws.model.loop_device_count[1][1], 12);
    EXPECT_EQ(ws.main.loops[1].total_devices, "12");
    EXPECT_NE(ws.loop_window.title.find("Loop 1 of"), std::string::npos);
    EXPECT_NE(ws.loop_window.title.find("- 12 Device(s)"), std::string::npos);

    ws.cmb_viewdata_Change(78, "999");  // beyond the type's maximum: refused, stored as 0
    EXPECT_EQ(ws.loop_window.counts[78], "");
    EXPECT_EQ(ws.model.loop_device_count[1][78], 0);
    EXPECT_EQ(platform.messages.size(), 1u);

    platform.clear_messages();
    ws.cmb_viewdata_Change(kMx240DeviceType, "2");  // typed in the loop window: two empty units
    EXPECT_EQ(ws.model.mx240_units[1].unit_count, 2);
    EXPECT_TRUE(ws.add_channel(UnitModel::MX240, 2, NodeKind::Input));
    EXPECT_FALSE(ws.remove_channel(UnitModel::MX240, 2, NodeKind::Input, 2));  // only the last goes
    EXPECT_EQ(ws.model.mx240_units[1].units[2].inputs, 1);
    EXPECT_GT(ws.model.mx240_units[1].quiescent, 0);

    ws.cmb_viewdata_Change(kMx240DeviceType, "9999");  // beyond the list: refused, two units kept
    EXPECT_EQ(ws.model.mx240_units[1].unit_count, 2);
    EXPECT_EQ(ws.loop_window.counts[kMx240DeviceType], "2");
    EXPECT_FALSE(platform.messages.empty());

    ws.clear_configuration(1);
    EXPECT_EQ(ws.model.loop_device_count[1][1], 0);
    EXPECT_EQ(ws.model.mx240_units[1].unit_count, 0);
    EXPECT_EQ(ws.main.loops[1].total_devices, "0");
}

// A file is applied in its own order over a fresh start: the reports of the loaded workspace equal
// those of the workspace that saved it, and an overloaded loop is reported while it loads.
TEST_F(WorkspaceTest, ASavedPanelLoadsBackWithEveryFigure) {
    SystemModel rich = started;
    test::fill_rich_panel(rich);
    const std::vector<std::string> lines = system_configuration_lines(rich, test::kRichFields);

    SystemWorkspace loaded(started, platform);
    platform.clear_messages();
    ASSERT_EQ(loaded.load(lines), ConfigReadStatus::Complete);
    // Every field comes back but the master alarm that is no number, which its entry check empties.
    std::vector<std::string> expected = lines;
    expected[22] = "";
    EXPECT_EQ(loaded.configuration_lines(), expected);
    const std::vector<std::string> shown = captions();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "Loop Overloaded"), shown.end());
    EXPECT_EQ(loaded.main.loops[3].status, "Loop 3 X");
    EXPECT_EQ(loaded.main.loops[3].colour, Colour::Red);
    EXPECT_EQ(loaded.main.amphours, "with 84Ah");
    EXPECT_EQ(loaded.alarm_time(), "90");

    SystemWorkspace again(started, platform);
    again.load(loaded.configuration_lines());
    EXPECT_EQ(again.full_report_lines(), loaded.full_report_lines());
    const std::vector<std::string> closing = again.full_report_document().sections.front().lines;
    EXPECT_NE(closing.at(closing.size() - 2).find("The 84Ah battery covers 72hr standby"), std::string::npos);
    EXPECT_EQ(closing.back().rfind("Design check: Loop 1: ", 0), 0u);

    // A cut file stops where it is cut; the wrong kind is refused before anything changes.
    SystemWorkspace cut(started, platform);
    EXPECT_EQ(cut.load({lines.begin(), lines.begin() + 30}), ConfigReadStatus::Stopped);
    platform.clear_messages();
    EXPECT_EQ(cut.load({"Interface Configuration"}), ConfigReadStatus::NotAConfiguration);
    EXPECT_EQ(captions(), std::vector<std::string>{"Incorrect File Type"});
}

TEST_F(WorkspaceTest, InterfaceEntriesAreCheckedAsTheyAreApplied) {
    InterfaceWorkspace iface(started, platform);
    EXPECT_EQ(iface.view.standby, "83:30");
    iface.txtsector_current_Change(1, "300");
    iface.txtsector_current_Change(2, "300");  // the four together over 500 mA: the one typed goes
    EXPECT_EQ(iface.setup.channels[2].sector_current, "");
    iface.txtaux_current_Change("251");
    EXPECT_EQ(iface.setup.aux_current, "");
    iface.txtaux_current_Change("50");
    EXPECT_EQ(iface.view.aux_supply, "0.050A");
    iface.optzone_Click(1);  // a new option empties both of the channel's currents
    EXPECT_EQ(iface.setup.channels[1].sector_current, "");
    EXPECT_EQ(iface.setup.channels[1].function, ChannelFunction::Zone);

    InterfaceWorkspace loaded(started, platform);
    const InterfaceSetup mixed = test::mixed_interface_setup();
    ASSERT_EQ(loaded.load(interface_configuration_lines(mixed)), ConfigReadStatus::Complete);
    EXPECT_EQ(loaded.configuration_lines(), interface_configuration_lines(mixed));
    EXPECT_EQ(loaded.address_text(), std::to_string(mixed.address_index - 1));
    loaded.Form_Load();
    EXPECT_EQ(loaded.configuration_lines(), InterfaceWorkspace(started, platform).configuration_lines());
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace standwise

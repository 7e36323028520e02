// Loading over an open configuration: a file cut short asks first and, on Yes, equals a fresh load of
// the part read with every figure worked out; a whole file never shows the old one's messages.
// Also the design check, the stock sizes the interface uses, the verdict at a shown boundary and a
// fractional count.
#include <gtest/gtest.h>

#include <algorithm>

#include "calc/battery_choice.h"
#include "calc/design_check.h"
#include "files/interface_config.h"
#include "files/report_text.h"
#include "files/system_config.h"
#include "platform/std_batch_platform.h"
#include "platform/text_files.h"
#include "support/samples.h"
#include "support/scripted_platform.h"
#include "workspace/fresh_load.h"
#include "workspace/interface_workspace.h"
#include "workspace/project_summary.h"
#include "workspace/startup.h"
#include "workspace/system_workspace.h"

namespace standwise {
namespace {

using test::RecordedMessage;
using test::ScriptedPlatform;
using Texts = std::vector<std::string>;

constexpr const char* kCaption = "Load System Configuration";

class FreshLoadTest : public ::testing::Test {
protected:
    FreshLoadTest() : platform(STANDWISE_SOURCE_DIR), started(start_model(platform)), ws(started, platform) {
        SystemModel rich = started;
        test::fill_rich_panel(rich);
        rich_lines = system_configuration_lines(rich, test::kRichFields);
        platform.clear_messages();
    }

    // The open configuration: the default panel with loop 1 filled until it is overloaded.
    void open_overloaded_panel() {
        ws.txtsite_Change("Old site");
        ws.cmdview_Click(1);
        for (int t = kFirstDevice; t <= kLastDevice && ws.main.loops[1].colour != Colour::Red; ++t)
            ws.validate_device_count(std::to_string(ws.model.device_loop_max[t]), 1, t);
        ws.leave_loop_window();
        ASSERT_EQ(ws.main.loops[1].colour, Colour::Red);
        platform.clear_messages();
    }

    // Each loop's "device count" line against the sum of its device list.
    static void expect_device_counts_add_up(const Texts& report) {
        int loops = 0;
        for (std::size_t i = 0; i < report.size(); ++i) {
            if (report[i].find(" device count:") == std::string::npos) continue;
            ++loops;
            const int stated = std::stoi(report[i].substr(50));
            int sum = 0;
            for (std::size_t j = i + 4; j < report.size() && !report[j].empty(); ++j)
                sum += std::stoi(report[j].substr(50));
            EXPECT_EQ(sum, stated) << report[i];
        }
        EXPECT_GT(loops, 0);
    }

    ScriptedPlatform platform;
    SystemModel started;
    SystemWorkspace ws;
    Texts rich_lines;
};

TEST_F(FreshLoadTest, CutFileAsksFirstAndYesGivesAFreshLoadOfThePart) {
    open_overloaded_panel();
    const std::vector<std::size_t> ends = test::loop_block_ends([&] {
        SystemModel rich = started;
        test::fill_rich_panel(rich);
        return rich;
    }());
    // Cut inside loop 3's counts, the overloaded loop: its counts read so far must still be worked out.
    const std::size_t kept = ends[2] + 1 + 45;
    const Texts cut(rich_lines.begin(), rich_lines.begin() + static_cast<std::ptrdiff_t>(kept));

    platform.answer_next(Answer::No);
    const Texts before = ws.configuration_lines();
    const Texts report_before = ws.full_report_lines();
    EXPECT_EQ(load_system_configuration(ws, started, "cut.cfg", cut, kCaption), FreshLoad::Declined);
    const RecordedMessage question{"The file cut.cfg could not be read whole: reading stopped at line " +
                                       std::to_string(kept + 1) +
                                       " (the file ends early). Load the part that could be read into a new "
                                       "configuration?",
                                   kCaption, MessageStyle::YesNoQuestion};
    EXPECT_EQ(platform.messages, test::Messages{question});
    EXPECT_EQ(ws.configuration_lines(), before);
    EXPECT_EQ(ws.full_report_lines(), report_before);

    platform.clear_messages();
    EXPECT_EQ(load_system_configuration(ws, started, "cut.cfg", cut, kCaption), FreshLoad::Part);
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.front(), question);
    // Nothing of the old panel: the messages after the question and every figure are a fresh load's.
    const test::Messages after(platform.messages.begin() + 1, platform.messages.end());
    platform.clear_messages();
    SystemWorkspace fresh(started, platform);
    fresh.load(cut);
    EXPECT_EQ(after, platform.messages);
    EXPECT_EQ(ws.configuration_lines(), fresh.configuration_lines());
    EXPECT_EQ(ws.full_report_lines(), fresh.full_report_lines());
    EXPECT_EQ(ws.title(), fresh.title());
    EXPECT_EQ(ws.main.loops[3].colour, Colour::Red);  // the part of loop 3 read already overloads it
    expect_device_counts_add_up(ws.full_report_lines());
    EXPECT_TRUE(ws.modified());
    EXPECT_EQ(ws.file_path, "");

    // A value that cannot be read is named by its line too.
    Texts bad = rich_lines;
    bad[8] = " x ";
    platform.answer_next(Answer::No);
    platform.clear_messages();
    EXPECT_EQ(load_system_configuration(ws, started, "bad.cfg", bad, kCaption), FreshLoad::Declined);
    EXPECT_NE(platform.messages.at(0).prompt.find("stopped at line 9 (the value cannot be read)"),
              std::string::npos);
}

TEST_F(FreshLoadTest, WholeFileOverAnOverloadedPanelShowsNoMessageAndIsSaved) {
    open_overloaded_panel();
    // Another panel type: its default cards are fitted while the file loads, which works out loop 1.
    SystemWorkspace quay(started, platform);
    quay.optsystem_Click(2, true);
    quay.txtsite_Change("Quay");
    quay.txtma1_Change("120");
    const Texts lines = quay.configuration_lines();
    platform.clear_messages();

    EXPECT_EQ(load_system_configuration(ws, started, "quay.cfg", lines, kCaption), FreshLoad::Whole);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ws.configuration_lines(), lines);
    EXPECT_EQ(ws.main.loops[1].colour, Colour::ButtonFace);
    EXPECT_FALSE(ws.modified());
    EXPECT_EQ(ws.file_path, "quay.cfg");
    ws.txtsite_Change("Quay 2");
    EXPECT_TRUE(ws.modified());

    // The wrong kind is refused, with its one message, and changes nothing.
    EXPECT_EQ(load_system_configuration(ws, started, "i.cfg", {"Interface Configuration"}, kCaption),
              FreshLoad::Refused);
    EXPECT_EQ(platform.captions(), Texts{"Incorrect File Type"});
    EXPECT_EQ(ws.site, "Quay 2");
}

TEST_F(FreshLoadTest, CutInterfaceFileAsksAndYesEqualsAFreshLoad) {
    InterfaceWorkspace iface(started, platform);
    iface.txtaux_current_Change("200");
    const Texts mixed = interface_configuration_lines(test::mixed_interface_setup());
    const Texts cut(mixed.begin(), mixed.begin() + 12);

    platform.answer_next(Answer::No);
    EXPECT_EQ(load_interface_configuration(iface, started, "i.cfg", cut, "Load Interface Configuration"),
              FreshLoad::Declined);
    EXPECT_EQ(iface.setup.aux_current, "200");
    EXPECT_NE(platform.messages.at(0).prompt.find("stopped at line 13 (the file ends early)"),
              std::string::npos);

    EXPECT_EQ(load_interface_configuration(iface, started, "i.cfg", cut, "Load Interface Configuration"),
              FreshLoad::Part);
    InterfaceWorkspace fresh(started, platform);
    fresh.load(cut);
    EXPECT_EQ(iface.configuration_lines(), fresh.configuration_lines());
    EXPECT_EQ(iface.setup.aux_current, "");  // nothing of the setup that was open
    EXPECT_EQ(iface.report_lines(), fresh.report_lines());
    EXPECT_TRUE(iface.modified());
}

TEST_F(FreshLoadTest, DesignCheckNamesEveryLimitWithItsFigures) {
    EXPECT_EQ(ws.design_check().text(), "All limits met");

    SystemModel m = started;
    SystemRecord& panel = m.panel();
    panel.slots[1] = kSmtLoop;
    panel.slots[2] = 0;  // not a loop card: its figure is not checked
    std::array<double, kLoops + 1> units{};
    units[1] = 1200;
    units[2] = 5000;
    m.cards.smt_loop_cards = static_cast<std::int16_t>(panel.max_loop_cards + 1);
    m.cards.smt_io_cards = static_cast<std::int16_t>(panel.max_io_cards + 2);
    m.all_loops_alarm = panel.max_alarm_current + 0.7;
    const std::string ma2 = std::to_string(static_cast<int>(panel.max_master_alarm_ma) - 300);
    const DesignCheck check = system_design_check(m, units, "400", ma2);
    auto figure = [](double v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
        return s;
    };
    EXPECT_EQ(
        check.exceeded,
        (Texts{"Loop 1: 1200.0 of 1000 load units in alarm",
               "I/O cards: " + std::to_string(panel.max_io_cards + 2) + " of " +
                   std::to_string(panel.max_io_cards),
               "Loop cards: " + std::to_string(panel.max_loop_cards + 1) + " of " +
                   std::to_string(panel.max_loop_cards),
               "Master alarm circuits: " + std::to_string(static_cast<int>(panel.max_master_alarm_ma) + 100) +
                   " of " + std::to_string(static_cast<int>(panel.max_master_alarm_ma)) + " mA",
               "Panel alarm current exceeded: " + figure(panel.max_alarm_current + 0.7) + " of " +
                   figure(panel.max_alarm_current) + " A"}));
    EXPECT_FALSE(check.met());
    EXPECT_EQ(check.text().find("Loop 1: 1200.0 of 1000 load units in alarm; I/O cards: "), 0u);

    // The workspace checks what it shows, and the PDF's closing section carries the same line.
    SystemWorkspace loaded(started, platform);
    loaded.load(rich_lines);
    const DesignCheck rich = loaded.design_check();
    ASSERT_FALSE(rich.met());
    EXPECT_EQ(rich.exceeded, (Texts{"Loop 1: 2754.0 of 1000 load units in alarm",
                                    "Loop 3: 3797.3 of 1000 load units in alarm", "Network cards: 2 of 1"}));
    EXPECT_EQ(loaded.full_report_document().sections.back().lines.back(), "Design check: " + rich.text());

    InterfaceSetup over;
    over.channels[1].function = ChannelFunction::Zone;
    over.channels[1].zone_current = "3";
    over.channels[2].sector_current = "300";
    over.channels[3].sector_current = "300";
    over.aux_current = "260";
    EXPECT_EQ(
        interface_design_check(over).exceeded,
        (Texts{"Channel 1 zone: 3 of 2.5 mA", "Sectors: 600 of 500 mA", "Auxiliary supply: 260 of 250 mA"}));
    EXPECT_TRUE(interface_design_check(InterfaceSetup{}).met());
}

// Sizes no shipped list holds, from a batteries.txt in the user's settings folder.
TEST_F(FreshLoadTest, BothWorkspacesTheirReportsAndTheTableUseTheStockSizesLoaded) {
    test::TempFolder settings;
    settings.write("batteries.txt", "# bought in\r\n5\r\n10\r\n20.5\r\n33\r\n");
    platform.set_settings_folders({settings.path()});
    const SystemModel own = start_model(platform);
    ASSERT_EQ(own.stock_batteries, (std::vector<double>{5, 10, 20.5, 33}));

    InterfaceWorkspace iface(own, platform);
    EXPECT_EQ(iface.view.result.batteries.for_24h.fit_text, "Battery to fit: 5Ah");  // 0.61Ah
    iface.txtaux_current_Change("250");                                              // 8.27Ah, 24.47Ah
    EXPECT_EQ(iface.view.result.batteries.for_24h.fit_text, "Battery to fit: 10Ah");
    EXPECT_EQ(iface.view.result.batteries.for_72h.fit_text, "Battery to fit: 33Ah");
    const Texts closing = iface.report_document().sections.back().lines;
    EXPECT_EQ(closing.front(), "For 24hr standby: Battery to fit: 10Ah");

    SystemWorkspace system(own, platform);
    EXPECT_EQ(system.main.capacity_24h, "02.52Ah");
    EXPECT_EQ(system.main.result->batteries.for_24h.fit_text, "Battery to fit: 5Ah");
    system.load(rich_lines);
    EXPECT_EQ(system.main.result->batteries.for_72h.fit_text, "Larger than any stock size");

    test::TempFolder folder;
    write_text_lines(folder.file("i.cfg"), iface.configuration_lines());
    std::ostringstream unused;
    BatchPlatform batch({}, unused);
    const SummaryRow row = summarise(own, batch, folder.file("i.cfg"));
    EXPECT_EQ(Texts({row.fit_24h, row.fit_72h, row.design_check}), (Texts{"10Ah", "33Ah", "All limits met"}));
}

TEST_F(FreshLoadTest, VerdictComparesWithTheRequirementAsShown) {
    StandbyFigures figures;
    figures.capacity_24h = 17.003;  // shown 17.00Ah
    figures.capacity_72h = 17.006;  // shown 17.01Ah
    const BatterySelection s = select_batteries(figures, 17, {12, 17, 24});
    EXPECT_EQ(Texts({s.for_24h.fit_text, s.for_24h.verdict_text, s.for_72h.fit_text, s.for_72h.verdict_text}),
              (Texts{"Battery to fit: 17Ah", "The 17Ah battery covers 24hr standby", "Battery to fit: 24Ah",
                     "The 17Ah battery does not cover 72hr standby"}));
}

// The default panels serve loop 1 alone, so a loop card fitted in slot 2 goes with any type change.
TEST_F(FreshLoadTest, TypeChangeQuestionNamesTheLoopsThatLoseDevices) {
    ASSERT_TRUE(ws.cmbslot_Click(2, kSmtLoop));
    for (int loop : {1, 2}) {
        ws.cmdview_Click(loop);
        ws.validate_device_count(loop == 1 ? "12" : "30", loop, 1);
        ws.leave_loop_window();
    }
    platform.clear_messages();
    platform.answer_next(Answer::No);
    EXPECT_FALSE(ws.optsystem_Click(2));
    platform.answer_next(Answer::No);
    EXPECT_FALSE(ws.optPSU_Click(0));
    EXPECT_EQ(
        platform.messages,
        (test::Messages{{"Are you sure you want to change the system type?\r\nLoop 2 loses 30 device(s).",
                         "Standwise", MessageStyle::YesNoQuestion},
                        {"Are you sure you want to change the PSU type?\r\nLoop 2 loses 30 device(s).",
                         "Standwise", MessageStyle::YesNoQuestion}}));
    EXPECT_EQ(ws.model.loop_device_count[2][1], 30);
}

TEST_F(FreshLoadTest, FinishedCountShowsTheWholeNumberInUse) {
    int loop = 1;
    while (!ws.model.loop_on_loop_card(loop))
        ++loop;
    ws.cmdview_Click(loop);
    ws.cmb_viewdata_Change(1, "2.5");
    EXPECT_EQ(ws.model.loop_device_count[loop][1], 2);
    EXPECT_EQ(ws.loop_window.counts[1], "2.5");
    ws.count_finished(1);
    EXPECT_EQ(ws.loop_window.counts[1], "2");
    ws.cmb_viewdata_Change(1, "3.5");
    ws.count_finished(1);
    EXPECT_EQ(ws.loop_window.counts[1], "4");
}

}  // namespace
}  // namespace standwise

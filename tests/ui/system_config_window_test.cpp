// Loading a system configuration through the real windows: what it does to the panel setup window,
// the main window and the model, for whole, refused, cut and hand-edited files.
#include <QGroupBox>

#include "files/report_text.h"
#include "support/samples.h"
#include "system_files_fixture.h"

namespace standwise::test {
namespace {

using SystemConfigWindowTest = SystemFilesTest;

TEST_F(SystemConfigWindowTest, RichPanelComesBackExactlyWithItsStoredDate) {
    enter_rich_panel();
    const Texts report = main().full_report_lines();
    Texts lines = lines_of(save("rich.cfg"));
    ASSERT_EQ(lines, main().configuration_lines());
    EXPECT_EQ(lines[3], " 3 ");   // the PSU option of the 84Ah dual charger
    EXPECT_EQ(lines[24], " 2 ");  // the alarm time's list position
    lines[5] = "17/03/2019";
    ASSERT_FALSE(write_text_lines(folder.file("rich.cfg"), lines));

    start_new();
    main().SSTabentry->setCurrentIndex(11);
    platform.busy_calls.clear();
    load(folder.file("rich.cfg"));

    EXPECT_EQ(main().configuration_lines(), lines);
    EXPECT_EQ(main().full_report_lines(), report);  // every figure shown came back
    EXPECT_EQ(
        texts(main().lbldate, main().cmbalarm_time, main().lblamphours, main().stb_loadstatus->panel(3)),
        (Texts{"17/03/2019", "90", "with 84Ah", "Loop 3 X"}));
    EXPECT_EQ(main().frmrequirements->toolTip().toStdString(), "Includes 90 minutes of sounder activation");
    EXPECT_EQ(main().windowTitle().toStdString(), "Standwise - System - R220 - \"North\" wing, block 2[*]");
    EXPECT_EQ(main().SSTabentry->currentIndex(), frmmain::kSiteDetailsTab);
    for (int n = 1; n <= kLoops; ++n)
        EXPECT_EQ(main().SSTabentry->isTabEnabled(n - 1), n == 1 || n == 3 || n == 5) << n;
    EXPECT_TRUE(setup().optPSU[3]->isChecked());
    EXPECT_TRUE(setup().optsystem[1]->isChecked());
    // The overloaded loop is reported once, when its counts are in; no question, no card message.
    EXPECT_EQ(platform.captions(), Texts{"Loop Overloaded"});
    EXPECT_EQ(platform.busy_calls, (std::vector<bool>{true, false}));

    // Loaded again over itself: the same panel, and the overload reported for the loaded counts only.
    platform.clear_messages();
    load(folder.file("rich.cfg"));
    EXPECT_EQ(platform.captions(), Texts{"Loop Overloaded"});
    EXPECT_EQ(main().configuration_lines(), lines);
    EXPECT_EQ(main().full_report_lines(), report);
}

// Valid panels that the card check would refuse slot by slot while the previous panel's cards are
// still in the other slots.
TEST_F(SystemConfigWindowTest, UnusualSlotMixesLoadWithoutMessagesAndWithTheFilesCards) {
    struct Case {
        const char* name;
        int system;
        std::vector<std::pair<int, int>> picks;  // in an order the card check accepts
        int io_cards, loop_cards;
        int spare_slot;  // one more I/O card there breaks the limit
    };
    const Case cases[] = {
        {"R500, I/O card moved to slot 1", 2, {{15, kCardEmpty}, {1, kPthIo}, {2, kPthLoop}}, 1, 1, 3},
        {"Caldris, six I/O cards in slots 1 to 6",
         3,
         // clang-format off
         {{15, kCardEmpty}, {14, kCardEmpty}, {1, kSmtIo}, {2, kSmtIo}, {3, kSmtIo}, {4, kPthIo}, {5, kSmtIo},
          {6, kSmtIo}},
         // clang-format on
         6,
         0,
         15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start_new();
        choose_system(c.system);
        for (auto [slot, card] : c.picks)
            fit(slot, card);
        const Texts entered = shown();
        const double quiescent = setup().calc_sys_current();
        const std::string path = save("mix.cfg");
        start_new();
        load(path);

        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(shown(), entered);
        EXPECT_DOUBLE_EQ(setup().calc_sys_current(), quiescent);
        EXPECT_EQ(model().cards.pth_io_cards + model().cards.smt_io_cards, c.io_cards);
        EXPECT_EQ(model().cards.total_loop_cards, c.loop_cards);
        for (int s = 0; s < kSlots; ++s)
            EXPECT_EQ(setup().cmbslot[s]->currentIndex(), model().panel().slots[s]) << s;

        // The card check is back for the user's next pick, and that pick is not dropped.
        fit(c.spare_slot, kSmtIo);
        EXPECT_EQ(platform.captions(), Texts{"I/O Card Count Exceeded"});
        EXPECT_EQ(shown(), entered);
    }
}

TEST_F(SystemConfigWindowTest, RefusedOrMissingFileChangesNothing) {
    enter_rich_panel();
    Texts lines = lines_of(save("rich.cfg"));
    lines[0] = "system configuration";
    ASSERT_FALSE(write_text_lines(folder.file("lower.cfg"), lines));
    main().SSTabentry->setCurrentIndex(10);
    const Texts before = shown();
    platform.clear_messages();
    platform.busy_calls.clear();

    EXPECT_EQ(main().load_configuration(folder.file("lower.cfg")).status,
              ConfigReadStatus::NotAConfiguration);
    EXPECT_EQ(main().load_configuration(folder.file("missing.cfg")).file, ReadOutcome::CannotOpen);
    load(folder.file("missing.cfg"));
    load(folder.write("empty.cfg", ""));
    load(folder.write("blank.cfg", " \r\n\r\n"));
    // A file far too large for a configuration is named in a message, not read.
    const std::string large = folder.write("large.cfg", std::string(5 << 20, '\n'));
    load(large);
    EXPECT_EQ(platform.messages.back(),
              (RecordedMessage{"The file " + large +
                                   " cannot be loaded: it is too large to be a configuration (over 4 MiB).",
                               "Load System Configuration", MessageStyle::OkExclamation}));
    EXPECT_EQ(platform.captions(), (Texts{"Incorrect File Type", "Incorrect File Type", "Incorrect File Type",
                                          "Load System Configuration"}));
    EXPECT_TRUE(platform.busy_calls.empty());
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(main().SSTabentry->currentIndex(), 10);
}

TEST_F(SystemConfigWindowTest, FileCutAtEveryLineKeepsWhatWasReadAndShowsItsCardsConsistently) {
    enter_rich_panel();
    const Texts full = lines_of(save("rich.cfg"));
    const std::vector<std::size_t> ends = loop_block_ends(model());
    ASSERT_EQ(ends.back(), full.size());
    std::array<std::string, kLoops + 1> devices;
    for (int n = 1; n <= kLoops; ++n)
        devices[n] = text(main().lbltotal_devices[n]);
    const Texts rich_cards = texts(main().lblloops, main().lblios, main().lblnetworks);

    for (std::size_t kept = 1; kept < full.size(); ++kept) {
        SCOPED_TRACE(kept);
        start_new();
        ASSERT_FALSE(write_text_lines(folder.file("cut.cfg"), Texts(full.begin(), full.begin() + kept)));
        ASSERT_EQ(main().load_configuration(folder.file("cut.cfg")).status, ConfigReadStatus::Stopped);

        // The question, answered Yes; then loop 3's overload once, as soon as the part read overloads it.
        ASSERT_FALSE(platform.messages.empty());
        EXPECT_EQ(platform.messages.front().caption, "Load System Configuration");
        const bool overloaded = ctx->system.main.loops[3].colour == Colour::Red;
        EXPECT_EQ(platform.messages.size(), overloaded ? 2u : 1u);
        if (kept >= ends[3]) {
            EXPECT_TRUE(overloaded);
        }
        if (kept < ends[2]) {
            EXPECT_FALSE(overloaded);
        }
        EXPECT_EQ(main().SSTabentry->currentIndex(), frmmain::kSiteDetailsTab);
        EXPECT_EQ(model().system_type, kept >= 3 ? 1 : 5);
        const char* amphours = kept >= 4 ? "with 84Ah" : kept == 3 ? "with 48Ah" : "with 21Ah";
        EXPECT_EQ(texts(main().lblamphours, main().txtsite, main().lbldate, main().txtma2),
                  (Texts{amphours, kept >= 4 ? full[1] : "", kept >= 6 ? full[5] : "05/12/2026",
                         kept >= 24 ? "75" : "0"}));
        for (int s = 0; s < kSlots; ++s) {
            EXPECT_EQ(setup().cmbslot[s]->currentIndex(), model().panel().slots[s]) << s;
            if (kept >= 7u + s) {
                EXPECT_EQ(" " + std::to_string(model().panel().slots[s]) + " ", full[6 + s]);
            }
        }
        if (kept >= 22) {
            EXPECT_EQ(texts(main().lblloops, main().lblios, main().lblnetworks), rich_cards);
        }
        for (int n : {1, 3, 5}) {
            if (kept >= ends[n]) {
                EXPECT_EQ(text(main().lbltotal_devices[n]), devices[n]) << n;
            }
        }
    }
}

// Counts beyond every limit load as read; the standards warning follows a tab change only.
TEST_F(SystemConfigWindowTest, OverfullHandEditedPanelLoadsAsRead) {
    fit(2, kSmtLoop);
    fit(3, kSmtLoop);
    for (int n = 1; n <= 3; ++n)
        enter_counts(n, {{69, 171}});
    Texts lines = lines_of(save("overfull.cfg"));
    lines[22] = "abc";
    lines[23] = " 12.5 ";
    lines[25 + 63] = " 300 ";  // loop 1, loop isolators: above their maximum and the loop limit
    ASSERT_FALSE(write_text_lines(folder.file("overfull.cfg"), lines));
    const std::string devices = "813 (EN && BS Input/Detection count may have been exceeded for panel.)";

    for (int tab : {11, frmmain::kSiteDetailsTab}) {
        SCOPED_TRACE(tab);
        start_new();
        main().SSTabentry->setCurrentIndex(tab);
        platform.clear_messages();
        load(folder.file("overfull.cfg"));
        // The master alarm that is no number is emptied as typing it would be, and said.
        EXPECT_EQ(platform.captions(),
                  (tab == 11 ? Texts{"Field Emptied", "Fire Standards Warning"} : Texts{"Field Emptied"}));
        EXPECT_EQ(
            platform.messages.front().prompt,
            "Master alarm circuit 1: \"abc\" is not a current from 0 to 800 mA; the field was emptied.");
        EXPECT_EQ(model().loop_device_count[1][63], 300);
        EXPECT_EQ(texts(main().lbltotal_devices[1], main().lbldevices, main().txtma1, main().txtma2),
                  (Texts{"471", "813 (EN & BS Input/Detection count may have been exceeded for panel.)", "",
                         "12.5"}));
        const Texts report = main().short_report_lines();
        EXPECT_NE(std::find(report.begin(), report.end(), makeuplength("Total devices:", 50) + devices),
                  report.end());
    }
}

}  // namespace
}  // namespace standwise::test

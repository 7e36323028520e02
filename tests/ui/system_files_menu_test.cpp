// The main window's file and report menus: choosers, overwrite questions, write failures, and the
// full and short reports written from what the windows show.
#include <QAction>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "support/golden.h"
#include "system_files_fixture.h"

namespace standwise::test {
namespace {

using SystemMenuTest = SystemFilesTest;

struct Command {
    QAction* frmmain::*action;
    FileMode mode;
    const char* title;
    const char* filter;
    const char* folder;          // below the program folder; empty for the program folder itself
    const char* exists_caption;  // save-style commands only
};

const Command kCommands[] = {
    {&frmmain::mnusave, FileMode::Save, "Save System Configuration",
     "System configuration files (*.cfg)|*.cfg", "configurations", "File Exists"},
    {&frmmain::mnuload, FileMode::Open, "Load System Configuration",
     "System configuration files (*.cfg)|*.cfg", "configurations", nullptr},
    {&frmmain::mnufull, FileMode::Save, "Generate System Full Report", "Full report text files (*.txt)|*.txt",
     "full_reports", "Generate Full Report - File Exists"},
    {&frmmain::mnushort, FileMode::Save, "Generate System Short Report",
     "Short report text files (*.txt)|*.txt", "short_reports", "Generate Short Report - File Exists"},
    {&frmmain::mnuopenreport, FileMode::Open, "Open Report", "Report text files (*.txt)|*.txt", "", nullptr},
};

std::string bytes_of(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(SystemMenuTest, CancelledChoosersDoNothing) {
    const std::vector<std::string> before = shown();
    for (const Command& c : kCommands) {
        SCOPED_TRACE(c.title);
        platform.choosers.clear();
        (main().*c.action)->trigger();
        ASSERT_EQ(platform.choosers.size(), 1u);
        EXPECT_EQ(platform.choosers[0].mode, c.mode);
        EXPECT_EQ(platform.choosers[0].title, c.title);
        EXPECT_EQ(platform.choosers[0].filter, c.filter);
        EXPECT_EQ(platform.choosers[0].initial_folder,
                  *c.folder ? data_path(platform, c.folder) : platform.program_folder());
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.opened.empty());
    EXPECT_EQ(shown(), before);
}

TEST_F(SystemMenuTest, SaveStyleCommandsAskBeforeReplacingAndNameAFileTheyCannotWrite) {
    for (const Command& c : kCommands) {
        if (!c.exists_caption) continue;
        SCOPED_TRACE(c.title);
        platform.clear_messages();
        const std::string path = folder.write("existing", "kept\r\n");
        platform.answer_next(Answer::No);
        platform.choose_next(path);
        (main().*c.action)->trigger();
        EXPECT_EQ(bytes_of(path), "kept\r\n");
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].prompt, "Are you sure you want to overwrite this file?");
        EXPECT_EQ(platform.messages[0].caption, c.exists_caption);
        EXPECT_EQ(platform.messages[0].style, MessageStyle::YesNoQuestion);

        platform.choose_next(path);
        (main().*c.action)->trigger();
        const std::string written = bytes_of(path);
        EXPECT_GT(written.size(), 100u);
        std::size_t lone_breaks = 0;
        for (std::size_t i = 0; i < written.size(); ++i)
            lone_breaks += written[i] == '\n' && (i == 0 || written[i - 1] != '\r');
        EXPECT_EQ(lone_breaks, 0u);
        EXPECT_EQ(written.substr(written.size() - 2), "\r\n");

        platform.clear_messages();
        const std::string unwritable = folder.file("no such folder/file.txt");
        platform.choose_next(unwritable);
        (main().*c.action)->trigger();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_NE(platform.messages[0].prompt.find(unwritable), std::string::npos);
        EXPECT_EQ(platform.messages[0].caption, c.title);
        EXPECT_EQ(platform.messages[0].style, MessageStyle::OkExclamation);
    }
}

TEST_F(SystemMenuTest, OpenReportShowsOnlyAReadableFile) {
    const std::string report = folder.write("report.txt", "x\r\n");
    platform.choose_next(folder.file("missing.txt"));
    main().mnuopenreport->trigger();
    platform.choose_next(report);
    main().mnuopenreport->trigger();
    EXPECT_EQ(platform.opened, std::vector<std::string>{report});
    EXPECT_TRUE(platform.messages.empty());
}

class SystemReportTest : public SystemFilesTest {
protected:
    SystemReportTest() { platform.clock = {2027, 1, 9, 8, 7, 6}; }

    void expect_reports(const std::string& name) {
        for (auto [action, kind] : {std::pair{main().mnufull, "full"}, {main().mnushort, "short"}}) {
            const std::string path = folder.file(name + "_" + kind + ".txt");
            platform.choose_next(path);
            action->trigger();
            expect_golden(lines_of(path), "system_reports/" + name + "_" + kind + ".txt");
        }
    }
};

// A device name of 52 characters runs into its count; an unnamed type still has its line.
TEST_F(SystemReportTest, RichPanelWithAnOverloadedLoop) {
    model().device_name[1] = "Optical smoke detector with sounder beacon base, red";
    model().device_name[2] = "";
    enter_rich_panel();
    expect_reports("rich");
}

TEST_F(SystemReportTest, PanelWithoutLoopCards) {
    choose_system(2);
    fit(1, kCardEmpty);
    main().txtsite->setText(QStringLiteral("Depot"));
    expect_reports("no_loop_card");
}

// Not a test of speed: prints how long reading and loading a panel with eight full loops and
// writing its full report take, for the record.
TEST_F(SystemFilesTest, TimesLoadingAndReportingEightFullLoops) {
    choose_system(1);
    for (int slot = 2; slot <= kLoops; ++slot)
        fit(slot, kSmtLoop);
    for (int n = 1; n <= kLoops; ++n) {
        model().loop_device_count[n][1] = 80;    // 800 alarm load units
        model().loop_device_count[n][62] = 120;  // loop isolators: 30 more
    }
    const std::string path = save("eight.cfg");

    // Each run starts from the default panel, so every slot and loop is replayed.
    constexpr int kRuns = 20;
    double slowest = 0, total = 0;
    for (int run = 0; run < kRuns; ++run) {
        start_new();
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(main().load_configuration(path), ConfigReadStatus::Complete);
        const std::vector<std::string> report = main().full_report_lines();
        ASSERT_FALSE(write_text_lines(folder.file("eight.txt"), report));
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        ASSERT_GT(report.size(), 8u * 79);
        slowest = std::max(slowest, took.count());
        total += took.count();
    }
    EXPECT_EQ(text(main().lbldevices),
              "1600 (EN & BS Input/Detection count may have been exceeded for panel.)");
    std::printf(
        "[ timing   ] eight full loops, loaded over the default panel and reported: mean %.2f ms, "
        "slowest %.2f ms\n",
        total / kRuns, slowest);
}

}  // namespace
}  // namespace standwise::test

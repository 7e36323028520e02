// The main window's file and report menus: choosers, overwrite questions, write failures, and the
// full and short reports written from what the windows show.
#include <QAction>
#include <filesystem>

#include "system_files_fixture.h"
#include "ui/interface/frminterface.h"

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

const char* const kConfigFilter = "System configuration files (*.cfg)|*.cfg";
const Command kCommands[] = {
    {&frmmain::mnusave, FileMode::Save, "Save System Configuration", kConfigFilter, "configurations",
     "File Exists"},
    {&frmmain::mnuload, FileMode::Open, "Load System Configuration", kConfigFilter, "configurations",
     nullptr},
    {&frmmain::mnufull, FileMode::Save, "Generate System Full Report", "Full report text files (*.txt)|*.txt",
     "full_reports", "Generate Full Report - File Exists"},
    {&frmmain::mnushort, FileMode::Save, "Generate System Short Report",
     "Short report text files (*.txt)|*.txt", "short_reports", "Generate Short Report - File Exists"},
    {&frmmain::mnuopenreport, FileMode::Open, "Open Report", "Report text files (*.txt)|*.txt", "", nullptr},
};

TEST_F(SystemMenuTest, CancelledChoosersDoNothing) {
    const Texts before = shown();
    Choosers expected;
    for (const Command& c : kCommands) {
        (main().*c.action)->trigger();
        expected.push_back({c.mode, c.title, c.filter,
                            *c.folder ? data_path(platform, c.folder) : platform.program_folder()});
    }
    EXPECT_EQ(platform.choosers, expected);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.opened.empty());
    EXPECT_EQ(shown(), before);
}

TEST_F(SystemMenuTest, SaveStyleCommandsAskBeforeReplacingAndNameAFileTheyCannotWrite) {
    for (const Command& c : kCommands) {
        if (!c.exists_caption) continue;
        SCOPED_TRACE(c.title);
        platform.clear_messages();
        const std::string path = folder.write("existing.txt", "kept\r\n");
        platform.answer_next(Answer::No);
        platform.choose_next(path);
        (main().*c.action)->trigger();
        EXPECT_EQ(bytes_of(path), "kept\r\n");
        EXPECT_EQ(platform.messages, (Messages{{"Are you sure you want to overwrite this file?",
                                                c.exists_caption, MessageStyle::YesNoQuestion}}));

        platform.choose_next(path);
        (main().*c.action)->trigger();
        const std::string written = bytes_of(path);
        EXPECT_GT(written.size(), 100u);
        std::string crlf;  // every line ends in CR LF
        for (const std::string& line : split_lines(written))
            crlf += line + "\r\n";
        EXPECT_EQ(written, crlf);

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

// A name typed without an extension is saved with the filter's, in both workspaces; the overwrite
// question and the Load chooser look at that name.
TEST_F(SystemMenuTest, TypedNamesWithoutExtensionGetTheFilters) {
    frminterface& interface = ctx->interface_window();
    const std::pair<QAction*, const char*> saves[] = {{main().mnusave, ".cfg"},
                                                      {main().mnufull, ".txt"},
                                                      {main().mnushort, ".txt"},
                                                      {interface.mnusave, ".cfg"},
                                                      {interface.mnureport, ".txt"}};
    for (auto [action, extension] : saves) {
        SCOPED_TRACE(action->text().toStdString());
        std::filesystem::remove(folder.file(std::string("harbour") + extension));
        platform.choose_next(folder.file("harbour"));
        action->trigger();
        EXPECT_TRUE(std::filesystem::exists(folder.file(std::string("harbour") + extension)));
        EXPECT_FALSE(std::filesystem::exists(folder.file("harbour")));
    }
    EXPECT_TRUE(platform.messages.empty());

    main().txtsite->setText(QStringLiteral("Harbour"));
    platform.choose_next(folder.file("harbour"));
    main().mnusave->trigger();
    EXPECT_EQ(platform.captions(), Texts{"File Exists"});
    start_new();
    load(folder.file("harbour.cfg"));
    EXPECT_EQ(text(main().txtsite), "Harbour");

    const std::string typed = save("harbour.txt.bak");
    EXPECT_EQ(lines_of(typed)[0], "System Configuration");
}

TEST_F(SystemMenuTest, OpenReportShowsOnlyAReadableFile) {
    const std::string report = folder.write("report.txt", "x\r\n");
    platform.choose_next(folder.file("missing.txt"));
    main().mnuopenreport->trigger();
    platform.choose_next(report);
    main().mnuopenreport->trigger();
    EXPECT_EQ(platform.opened, Texts{report});
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
            expect_golden(lines_of(path), "ui/" + name + "_" + kind + ".txt");
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

}  // namespace
}  // namespace standwise::test

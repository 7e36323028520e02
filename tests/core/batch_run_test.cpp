// The command line's reports and table built without any windowing toolkit: each configuration in
// a workspace of its own, the statuses, and a file that cannot be used named on standard error.
#include "cli/batch_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <thread>

#include "files/interface_config.h"
#include "files/system_config.h"
#include "platform/text_files.h"
#include "support/golden.h"
#include "support/samples.h"
#include "support/scripted_platform.h"
#include "workspace/project_summary.h"
#include "workspace/startup.h"
#include "workspace/summary_run.h"
#include "workspace/system_workspace.h"

namespace standwise {
namespace {

using test::TempFolder;

class BatchRunTest : public ::testing::Test {
protected:
    BatchRunTest() : platform(STANDWISE_SOURCE_DIR), started(start_model(platform)) {
        SystemModel rich = started;
        test::fill_rich_panel(rich);
        system_file = folder.file("rich.cfg");
        EXPECT_FALSE(write_text_lines(system_file, system_configuration_lines(rich, test::kRichFields)));
        interface_file = folder.file("plant.cfg");
        EXPECT_FALSE(
            write_text_lines(interface_file, interface_configuration_lines(test::mixed_interface_setup())));
        cut_file = folder.write("cut.cfg", "System Configuration\r\nSite\r\n 5 \r\n");
    }

    CommandLine report(ReportKind kind, std::vector<std::string> configs) const {
        CommandLine line;
        line.action = CommandLine::Action::Report;
        line.kind = kind;
        line.configs = std::move(configs);
        return line;
    }

    const DataFolders folders{STANDWISE_SOURCE_DIR, STANDWISE_SOURCE_DIR};
    TempFolder folder;
    test::ScriptedPlatform platform;
    SystemModel started;
    std::string system_file, interface_file, cut_file;
    std::ostringstream out, err;
};

TEST_F(BatchRunTest, ReportsAreTheWorkspacesReports) {
    ASSERT_EQ(run_batch_reports(report(ReportKind::Full, {system_file}), folders, out, err), kBatchSuccess);
    SystemWorkspace ws(started, platform);
    ws.load(*read_text_lines(system_file));
    std::vector<std::string> expected = ws.full_report_lines(), written = split_lines(out.str());
    ASSERT_EQ(written.size(), expected.size());
    written[3] = expected[3] = "";  // the time stamp
    EXPECT_EQ(written, expected);
    // The overloaded loop is reported as the window would show it, one line a message.
    EXPECT_NE(err.str().find("Loop Overloaded: The maximum load has been exceeded on loop 3."),
              std::string::npos);

    std::ostringstream none;
    CommandLine pdf = report(ReportKind::Full, {system_file});
    pdf.pdf = true;
    EXPECT_EQ(run_batch_reports(pdf, folders, none, err), kBatchUsageError);  // no PDF writer here
}

TEST_F(BatchRunTest, FilesThatCannotBeUsedGiveNoReportAndStatusOne) {
    CommandLine line = report(ReportKind::Interface, {interface_file, cut_file, system_file});
    line.has_output = true;
    line.output = folder.file("reports");
    EXPECT_EQ(run_batch_reports(line, folders, out, err), kBatchFileFailure);
    EXPECT_TRUE(test::bytes_of(folder.file("reports/plant.txt")).find("Interface label:") !=
                std::string::npos);
    EXPECT_TRUE(test::bytes_of(folder.file("reports/cut.txt")).empty());
    EXPECT_NE(
        err.str().find("standwise: " + cut_file + ": not an interface configuration; no report written"),
        std::string::npos);
}

TEST_F(BatchRunTest, TableOfSeveralConfigurations) {
    CommandLine line;
    line.action = CommandLine::Action::Summary;
    line.configs = {system_file, cut_file, interface_file};
    EXPECT_EQ(run_summary(line, folders, out, err), kBatchFileFailure);
    EXPECT_EQ(err.str(),
              "standwise: " + cut_file + ": the file ends early or holds a value that cannot be read\n");
    std::ostringstream ignored;
    const std::vector<SummaryRow> rows = summarise_all(line.configs, folders, ignored);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(out.str(), summary_csv(rows));
    EXPECT_EQ(rows[0].standby, "72:05");
    EXPECT_EQ(rows[2].kind, "Interface");
    EXPECT_FALSE(rows[1].complete);
}

// The summary window's run: a cancelled one keeps the rows begun before it was cancelled, which are
// the first ones, in order and as a whole run gives them.
TEST_F(BatchRunTest, SummaryRunsCanBeCancelled) {
    std::vector<std::string> paths;
    for (int i = 0; i < 40; ++i)
        paths.push_back(i % 2 == 0 ? system_file : interface_file);
    SummaryRun whole(paths, started, folders, 2);
    const std::vector<SummaryRow> all = whole.rows();
    ASSERT_EQ(all.size(), paths.size());
    EXPECT_EQ(all[0].standby, "72:05");

    SummaryRun before(paths, started, folders, 2, false);
    before.cancel();
    before.start();
    EXPECT_TRUE(before.rows().empty());

    SummaryRun midway(paths, started, folders, 2);
    while (midway.done() == 0 && !midway.finished())
        std::this_thread::yield();
    midway.cancel();
    const std::vector<SummaryRow> kept = midway.rows();
    ASSERT_GE(kept.size(), 1u);
    EXPECT_EQ(kept.size(), midway.done());
    for (std::size_t i = 0; i < kept.size(); ++i)
        EXPECT_EQ(summary_cells(kept[i]), summary_cells(all[i])) << i;
}

}  // namespace
}  // namespace standwise

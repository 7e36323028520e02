// The command line's reports and table built without any windowing toolkit: each configuration in
// a workspace of its own, the statuses, and a file that cannot be used named on standard error.
#include "cli/batch_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <thread>
#include <variant>

#include "cli/batch_targets.h"

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
    // The rich panel's first master alarm is no number: the report is written with it empty, and the
    // status says a value was lost.
    ASSERT_EQ(run_batch_reports(report(ReportKind::Full, {system_file}), folders, out, err),
              kBatchFileFailure);
    EXPECT_NE(err.str().find("Field Emptied: Master alarm circuit 1: \"abc\" is not a current from 0 to "),
              std::string::npos);
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
    EXPECT_EQ(err.str().substr(err.str().find("\n") + 1),
              "standwise: " + cut_file + ": the file ends early or holds a value that cannot be read\n");
    EXPECT_EQ(
        err.str().rfind("standwise: " + system_file + ": Field Emptied: Master alarm circuit 1: \"abc\"", 0),
        0u);
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

// A program whose devices folder lacks the type-2 file: every report and row is still written,
// each says what it leaves out, and the status is 3 unless a file failed as well.
TEST_F(BatchRunTest, DevicesWithoutDefinitionGiveStatusThreeAndAWarning) {
    TempFolder program;
    std::filesystem::create_directories(program.file("devices"));
    for (const auto& entry : std::filesystem::directory_iterator(test::shipped_devices_folder()))
        if (entry.path().filename().string().rfind("02 ", 0) != 0)
            std::filesystem::copy(entry.path(), program.file("devices/" + entry.path().filename().string()));
    const DataFolders partial{program.path(), program.path()};
    SystemModel panel = started;
    panel.panel().slots[1] = kPthLoop;
    panel.loop_device_count[1][2] = 60;
    panel.loop_device_count[1][5] = 3;
    const std::string config = folder.file("sixty.cfg");
    ASSERT_FALSE(
        write_text_lines(config, system_configuration_lines(panel, {"Site", "", "01/02/2024", "", "", 0})));
    const std::string warning =
        "Device Library: Loop 1 counts 60 devices of type 2, which has no device file: their current is not "
        "included.";

    CommandLine line = report(ReportKind::Short, {config});
    EXPECT_EQ(run_batch_reports(line, partial, out, err), kBatchDevicesLeftOut);
    EXPECT_NE(out.str().find("Site"), std::string::npos);
    EXPECT_NE(err.str().find(warning + "\n"), std::string::npos);
    EXPECT_EQ(run_batch_reports(line, folders, out, err), kBatchSuccess);  // the whole library

    line.action = CommandLine::Action::Summary;
    std::ostringstream table;
    EXPECT_EQ(run_summary(line, partial, table, err), kBatchDevicesLeftOut);
    EXPECT_NE(table.str().find(warning), std::string::npos);
    // The design check fails for it too, in the table's own column.
    const std::vector<SummaryRow> rows = summarise_all({config}, partial, table);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_NE(rows[0].design_check.find("Loop 1 counts 60 devices of type 2"), std::string::npos)
        << rows[0].design_check;
    line.configs.push_back(cut_file);
    EXPECT_EQ(run_summary(line, partial, table, err), kBatchFileFailure);
    line.configs = {config, system_file};
    EXPECT_EQ(run_summary(line, partial, table, err), kBatchFileFailure);  // an emptied field outweighs
}

// Planning looks each name up once and checks each report against the configurations as files
// once, whatever their number; a link to a configuration is still caught.
TEST(ReportPlanning, WorkGrowsWithTheConfigurationsAlone) {
    TempFolder folder;
    for (std::size_t n : {10u, 1200u}) {
        std::vector<std::string> configs;
        for (std::size_t i = 0; i < n; ++i)
            configs.push_back(folder.file("cfg/site" + std::to_string(i) + ".cfg"));
        PlanCounts counts;
        const auto plan = plan_reports(configs, true, folder.file("out"), false, ".txt", &counts);
        ASSERT_TRUE(std::holds_alternative<ReportPlan>(plan));
        EXPECT_EQ(std::get<ReportPlan>(plan).targets.back().output,
                  folder.file("out/site" + std::to_string(n - 1) + ".txt"));
        EXPECT_EQ(counts.name_lookups, n);
        EXPECT_EQ(counts.file_checks, n);
    }

    const std::string config = folder.write("cfg/y.cfg", "System Configuration\r\n");
    std::filesystem::create_directories(folder.file("out"));
    std::filesystem::create_hard_link(config, folder.file("out/x.txt"));
    const auto linked = plan_reports({folder.file("cfg/x.cfg"), config}, true, folder.file("out"), false);
    ASSERT_TRUE(std::holds_alternative<std::string>(linked));
    EXPECT_EQ(std::get<std::string>(linked),
              "the report " + folder.file("out/x.txt") + " would replace the configuration " + config);
}

TEST(ReportPlanning, UniqueNamesAreSuggestedOnlyWhereTheyHelp) {
    TempFolder folder;
    const std::string a = folder.file("a/site.cfg"), b = folder.file("b/site.cfg");
    const std::string upper = folder.file("a/SITE.cfg");
    auto problem = [&](std::vector<std::string> configs, bool unique) {
        const auto plan = plan_reports(configs, true, folder.file("out"), unique);
        return std::holds_alternative<std::string>(plan) ? std::get<std::string>(plan) : std::string();
    };
    EXPECT_EQ(problem({a, b}, false), "the reports of " + a + " and " + b +
                                          " would both be named site.txt; --unique-names names them after "
                                          "their folders");
    EXPECT_EQ(problem({a, upper}, false),
              "the reports of " + a + " and " + upper +
                  " would both be named SITE.txt; rename one of the two configurations");
    EXPECT_EQ(problem({a, upper}, true),
              "the reports of " + a + " and " + upper +
                  " would both be named SITE.txt; rename one of the two configurations");
    EXPECT_EQ(problem({a, b}, true), "");
}

TEST_F(BatchRunTest, AFailedStandardOutputIsNamedAndAToolkitOptionNeedsItsValue) {
    std::ostringstream refused;
    refused.setstate(std::ios::badbit);
    EXPECT_EQ(run_batch_reports(report(ReportKind::Interface, {interface_file}), folders, refused, err),
              kBatchFileFailure);
    EXPECT_NE(err.str().find("standwise: the report cannot be written to standard output: "),
              std::string::npos);

    const CommandLine kept =
        parse_command_line(without_toolkit_options({"--report", "full", "-platform", "xcb", "a.cfg"}));
    EXPECT_EQ(kept.action, CommandLine::Action::Report);
    EXPECT_EQ(kept.configs, std::vector<std::string>{"a.cfg"});
    const CommandLine bare =
        parse_command_line(without_toolkit_options({"--report", "full", "a.cfg", "-platform"}));
    EXPECT_EQ(bare.action, CommandLine::Action::UsageError);
    EXPECT_EQ(bare.error, "-platform needs a value");
    EXPECT_EQ(parse_command_line(without_toolkit_options({"--report", "full", "a.cfg", "--style"})).error,
              "--style needs a value");
}

#ifndef _WIN32
// A Linux file name is bytes that need not be UTF-8: configurations in such a folder, of such a
// name, are read, and their reports and table written, by exactly those names.
TEST_F(BatchRunTest, NamesThatAreNotUtf8AreUsedAsTheSystemGivesThem) {
    const std::string latin_folder = folder.file("d\xFCr");
    std::filesystem::create_directory(latin_folder);
    const std::string config = latin_folder + "/caf\xE9.cfg";
    std::filesystem::copy_file(interface_file, config);

    CommandLine one = report(ReportKind::Interface, {config});
    one.has_output = true;
    one.output = latin_folder + "/out\xE9.txt";
    ASSERT_EQ(run_batch_reports(one, folders, out, err), kBatchSuccess) << err.str();
    EXPECT_TRUE(std::filesystem::is_regular_file(one.output));

    CommandLine many = report(ReportKind::Interface, {config, interface_file});
    many.has_output = true;
    many.output = folder.file("r\xE9ports");
    ASSERT_EQ(run_batch_reports(many, folders, out, err), kBatchSuccess) << err.str();
    EXPECT_EQ(test::names_in(many.output), (std::vector<std::string>{"caf\xE9.txt", "plant.txt"}));

    CommandLine table;
    table.action = CommandLine::Action::Summary;
    table.configs = {latin_folder};
    std::ostringstream csv;
    ASSERT_EQ(run_summary(table, folders, csv, err), kBatchSuccess) << err.str();
    EXPECT_EQ(split_lines(csv.str()).at(1).rfind("caf\xE9.cfg,Interface,", 0), 0u) << csv.str();
}
#endif

}  // namespace
}  // namespace standwise

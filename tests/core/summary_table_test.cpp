// The project table on the command line: folders, the cells a spreadsheet computes with, quoting,
// inert text cells, the older text form byte for byte, and the option combinations refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/batch_run.h"
#include "files/summary_table.h"
#include "model/numbers.h"
#include "support/golden.h"
#include "support/scripted_platform.h"

namespace standwise {
namespace {

using test::TempFolder;
using Records = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

// The records of a CSV text as a spreadsheet reads them: quoted fields may hold commas, doubled
// quotes and line breaks.
Records parse_csv(const std::string& text) {
    Records records(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& field = records.back().back();
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            records.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            if (i + 1 < text.size()) records.emplace_back(1);
        } else {
            field += c;
        }
    }
    return records;
}

std::size_t column(SummaryColumn c) {
    return static_cast<std::size_t>(c);
}

class SummaryTableTest : public ::testing::Test {
protected:
    SummaryTableTest() : examples(std::string(STANDWISE_SOURCE_DIR) + "/tests/data/core/summary") {}

    int summary(std::vector<std::string> args) {
        out.str("");
        err.str("");
        args.insert(args.begin(), "--summary");
        const CommandLine line = parse_command_line(args);
        EXPECT_EQ(line.action, CommandLine::Action::Summary) << line.error;
        return run_summary(line, folders, out, err);
    }

    const DataFolders folders{STANDWISE_SOURCE_DIR, STANDWISE_SOURCE_DIR};
    const std::string examples;
    std::ostringstream out, err;
};

// A folder gives its *.cfg in name order, relative names in the File column; its subfolders only
// with --recursive; a folder without any is a usage error naming it.
TEST_F(SummaryTableTest, FoldersGiveTheirConfigurations) {
    const TempFolder folder;
    const std::string cfg = test::bytes_of(examples + "/default.cfg");
    folder.write("b.cfg", cfg);
    folder.write("A.CFG", cfg);
    folder.write("notes.txt", "not a configuration\r\n");
    std::filesystem::create_directories(folder.file("sub/deeper"));
    std::filesystem::create_directories(folder.file("none.cfg"));  // a folder, whatever its name
    folder.write("sub/c.cfg", cfg);
    folder.write("sub/deeper/d.cfg", cfg);
    auto files = [this] {
        Texts names;
        const Records records = parse_csv(out.str());
        for (std::size_t r = 1; r < records.size(); ++r)
            names.push_back(records[r][0]);
        return names;
    };
    ASSERT_EQ(summary({folder.path()}), kBatchSuccess) << err.str();
    EXPECT_EQ(files(), (Texts{"A.CFG", "b.cfg"}));
    // The rich example's master alarm "abc" is emptied on load and said, which makes the status 1.
    ASSERT_EQ(summary({"--recursive", folder.path(), examples + "/rich.cfg"}), kBatchFileFailure)
        << err.str();
    EXPECT_EQ(files(), (Texts{"A.CFG", "b.cfg", "sub/c.cfg", "sub/deeper/d.cfg", examples + "/rich.cfg"}));

    const TempFolder empty;
    empty.write("readme.txt", "x");
    EXPECT_EQ(summary({empty.path(), examples + "/rich.cfg"}), kBatchUsageError);
    EXPECT_EQ(err.str(),
              "standwise: " + empty.path() +
                  ": the folder holds no configuration (*.cfg); --recursive looks in its subfolders too\n");
    EXPECT_EQ(out.str(), "");

    // Reports of a folder go into a folder, named after their configurations.
    CommandLine reports =
        parse_command_line({"--report", "full", "-o", folder.file("reports"), folder.path()});
    ASSERT_EQ(reports.action, CommandLine::Action::Report);
    EXPECT_EQ(run_batch_reports(reports, folders, out, err), kBatchSuccess);
    EXPECT_FALSE(test::bytes_of(folder.file("reports/A.txt")).empty());
    EXPECT_FALSE(test::bytes_of(folder.file("reports/b.txt")).empty());
    reports.has_output = false;
    EXPECT_EQ(run_batch_reports(reports, folders, out, err), kBatchUsageError);
}

// Every figure a plain number a spreadsheet reads and adds, or an empty cell whose reason is
// among the warnings; verdicts yes or no; the text form unchanged from earlier releases.
TEST_F(SummaryTableTest, FiguresAreNumbersASpreadsheetAdds) {
    const std::vector<std::string> names{"cut.cfg", "default.cfg", "legacy_r500.cfg", "plant.cfg",
                                         "rich.cfg"};
    std::vector<std::string> paths;
    for (const std::string& name : names)
        paths.push_back(examples + "/" + name);
    EXPECT_EQ(summary(paths), kBatchFileFailure);
    const Records records = parse_csv(out.str());
    ASSERT_EQ(records.size(), 6u);
    const auto& header = summary_header();
    ASSERT_EQ(records[0], std::vector<std::string>(header.begin(), header.end()));
    std::vector<double> sums(kSummaryColumns, 0);
    for (std::size_t r = 1; r < records.size(); ++r) {
        ASSERT_EQ(records[r].size(), kSummaryColumns) << r;
        for (std::size_t c = 0; c < kSummaryColumns; ++c) {
            const std::string& cell = records[r][c];
            if (!is_figure_column(static_cast<SummaryColumn>(c)) || cell.empty()) continue;
            const std::optional<double> value = parse_number(cell);
            ASSERT_TRUE(value) << header[c] << ": " << cell;
            EXPECT_EQ(cell.find_first_not_of("0123456789."), std::string::npos) << header[c] << ": " << cell;
            EXPECT_FALSE(cell.size() > 1 && cell[0] == '0' && cell[1] != '.') << header[c] << ": " << cell;
            sums[c] += *value;
        }
        for (SummaryColumn verdict : {SummaryColumn::Covers24h, SummaryColumn::Covers72h})
            EXPECT_TRUE(records[r][column(verdict)] == "yes" || records[r][column(verdict)] == "no" ||
                        (r == 1 && records[r][column(verdict)].empty()))
                << r;
    }
    // The rich panel alone needs more than one stock battery's worth; the cut file gives no figure.
    EXPECT_GT(sums[column(SummaryColumn::Quiescent)], 0.1);
    EXPECT_GT(sums[column(SummaryColumn::Capacity72h)], sums[column(SummaryColumn::Capacity24h)]);
    for (std::size_t c = 0; c < kSummaryColumns; ++c) {
        if (is_figure_column(static_cast<SummaryColumn>(c))) {
            EXPECT_EQ(records[1][c], "") << header[c];
        }
    }
    EXPECT_EQ(records[4][column(SummaryColumn::SiteId)], "");  // the interface's address has its own column
    EXPECT_FALSE(records[4][column(SummaryColumn::Address)].empty());

    // The text form is byte for byte what earlier releases wrote for the same configurations, but
    // for the emptied master alarm that the rich example's warnings now name.
    std::vector<std::string> text_args{"--format=text"};
    text_args.insert(text_args.end(), paths.begin(), paths.end());
    EXPECT_EQ(summary(text_args), kBatchFileFailure);
    std::string text = out.str();
    for (std::size_t at; (at = text.find(examples + "/")) != std::string::npos;)
        text.erase(at, examples.size() + 1);
    EXPECT_EQ(text, test::bytes_of(std::string(STANDWISE_SOURCE_DIR) + "/tests/data/core/summary_text.csv"));
}

// A figure the windows cannot give stays empty, the shown text going into the warnings; the
// standby hours follow the minutes shown, so the two standby columns agree.
TEST(SummaryCells, FiguresFromTheShownTexts) {
    SummaryRow row;
    row.complete = true;
    row.quiescent = "12.345A";
    row.alarm = "";
    row.standby = "5:07";
    row.capacity_24h = "09.95Ah";
    row.capacity_72h = "Not possible";
    row.fit_24h = "12Ah";
    row.fit_72h = "\u2014";
    row.covers_24h = false;
    row.warnings = "Loop Overloaded";
    const auto cells = summary_cells(row);
    EXPECT_EQ(cells[column(SummaryColumn::Quiescent)], "12.345");
    EXPECT_EQ(cells[column(SummaryColumn::Alarm)], "0.000");  // the totals show nothing for no current
    EXPECT_EQ(cells[column(SummaryColumn::StandbyText)], "5:07");
    EXPECT_EQ(cells[column(SummaryColumn::StandbyHours)], "5.12");
    EXPECT_EQ(cells[column(SummaryColumn::Capacity24h)], "9.95");
    EXPECT_EQ(cells[column(SummaryColumn::Capacity72h)], "");
    EXPECT_EQ(cells[column(SummaryColumn::Fit24h)], "12");
    EXPECT_EQ(cells[column(SummaryColumn::Fit72h)], "");
    EXPECT_EQ(cells[column(SummaryColumn::Covers24h)], "no");
    EXPECT_EQ(cells[column(SummaryColumn::Covers72h)], "");
    EXPECT_EQ(cells[column(SummaryColumn::Warnings)],
              "Loop Overloaded | Capacity for 72hr standby (Ah): Not possible");
    row.fit_72h = "Larger than any stock size";
    EXPECT_EQ(summary_cells(row)[column(SummaryColumn::Warnings)],
              "Loop Overloaded | Battery to fit, 72hr (Ah): Larger than any stock size | Capacity for 72hr "
              "standby (Ah): Not possible");
}

TEST(SummaryCells, FieldsAreQuotedOnlyWhenTheyMustBe) {
    const std::pair<std::string, std::string> fields[] = {
        {"Harbour", "Harbour"},
        {"North wing, block 2", "\"North wing, block 2\""},
        {"The \"old\" site", "\"The \"\"old\"\" site\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {" padded", "\" padded\""},
        {"padded ", "\"padded \""},
        {"", ""},
    };
    for (const auto& [text, field] : fields)
        EXPECT_EQ(csv_field(text), field) << text;
    SummaryRow row;
    row.file = "a.cfg";
    row.site = " \"x\",\ny ";
    const Records records = parse_csv(summary_csv({row}));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1][column(SummaryColumn::Site)], row.site);
    EXPECT_EQ(records[1].size(), kSummaryColumns);
}

// A text a configuration brings cannot become a formula in either form; figures are never prefixed.
TEST(SummaryCells, FormulaLikeTextsAreWrittenInert) {
    for (const std::string lead : {"=", "+", "-", "@", "\t", "\r"}) {
        const std::string formula = lead + "cmd|' /C calc'!A0";
        SummaryRow row;
        row.file = row.kind = row.site = row.site_id = row.address = row.system_type = row.psu = formula;
        row.design_check = row.warnings = formula;
        row.complete = true;
        row.quiescent = row.alarm = "0.087A";
        row.standby = "37:22";
        row.capacity_24h = row.capacity_72h = "09.31Ah";
        row.fit_24h = row.fit_72h = "12Ah";
        row.covers_24h = row.covers_72h = true;
        const Records numbers = parse_csv(summary_csv({row}));
        ASSERT_EQ(numbers.size(), 2u);
        for (std::size_t c = 0; c < kSummaryColumns; ++c) {
            const std::string& cell = numbers[1][c];
            const auto col = static_cast<SummaryColumn>(c);
            if (is_figure_column(col)) {
                EXPECT_NE(cell.front(), '\'') << summary_header()[c];
            } else if (col != SummaryColumn::StandbyText && col != SummaryColumn::Covers24h &&
                       col != SummaryColumn::Covers72h) {
                EXPECT_EQ(cell, "'" + formula) << summary_header()[c];
            }
        }
        const Records text = parse_csv(summary_text_csv({row}));
        for (std::size_t c : {0u, 1u, 2u, 3u, 4u, 5u, 15u})
            EXPECT_EQ(text[1][c], "'" + formula) << c;
        EXPECT_EQ(text[1][6], "0.087A");
    }
}

TEST(SummaryCommandLine, MeaninglessCombinationsAreOneLineErrors) {
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--summary", "--pdf", "a.cfg"}, "--pdf goes with --report, not --summary"},
        {{"--summary", "--unique-names", "a.cfg"}, "--unique-names goes with --report, not --summary"},
        {{"--summary", "a.cfg", "--summary"}, "--summary given twice"},
        {{"--summary", "-o", "a.csv", "--output=b.csv", "a.cfg"}, "-o given twice"},
        {{"--report", "full", "--pdf", "--pdf", "-o", "x", "a.cfg"}, "--pdf given twice"},
        {{"--report", "full", "--format=text", "a.cfg"}, "--format goes with --summary"},
        {{"--summary", "--format=csv", "a.cfg"}, "unknown table format \"csv\": use numbers or text"},
        {{"--recursive", "a.cfg"}, "--recursive goes with --report or --summary"},
        {{"--unique-names", "a.cfg"}, "--unique-names goes with --report"},
        {{"--reprot", "full", "a.cfg"}, "unknown option --reprot; did you mean --report?"},
        {{"--summary", "--recursve", "a"}, "unknown option --recursve; did you mean --recursive?"},
        {{"-summary", "a"}, "unknown option -summary; did you mean --summary?"},
        {{"--unique-name=x", "a"}, "unknown option --unique-name=x; did you mean --unique-names?"},
        {{"--colour", "a"}, "unknown option --colour"},
    };
    for (const auto& [args, error] : refused) {
        const CommandLine line = parse_command_line(args);
        EXPECT_EQ(line.action, CommandLine::Action::UsageError) << error;
        EXPECT_EQ(line.error, error);
    }
    const CommandLine text = parse_command_line({"--summary", "--format", "text", "--recursive", "f"});
    EXPECT_EQ(text.action, CommandLine::Action::Summary);
    EXPECT_TRUE(text.text_table && text.recursive);
    EXPECT_FALSE(parse_command_line({"--summary", "--format=numbers", "f"}).text_table);
}

}  // namespace
}  // namespace standwise

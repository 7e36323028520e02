#include "calc/battery_choice.h"
#include "files/battery_sizes.h"
#include "files/report_text.h"

#include <gtest/gtest.h>

#include "files/summary_table.h"

namespace standwise {
namespace {

// At a size, just below it and just above it; nothing above the largest.
TEST(BatteryChoice, SmallestStockSizeNotBelowTheRequirement) {
    const std::vector<double>& sizes = kShippedBatterySizes;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        EXPECT_EQ(battery_to_fit(sizes, sizes[i]), sizes[i]);
        EXPECT_EQ(battery_to_fit(sizes, sizes[i] - 0.01), sizes[i]);
        const std::optional<double> above = battery_to_fit(sizes, sizes[i] + 0.01);
        if (i + 1 < sizes.size())
            EXPECT_EQ(above, sizes[i + 1]);
        else
            EXPECT_FALSE(above);
    }
    EXPECT_EQ(battery_to_fit(sizes, 0), 7);
}

TEST(BatteryChoice, FitAndVerdictPerPeriod) {
    StandbyFigures figures;
    figures.capacity_24h = 21;
    figures.capacity_72h = 45.01;
    BatterySelection s = select_batteries(figures, 21, kShippedBatterySizes);
    EXPECT_EQ(s.for_24h.fit_text, "Battery to fit: 24Ah");
    EXPECT_EQ(s.for_24h.verdict_text, "The 21Ah battery covers 24hr standby");
    EXPECT_EQ(s.for_24h.verdict_colour, Colour::Green);
    EXPECT_EQ(s.for_72h.fit_text, "Battery to fit: 65Ah");
    EXPECT_EQ(s.for_72h.verdict_text, "The 21Ah battery does not cover 72hr standby");
    EXPECT_EQ(s.for_72h.verdict_colour, Colour::Red);

    figures.capacity_24h = 200.5;
    figures.capacity_72h_possible = false;
    s = select_batteries(figures, 2.1, kShippedBatterySizes);
    EXPECT_EQ(s.for_24h.fit_text, "Larger than any stock size");
    EXPECT_EQ(s.for_24h.verdict_text, "The 2.1Ah battery does not cover 24hr standby");
    EXPECT_EQ(s.for_72h.fit_text, "\u2014");
    EXPECT_EQ(s.for_72h.verdict_text, "\u2014");
    EXPECT_EQ(s.for_72h.verdict_colour, Colour::ButtonFace);
    EXPECT_FALSE(s.for_72h.covers);
}

TEST(BatteryChoice, StockSizesFromTheirFile) {
    TextLines file;
    file.outcome = ReadOutcome::Read;
    file.lines = {"# sizes", "", "24", " 7  # the smallest", "12.5", "24"};
    StockBatteries stock = read_stock_batteries(file, "b.txt");
    EXPECT_EQ(stock.sizes, (std::vector<double>{7, 12.5, 24}));
    EXPECT_EQ(stock.problem, "");

    const std::pair<std::vector<std::string>, std::string> faulty[] = {
        {{"7", "12", "abc"}, "line 3 (\"abc\") is not a positive number"},
        {{"0"}, "line 1 (\"0\") is not a positive number"},
        {{"-12"}, "line 1 (\"-12\") is not a positive number"},
        {{"# none"}, "it holds no size"},
    };
    for (const auto& [lines, why] : faulty) {
        file.lines = lines;
        stock = read_stock_batteries(file, "b.txt");
        EXPECT_EQ(stock.sizes, kShippedBatterySizes);
        EXPECT_EQ(stock.problem,
                  "The stock battery sizes in b.txt cannot be used: " + why +
                      ".\r\nThe sizes 7, 12, 17, 24, 38, 45, 65, 100 and 200Ah are used instead.");
    }
    stock = read_stock_batteries({}, "b.txt");
    EXPECT_EQ(stock.sizes, kShippedBatterySizes);
    EXPECT_NE(stock.problem.find("cannot be opened for reading"), std::string::npos);
}

TEST(SummaryTable, FieldsAreQuotedOnlyWhenTheyMustBe) {
    const std::pair<std::string, std::string> fields[] = {
        {"Harbour", "Harbour"},
        {"North wing, block 2", "\"North wing, block 2\""},
        {"The \"old\" site", "\"The \"\"old\"\" site\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {" padded", "\" padded\""},
        {"", ""},
    };
    for (const auto& [text, field] : fields)
        EXPECT_EQ(csv_field(text), field) << text;
    SummaryRow row;
    row.file = "a.cfg";
    row.site = "x,y";
    const std::string csv = summary_csv({row});
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")).substr(0, 22), "File,Kind,Site,Site ID");
    EXPECT_EQ(csv.substr(csv.find("\r\n") + 2), "a.cfg,,\"x,y\",,,,,,,,,,,,,\r\n");
}

}  // namespace
}  // namespace standwise

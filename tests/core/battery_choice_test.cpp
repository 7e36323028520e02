#include "calc/battery_choice.h"
#include "files/battery_sizes.h"
#include "files/report_text.h"
#include "workspace/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scripted_platform.h"

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
        // A bad line is quoted cut short and with its control characters escaped.
        {{"7", std::string(5000, '9') + "x\x1b[31m"},
         "line 2 (\"" + std::string(80, '9') + "...\") is not a positive number"},
        {{"12\x1b[31m"}, "line 1 (\"12\\x1B[31m\") is not a positive number"},
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

// The user's file, then the site's, then the shipped one: the first that is there wins, also when
// it cannot be used, and its name goes into the message and the model.
TEST(BatteryChoice, StockSizesFromTheFirstFileFound) {
    const test::TempFolder root;
    // Folders as the system names them, with its own separators.
    const std::string user = root.file("config/Ostrel"), site = root.file("etc/standwise");
    const std::string program = root.file("share/standwise");
    test::ScriptedPlatform platform(program);
    platform.set_settings_folders({user, site});
    const std::string user_file = root.write("config/Ostrel/batteries.txt", "33\n9\n");
    const std::string site_file = root.write("etc/standwise/batteries.txt", "10\n20\n");
    const std::string shipped_file = root.write("share/standwise/batteries.txt", "5\n");
    ASSERT_EQ(stock_battery_files(platform), (std::vector<std::string>{user_file, site_file, shipped_file}));

    const struct {
        std::vector<std::string> removed;
        std::string file;
        std::vector<double> sizes;
    } cases[] = {
        {{}, user_file, {9, 33}},
        {{user_file}, site_file, {10, 20}},
        {{user_file, site_file}, shipped_file, {5}},
    };
    for (const auto& c : cases) {
        for (const std::string& gone : c.removed)
            std::filesystem::remove(gone);
        SystemModel model;
        load_stock_batteries(model, platform);
        EXPECT_EQ(model.stock_batteries, c.sizes) << c.file;
        EXPECT_EQ(model.stock_batteries_file, c.file);
        EXPECT_TRUE(platform.messages.empty()) << c.file;
    }

    // A user's file that cannot be used is named, and the built-in sizes stand in, not the site's.
    root.write("config/Ostrel/batteries.txt", "12\nlarge\n");
    root.write("etc/standwise/batteries.txt", "10\n");
    SystemModel model;
    load_stock_batteries(model, platform);
    EXPECT_EQ(model.stock_batteries, kShippedBatterySizes);
    EXPECT_EQ(model.stock_batteries_file, "");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, "Battery Sizes");
    EXPECT_EQ(
        platform.messages[0].prompt.rfind("The stock battery sizes in " + user_file + " cannot be used", 0),
        0u);
}

}  // namespace
}  // namespace standwise

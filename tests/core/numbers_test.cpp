#include "model/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace standwise {
namespace {

TEST(Numbers, WholeTextValidity) {
    for (const char* text : {"0", "27", " 27 ", "-3", "+4.5", "- 5", ".5", "5.", "1e3", "1.5E-2", "\t7\t"})
        EXPECT_TRUE(parse_number(text)) << text;
    for (const char* text :
         {"", " ", "abc", "1,000", "1 000", "12mA", ".", "-", "1e", "e5", "1e999", "0x10", "1..2"})
        EXPECT_FALSE(parse_number(text)) << text;
    EXPECT_EQ(parse_number(" - 5 "), -5.0);
}

TEST(Numbers, LeadingValueOfText) {
    const std::pair<const char*, double> leading[] = {{"  12.5mA", 12.5}, {"abc", 0},    {"", 0},
                                                      {"1 000", 1},       {"3e2x", 300}, {"3ex", 3}};
    for (auto [text, value] : leading)
        EXPECT_EQ(text_value(text), value) << text;
    const std::pair<const char*, double> device_lines[] = {
        {"1 000", 1000}, {" - 1 2 . 5 uA", -12.5}, {"\t45\t# note", 45}, {"none", 0}};
    for (auto [text, value] : device_lines)
        EXPECT_EQ(device_line_value(text), value) << text;
}

TEST(Numbers, CountsRoundHalfToEven) {
    const std::pair<double, std::optional<std::int16_t>> cases[] = {{2.5, 2},         {3.5, 4},
                                                                    {-2.5, -2},       {10.4, 10},
                                                                    {32767.4, 32767}, {32767.5, std::nullopt},
                                                                    {-32768, -32768}, {-32769, std::nullopt}};
    for (auto [value, count] : cases)
        EXPECT_EQ(to_count(value), count) << value;
}

TEST(Numbers, PlainForms) {
    const std::pair<double, const char*> with_sign_position[] = {
        {27, " 27"}, {0.5, " .5"}, {-0.5, "-.5"}, {0, " 0"}, {-0.0, " 0"}, {3, " 3"}, {0.045 * 1000, " 45"}};
    for (auto [value, text] : with_sign_position)
        EXPECT_EQ(str_number(value), text) << value;
    const std::pair<double, const char*> plain[] = {
        {0.5, "0.5"}, {123.75, "123.75"}, {0.0125 * 1000, "12.5"}, {1.0 / 3, "0.333333333333333"},
        {0, "0"},     {20, "20"}};
    for (auto [value, text] : plain)
        EXPECT_EQ(plain_number(value), text) << value;
}

TEST(Numbers, DisplayFormatsRoundAsOnPaper) {
    struct Case {
        double value;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {12.3456, "000.00", "012.35"},  {0, "000.00", "000.00"},       {2.675, "0.00", "2.68"},
        {0.0125, "0.000", "0.013"},     {0.5, "0.000", "0.500"},       {9.3125, "00.00", "09.31"},
        {12.3125, "00.00", "12.31"},    {0.025, "0.0000", "0.0250"},   {123.75, "0000.0", "0123.8"},
        {999.995, "000.00", "1000.00"}, {1234.5, "00.00", "1234.50"},  {-0.0001, "0.000", "0.000"},
        {-1.25, "0.0", "-1.3"},         {0.00004, "0.0000", "0.0000"}, {0.00005, "0.0000", "0.0001"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(format_fixed(c.value, c.pattern), c.expected) << c.value;
}

TEST(Numbers, HoursAndMinutes) {
    const std::pair<double, const char*> cases[] = {
        {37.374, "37:22"}, {47.375, "47:22"}, {5.125, "5:07"},        {5.25, "5:15"},
        {83.5, "83:30"},   {0, "0:00"},       {5 + 10.0 / 60, "5:10"}};
    for (auto [hours, text] : cases)
        EXPECT_EQ(hours_minutes(hours), text) << hours;
}

// No double, however absurd, reaches past a buffer or an out-of-range cast: figures that no form can
// hold come out as the texts used for impossible results.
TEST(Numbers, ValuesBeyondAnyFigure) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double value : {inf, -inf, std::nan(""), 1e308, -1e308, 1e15}) {
        EXPECT_EQ(format_fixed(value, "000.00"), "") << value;
        EXPECT_EQ(hours_minutes(value), "0:00") << value;
    }
    EXPECT_EQ(hours_minutes(-1e30), "0:00");
    EXPECT_EQ(format_fixed(999999999999999, "0"), "999999999999999");
    for (double value : {inf, -inf, std::nan("")}) {
        EXPECT_EQ(str_number(value), "") << value;
        EXPECT_EQ(plain_number(value), "") << value;
    }
    EXPECT_EQ(plain_number(1e308), "1E+308");

    const std::pair<const char*, bool> device_lines[] = {
        {"250", true},     {"none", true}, {"1e308", true},     {"1e-999", true},    {"1e999", false},
        {" - inf", false}, {"NaN", false}, {"Infinity", false}, {"-1 0e99 9", false}};
    for (auto [text, finite] : device_lines)
        EXPECT_EQ(device_line_finite(text), finite) << text;
}

}  // namespace
}  // namespace standwise

#include "model/numbers.h"

#include <gtest/gtest.h>

namespace standwise {
namespace {

TEST(Numbers, WholeTextValidity) {
    for (const char* text : {"0", "27", " 27 ", "-3", "+4.5", "- 5", ".5", "5.", "1e3", "1.5E-2", "\t7\t"})
        EXPECT_TRUE(is_number(text)) << text;
    for (const char* text : {"", " ", "abc", "1,000", "1 000", "12mA", ".", "-", "1e", "e5", "1e999", "0x10", "1..2"})
        EXPECT_FALSE(is_number(text)) << text;
    EXPECT_EQ(parse_number(" - 5 "), -5.0);
}

TEST(Numbers, LeadingValueOfText) {
    EXPECT_EQ(text_value("  12.5mA"), 12.5);
    EXPECT_EQ(text_value("abc"), 0);
    EXPECT_EQ(text_value(""), 0);
    EXPECT_EQ(text_value("1 000"), 1);
    EXPECT_EQ(text_value("3e2x"), 300);
    EXPECT_EQ(text_value("3ex"), 3);
    EXPECT_EQ(device_line_value("1 000"), 1000);
    EXPECT_EQ(device_line_value(" - 1 2 . 5 uA"), -12.5);
    EXPECT_EQ(device_line_value("\t45\t# note"), 45);
    EXPECT_EQ(device_line_value("none"), 0);
}

TEST(Numbers, CountsRoundHalfToEven) {
    EXPECT_EQ(to_count(2.5), 2);
    EXPECT_EQ(to_count(3.5), 4);
    EXPECT_EQ(to_count(-2.5), -2);
    EXPECT_EQ(to_count(10.4), 10);
    EXPECT_EQ(to_count(32767.4), 32767);
    EXPECT_FALSE(to_count(32767.5).has_value());
    EXPECT_EQ(to_count(-32768), -32768);
    EXPECT_FALSE(to_count(-32769).has_value());
}

TEST(Numbers, PlainForms) {
    EXPECT_EQ(str_number(27), " 27");
    EXPECT_EQ(str_number(0.5), " .5");
    EXPECT_EQ(str_number(-0.5), "-.5");
    EXPECT_EQ(str_number(0), " 0");
    EXPECT_EQ(str_number(-0.0), " 0");
    EXPECT_EQ(str_number(3), " 3");
    EXPECT_EQ(str_number(0.045 * 1000), " 45");
    EXPECT_EQ(plain_number(0.5), "0.5");
    EXPECT_EQ(plain_number(123.75), "123.75");
    EXPECT_EQ(plain_number(0.0125 * 1000), "12.5");
    EXPECT_EQ(plain_number(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(plain_number(0), "0");
    EXPECT_EQ(plain_number(20), "20");
}

TEST(Numbers, DisplayFormatsRoundAsOnPaper) {
    struct Case {
        double value;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {12.3456, "000.00", "012.35"}, {0, "000.00", "000.00"},    {2.675, "0.00", "2.68"},
        {0.0125, "0.000", "0.013"},    {0.5, "0.000", "0.500"},     {9.3125, "00.00", "09.31"},
        {12.3125, "00.00", "12.31"},   {0.025, "0.0000", "0.0250"}, {123.75, "0000.0", "0123.8"},
        {999.995, "000.00", "1000.00"}, {1234.5, "00.00", "1234.50"}, {-0.0001, "0.000", "0.000"},
        {-1.25, "0.0", "-1.3"},        {0.00004, "0.0000", "0.0000"}, {0.00005, "0.0000", "0.0001"},
    };
    for (const Case& c : cases) EXPECT_EQ(format_fixed(c.value, c.pattern), c.expected) << c.value;
}

TEST(Numbers, HoursAndMinutes) {
    EXPECT_EQ(hours_minutes(37.374), "37:22");
    EXPECT_EQ(hours_minutes(47.375), "47:22");
    EXPECT_EQ(hours_minutes(5.125), "5:07");
    EXPECT_EQ(hours_minutes(5.25), "5:15");
    EXPECT_EQ(hours_minutes(83.5), "83:30");
    EXPECT_EQ(hours_minutes(0), "0:00");
}

}  // namespace
}  // namespace standwise

// The manual page is written by hand; it must name the options that --help names, no more, no
// fewer, both in its synopsis and in its list of options.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "cli/command_line.h"

namespace standwise {
namespace {

using Options = std::set<std::string>;

Options options_in(const std::string& text) {
    static const std::regex option(R"((?:^|[\s\[(|])(--?[a-z][a-z-]*))");
    Options found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it)
        found.insert((*it)[1]);
    return found;
}

// The page's text with its escaped hyphens plain and its font changes gone.
std::string plain_roff(std::string text) {
    text = std::regex_replace(text, std::regex(R"(\\f[BIRP])"), "");
    return std::regex_replace(text, std::regex(R"(\\-)"), "-");
}

TEST(ManualPage, NamesTheOptionsThatHelpNames) {
    std::ifstream file(std::string(STANDWISE_SOURCE_DIR) + "/desktop/standwise.1.in");
    ASSERT_TRUE(file) << "desktop/standwise.1.in";
    std::string section, synopsis, tags;
    bool tag_next = false;
    for (std::string line; std::getline(file, line);) {
        line = plain_roff(line);
        if (line.rfind(".SH ", 0) == 0) {
            section = line.substr(4);
            continue;
        }
        if (section == "SYNOPSIS") synopsis += line + "\n";
        if (section != "OPTIONS") continue;
        if (tag_next) tags += line.substr(line.find(' ') + 1) + "\n";  // the tag, its macro left out
        tag_next = line == ".TP";
    }
    const Options help = options_in(usage_text());
    EXPECT_EQ(help, (Options{"--report", "-o", "--pdf", "--unique-names", "--recursive", "--summary",
                             "--format", "--help", "--version"}));
    EXPECT_EQ(options_in(synopsis), help);
    EXPECT_EQ(options_in(tags), help);
    // The report kinds, which --report takes, are named the same way.
    EXPECT_NE(synopsis.find(".BR full | short | interface"), std::string::npos);
    EXPECT_NE(usage_text().find("--report full|short|interface"), std::string::npos);
}

}  // namespace
}  // namespace standwise

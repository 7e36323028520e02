#include "files/file_names.h"

#include <gtest/gtest.h>

namespace standwise {
namespace {

TEST(FileNames, ATypedNameWithoutExtensionGetsTheFilters) {
    const char* const cfg = "System configuration files (*.cfg)|*.cfg";
    const std::pair<const char*, const char*> cases[] = {
        {"/data/harbour", "/data/harbour.cfg"},
        {"/data/harbour.cfg", "/data/harbour.cfg"},
        {"/data/harbour.txt.bak", "/data/harbour.txt.bak"},
        {"/data/harbour.CFG", "/data/harbour.CFG"},
        {"/data/site.v2/harbour", "/data/site.v2/harbour.cfg"},  // a dot in a folder is no extension
        {"", ""},                                                // a cancelled chooser
    };
    for (const auto& [typed, saved] : cases)
        EXPECT_EQ(with_filter_extension(typed, cfg), saved) << typed;
    EXPECT_EQ(with_filter_extension("/r/monday", "Report text files (*.txt)|*.txt"), "/r/monday.txt");
}

}  // namespace
}  // namespace standwise

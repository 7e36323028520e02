#include "files/file_names.h"

#include <gtest/gtest.h>

namespace standwise {
namespace {

// The window tests save "harbour" and "harbour.txt.bak"; these are the names around them.
TEST(FileNames, OnlyANameWithoutAnyExtensionGetsTheFilters) {
    const char* const cfg = "System configuration files (*.cfg)|*.cfg";
    EXPECT_EQ(with_filter_extension("/data/site.v2/harbour", cfg), "/data/site.v2/harbour.cfg");
    EXPECT_EQ(with_filter_extension("/data/harbour.CFG", cfg), "/data/harbour.CFG");
    EXPECT_EQ(with_filter_extension("", cfg), "");  // a cancelled chooser
}

}  // namespace
}  // namespace standwise

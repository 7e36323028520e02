#include "calc/unit_window_table.h"

#include <gtest/gtest.h>

namespace standwise {
namespace {

// Units beyond 9 have two-digit numbers in their node texts.
TEST(UnitWindowTable, KindAndNumberComeFromTheText) {
    EXPECT_EQ(node_kind("Interface 12"), NodeKind::Unit);
    EXPECT_EQ(node_number("Interface 12"), 12);
    EXPECT_EQ(node_kind("Visible LED 4"), NodeKind::Led);
    EXPECT_EQ(node_number("Visible LED 4"), 4);
    EXPECT_EQ(node_kind("Output Relay"), NodeKind::Relay);
    EXPECT_EQ(node_kind("MX240 Interfaces"), NodeKind::None);
    EXPECT_EQ(channel_key(12, NodeKind::Zone, 1), "Interface 12 Detection Zone 1");
}

}  // namespace
}  // namespace standwise

#include "calc/panel_cards.h"

#include <gtest/gtest.h>

#include "files/system_report.h"
#include "model/reference_tables.h"

namespace standwise {
namespace {

SystemModel legacy_r220() {
    SystemModel model;
    fill_reference_tables(model);
    model.psu_type = 0;
    model.system_type = 1;
    return model;
}

// Every kind of card once, each counted under its own name with its own current; the controller and
// every fitted card make the total.
TEST(PanelCards, EachKindIsCountedWithItsOwnCurrent) {
    SystemModel model = legacy_r220();
    const std::array<std::int16_t, kSlots> slots = {1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 3, 0, 0, 0, 0, 0};
    const PanelCards cards = count_panel_cards(model.panel(), slots);
    const CardCounts& c = cards.counts;
    EXPECT_EQ((std::vector<int>{c.pth_io_cards, c.pth_loop_cards, c.pth_network_cards, c.ram_cards,
                                c.smt_io_cards, c.smt_loop_cards, c.smt_copper_network_cards,
                                c.smt_fibre_network_cards, c.flash_backplanes, c.total_loop_cards}),
              (std::vector<int>{1, 2, 1, 1, 1, 1, 1, 1, 1, 3}));
    EXPECT_EQ((std::vector<double>{c.pth_io_current, c.pth_loop_current, c.pth_network_current, c.ram_current,
                                   c.smt_io_current, c.smt_loop_current, c.smt_copper_network_current,
                                   c.smt_fibre_network_current, c.flash_backplane_current}),
              (std::vector<double>{0.027, 2 * 0.02, 0.125, 0.05, 0.042, 0.045, 0.14, 0.065, 0.021}));
    EXPECT_DOUBLE_EQ(cards.total_current,
                     0.152 + 0.027 + 0.04 + 0.125 + 0.05 + 0.042 + 0.045 + 0.14 + 0.065 + 0.021);
    EXPECT_EQ(cards.total_current_text, " 707mA");
    EXPECT_DOUBLE_EQ(add_card_currents(c, 1), 1 + 0.555);

    // The fibre card's current reaches the report's network supply line.
    model.panel().slots = slots;
    model.cards = c;
    const std::vector<std::string> report = short_report_lines(model, {}, {});
    EXPECT_NE(std::find(report.begin(), report.end(),
                        std::string("Network card supply current") + std::string(23, ' ') + "330mA"),
              report.end());
}

// Slots the panel does not have are not counted; limits are checked in their order, equal passes.
TEST(PanelCards, LimitsAndUnfittedSlots) {
    SystemModel model;
    fill_reference_tables(model);
    model.system_type = 2;  // R500: slots 0..3 and 15; 2 loop cards, 1 RAM, 1 I/O, no network card
    std::array<std::int16_t, kSlots> slots = {0, 3, 8, 5, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 2};
    PanelCards cards = count_panel_cards(model.panel(), slots);
    EXPECT_EQ(cards.counts.smt_copper_network_cards, 0);
    EXPECT_TRUE(cards.exceeded.empty());

    slots = {0, 10, 2, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2};
    cards = count_panel_cards(model.panel(), slots);
    ASSERT_EQ(cards.exceeded.size(), 2u);
    EXPECT_EQ(cards.exceeded[0].caption, "I/O Card Count Exceeded");
    EXPECT_EQ(cards.exceeded[0].text,
              "The number of I/O cards has been exceeded for this panel type\r\n(Max 1)");
    EXPECT_EQ(cards.exceeded[1].caption, "Network Card Count Exceeded");
    EXPECT_EQ(cards.exceeded[1].text,
              "The number of Network cards has been exceeded for this panel type\r\n(Max 0)");
}

}  // namespace
}  // namespace standwise

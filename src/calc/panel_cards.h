// The cards of a panel: how many of each kind its fitted slots hold, the panel's four card limits,
// and the supply current the cards and the local controller draw.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/system_model.h"

namespace standwise {

/// A card limit that the counted cards exceed, as its message shows it.
struct CardLimitExceeded {
    std::string caption;  // "I/O Card Count Exceeded"
    std::string text;     // "The number of I/O cards has been exceeded for this panel type\r\n(Max 6)"
};

struct PanelCards {
    CardCounts counts;
    std::vector<CardLimitExceeded> exceeded;  // in the order checked: I/O, network, RAM, loop cards
    double total_current = 0;                 // the local controller and every fitted card, A
    std::string total_current_text;           // "Total Card Current": " 75mA"
};

/// Counts the cards of the fitted slots 1..15 from their card codes (as the slot lists show them;
/// slot 0 holds the controller kind), checks them against the panel's card limits (a count above
/// its limit fails; flash backplanes have none) and works out what each kind draws.
PanelCards count_panel_cards(const SystemRecord& panel, const std::array<std::int16_t, kSlots>& slots);

/// Adds the cards' supply currents to `sum` one kind after the other, in card list order, as the
/// system totals add them.
double add_card_currents(const CardCounts& cards, double sum);

/// The supply current of a local controller kind; a kind outside the table (only a damaged file
/// could give one) draws nothing rather than reading past it.
double controller_current(const SystemRecord& panel, int kind);

/// The supply current of one card list entry; nothing for an entry outside the list.
double card_current(const SystemRecord& panel, int code);

}  // namespace standwise

#include "calc/panel_cards.h"

#include "model/numbers.h"
#include "platform/platform.h"

namespace standwise {
namespace {

// Each card kind with its counter and supply current, in card list order.
struct CardKind {
    CardCode code;
    std::int16_t CardCounts::*count;
    double CardCounts::*current;
};

constexpr CardKind kCardKinds[] = {
    {kPthIo, &CardCounts::pth_io_cards, &CardCounts::pth_io_current},
    {kPthLoop, &CardCounts::pth_loop_cards, &CardCounts::pth_loop_current},
    {kPthNetwork, &CardCounts::pth_network_cards, &CardCounts::pth_network_current},
    {kPthRam, &CardCounts::ram_cards, &CardCounts::ram_current},
    {kSmtIo, &CardCounts::smt_io_cards, &CardCounts::smt_io_current},
    {kSmtLoop, &CardCounts::smt_loop_cards, &CardCounts::smt_loop_current},
    {kSmtCopperNetwork, &CardCounts::smt_copper_network_cards, &CardCounts::smt_copper_network_current},
    {kSmtFibreNetwork, &CardCounts::smt_fibre_network_cards, &CardCounts::smt_fibre_network_current},
    {kFlashBackplane, &CardCounts::flash_backplanes, &CardCounts::flash_backplane_current},
};

void check_limit(std::vector<CardLimitExceeded>& exceeded, int sum, int limit, const char* caption,
                 const char* text) {
    if (sum > limit)
        exceeded.push_back({caption, std::string(text) + kCrLf + "(Max" + str_number(limit) + ")"});
}

}  // namespace

double controller_current(const SystemRecord& panel, int kind) {
    return kind >= 0 && kind < static_cast<int>(panel.controller_current.size())
               ? panel.controller_current[kind]
               : 0.0;
}

double card_current(const SystemRecord& panel, int code) {
    return code >= 0 && code < kCardTypes ? panel.card_current[code] : 0.0;
}

PanelCards count_panel_cards(const SystemRecord& panel, const std::array<std::int16_t, kSlots>& slots) {
    PanelCards result;
    CardCounts& c = result.counts;
    result.total_current = controller_current(panel, slots[0]);
    for (int slot = 1; slot < kSlots; ++slot) {
        if (!panel.slot_fitted[slot]) continue;
        const int code = slots[slot];
        result.total_current += card_current(panel, code);
        for (const CardKind& kind : kCardKinds)
            if (kind.code == code) ++(c.*kind.count);
        if (is_loop_card(code)) ++c.total_loop_cards;
    }
    for (const CardKind& kind : kCardKinds)
        c.*kind.current = c.*kind.count * panel.card_current[kind.code];
    result.total_current_text = str_number(result.total_current * 1000) + "mA";

    std::vector<CardLimitExceeded>& exceeded = result.exceeded;
    check_limit(exceeded, c.pth_io_cards + c.smt_io_cards, panel.max_io_cards, "I/O Card Count Exceeded",
                "The number of I/O cards has been exceeded for this panel type");
    check_limit(exceeded, c.pth_network_cards + c.smt_copper_network_cards + c.smt_fibre_network_cards,
                panel.max_network_cards, "Network Card Count Exceeded",
                "The number of Network cards has been exceeded for this panel type");
    check_limit(exceeded, c.ram_cards, panel.max_ram_cards, "RAM Card Count Exceeded",
                "The number of RAM cards has been exceeded for this panel type");
    check_limit(exceeded, c.smt_loop_cards + c.pth_loop_cards, panel.max_loop_cards,
                "Loop Card Count Exceeded",
                "The number of Loop cards has been exceeded for this panel / psu type");
    return result;
}

double add_card_currents(const CardCounts& cards, double sum) {
    for (const CardKind& kind : kCardKinds)
        sum += cards.*kind.current;
    return sum;
}

}  // namespace standwise

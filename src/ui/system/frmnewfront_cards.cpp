// The cards of the panel setup window: counting them, their limits and their supply currents.
#include <QComboBox>

#include "model/numbers.h"
#include "ui/app_context.h"
#include "ui/system/frmnewfront.h"

using standwise::MessageStyle;
using standwise::str_number;

void frmnewfront::count_cards() {
    standwise::SystemModel& m = ctx_.model;
    m.pth_io_cards = m.pth_loop_cards = m.pth_network_cards = m.ram_cards = 0;
    m.smt_io_cards = m.smt_loop_cards = m.smt_copper_network_cards = m.smt_fibre_network_cards = 0;
    m.flash_backplanes = m.total_loop_cards = 0;
    for (int s = 1; s < standwise::kSlots; ++s) {
        if (!m.panel().slot_fitted[s]) continue;
        switch (cmbslot[s]->currentIndex()) {
            case standwise::kPthIo:
                ++m.pth_io_cards;
                break;
            case standwise::kPthLoop:
                ++m.pth_loop_cards;
                ++m.total_loop_cards;
                break;
            case standwise::kPthNetwork:
                ++m.pth_network_cards;
                break;
            case standwise::kPthRam:
                ++m.ram_cards;
                break;
            case standwise::kSmtIo:
                ++m.smt_io_cards;
                break;
            case standwise::kSmtLoop:
                ++m.smt_loop_cards;
                ++m.total_loop_cards;
                break;
            case standwise::kSmtCopperNetwork:
                ++m.smt_copper_network_cards;
                break;
            case standwise::kSmtFibreNetwork:
                ++m.smt_fibre_network_cards;
                break;
            case standwise::kFlashBackplane:
                ++m.flash_backplanes;
                break;
            default:
                break;
        }
    }
}

bool frmnewfront::check_card_counts() {
    const standwise::SystemModel& m = ctx_.model;
    const standwise::SystemRecord& panel = m.panel();
    struct Limit {
        int sum;
        int limit;
        const char* caption;
        const char* text;
    };
    const Limit limits[] = {
        {m.pth_io_cards + m.smt_io_cards, panel.max_io_cards, "I/O Card Count Exceeded",
         "The number of I/O cards has been exceeded for this panel type"},
        {m.pth_network_cards + m.smt_copper_network_cards + m.smt_fibre_network_cards,
         panel.max_network_cards, "Network Card Count Exceeded",
         "The number of Network cards has been exceeded for this panel type"},
        {m.ram_cards, panel.max_ram_cards, "RAM Card Count Exceeded",
         "The number of RAM cards has been exceeded for this panel type"},
        {m.smt_loop_cards + m.pth_loop_cards, panel.max_loop_cards, "Loop Card Count Exceeded",
         "The number of Loop cards has been exceeded for this panel / psu type"},
    };
    bool within = true;
    for (const Limit& l : limits) {
        if (l.sum <= l.limit) continue;
        within = false;
        ctx_.platform.ask_user(std::string(l.text) + standwise::kCrLf + "(Max" + str_number(l.limit) + ")",
                               l.caption, MessageStyle::OkInformation);
    }
    return within;
}

void frmnewfront::work_out_card_currents() {
    standwise::SystemModel& m = ctx_.model;
    const auto& current = m.panel().card_current;
    m.pth_io_current = m.pth_io_cards * current[standwise::kPthIo];
    m.pth_loop_current = m.pth_loop_cards * current[standwise::kPthLoop];
    m.pth_network_current = m.pth_network_cards * current[standwise::kPthNetwork];
    m.ram_current = m.ram_cards * current[standwise::kPthRam];
    m.smt_io_current = m.smt_io_cards * current[standwise::kSmtIo];
    m.smt_loop_current = m.smt_loop_cards * current[standwise::kSmtLoop];
    m.smt_copper_network_current = m.smt_copper_network_cards * current[standwise::kSmtCopperNetwork];
    m.smt_fibre_network_current = m.smt_fibre_network_cards * current[standwise::kSmtFibreNetwork];
    m.flash_backplane_current = m.flash_backplanes * current[standwise::kFlashBackplane];
}

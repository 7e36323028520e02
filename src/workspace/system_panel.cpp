// The system workspace's panel setup: PSU type, system type and the card in each slot, and the
// loading of a configuration, which makes the same choices in the file's order.
#include <algorithm>

#include "calc/unit_sums.h"
#include "model/numbers.h"
#include "model/reference_tables.h"
#include "workspace/system_workspace.h"

namespace standwise {

void SystemWorkspace::newfront_Form_Load() {
    slot_shown.fill(0);
    setup_default_system();
}

void SystemWorkspace::setup_default_system() {
    model.system_type = 5;
    system_shown = 5;
    model.last_psu_type = 1;
    model.psu_type = 1;
    psu_shown = 1;
    load_default_slots();
}

namespace {

bool confirmed(Platform& platform, bool without_question, const std::string& question) {
    return without_question ||
           platform.ask_user(question, "Standwise", MessageStyle::YesNoQuestion) == Answer::Yes;
}

// Under the question, each loop whose devices the change would clear: the new panel's default
// card for its slot is no loop card.
std::string loop_losses(const SystemModel& model, int psu_type, int system_type) {
    const SystemRecord& next = model.psu_types[psu_type].systems[system_type];
    std::string text;
    for (int n = 1; n <= kLoops; ++n) {
        const int devices = model.loop_device_total[n];
        if (model.loop_on_loop_card(n) && devices > 0 && !is_loop_card(next.default_slots[n]))
            text += kCrLf + ("Loop" + str_number(n) + " loses" + str_number(devices) + " device(s).");
    }
    return text;
}

}  // namespace

bool SystemWorkspace::optPSU_Click(int option, bool without_question) {
    if (!without_question && model.last_psu_type == option) {
        psu_shown = option;
        return false;
    }
    if (!confirmed(platform, without_question,
                   "Are you sure you want to change the PSU type?" +
                       loop_losses(model, option < 2 ? option : 2, model.system_type))) {
        psu_shown = model.last_psu_type;
        return false;
    }
    psu_shown = option;
    model.last_psu_type = static_cast<std::int16_t>(option);
    model.psu_type = static_cast<std::int16_t>(option < 2 ? option : 2);
    if (option == 2) set_dual_capacity_42(model);
    if (option == 3) set_dual_capacity_84(model);
    type_changed();
    return true;
}

bool SystemWorkspace::optsystem_Click(int system_type, bool without_question) {
    if (!without_question && model.system_type == system_type) {
        system_shown = system_type;
        return false;
    }
    if (!confirmed(platform, without_question,
                   "Are you sure you want to change the system type?" +
                       loop_losses(model, model.psu_type, system_type))) {
        system_shown = model.system_type;
        return false;
    }
    system_shown = system_type;
    model.system_type = static_cast<std::int16_t>(system_type);
    type_changed();
    return true;
}

void SystemWorkspace::type_changed() {
    load_default_slots();
}

// The list shows the entry chosen while it is checked; a refused one is put back.
bool SystemWorkspace::cmbslot_Click(int slot, int entry, bool without_check) {
    const std::int16_t previous = slot_shown[slot];
    slot_shown[slot] = static_cast<std::int16_t>(entry);
    if (slot > 0 && is_separator_card(entry)) {
        slot_shown[slot] = previous;
        return false;
    }
    if (!without_check && !check_card_counts()) {
        slot_shown[slot] = previous;
        model.cards = count_cards().counts;  // the counters follow the cards shown again
        return false;
    }
    model.panel().slots[slot] = static_cast<std::int16_t>(entry);
    panel_changed();
    return true;
}

PanelCards SystemWorkspace::count_cards() const {
    return count_panel_cards(model.panel(), slot_shown);
}

// Each exceeded limit is reported in its own message.
bool SystemWorkspace::check_card_counts() {
    const PanelCards cards = count_cards();
    model.cards = cards.counts;
    for (const CardLimitExceeded& limit : cards.exceeded)
        platform.ask_user(limit.text, limit.caption, MessageStyle::OkInformation);
    return cards.exceeded.empty();
}

void SystemWorkspace::panel_changed() {
    model.cards = count_cards().counts;
    model.loop_cards = static_cast<std::int16_t>(model.cards.smt_loop_cards + model.cards.pth_loop_cards);
    calc_sys_current();
    update_main_summary();
    update_loop_tabs();
    calc_system_standby();
}

double SystemWorkspace::calc_sys_current() {
    const PanelCards cards = count_cards();
    card_current_text = cards.total_current_text;
    return cards.total_current;
}

void SystemWorkspace::update_main_summary() {
    const CardCounts& cards = model.cards;
    main.system = " " + model.panel().name;
    main.controller = " " + model.local_controller_types[std::max<int>(0, slot_shown[0])];
    main.loop_cards = str_number(model.loop_cards);
    main.io_cards = str_number(cards.pth_io_cards + cards.smt_io_cards);
    main.network_cards =
        str_number(cards.pth_network_cards + cards.smt_copper_network_cards + cards.smt_fibre_network_cards);
    main.ram_cards = str_number(cards.ram_cards);
    main.amphours = "with" + str_number(model.panel().battery_capacity) + "Ah";
    main.flash_backplane = cards.flash_backplanes >= 1;
}

// Every slot takes the panel's default card at once and the panel is worked out once: the defaults
// are a valid panel, so no card limit is checked, whatever the previous panel held.
void SystemWorkspace::load_default_slots() {
    SystemRecord& panel = model.panel();
    for (int s = 0; s < kSlots; ++s) {
        slot_shown[s] = panel.default_slots[s];
        panel.slots[s] = panel.default_slots[s];
    }
    panel_changed();
}

// ---------------------------------------------------------------------------------------------
// Loading: each stored choice is made as a user would make it, so its own handling runs; a choice
// that is already made changes nothing.

class SystemWorkspace::Loader : public SystemConfigTarget {
public:
    explicit Loader(SystemWorkspace& ws) : ws_(ws) {}

    // A type that is already chosen stays as it is, as an option clicked again changes nothing.
    void select_system_type(std::int16_t system_type) override {
        if (ws_.model.system_type != system_type || ws_.system_shown != system_type)
            ws_.optsystem_Click(system_type, true);
    }
    void select_psu_option(std::int16_t option) override {
        if (ws_.model.last_psu_type != option || ws_.psu_shown != option) ws_.optPSU_Click(option, true);
    }
    void set_site(const std::string& text) override { ws_.txtsite_Change(text); }
    void set_site_id(const std::string& text) override { ws_.txtsiteid_Change(text); }
    void set_date(const std::string& text) override { ws_.set_date(text); }
    void begin_slots() override {}
    // Every stored card is taken without the card-limit check: the file holds a panel as it was
    // saved, and checking it slot by slot would test a mixture of its cards and the previous panel's.
    void select_slot(int slot, std::int16_t code) override {
        if (ws_.slot_shown[slot] != code) ws_.cmbslot_Click(slot, code, true);
    }
    void end_slots() override {}
    void set_master_alarm_1(const std::string& text) override { ws_.txtma1_Change(text); }
    void set_master_alarm_2(const std::string& text) override { ws_.txtma2_Change(text); }
    void select_alarm_time(std::int16_t position) override { ws_.cmbalarm_time_Change(position); }
    void loop_read(int loop) override {
        ws_.calc_loop(loop);
        calculated[loop] = true;
    }
    // The system is worked out once the loader knows how reading ended (see load).
    void finish() override {}

    std::array<bool, kLoops + 1> calculated{};

private:
    SystemWorkspace& ws_;
};

// A file that stops inside a loop leaves that loop's counts read but not worked out; every loop
// not yet worked out is, before the system, so every figure and report agrees with the counts.
// Devices without a definition are said before anything else of the finished panel, as the figures
// that follow leave them out.
ConfigReadStatus SystemWorkspace::load(const std::vector<std::string>& lines, ReadStop* stop) {
    emptied_fields_.clear();
    loading_ = true;
    Loader loader(*this);
    const ConfigReadStatus status = read_system_configuration(lines, model, loader, platform, stop);
    loading_ = false;
    if (status == ConfigReadStatus::NotAConfiguration) return status;
    if (status == ConfigReadStatus::Stopped) {
        for (int n = 1; n <= kLoops; ++n) {
            if (loader.calculated[n] || !model.loop_on_loop_card(n)) continue;
            for (UnitModel unit_model : kUnitModels)
                calcConsumptions(model, unit_model, n);
            calc_loop(n);
        }
    }
    calc_system_standby();
    const std::vector<std::string> undefined = undefined_device_warnings();
    if (!undefined.empty()) {
        std::string text;
        for (const std::string& line : undefined)
            text += (text.empty() ? "" : kCrLf) + line;
        platform.ask_user(text, "Device Library", MessageStyle::OkExclamation);
    }
    SSTabentry_Click(kSiteDetailsTab);
    return status;
}

}  // namespace standwise

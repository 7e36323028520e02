#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

#include "calc/panel_cards.h"
#include "calc/unit_sums.h"
#include "model/numbers.h"
#include "model/reference_tables.h"
#include "platform/file_io.h"
#include "platform/text_files.h"

namespace standwise::fuzz {

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

TextLines lines_of(const std::uint8_t* data, std::size_t size) {
    TextLines file;
    if (size > kMaxInputFileBytes) {
        file.outcome = ReadOutcome::TooLarge;
        return file;
    }
    file.outcome = ReadOutcome::Read;
    file.lines = split_lines(decode_text(std::string(reinterpret_cast<const char*>(data), size)));
    return file;
}

Answer QuietPlatform::ask_user(const std::string& prompt, const std::string& caption, MessageStyle style) {
    message_characters += prompt.size() + caption.size();
    return style == MessageStyle::YesNoQuestion ? Answer::Yes : Answer::Ok;
}

std::optional<std::vector<FolderEntry>> QuietPlatform::list_folder(const std::string& path) {
    if (file_name_.empty()) return std::vector<FolderEntry>{};
    return std::vector<FolderEntry>{{file_name_, path + "/" + file_name_}};
}

void SystemStandIn::select_system_type(std::int16_t system_type) {
    model_.system_type = system_type;
    SystemRecord& panel = model_.panel();
    panel.slots = panel.default_slots;
}

void SystemStandIn::select_psu_option(std::int16_t option) {
    model_.last_psu_type = option;
    model_.psu_type = static_cast<std::int16_t>(option < 2 ? option : 2);
    if (option == 2) set_dual_capacity_42(model_);
    if (option == 3) set_dual_capacity_84(model_);
    SystemRecord& panel = model_.panel();
    panel.slots = panel.default_slots;
}

void SystemStandIn::panel_changed() {
    SystemModel& m = model_;
    m.cards = count_panel_cards(m.panel(), m.panel().slots).counts;
    m.loop_cards = m.cards.total_loop_cards;
    // A loop that lost its loop card is emptied, as the main window's loop tabs do.
    for (int loop = 1; loop <= kLoops; ++loop) {
        if (!m.loop_on_loop_card(loop)) {
            for (int type = kFirstDevice; type <= kLastDevice; ++type)
                m.loop_device_count[loop][type] = 0;
            for (UnitModel unit_model : kUnitModels)
                clearLoop(m, unit_model, loop);
        }
        show(calc_loop(m, platform_, loop));
    }
}

void SystemStandIn::show(const LoopResult& r) {
    captions_.loops[r.loop] = {r.total_devices_text, r.current_s_text, r.current_a_text, r.loop_curr_text,
                               r.loop_colour == Colour::Red};
    captions_.devices = r.panel.caption;
    captions_.loops_total_q = r.totals.quiescent_text;
    captions_.loops_total_a = r.totals.alarm_text;
}

void SystemStandIn::finish() {
    const std::string alarm_time = model_.alarm_times[static_cast<std::size_t>(fields.alarm_time_index)];
    const SystemResult r =
        calc_system_standby(model_, platform_, fields.master_alarm_1, fields.master_alarm_2, alarm_time);
    captions_.system_total_q = r.system_total_q_text;
    captions_.system_total_a = r.system_total_a_text;
    captions_.standby = r.standby.standby_text;
    captions_.capacity_24h = r.standby.capacity_24h_text;
    captions_.capacity_72h = r.standby.capacity_72h_text;
    captions_.amphours = "with" + str_number(model_.panel().battery_capacity) + "Ah";
    captions_.alarm_time = alarm_time;
}

SystemReportInputs SystemStandIn::shown() const {
    SystemReportInputs inputs = captions_;
    inputs.site = fields.site;
    inputs.site_id = fields.site_id;
    inputs.master_alarm_1 = fields.master_alarm_1;
    inputs.master_alarm_2 = fields.master_alarm_2;
    return inputs;
}

void InterfaceStandIn::choose(int channel, bool on, ChannelFunction function) {
    InterfaceChannel& c = setup.channels[channel];
    if (on && c.function != function) c = {function, "", ""};
}

void InterfaceStandIn::set_sector_current(int channel, const std::string& text) {
    std::string& current = setup.channels[channel].sector_current;
    current = check_current_entry(text, kMaxSectorCurrent);
    if (!current.empty()) check_sector_total(setup, channel);
}

void InterfaceStandIn::set_zone_current(int channel, const std::string& text) {
    setup.channels[channel].zone_current = check_current_entry(text, kMaxZoneCurrent);
}

void InterfaceStandIn::set_aux_current(const std::string& text) {
    setup.aux_current = check_current_entry(text, kMaxAuxCurrent);
}

}  // namespace standwise::fuzz

#include "workspace/system_workspace.h"

#include <algorithm>

#include "calc/battery_choice.h"
#include "calc/unit_sums.h"
#include "files/report_text.h"
#include "model/numbers.h"
#include "model/quoted_text.h"
#include "model/reference_tables.h"
#include "workspace/entry_field.h"

namespace standwise {

SystemWorkspace::SystemWorkspace(const SystemModel& started, Platform& platform) : platform(platform) {
    start(started);
}

void SystemWorkspace::start(const SystemModel& started) {
    model = started;
    clear_system_window();
    newfront_Form_Load();
    for (UnitModel unit_model : kUnitModels)
        unit_Form_Load(unit_model);
    mark_saved({});
}

std::string SystemWorkspace::title() const {
    return "Standwise - System - " + model.panel().name + " - " + site;
}

std::string SystemWorkspace::alarm_time() const {
    return alarm_position >= 0 && alarm_position < 4 ? model.alarm_times[alarm_position] : std::string();
}

std::string SystemWorkspace::maximum_ma_text() const {
    return "(Maximum circuit load" + str_number(model.panel().max_master_alarm_ma) + "mA).";
}

std::string SystemWorkspace::slot_tooltip(int slot) const {
    const SystemRecord& panel = model.panel();
    const int entry = slot_shown[slot];
    const double amps = slot == 0 ? controller_current(panel, entry) : card_current(panel, entry);
    return "Card Current:" + str_number(amps * 1000) + "mA";
}

// ---------------------------------------------------------------------------------------------
// Main window

void SystemWorkspace::clear_system_window() {
    main.date = format_date(platform.now());
    main.devices = "0";
    main.devices_colour = Colour::ButtonFace;
    for (int n = 1; n <= kLoops; ++n) {
        for (UnitModel unit : kUnitModels)
            clearLoop(model, unit, n);
        LoopView& loop = main.loops[n];
        loop.total_devices = "0";
        loop.loop_curr.clear();
        loop.current_a.clear();
        loop.current_s.clear();
        loop.load_units_a.clear();
        loop.load_units_s.clear();
        loop.alarm_units = 0;
    }
    for (std::string* text : {&main.system, &main.ram_cards, &main.network_cards, &main.io_cards,
                              &main.loop_cards, &main.controller})
        text->clear();
    main.flash_backplane = false;
    txtma1_Change("0");
    txtma2_Change("0");
    for (std::string* text : {&main.loops_total_q, &main.loops_total_a, &main.system_total_q,
                              &main.system_total_a, &main.capacity_24h, &main.capacity_72h, &main.standby})
        text->clear();
    site.clear();
    site_id.clear();
    select_alarm_time(0);
    for (int n = 1; n <= kLoops; ++n) {
        main.loops[n].in_use = false;
        main.loops[n].status = "Not used";
    }
    SSTabentry_Click(kSiteDetailsTab);
}

// Only a tab that becomes the current one runs its handling, as a click on it does.
void SystemWorkspace::SSTabentry_Click(int tab) {
    if (tab == main.current_tab) return;
    main.current_tab = tab;
    if ((tab == kStandbyTab || tab == kSiteDetailsTab) &&
        model.total_detection_devices > kMaxPanelDetectionDevices)
        platform.ask_user("EN & BS Input/Detection count may have been exceeded for panel.",
                          "Fire Standards Warning", MessageStyle::OkExclamation);
}

// A text from a file longer than the field is cut as a paste would be, and said: the figures do
// not depend on it, so the rest of the file is still worth loading. One that holds a control
// character is refused as an unreadable value: the field is emptied, and said.
void SystemWorkspace::txtsite_Change(const std::string& text) {
    site = loaded_text("Site", text);
}

void SystemWorkspace::txtsiteid_Change(const std::string& text) {
    site_id = loaded_text("Site ID", text);
}

void SystemWorkspace::set_date(const std::string& text) {
    main.date = refused_text("Date", text) ? std::string() : text;
}

std::string SystemWorkspace::loaded_text(const std::string& field, const std::string& text) {
    if (!loading_) return typed_field_text(text);
    if (refused_text(field, text)) return {};
    const std::string message = cut_field_message(field, text);
    if (!message.empty()) platform.ask_user(message, kCutFieldCaption, MessageStyle::OkExclamation);
    return entry_field_text(text);
}

bool SystemWorkspace::refused_text(const std::string& field, const std::string& text) {
    if (!loading_ || !holds_control_character(text)) return false;
    report_emptied_field(emptied_field_message(field, text, kControlCharacterReason));
    return true;
}

// Only a text that differs from the field's runs the field's handling, as typing does.
void SystemWorkspace::txtma1_Change(const std::string& text) {
    const std::string entered = entry_field_text(text);
    if (entered == master_alarm_1) return;
    master_alarm_1 = entered;
    check_master_alarm(master_alarm_1, master_alarm_2, 1);
}

void SystemWorkspace::txtma2_Change(const std::string& text) {
    const std::string entered = entry_field_text(text);
    if (entered == master_alarm_2) return;
    master_alarm_2 = entered;
    check_master_alarm(master_alarm_2, master_alarm_1, 2);
}

// A refused load is emptied without a message, except while a file is loaded: a figure from a
// file must not lose a load unseen. Emptying runs this check again, which then only recalculates.
// A negative load is refused too: it would lower the panel's alarm current.
void SystemWorkspace::check_master_alarm(std::string& changed, const std::string& other, int circuit) {
    const double maximum = model.panel().max_master_alarm_ma;
    const std::optional<double> value = parse_number(changed);
    const bool in_range = value && *value >= 0 && *value <= maximum;
    const bool refused = !in_range || *value + parse_number(other).value_or(0) > maximum;
    if (refused && !changed.empty()) {
        if (loading_) {
            const std::string reason =
                in_range ? "takes the two circuits together over " + plain_number(maximum) + " mA"
                         : not_a_current_reason(maximum);
            report_emptied_field(
                emptied_field_message("Master alarm circuit" + str_number(circuit), changed, reason));
        }
        changed.clear();
        check_master_alarm(changed, other, circuit);
        return;
    }
    calc_system_standby();
}

void SystemWorkspace::report_emptied_field(const std::string& message) {
    emptied_fields_.push_back(message);
    platform.ask_user(message, kEmptiedFieldCaption, MessageStyle::OkExclamation);
}

void SystemWorkspace::cmbalarm_time_Change(int position) {
    if (position == alarm_position) return;
    alarm_position = position;
    calc_system_standby();
}

void SystemWorkspace::select_alarm_time(int position) {
    alarm_position = position;
    calc_system_standby();
}

void SystemWorkspace::cmdview_Click(int n) {
    model.current_loop = static_cast<std::int16_t>(n);
    loop_window.loop_number = n;
    loop_window.units_alarm.clear();
    loop_window.units_standby.clear();
    loop_window.title = loop_window_title(model, n);
    model.loop_form_ready = false;
    show_counts(n);
    calc_loop(n);
    model.loop_form_ready = true;
}

void SystemWorkspace::mnunew_Click() {
    for (int n = 1; n <= kLoops; ++n) {
        for (int t = kFirstDevice; t <= kLastDevice; ++t)
            model.loop_device_count[n][t] = 0;
        model.loop_device_total[n] = 0;
    }
    // The figures derived from the counts follow the cleared loops at once, so resetting the window
    // never warns about the configuration just cleared.
    model.total_detection_devices = 0;
    model.loop_currents = {};
    model.all_loops_quiescent = 0;
    model.all_loops_alarm = 0;
    clear_system_window();
    setup_default_system();
    mark_saved({});
}

void SystemWorkspace::update_loop_tabs() {
    for (int n = 1; n <= kLoops; ++n) {
        LoopView& loop = main.loops[n];
        if (model.loop_on_loop_card(n)) {
            loop.in_use = true;
            loop.status = "Loop" + str_number(n) + " OK";
            calc_loop(n);
        } else {
            loop_window.loop_number = n;
            clear_configuration(n);
            loop.in_use = false;
            loop.status = "Not used";
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Calculations

CountValidation SystemWorkspace::validate_device_count(const std::string& text, int loop, int device_type) {
    CountValidation result = standwise::validate_device_count(model, platform, text, loop, device_type);
    if (result.loop) show_loop_result(*result.loop);
    return result;
}

LoopResult SystemWorkspace::calc_loop(int loop) {
    LoopResult result = standwise::calc_loop(model, platform, loop);
    show_loop_result(result);
    return result;
}

void SystemWorkspace::show_loop_result(const LoopResult& r) {
    LoopView& loop = main.loops[r.loop];
    loop.current_s = r.current_s_text;
    loop.current_a = r.current_a_text;
    loop.load_units_s = r.load_units_s_text;
    loop.load_units_a = r.load_units_a_text;
    loop.total_devices = r.total_devices_text;
    loop.loop_curr = r.loop_curr_text;
    loop.colour = r.loop_colour;
    loop.alarm_units = r.alarm_units;
    loop.status = r.status_text;
    main.devices = r.panel.caption;
    main.devices_colour = r.panel.colour;
    main.loops_total_q = r.totals.quiescent_text;
    main.loops_total_a = r.totals.alarm_text;
    loop_window.title = r.loop_window_title;
    loop_window.units_standby = r.units_standby_text;
    loop_window.units_alarm = r.units_alarm_text;
    loop_window.units_colour = r.loop_colour;
}

void SystemWorkspace::calc_system_standby() {
    show_system_result(
        standwise::calc_system_standby(model, platform, master_alarm_1, master_alarm_2, alarm_time()));
}

DesignCheck SystemWorkspace::design_check() const {
    std::array<double, kLoops + 1> alarm_units{};
    for (int n = 1; n <= kLoops; ++n)
        alarm_units[n] = main.loops[n].alarm_units;
    DesignCheck check = system_design_check(model, alarm_units, master_alarm_1, master_alarm_2);
    // Figures that leave out devices without a definition fail the check as well.
    for (const std::string& line : undefined_device_warnings())
        check.exceeded.push_back(line);
    return check;
}

void SystemWorkspace::show_system_result(const SystemResult& r) {
    main.result = r;
    main.loops_total_a_colour = r.loops_total_a_text_colour;
    main.system_total_q = r.system_total_q_text;
    main.system_total_a = r.system_total_a_text;
    main.standby = r.standby.standby_text;
    main.standby_colour = r.standby_colour;
    main.capacity_24h = r.standby.capacity_24h_text;
    main.capacity_72h = r.standby.capacity_72h_text;
}

// ---------------------------------------------------------------------------------------------
// Files and reports

std::vector<std::string> SystemWorkspace::configuration_lines() const {
    const SystemWindowFields fields{site,           site_id,        main.date,
                                    master_alarm_1, master_alarm_2, std::max(0, alarm_position)};
    return system_configuration_lines(model, fields);
}

SystemReportInputs SystemWorkspace::report_inputs() const {
    SystemReportInputs in;
    in.site = site;
    in.site_id = site_id;
    in.master_alarm_1 = master_alarm_1;
    in.master_alarm_2 = master_alarm_2;
    in.alarm_time = alarm_time();
    in.devices = main.devices;
    in.loops_total_q = main.loops_total_q;
    in.loops_total_a = main.loops_total_a;
    in.system_total_q = main.system_total_q;
    in.system_total_a = main.system_total_a;
    in.standby = main.standby;
    in.amphours = main.amphours;
    in.capacity_24h = main.capacity_24h;
    in.capacity_72h = main.capacity_72h;
    for (int n = 1; n <= kLoops; ++n) {
        const LoopView& loop = main.loops[n];
        in.loops[n] = {loop.total_devices, loop.current_s, loop.current_a, loop.loop_curr,
                       loop.colour == Colour::Red};
    }
    return in;
}

std::vector<std::string> SystemWorkspace::full_report_lines() const {
    return standwise::full_report_lines(model, report_inputs(), platform.now());
}

std::vector<std::string> SystemWorkspace::short_report_lines() const {
    return standwise::short_report_lines(model, report_inputs(), platform.now());
}

ReportDocument SystemWorkspace::report_document(const std::string& title,
                                                std::vector<std::string> lines) const {
    ReportDocument document;
    document.title = site.empty() ? title : title + " - " + site;
    if (!site.empty() || !site_id.empty())
        document.header = "Site: " + site + (site_id.empty() ? "" : "   Site Id: " + site_id);
    document.lines = std::move(lines);
    // On paper and in PDF the report ends with the batteries to buy; the text file stays as it is.
    std::vector<std::string> closing =
        battery_selection_lines(main.result ? main.result->batteries : BatterySelection{});
    closing.push_back(design_check_line(design_check()));
    document.sections.push_back({"Battery selection", std::move(closing)});
    return document;
}

ReportDocument SystemWorkspace::full_report_document() const {
    return report_document("Full report", full_report_lines());
}

ReportDocument SystemWorkspace::short_report_document() const {
    return report_document("Short report", short_report_lines());
}

}  // namespace standwise

#include "workspace/interface_workspace.h"

#include "calc/battery_choice.h"
#include "files/interface_config.h"
#include "files/report_text.h"
#include "model/numbers.h"
#include "model/quoted_text.h"
#include "workspace/entry_field.h"

namespace standwise {

InterfaceWorkspace::InterfaceWorkspace(const SystemModel& started, Platform& platform)
    : platform(platform),
      alarm_times_(started.alarm_times.begin(), started.alarm_times.begin() + 4),
      stock_batteries_(started.stock_batteries) {
    Form_Load();
}

std::string InterfaceWorkspace::alarm_time() const {
    const int position = setup.alarm_time_index;
    return position >= 0 && position < 4 ? alarm_times_[static_cast<std::size_t>(position)] : std::string();
}

std::string InterfaceWorkspace::address_text() const {
    return setup.address_index <= 0 ? std::string() : std::to_string(setup.address_index - 1);
}

// Emptying a field that holds text runs its handling, as it would for the user.
void InterfaceWorkspace::Form_Load() {
    txtaux_current_Change("");
    setup.label.clear();
    view = InterfaceView{};
    view.amphours = "with" + str_number(kInterfaceBattery) + "Ah";
    setup.address_index = 1;
    cmbalarm_time_interface_Change(0);
    for (int n = 1; n <= kInterfaceChannels; ++n) {
        optsector_Click(n);
        txtsector_current_Change(n, "");
        txtzone_current_Change(n, "");
    }
    mark_saved({});
}

// A label from a file longer than the field is cut as a paste would be, and said; one that holds a
// control character is refused as an unreadable value, and the field emptied.
void InterfaceWorkspace::txtlabel_Change(const std::string& text) {
    if (!loading_) {
        setup.label = typed_field_text(text);
        return;
    }
    if (holds_control_character(text)) {
        setup.label.clear();
        report_emptied("Interface label", text, kControlCharacterReason);
        return;
    }
    setup.label = entry_field_text(text);
    const std::string message = cut_field_message("Interface label", text);
    if (!message.empty()) platform.ask_user(message, kCutFieldCaption, MessageStyle::OkExclamation);
}

// Choosing a channel's option empties both its currents, the fields' handling running as they
// are emptied, and works the interface out again.
void InterfaceWorkspace::choose(int n, ChannelFunction function) {
    if (setup.channels[n].function == function) return;
    setup.channels[n].function = function;
    txtzone_current_Change(n, "");
    txtsector_current_Change(n, "");
    calc_interface_standby();
}

void InterfaceWorkspace::optzone_Click(int n) {
    choose(n, ChannelFunction::Zone);
}
void InterfaceWorkspace::optsector_Click(int n) {
    choose(n, ChannelFunction::Sector);
}
void InterfaceWorkspace::optnc_Click(int n) {
    choose(n, ChannelFunction::NotConnected);
}

// A refused entry is emptied without a message; emptying runs the handling again, which then
// accepts the empty field and recalculates.
void InterfaceWorkspace::txtzone_current_Change(int n, const std::string& typed) {
    const std::string text = entry_field_text(typed);
    std::string& field = setup.channels[n].zone_current;
    if (text == field) return;
    field = text;
    const std::string checked = check_current_entry(text, kMaxZoneCurrent);
    if (checked != text) {
        report_emptied("Zone" + str_number(n), text, not_a_current_reason(kMaxZoneCurrent * 1000));
        txtzone_current_Change(n, checked);
        return;
    }
    calc_interface_standby();
}

void InterfaceWorkspace::txtsector_current_Change(int n, const std::string& typed) {
    const std::string text = entry_field_text(typed);
    std::string& field = setup.channels[n].sector_current;
    if (text == field) return;
    field = text;
    const std::string checked = check_current_entry(text, kMaxSectorCurrent);
    if (checked != text) {
        report_emptied("Sector" + str_number(n), text, not_a_current_reason(kMaxSectorCurrent * 1000));
        txtsector_current_Change(n, checked);
        return;
    }
    // The field just changed is the one emptied when the four sectors together are too much.
    InterfaceSetup trial = setup;
    if (!text.empty() && check_sector_total(trial, n)) {
        report_emptied(
            "Sector" + str_number(n), text,
            "takes the four sectors together over " + plain_number(kMaxSectorTotal * 1000) + " mA");
        txtsector_current_Change(n, "");
        return;
    }
    calc_interface_standby();
}

void InterfaceWorkspace::txtaux_current_Change(const std::string& typed) {
    const std::string text = entry_field_text(typed);
    if (text == setup.aux_current) return;
    setup.aux_current = text;
    const std::string checked = check_current_entry(text, kMaxAuxCurrent);
    if (checked != text) {
        report_emptied("Auxilliary supply", text, not_a_current_reason(kMaxAuxCurrent * 1000));
        txtaux_current_Change(checked);
        return;
    }
    calc_interface_standby();
    view.aux_supply = amps_text(text_value(text) / 1000);
}

// A refused entry is emptied quietly while typing; a file's value that is emptied is said, once.
void InterfaceWorkspace::report_emptied(const std::string& field, const std::string& text,
                                        const std::string& reason) {
    if (!loading_ || text.empty()) return;
    const std::string message = emptied_field_message(field, text, reason);
    emptied_fields_.push_back(message);
    platform.ask_user(message, kEmptiedFieldCaption, MessageStyle::OkExclamation);
}

void InterfaceWorkspace::cmbalarm_time_interface_Change(int position) {
    setup.alarm_time_index = static_cast<std::int16_t>(position);
    calc_interface_standby();
}

void InterfaceWorkspace::calc_interface_standby() {
    view.result = standwise::calc_interface_standby(setup, alarm_time(), stock_batteries_);
    const InterfaceResult& result = view.result;
    view.quiescent = result.quiescent_text;
    view.alarm = result.alarm_text;
    view.standby = result.standby.standby_text;
    view.capacity_24h = result.standby.capacity_24h_text;
    view.capacity_72h = result.standby.capacity_72h_text;
}

std::vector<std::string> InterfaceWorkspace::configuration_lines() const {
    return interface_configuration_lines(setup);
}

// Every value of a file goes in as the user would enter it, so the entry checks, the options
// emptying a channel's currents and the sector total all apply on loading too.
class InterfaceWorkspace::Loader : public InterfaceConfigTarget {
public:
    explicit Loader(InterfaceWorkspace& ws) : ws_(ws) {}

    void select_address(std::int16_t position) override { ws_.select_address(position); }
    void set_label(const std::string& text) override { ws_.txtlabel_Change(text); }
    // A "False" line leaves the channel as it is: exactly one of the three options is always set,
    // and the line that sets another one unsets this one.
    void set_zone_option(int channel, bool on) override {
        if (on) ws_.optzone_Click(channel);
    }
    void set_sector_option(int channel, bool on) override {
        if (on) ws_.optsector_Click(channel);
    }
    void set_nc_option(int channel, bool on) override {
        if (on) ws_.optnc_Click(channel);
    }
    void set_sector_current(int channel, const std::string& text) override {
        ws_.txtsector_current_Change(channel, text);
    }
    void set_zone_current(int channel, const std::string& text) override {
        ws_.txtzone_current_Change(channel, text);
    }
    void set_aux_current(const std::string& text) override { ws_.txtaux_current_Change(text); }
    void select_alarm_time(std::int16_t position) override { ws_.cmbalarm_time_interface_Change(position); }

private:
    InterfaceWorkspace& ws_;
};

ConfigReadStatus InterfaceWorkspace::load(const std::vector<std::string>& lines, ReadStop* stop) {
    emptied_fields_.clear();
    loading_ = true;
    Loader loader(*this);
    const ConfigReadStatus status = read_interface_configuration(lines, loader, platform, stop);
    loading_ = false;
    return status;
}

std::vector<std::string> InterfaceWorkspace::report_lines() const {
    const InterfaceReportInputs inputs{alarm_time(), view.standby, view.amphours, view.capacity_24h,
                                       view.capacity_72h};
    return interface_report_lines(setup, view.result, inputs, platform.now());
}

ReportDocument InterfaceWorkspace::report_document() const {
    const std::string& label = setup.label;
    ReportDocument document;
    document.title = label.empty() ? "Interface report" : "Interface report - " + label;
    if (!label.empty()) document.header = "Interface label: " + label;
    document.lines = report_lines();
    std::vector<std::string> closing = battery_selection_lines(view.result.batteries);
    closing.push_back(design_check_line(design_check()));
    document.sections.push_back({"Battery selection", std::move(closing)});
    return document;
}

}  // namespace standwise

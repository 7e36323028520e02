// The interface workspace: one stand-alone four-channel interface being edited, what its window
// shows, and every handler of its window as an operation on them.
#pragma once

#include <string>
#include <vector>

#include "calc/design_check.h"
#include "calc/interface_calc.h"
#include "files/config_fields.h"
#include "files/interface_report.h"
#include "model/interface_model.h"
#include "model/system_model.h"
#include "platform/platform.h"
#include "workspace/saved_state.h"

namespace standwise {

inline constexpr int kInterfaceChannels = 4;
inline constexpr int kLastInterfaceAddress = 200;

/// What the interface window shows beside the setup, as the calculation last left it.
struct InterfaceView {
    std::string quiescent, alarm, aux_supply, standby, capacity_24h, capacity_72h;
    std::string amphours;
    InterfaceResult result;  // the last calculation
};

class InterfaceWorkspace : public SavedState<InterfaceWorkspace> {
public:
    /// A workspace over the started model's tables and stock battery sizes, reset as the window's
    /// load leaves it.
    InterfaceWorkspace(const SystemModel& started, Platform& platform);

    Platform& platform;
    InterfaceSetup setup;
    InterfaceView view;

    /// The alarm-duration list's text: "30".
    std::string alarm_time() const;
    /// The address list's text: "" for no address, else the address.
    std::string address_text() const;

    /// Every field back to the default setup; also "New Configuration" once confirmed.
    void Form_Load();
    void select_address(int position) { setup.address_index = static_cast<std::int16_t>(position); }
    void txtlabel_Change(const std::string& text);
    // Channels 1..4. An option that is already chosen changes nothing.
    void optzone_Click(int n);
    void optsector_Click(int n);
    void optnc_Click(int n);
    /// A text put into a field; one that differs from the field's runs its entry check.
    void txtzone_current_Change(int n, const std::string& text);
    void txtsector_current_Change(int n, const std::string& text);
    void txtaux_current_Change(const std::string& text);
    /// A choice in the alarm-duration list; runs the calculation even when it stands there.
    void cmbalarm_time_interface_Change(int position);
    void calc_interface_standby();
    /// Every limit the interface as now set up exceeds.
    DesignCheck design_check() const { return interface_design_check(setup); }

    std::vector<std::string> configuration_lines() const;
    /// Applies a read configuration in the file's order, each value as a user's entry. When reading
    /// stops early, `stop` (if given) learns where and why.
    ConfigReadStatus load(const std::vector<std::string>& lines, ReadStop* stop = nullptr);
    std::vector<std::string> report_lines() const;
    /// The report as it goes on paper and into a PDF, under a header with the interface's label.
    ReportDocument report_document() const;

    /// The fields that the last load put a text into and whose check emptied it, one message each.
    const std::vector<std::string>& emptied_fields() const { return emptied_fields_; }

private:
    class Loader;

    void choose(int n, ChannelFunction function);
    void report_emptied(const std::string& field, const std::string& text, const std::string& reason);

    std::vector<std::string> alarm_times_;
    bool loading_ = false;  // a configuration is being applied: emptied fields are reported
    std::vector<std::string> emptied_fields_;
    std::vector<double> stock_batteries_;
};

}  // namespace standwise

// The interface window's file commands: loading and saving its configuration, writing and
// opening reports.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <filesystem>
#include <system_error>

#include "files/interface_config.h"
#include "files/interface_report.h"
#include "files/text_file.h"
#include "ui/app_context.h"
#include "ui/interface/frminterface.h"
#include "ui/widgets.h"

using standwise::qs;

namespace {

constexpr const char* kConfigFilter = "Interface configuration files (*.cfg)|*.cfg";
constexpr const char* kReportFilter = "Report text files (*.txt)|*.txt";

// Every value of a file goes into the window as the user would enter it, so the window's own
// handling (emptying a channel's currents on an option change, the entry checks, the sector
// total, the recalculation and the alarm-time tooltips) runs on loading too.
class WindowTarget : public standwise::InterfaceConfigTarget {
public:
    explicit WindowTarget(frminterface& window) : w_(window) {}

    void select_address(std::int16_t position) override { w_.select_address(position); }
    void set_label(const std::string& text) override { w_.txtlabel->setText(qs(text)); }
    // A "False" line leaves the channel as it is: exactly one of the three options is always set,
    // and the line that sets another one unsets this one.
    void set_zone_option(int channel, bool on) override { set_option(w_.optzone[channel], on); }
    void set_sector_option(int channel, bool on) override { set_option(w_.optsector[channel], on); }
    void set_nc_option(int channel, bool on) override { set_option(w_.optnc[channel], on); }
    void set_sector_current(int channel, const std::string& text) override {
        w_.txtsector_current[channel]->setText(qs(text));
    }
    void set_zone_current(int channel, const std::string& text) override {
        w_.txtzone_current[channel]->setText(qs(text));
    }
    void set_aux_current(const std::string& text) override { w_.txtaux_current->setText(qs(text)); }
    void select_alarm_time(std::int16_t position) override { w_.select_alarm_time(position); }

private:
    static void set_option(QRadioButton* option, bool on) {
        if (on) option->setChecked(true);
    }

    frminterface& w_;
};

bool file_exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

}  // namespace

std::vector<std::string> frminterface::configuration_lines() const {
    return standwise::interface_configuration_lines(interface_setup());
}

std::vector<std::string> frminterface::report_lines() const {
    return standwise::interface_report_lines(interface_setup(), report_inputs(), ctx_.platform.now());
}

void frminterface::save_to_chosen_file(const char* title, const char* filter,
                                       std::vector<std::string> (frminterface::*make_lines)() const) {
    standwise::Platform& platform = ctx_.platform;
    const std::string path = platform.choose_file(standwise::FileMode::Save, title, filter, "");
    if (path.empty()) return;
    if (file_exists(path) &&
        platform.ask_user("Are you sure you want to overwrite this file?", "File Exists",
                          standwise::MessageStyle::YesNoQuestion) != standwise::Answer::Yes)
        return;
    // The file is replaced only once the new one is complete, so a failure keeps the old one.
    if (std::optional<std::string> error = standwise::write_text_lines(path, (this->*make_lines)()))
        platform.ask_user(standwise::write_failure_message(path, *error), title,
                          standwise::MessageStyle::OkExclamation);
}

void frminterface::mnusave_Click() {
    save_to_chosen_file("Save Interface Configuration", kConfigFilter, &frminterface::configuration_lines);
}

void frminterface::mnureport_Click() {
    save_to_chosen_file("Generate Interface Report", kReportFilter, &frminterface::report_lines);
}

void frminterface::mnuload_Click() {
    standwise::Platform& platform = ctx_.platform;
    const std::string path =
        platform.choose_file(standwise::FileMode::Open, "Load Interface Configuration", kConfigFilter, "");
    if (!path.empty() && standwise::file_readable(path)) {
        if (std::optional<std::vector<std::string>> lines = platform.read_lines(path)) {
            WindowTarget target(*this);
            standwise::read_interface_configuration(*lines, target, platform);
        }
    }
    SSTab1->setCurrentIndex(0);
}

void frminterface::mnuopenreport_Click() {
    standwise::Platform& platform = ctx_.platform;
    const std::string path =
        platform.choose_file(standwise::FileMode::Open, "Open Report", kReportFilter, "");
    if (!path.empty() && file_exists(path)) platform.open_in_editor(path);
}

// The interface window's file commands: loading and saving its configuration, writing and
// opening reports.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "files/interface_config.h"
#include "files/interface_report.h"
#include "ui/app_context.h"
#include "ui/file_commands.h"
#include "ui/interface/frminterface.h"
#include "ui/recent_configurations.h"
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

}  // namespace

std::vector<std::string> frminterface::configuration_lines() const {
    return standwise::interface_configuration_lines(interface_setup());
}

std::vector<std::string> frminterface::report_lines() const {
    return standwise::interface_report_lines(interface_setup(), last_result_, report_inputs(),
                                             ctx_.platform.now());
}

void frminterface::mnusave_Click() {
    using standwise::FileKind;
    const standwise::SaveCommand command{"Save Interface Configuration", kConfigFilter,
                                         ctx_.folder_for(FileKind::InterfaceConfiguration), "File Exists"};
    if (auto path = standwise::save_to_chosen_file(ctx_.platform, command,
                                                   [this] { return configuration_lines(); })) {
        ctx_.used_file(FileKind::InterfaceConfiguration, *path);
        recent_->add(*path);
    }
}

// A report just written is the one most likely opened next, so "Open Report" follows it too.
void frminterface::mnureport_Click() {
    using standwise::FileKind;
    const standwise::SaveCommand command{"Generate Interface Report", kReportFilter,
                                         ctx_.folder_for(FileKind::InterfaceReport), "File Exists"};
    if (auto path =
            standwise::save_to_chosen_file(ctx_.platform, command, [this] { return report_lines(); })) {
        ctx_.used_file(FileKind::InterfaceReport, *path);
        ctx_.used_file(FileKind::Report, *path);
    }
}

standwise::ConfigLoad frminterface::load_configuration(const std::string& path) {
    return apply_configuration(ctx_.platform.read_lines(path));
}

standwise::ConfigLoad frminterface::apply_configuration(const standwise::TextLines& file) {
    if (!file.read()) return standwise::unread_configuration(file);
    WindowTarget target(*this);
    return {standwise::ReadOutcome::Read,
            {},
            standwise::read_interface_configuration(file.lines, target, ctx_.platform)};
}

void frminterface::mnuload_Click() {
    const std::string path =
        ctx_.platform.choose_file(standwise::FileMode::Open, "Load Interface Configuration", kConfigFilter,
                                  ctx_.folder_for(standwise::FileKind::InterfaceConfiguration));
    if (!path.empty()) open_configuration(path, ctx_.platform.read_lines(path));
    SSTab1->setCurrentIndex(0);
}

void frminterface::open_configuration(const std::string& path, const standwise::TextLines& file) {
    ctx_.used_file(standwise::FileKind::InterfaceConfiguration, path);
    const standwise::ConfigLoad load = apply_configuration(file);
    standwise::report_refused_file(ctx_.platform, "Load Interface Configuration", path, load);
    if (load.applied()) recent_->add(path);
}

void frminterface::mnuopenreport_Click() {
    const std::string path =
        standwise::open_chosen_report(ctx_.platform, ctx_.folder_for(standwise::FileKind::Report));
    if (!path.empty()) ctx_.used_file(standwise::FileKind::Report, path);
}

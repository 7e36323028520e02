// The main window's file commands: saving and loading the system configuration, writing the full
// and short reports from what the window shows, and opening a report.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "files/system_report.h"
#include "ui/app_context.h"
#include "ui/file_commands.h"
#include "ui/recent_configurations.h"
#include "ui/system/frmmain.h"
#include "ui/system/frmsummary.h"
#include "ui/system/system_config_loader.h"
#include "ui/widgets.h"

using standwise::ss;

namespace {

constexpr const char* kConfigFilter = "System configuration files (*.cfg)|*.cfg";

}  // namespace

std::vector<std::string> frmmain::configuration_lines() const {
    const standwise::SystemWindowFields fields{ss(txtsite->text()), ss(txtsiteid->text()),
                                               ss(lbldate->text()), ss(txtma1->text()),
                                               ss(txtma2->text()),  cmbalarm_time->currentIndex()};
    return standwise::system_configuration_lines(ctx_.model, fields);
}

standwise::ConfigLoad frmmain::load_configuration(const std::string& path) {
    return apply_configuration(ctx_.platform.read_lines(path));
}

standwise::ConfigLoad frmmain::apply_configuration(const standwise::TextLines& file) {
    if (!file.read()) return standwise::unread_configuration(file);
    standwise::SystemConfigLoader loader(ctx_);
    return {standwise::ReadOutcome::Read,
            {},
            standwise::read_system_configuration(file.lines, ctx_.model, loader, ctx_.platform)};
}

// The reports repeat the figures exactly as the calculations left them in the labels.
standwise::SystemReportInputs frmmain::report_inputs() const {
    standwise::SystemReportInputs in;
    in.site = ss(txtsite->text());
    in.site_id = ss(txtsiteid->text());
    in.master_alarm_1 = ss(txtma1->text());
    in.master_alarm_2 = ss(txtma2->text());
    in.alarm_time = ss(cmbalarm_time->currentText());
    in.devices = standwise::stored_caption(lbldevices);
    in.loops_total_q = ss(lblloops_total_q->text());
    in.loops_total_a = ss(lblloops_total_a->text());
    in.system_total_q = ss(lblsystem_total_q->text());
    in.system_total_a = ss(lblsystem_total_a->text());
    in.standby = ss(lblstandby->text());
    in.amphours = ss(lblamphours->text());
    in.capacity_24h = ss(lbl24hr_standby->text());
    in.capacity_72h = ss(lbl72hr_standby->text());
    for (int n = 1; n <= standwise::kLoops; ++n)
        in.loops[n] = {ss(lbltotal_devices[n]->text()), ss(lblcurrent_s[n]->text()),
                       ss(lblcurrent_a[n]->text()), ss(lblloop_curr[n]->text()),
                       standwise::back_colour(lblloop_curr[n]) == standwise::Colour::Red};
    return in;
}

std::vector<std::string> frmmain::full_report_lines() {
    return standwise::full_report_lines(ctx_.model, report_inputs(), ctx_.platform.now());
}

std::vector<std::string> frmmain::short_report_lines() {
    return standwise::short_report_lines(ctx_.model, report_inputs(), ctx_.platform.now());
}

void frmmain::open_configuration(const std::string& path, const standwise::TextLines& file) {
    const standwise::ConfigLoad load = apply_configuration(file);
    standwise::report_refused_file(ctx_.platform, "Load System Configuration", path, load);
    if (load.applied()) recent_->add(path);
}

void frmmain::mnusave_Click() {
    if (auto path = standwise::save_to_chosen_file(
            ctx_.platform,
            {"Save System Configuration", kConfigFilter,
             standwise::user_data_path(ctx_.platform, "configurations"), "File Exists"},
            [this] { return configuration_lines(); }))
        recent_->add(*path);
}

void frmmain::mnuload_Click() {
    const std::string path =
        ctx_.platform.choose_file(standwise::FileMode::Open, "Load System Configuration", kConfigFilter,
                                  standwise::user_data_path(ctx_.platform, "configurations"));
    if (!path.empty()) open_configuration(path, ctx_.platform.read_lines(path));
}

// A report just written is the one most likely opened next; the interface workspace's
// "Open Report" follows it (this workspace's opens in the folder that holds the reports folders).
void frmmain::mnufull_Click() {
    if (auto path = standwise::save_to_chosen_file(
            ctx_.platform,
            {"Generate System Full Report", "Full report text files (*.txt)|*.txt",
             standwise::user_data_path(ctx_.platform, "full_reports"), "Generate Full Report - File Exists"},
            [this] { return full_report_lines(); }))
        ctx_.used_file(standwise::FileKind::Report, *path);
}

void frmmain::mnushort_Click() {
    if (auto path = standwise::save_to_chosen_file(
            ctx_.platform,
            {"Generate System Short Report", "Short report text files (*.txt)|*.txt",
             standwise::user_data_path(ctx_.platform, "short_reports"),
             "Generate Short Report - File Exists"},
            [this] { return short_report_lines(); }))
        ctx_.used_file(standwise::FileKind::Report, *path);
}

void frmmain::mnuopenreport_Click() {
    const std::string path = standwise::open_chosen_report(ctx_.platform, ctx_.platform.user_folder());
    if (!path.empty()) ctx_.used_file(standwise::FileKind::Report, path);
}

void frmmain::mnusummary_Click() {
    const std::string folder =
        ctx_.platform.choose_file(standwise::FileMode::Folder, "Project Summary", "",
                                  standwise::user_data_path(ctx_.platform, "configurations"));
    if (folder.empty()) return;
    if (summary_ == nullptr) summary_ = new frmsummary(ctx_, this);
    summary_->show_rows(folder, summarise_folder(ctx_, folder));
    summary_->show();
    summary_->raise();
}

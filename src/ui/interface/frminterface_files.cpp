// The interface window's file commands: loading and saving its configuration, writing and
// opening reports.
#include <QComboBox>
#include <QTabWidget>

#include "files/interface_config.h"
#include "files/interface_report.h"
#include "ui/app_context.h"
#include "ui/file_commands.h"
#include "ui/interface/frminterface.h"
#include "ui/recent_configurations.h"
#include "ui/widgets.h"

namespace {

constexpr const char* kConfigFilter = "Interface configuration files (*.cfg)|*.cfg";
constexpr const char* kReportFilter = "Report text files (*.txt)|*.txt";

}  // namespace

std::vector<std::string> frminterface::configuration_lines() const {
    return ctx_.interface_workspace().configuration_lines();
}

std::vector<std::string> frminterface::report_lines() const {
    return ctx_.interface_workspace().report_lines();
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
    const standwise::ConfigReadStatus status = ctx_.interface_workspace().load(file.lines);
    ctx_.refresh_interface();
    return {standwise::ReadOutcome::Read, {}, status};
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

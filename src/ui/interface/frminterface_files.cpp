// The interface window's file commands: loading and saving its configuration, writing and
// opening reports.
#include <QComboBox>
#include <QTabWidget>

#include "files/file_names.h"
#include "files/interface_config.h"
#include "files/interface_report.h"
#include "platform/text_files.h"
#include "ui/app_context.h"
#include "ui/file_commands.h"
#include "ui/interface/frminterface.h"
#include "ui/recent_configurations.h"
#include "ui/unsaved_changes.h"
#include "ui/widgets.h"
#include "workspace/fresh_load.h"

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
    save_as();
}

void frminterface::mnusavefile_Click() {
    save();
}

bool frminterface::save_as() {
    using standwise::FileKind;
    const standwise::SaveCommand command{"Save Interface Configuration", kConfigFilter,
                                         ctx_.folder_for(FileKind::InterfaceConfiguration), "File Exists"};
    const auto path =
        standwise::save_to_chosen_file(ctx_.platform, command, [this] { return configuration_lines(); });
    if (!path) return false;
    ctx_.used_file(FileKind::InterfaceConfiguration, *path);
    ctx_.interface_workspace().mark_saved(*path);
    recent_->add(*path);
    show_title();
    return true;
}

// The file last loaded or saved is replaced without a question: it is the one being worked on.
bool frminterface::save() {
    const std::string path = ctx_.interface_workspace().file_path;
    if (path.empty()) return save_as();
    if (const auto failure = ctx_.platform.write_file(path, standwise::crlf_text(configuration_lines()))) {
        ctx_.platform.ask_user(standwise::write_failure_message(path, *failure),
                               "Save Interface Configuration", standwise::MessageStyle::OkExclamation);
        return false;
    }
    ctx_.interface_workspace().mark_saved(path);
    recent_->add(path);
    show_title();
    return true;
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
    return apply_configuration(path, ctx_.platform.read_lines(path));
}

// Every load starts from the window's reset; a file cut short is applied only when the user agrees.
standwise::ConfigLoad frminterface::apply_configuration(const std::string& path,
                                                        const standwise::TextLines& file) {
    if (!file.read()) return standwise::unread_configuration(file);
    const standwise::FreshLoad load = standwise::load_interface_configuration(
        ctx_.interface_workspace(), ctx_.started_model(), path, file.lines, "Load Interface Configuration");
    ctx_.refresh_interface();
    return standwise::config_load(load);
}

void frminterface::mnuload_Click() {
    const std::string path =
        ctx_.platform.choose_file(standwise::FileMode::Open, "Load Interface Configuration", kConfigFilter,
                                  ctx_.folder_for(standwise::FileKind::InterfaceConfiguration));
    if (!path.empty()) open_configuration(path, ctx_.platform.read_lines(path));
    SSTab1->setCurrentIndex(0);
}

void frminterface::open_configuration(const std::string& path, const standwise::TextLines& file) {
    if (!standwise::unsaved_changes_settled(ctx_, standwise::Workspace::Interface, "loading " + path)) return;
    ctx_.used_file(standwise::FileKind::InterfaceConfiguration, path);
    const standwise::ConfigLoad load = apply_configuration(path, file);
    standwise::report_refused_file(ctx_.platform, "Load Interface Configuration", path, load);
    if (load.applied()) recent_->add(path);
}

void frminterface::mnuopenreport_Click() {
    const std::string path =
        standwise::open_chosen_report(ctx_.platform, ctx_.folder_for(standwise::FileKind::Report));
    if (!path.empty()) ctx_.used_file(standwise::FileKind::Report, path);
}

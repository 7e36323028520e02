// The main window's file commands: saving and loading the system configuration, writing the full
// and short reports from what the window shows, and opening a report.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "files/file_names.h"
#include "files/system_report.h"
#include "platform/text_files.h"
#include "ui/app_context.h"
#include "ui/file_commands.h"
#include "ui/recent_configurations.h"
#include "ui/system/frmmain.h"
#include "ui/system/frmsummary.h"
#include "ui/unsaved_changes.h"
#include "ui/widgets.h"
#include "workspace/fresh_load.h"

using standwise::ss;

namespace {

constexpr const char* kConfigFilter = "System configuration files (*.cfg)|*.cfg";

}  // namespace

std::vector<std::string> frmmain::configuration_lines() const {
    return ctx_.system.configuration_lines();
}

standwise::ConfigLoad frmmain::load_configuration(const std::string& path) {
    return apply_configuration(path, ctx_.platform.read_lines(path));
}

// Every load starts from the start-up state; a file cut short is applied only when the user agrees.
standwise::ConfigLoad frmmain::apply_configuration(const std::string& path,
                                                   const standwise::TextLines& file) {
    if (!file.read()) return standwise::unread_configuration(file);
    const standwise::FreshLoad load = standwise::load_system_configuration(
        ctx_.system, ctx_.started_model(), path, file.lines, "Load System Configuration");
    ctx_.refresh_system();
    return standwise::config_load(load);
}

std::vector<std::string> frmmain::full_report_lines() {
    return ctx_.system.full_report_lines();
}

std::vector<std::string> frmmain::short_report_lines() {
    return ctx_.system.short_report_lines();
}

void frmmain::open_configuration(const std::string& path, const standwise::TextLines& file) {
    if (!standwise::unsaved_changes_settled(ctx_, standwise::Workspace::System, "loading " + path)) return;
    const standwise::ConfigLoad load = apply_configuration(path, file);
    standwise::report_refused_file(ctx_.platform, "Load System Configuration", path, load);
    if (load.applied()) recent_->add(path);
}

void frmmain::mnusave_Click() {
    save_as();
}

void frmmain::mnusavefile_Click() {
    save();
}

bool frmmain::save_as() {
    const auto path = standwise::save_to_chosen_file(
        ctx_.platform,
        {"Save System Configuration", kConfigFilter,
         standwise::user_data_path(ctx_.platform, "configurations"), "File Exists"},
        [this] { return configuration_lines(); });
    if (!path) return false;
    ctx_.system.mark_saved(*path);
    recent_->add(*path);
    show_title();
    return true;
}

// The file last loaded or saved is replaced without a question: it is the one being worked on.
bool frmmain::save() {
    const std::string path = ctx_.system.file_path;
    if (path.empty()) return save_as();
    if (const auto failure = ctx_.platform.write_file(path, standwise::crlf_text(configuration_lines()))) {
        ctx_.platform.ask_user(standwise::write_failure_message(path, *failure), "Save System Configuration",
                               standwise::MessageStyle::OkExclamation);
        return false;
    }
    ctx_.system.mark_saved(path);
    recent_->add(path);
    show_title();
    return true;
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
    summary_->show();
    summary_->raise();
    summary_->summarise(folder);
}

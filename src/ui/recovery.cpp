#include "ui/recovery.h"

#include <filesystem>
#include <system_error>

#include "platform/native.h"
#include "platform/std_data_folders.h"
#include "platform/text_files.h"
#include "ui/app_context.h"
#include "ui/interface/frminterface.h"
#include "ui/system/frmmain.h"
#include "ui/unsaved_changes.h"
#include "workspace/fresh_load.h"

namespace standwise {
namespace {

// Compared with nothing a configuration can hold, so a recovered one stays unsaved.
const std::vector<std::string> kRecovered{"recovered copy"};

bool exists(const std::string& path) {
    std::error_code ignored;
    return !path.empty() && std::filesystem::exists(native_path(path), ignored);
}

void remove(const std::string& path) {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove(native_path(path), ignored);
}

}  // namespace

std::string recovery_copy_path(AppContext& ctx, Workspace workspace) {
    const std::string folder = ctx.platform.recovery_folder();
    if (folder.empty()) return {};
    return utf8_path(native_path(folder) / (workspace == Workspace::System ? "system.cfg" : "interface.cfg"));
}

RecoveryCopies::RecoveryCopies(AppContext& ctx, QObject* parent) : QObject(parent), ctx_(ctx) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryCopies::write_copies);
    timer_.start();
}

void RecoveryCopies::write_copies() {
    for (Workspace workspace : {Workspace::System, Workspace::Interface}) {
        const std::string path = recovery_copy_path(ctx_, workspace);
        if (path.empty()) return;
        if (!has_unsaved_changes(ctx_, workspace)) {
            remove(path);
            continue;
        }
        make_folder_path(utf8_path(native_path(path).parent_path()));
        const std::vector<std::string> lines = workspace == Workspace::System
                                                   ? ctx_.system.configuration_lines()
                                                   : ctx_.interface_workspace().configuration_lines();
        // A copy that cannot be written leaves the previous one; there is nobody to tell mid-edit.
        ctx_.platform.write_file(path, crlf_text(lines));
    }
}

void RecoveryCopies::remove_copies() {
    for (Workspace workspace : {Workspace::System, Workspace::Interface})
        remove(recovery_copy_path(ctx_, workspace));
}

void RecoveryCopies::offer_left_copies() {
    const std::string system = recovery_copy_path(ctx_, Workspace::System);
    const std::string interface = recovery_copy_path(ctx_, Workspace::Interface);
    if (!exists(system) && !exists(interface)) return;
    if (ctx_.platform.ask_user("Standwise did not close normally. Open the configurations it was working on?",
                               "Standwise", MessageStyle::YesNoQuestion) != Answer::Yes) {
        remove_copies();
        return;
    }
    if (exists(system)) {
        const TextLines file = ctx_.platform.read_lines(system);
        if (file.read() && load_system_configuration(ctx_.system, ctx_.started_model(), system, file.lines,
                                                     "Load System Configuration") != FreshLoad::Refused)
            ctx_.system.mark_new(kRecovered);
        ctx_.refresh_system();
    }
    if (exists(interface)) {
        frminterface& window = ctx_.interface_window();  // its workspace's changes are guarded from now on
        const TextLines file = ctx_.platform.read_lines(interface);
        if (file.read() &&
            load_interface_configuration(ctx_.interface_workspace(), ctx_.started_model(), interface,
                                         file.lines, "Load Interface Configuration") != FreshLoad::Refused)
            ctx_.interface_workspace().mark_new(kRecovered);
        window.refresh();
    }
}

}  // namespace standwise

#include "ui/open_configuration.h"

#include <QMimeData>
#include <QTabWidget>
#include <QUrl>
#include <filesystem>
#include <optional>

#include "files/interface_config.h"
#include "files/system_config.h"
#include "platform/native.h"
#include "platform/qt_paths.h"
#include "ui/app_context.h"
#include "ui/file_commands.h"
#include "ui/interface/frminterface.h"
#include "ui/recent_configurations.h"
#include "ui/system/frmmain.h"
#include "ui/widgets.h"
#include "workspace/project_summary.h"

namespace standwise {
namespace {

constexpr const char* kOpenCaption = "Open Configuration";

// The file as read, or nothing when it cannot be read: it is then named with the reason. The
// workspace loads these same lines, so the file is read once.
std::optional<TextLines> read_or_told(Platform& platform, const std::string& path) {
    TextLines file = platform.read_lines(path);
    if (file.read()) return file;
    platform.ask_user(unloadable_message(path, unread_reason(file, "configuration")), kOpenCaption,
                      MessageStyle::OkExclamation);
    return std::nullopt;
}

void load_in(AppContext& ctx, const std::string& path, const TextLines& file, Workspace workspace) {
    if (workspace == Workspace::Interface) {
        if (!workspace_shown(ctx, Workspace::Interface))
            show_workspace(ctx, Workspace::Interface, &ctx.main());
        frminterface& window = ctx.interface_window();
        window.open_configuration(path, file);
        window.SSTab1->setCurrentIndex(0);
    } else {
        if (workspace_shown(ctx, Workspace::Interface))
            show_workspace(ctx, Workspace::System, &ctx.interface_window());
        ctx.main().open_configuration(path, file);
    }
}

}  // namespace

void open_configuration_file(AppContext& ctx, const std::string& path, Workspace receiving) {
    const std::optional<TextLines> file = read_or_told(ctx.platform, path);
    if (!file) return;
    const std::string marker = file->lines.empty() ? std::string() : file->lines.front();
    Workspace workspace = receiving;
    if (marker == kSystemConfigMarker) workspace = Workspace::System;
    if (marker == kInterfaceConfigMarker) workspace = Workspace::Interface;
    load_in(ctx, path, *file, workspace);
}

void open_recent_configuration(AppContext& ctx, const std::string& path, Workspace workspace) {
    std::error_code ignored;
    if (!std::filesystem::exists(native_path(path), ignored)) {
        RecentConfigurations& recent =
            workspace == Workspace::Interface ? ctx.interface_window().recent() : ctx.main().recent();
        recent.remove(path);
        ctx.platform.ask_user("The file " + path + " no longer exists." + kCrLf +
                                  "It has been taken off the recent configurations.",
                              "Recent configurations", MessageStyle::OkExclamation);
        return;
    }
    if (const std::optional<TextLines> file = read_or_told(ctx.platform, path))
        load_in(ctx, path, *file, workspace);
}

void drop_configuration(AppContext& ctx, const QMimeData& data, Workspace receiving) {
    const QList<QUrl> urls = data.urls();
    const std::string path = urls.size() == 1 ? path_of(urls.front()) : std::string();
    if (!is_configuration(path)) {
        ctx.platform.ask_user("Drop one configuration file (*.cfg) here to load it.", kOpenCaption,
                              MessageStyle::OkInformation);
        return;
    }
    open_configuration_file(ctx, path, receiving);
}

}  // namespace standwise

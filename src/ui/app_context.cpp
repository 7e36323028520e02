#include "ui/app_context.h"

#include <QApplication>
#include <filesystem>

#include "platform/native.h"
#include "ui/accessibility.h"
#include "ui/interface/frminterface.h"
#include "ui/misc/frmabout.h"
#include "ui/misc/frmdevice_help.h"
#include "ui/misc/frmpicture.h"
#include "ui/system/frmloopx.h"
#include "ui/system/frmmain.h"
#include "ui/system/frmnewfront.h"
#include "ui/system/units/frmmxunits.h"

namespace standwise {
namespace {

// A window closed with its close box goes once the event that closed it is over.
void discard(std::unique_ptr<QWidget>& slot) {
    if (slot) slot.release()->deleteLater();
}

}  // namespace

AppContext::AppContext(Platform& platform) : platform(platform), system(platform), model(system.model) {
    install_accessibility();
}

// Windows go first, the interface windows before the system windows that open them; the
// workspaces and the platform outlive them all.
AppContext::~AppContext() {
    for (auto& unit : units_)
        unit.reset();
    interface_.reset();
    device_help_.reset();
    picture_.reset();
    about_.reset();
    loopx_.reset();
    newfront_.reset();
    main_.reset();
}

frmmain& AppContext::main() {
    return window<frmmain>(main_);
}
frmnewfront& AppContext::newfront() {
    return window<frmnewfront>(newfront_);
}
frmloopx& AppContext::loopx() {
    return window<frmloopx>(loopx_);
}
frmabout& AppContext::about() {
    return window<frmabout>(about_);
}
frmpicture& AppContext::picture() {
    return window<frmpicture>(picture_);
}
frmdevice_help& AppContext::device_help() {
    return window<frmdevice_help>(device_help_);
}
frminterface& AppContext::interface_window() {
    return window<frminterface>(interface_);
}

frmMXunits& AppContext::unit_window(UnitModel unit_model) {
    auto& slot = units_[static_cast<std::size_t>(unit_model)];
    if (!slot) slot = std::make_unique<frmMXunits>(*this, unit_model);
    return static_cast<frmMXunits&>(*slot);
}

void AppContext::discard_picture() {
    discard(picture_);
}
void AppContext::discard_device_help() {
    discard(device_help_);
}

void AppContext::started(const SystemModel& started_model) {
    started_ = started_model;
    system.start(started_);
    refresh_system();
}

InterfaceWorkspace& AppContext::interface_workspace() {
    if (!interface_workspace_) interface_workspace_ = std::make_unique<InterfaceWorkspace>(model, platform);
    return *interface_workspace_;
}

void AppContext::refresh_system() {
    if (main_) main().refresh();
    if (newfront_) newfront().refresh();
    if (loopx_) loopx().refresh();
    for (UnitModel unit_model : kUnitModels)
        if (has_unit_window(unit_model)) unit_window(unit_model).refresh();
}

void AppContext::refresh_interface() {
    if (interface_) interface_window().refresh();
}

std::string AppContext::folder_for(FileKind kind) {
    const std::string& last = last_folders_[static_cast<std::size_t>(kind)];
    if (!last.empty()) return last;
    switch (kind) {
        case FileKind::InterfaceConfiguration:
            return user_data_path(platform, "configurations");
        case FileKind::InterfaceReport:
            return user_data_path(platform, "interface_reports");
        case FileKind::Report:
            break;
    }
    return user_data_path(platform, "full_reports");
}

void AppContext::used_file(FileKind kind, const std::string& path) {
    const std::string folder = utf8_path(native_path(path).parent_path());
    if (!folder.empty()) last_folders_[static_cast<std::size_t>(kind)] = folder;
}

void AppContext::end_program() {
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

}  // namespace standwise

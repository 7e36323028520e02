#include "ui/app_context.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <filesystem>

#include "ui/accessibility.h"
#include "ui/system/frmloopx.h"
#include "ui/system/frmmain.h"
#include "ui/widgets.h"

namespace standwise {
namespace {

// A window closed with its close box goes once the event that closed it is over.
void discard(std::unique_ptr<QWidget>& slot) {
    if (slot) slot.release()->deleteLater();
}

}  // namespace

AppContext::AppContext(Platform& platform) : platform(platform) {
    install_accessibility();
}

// Windows go first, the interface windows before the system windows that open them; the model
// and the platform outlive them all.
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

void AppContext::discard_picture() {
    discard(picture_);
}
void AppContext::discard_device_help() {
    discard(device_help_);
}

CountValidation AppContext::validate_device_count(std::string_view text, int loop, int device_type) {
    CountValidation result = standwise::validate_device_count(model, platform, text, loop, device_type);
    if (result.loop) show_loop_result(*result.loop);
    return result;
}

LoopResult AppContext::calc_loop(int loop) {
    LoopResult result = standwise::calc_loop(model, platform, loop);
    show_loop_result(result);
    return result;
}

void AppContext::show_loop_result(const LoopResult& result) {
    main().show_loop_result(result);
    if (has_loopx()) loopx().show_loop_result(result);
}

void AppContext::calc_system_standby() {
    frmmain& window = main();
    const SystemResult result =
        standwise::calc_system_standby(model, platform, ss(window.txtma1->text()), ss(window.txtma2->text()),
                                       ss(window.cmbalarm_time->currentText()));
    window.show_system_result(result);
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
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (!folder.empty()) last_folders_[static_cast<std::size_t>(kind)] = folder;
}

void AppContext::end_program() {
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

}  // namespace standwise

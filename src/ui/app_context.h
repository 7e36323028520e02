// What every window reaches: the one system model, the platform services, the other windows
// (each created on first use and then only shown and hidden), and the calculation steps that
// several windows start and whose results more than one window shows.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "model/interface_model.h"
#include "model/system_model.h"
#include "platform/platform.h"
#include "workspace/interface_workspace.h"
#include "workspace/system_workspace.h"

class frmmain;
class frmnewfront;
class frmloopx;
class frmabout;
class frmpicture;
class frmdevice_help;
class frmMXunits;
class frminterface;

namespace standwise {

/// Kinds of file whose choosers open where a file of the kind was last used.
enum class FileKind { InterfaceConfiguration, InterfaceReport, Report };

class AppContext {
public:
    explicit AppContext(Platform& platform);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Platform& platform;
    /// The system workspace that the main, panel setup, loop and unit windows show.
    SystemWorkspace system;
    /// Its model, which start-up fills.
    SystemModel& model;

    /// Takes the model start-up filled: the system workspace starts from it, and so does the
    /// interface workspace when its window first opens.
    void started(const SystemModel& started_model);
    const SystemModel& started_model() const { return started_; }
    /// The interface workspace, made on first use.
    InterfaceWorkspace& interface_workspace();

    /// Shows in every system window what the system workspace now holds.
    void refresh_system();
    /// Shows in the interface window what the interface workspace now holds.
    void refresh_interface();

    // Windows, created hidden on first use.
    frmmain& main();
    frmnewfront& newfront();
    frmloopx& loopx();
    frmabout& about();
    frmpicture& picture();
    frmdevice_help& device_help();
    frmMXunits& unit_window(UnitModel unit_model);
    frminterface& interface_window();

    /// Whether a window has been created yet (the device library rebuilds the loop window's lists
    /// only when it exists).
    bool has_loopx() const { return loopx_ != nullptr; }
    bool has_interface_window() const { return interface_ != nullptr; }
    bool has_unit_window(UnitModel unit_model) const {
        return units_[static_cast<std::size_t>(unit_model)] != nullptr;
    }

    /// Discards a window closed with its close box; the next use creates it again.
    void discard_picture();
    void discard_device_help();

    /// Ends the program from either workspace: every window goes and the event loop stops.
    void end_program();

    /// The folder a chooser for this kind of file opens in: where one was last chosen, loaded or
    /// written during this run, else the kind's data folder below the user folder.
    std::string folder_for(FileKind kind);
    void used_file(FileKind kind, const std::string& path);

private:
    template <typename Window>
    Window& window(std::unique_ptr<QWidget>& slot);

    SystemModel started_;
    std::unique_ptr<InterfaceWorkspace> interface_workspace_;
    std::unique_ptr<QWidget> main_, newfront_, loopx_, about_, picture_, device_help_, interface_;
    std::array<std::unique_ptr<QWidget>, 3> units_;
    std::array<std::string, 3> last_folders_;
};

template <typename Window>
Window& AppContext::window(std::unique_ptr<QWidget>& slot) {
    if (!slot) slot = std::make_unique<Window>(*this);
    return static_cast<Window&>(*slot);
}

}  // namespace standwise

// What every window reaches: the one system model, the platform services, the other windows
// (each created on first use and then only shown and hidden), and the calculation steps that
// several windows start and whose results more than one window shows.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "calc/loop_calc.h"
#include "calc/system_calc.h"
#include "model/interface_model.h"
#include "model/system_model.h"
#include "platform/platform.h"

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

    SystemModel model;
    Platform& platform;

    // Windows, created hidden on first use. Each accessor is defined beside its window's class.
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

    /// Discards a window closed with its close box; the next use creates it again.
    void discard_picture();
    void discard_device_help();

    // Calculation steps with their results shown in every window that shows them.
    CountValidation validate_device_count(std::string_view text, int loop, int device_type);
    LoopResult calc_loop(int loop);
    void show_loop_result(const LoopResult& result);
    /// Runs the system calculation with the main window's master alarm and alarm-time fields.
    void calc_system_standby();

    /// Ends the program from either workspace: every window goes and the event loop stops.
    void end_program();

    /// The folder a chooser for this kind of file opens in: where one was last chosen, loaded or
    /// written during this run, else the kind's data folder below the user folder.
    std::string folder_for(FileKind kind);
    void used_file(FileKind kind, const std::string& path);

private:
    template <typename Window>
    Window& window(std::unique_ptr<QWidget>& slot);

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

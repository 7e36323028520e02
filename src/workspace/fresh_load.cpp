#include "workspace/fresh_load.h"

#include <sstream>

#include "platform/std_batch_platform.h"
#include "workspace/interface_workspace.h"
#include "workspace/system_workspace.h"

namespace standwise {
namespace {

// Where a scratch load's messages go: they concern a file not yet applied, so nobody sees them.
struct QuietPlatform {
    QuietPlatform() : platform({}, unused) { platform.echo = false; }
    std::ostringstream unused;
    BatchPlatform platform;
};

}  // namespace

bool user_loads_part(Platform& platform, const std::string& caption, const std::string& path,
                     const ReadStop& stop) {
    return platform.ask_user("The file " + path + " could not be read whole: reading stopped at line " +
                                 std::to_string(stop.line) + " (" + stop.reason +
                                 "). Load the part that could be read into a new configuration?",
                             caption, MessageStyle::YesNoQuestion) == Answer::Yes;
}

namespace {

// The file is read into a scratch workspace first, so one that cannot be read whole is asked about
// before anything changes; it is then applied onto the fresh start that `restart` makes.
template <typename Workspace, typename Restart>
FreshLoad fresh_load(Workspace& ws, const SystemModel& started, const std::string& path,
                     const std::vector<std::string>& lines, const std::string& caption, Restart restart) {
    ReadStop stop;
    ConfigReadStatus status = ConfigReadStatus::Complete;
    {
        QuietPlatform quiet;
        Workspace scratch(started, quiet.platform);
        status = scratch.load(lines, &stop);
    }
    if (status == ConfigReadStatus::NotAConfiguration) {
        // The refusal changes nothing and says so as any load of the file would.
        ws.load(lines);
        return FreshLoad::Refused;
    }
    if (status == ConfigReadStatus::Stopped && !user_loads_part(ws.platform, caption, path, stop))
        return FreshLoad::Declined;
    restart();
    std::vector<std::string> fresh = ws.configuration_lines();
    ws.load(lines);
    if (status != ConfigReadStatus::Complete) {
        ws.mark_new(std::move(fresh));
        return FreshLoad::Part;
    }
    ws.mark_saved(path);
    return FreshLoad::Whole;
}

}  // namespace

FreshLoad load_system_configuration(SystemWorkspace& ws, const SystemModel& started, const std::string& path,
                                    const std::vector<std::string>& lines, const std::string& caption) {
    return fresh_load(ws, started, path, lines, caption, [&] {
        // The tab shown stays the one the load leaves, as before: its standards warning then
        // concerns the file loaded, and the fresh start has none of its own.
        const int tab = ws.main.current_tab;
        ws.start(started);
        ws.main.current_tab = tab;
    });
}

FreshLoad load_interface_configuration(InterfaceWorkspace& ws, const SystemModel& started,
                                       const std::string& path, const std::vector<std::string>& lines,
                                       const std::string& caption) {
    return fresh_load(ws, started, path, lines, caption, [&] { ws.Form_Load(); });
}

ConfigLoad config_load(FreshLoad load) {
    ConfigLoad result;
    result.status = load == FreshLoad::Refused ? ConfigReadStatus::NotAConfiguration
                    : load == FreshLoad::Whole ? ConfigReadStatus::Complete
                                               : ConfigReadStatus::Stopped;
    result.declined = load == FreshLoad::Declined;
    return result;
}

}  // namespace standwise

// The start-up that the main window's load runs before it is first shown.
#pragma once

namespace standwise {

class AppContext;

enum class StartupMode {
    Windowed,  // the about box as a splash and the two-second pause
    Batch,     // nothing shown, no pause, no data folders made: the command-line reports
};

/// Makes the data folders (windowed only), shows the about box as a splash while the device library and the
/// reference tables are loaded, pauses two seconds, and sets up the main window with the default
/// panel. The main window is left for the caller to show.
void run_startup(AppContext& ctx, StartupMode mode = StartupMode::Windowed);

}  // namespace standwise

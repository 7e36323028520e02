// The start-up that the main window's load runs before it is first shown.
#pragma once

namespace standwise {

class AppContext;

/// Makes the data folders, shows the about box as a splash while the device library and the
/// reference tables are loaded, pauses two seconds, and sets up the system workspace with the
/// default panel. The main window is left for the caller to show.
void run_startup(AppContext& ctx);

}  // namespace standwise

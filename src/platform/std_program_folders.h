// Where a program started without the windowing toolkit finds its data and makes its folders, as
// the windowed program does: beside the executable, or in the installed layout with the user's
// application data folder.
#pragma once

#include "platform/std_data_folders.h"

namespace standwise {

/// The folder that holds the running executable.
std::string executable_folder();

/// The user's application data folder for the program: $XDG_DATA_HOME (or ~/.local/share)
/// /Ostrel/Standwise, or %APPDATA%\Ostrel\Standwise on Windows.
std::string application_data_folder();

/// The data folders of this run (see locate_data_folders).
DataFolders std_program_data_folders();

}  // namespace standwise

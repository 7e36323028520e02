// The command-line reports: for each configuration a fresh start of the windows (nothing shown),
// the menu's load, and the menu's report, written to a file or to standard output.
#pragma once

#include <ostream>
#include <string>

#include "cli/command_line.h"
#include "platform/std_data_folders.h"

namespace standwise {

/// Exit statuses of the command-line form.
inline constexpr int kBatchSuccess = 0;
inline constexpr int kBatchFileFailure = 1;
inline constexpr int kBatchUsageError = 2;

/// Writes the reports that `line` asks for (Action::Report). Messages that the windows would show
/// go to `err`, one line each; a report without -o goes to `out`. Returns the exit status.
int run_batch_reports(const CommandLine& line, const DataFolders& folders, std::ostream& out,
                      std::ostream& err);

}  // namespace standwise

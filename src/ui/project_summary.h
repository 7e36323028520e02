// The project summary: every configuration of a project in one table, as the command line writes
// it (--summary) and the main window shows it ("Project summary…").
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "files/summary_table.h"
#include "platform/std_data_folders.h"

namespace standwise {

class BatchSession;

/// Loads one configuration, system or interface as its first line says, after a fresh start, and
/// gives its row: the figures as its report shows them, or, for a file not read whole, the reason.
SummaryRow summarise(BatchSession& session, const std::string& path);

/// The rows of several configurations, loaded one after the other in one session; `progress` is
/// told each one done.
std::vector<SummaryRow> summarise_all(const std::vector<std::string>& paths, const DataFolders& folders,
                                      std::ostream& messages,
                                      const std::function<void(std::size_t done)>& progress = {});

/// "standwise --summary": the table to `-o` or standard output. Returns the exit status: 0 every
/// configuration read whole, 1 one was not (it still has its row) or the table was not written.
int run_summary(const CommandLine& line, const DataFolders& folders, std::ostream& out, std::ostream& err);

}  // namespace standwise

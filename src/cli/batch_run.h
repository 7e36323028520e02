// The command line's two batch forms over the workspaces, without any window: "--report" writes
// the reports that the menus write, "--summary" the project table.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "cli/command_line.h"
#include "platform/platform.h"
#include "platform/std_data_folders.h"

namespace standwise {

/// Writes a report as a PDF file; the reason when it could not. Only the windowed build has one.
using PdfWriter = std::function<std::optional<std::string>(const std::string& path, const ReportDocument&)>;

/// Writes the reports that `line` asks for (Action::Report). Messages that the windows would show
/// go to `err`, one line each; a report without -o goes to `out`. Returns the exit status.
int run_batch_reports(const CommandLine& line, const DataFolders& folders, std::ostream& out,
                      std::ostream& err, const PdfWriter& pdf = {});

/// "standwise --summary": the table to `-o` or standard output. Returns the exit status: 0 every
/// configuration read whole, 1 one was not (it still has its row) or the table was not written.
int run_summary(const CommandLine& line, const DataFolders& folders, std::ostream& out, std::ostream& err);

}  // namespace standwise

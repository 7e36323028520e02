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
/// go to `err`, one line each; a report without -o goes to `out`. Returns the exit status: 1 when a
/// report was not written or a loaded value was emptied by its field's check, else 3 when a figure
/// leaves out devices of a type without a definition, else 0.
int run_batch_reports(const CommandLine& line, const DataFolders& folders, std::ostream& out,
                      std::ostream& err, const PdfWriter& pdf = {});

/// "standwise --summary": the table to `-o` or standard output. Returns the exit status: 0 every
/// configuration read whole, 1 one was not (it still has its row), had a field emptied or the table
/// was not written, 3 a row's figures leave out devices of a type without a definition.
int run_summary(const CommandLine& line, const DataFolders& folders, std::ostream& out, std::ostream& err);

}  // namespace standwise

// What the command line does without any window: help, the version, usage errors and the batch
// forms. The windowed program and the toolkit-free one both start here.
#pragma once

#include <optional>

#include "cli/batch_run.h"
#include "cli/command_line.h"

namespace standwise {

/// Runs the form `line` asks for and returns its exit status; nothing for the windowed forms
/// (no arguments, or one configuration to open). `pdf` writes PDF reports where the build can.
std::optional<int> run_without_windows(const CommandLine& line, const PdfWriter& pdf = {});

}  // namespace standwise

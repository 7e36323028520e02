// The command line: without arguments the windows start; with one configuration they start and
// open it; "--report" writes the reports that the menus write, for configurations named on the
// command line, without showing anything; "--summary" writes one table of many configurations.
#pragma once

#include <string>
#include <vector>

#include "files/report_text.h"

namespace standwise {

/// Exit statuses of the command-line form.
inline constexpr int kBatchSuccess = 0;
inline constexpr int kBatchFileFailure = 1;
inline constexpr int kBatchUsageError = 2;
/// Everything written, but some figures leave out devices whose type has no device file.
inline constexpr int kBatchDevicesLeftOut = 3;

struct CommandLine {
    enum class Action { Windows, Open, Help, Version, Report, Summary, UsageError };
    Action action = Action::Windows;
    ReportKind kind = ReportKind::Full;
    bool has_output = false;
    bool unique_names = false;  // reports in a folder named after their paths, not their names alone
    bool pdf = false;           // the reports as PDF files, not text
    bool recursive = false;     // folders named contribute the configurations of their subfolders too
    bool text_table = false;    // --summary's figures as the shown texts ("0.087A"), not plain numbers
    std::string output;
    std::vector<std::string> configs;  // files and folders; for Open, the one configuration to open
    std::string error;                 // for UsageError
};

/// The arguments without the toolkit's own options ("-platform offscreen", "-style=fusion"), so
/// that they can be read before the toolkit starts: a usage error then needs no display.
std::vector<std::string> without_toolkit_options(const std::vector<std::string>& args);

/// Reads the arguments that follow the program name (the toolkit's own options already removed).
CommandLine parse_command_line(const std::vector<std::string>& args);

std::string usage_text();

}  // namespace standwise

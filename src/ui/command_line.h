// The command line: without arguments the windows start; "--report" writes the reports that the
// menus write, for configurations named on the command line, without showing anything.
#pragma once

#include <string>
#include <vector>

namespace standwise {

enum class ReportKind { Full, Short, Interface };

struct CommandLine {
    enum class Action { Windows, Help, Version, Report, UsageError };
    Action action = Action::Windows;
    ReportKind kind = ReportKind::Full;
    bool has_output = false;
    bool unique_names = false;  // reports in a folder named after their paths, not their names alone
    std::string output;
    std::vector<std::string> configs;
    std::string error;  // for UsageError
};

/// Whether the arguments ask for the command-line form (checked before the toolkit starts, so that
/// a batch run needs no display).
bool wants_batch(const std::vector<std::string>& args);

/// Reads the arguments that follow the program name (the toolkit's own options already removed).
CommandLine parse_command_line(const std::vector<std::string>& args);

std::string usage_text();

}  // namespace standwise

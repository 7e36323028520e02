// Standwise without its windows: the command line's reports and project table, for builds and
// machines that have no windowing toolkit.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/run_command_line.h"
#include "platform/native.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> args = standwise::utf8_arguments(argc, argv);
    const standwise::CommandLine line =
        standwise::parse_command_line(standwise::without_toolkit_options(args));
    if (std::optional<int> status = standwise::run_without_windows(line)) return *status;
    std::fputs(
        "standwise: this program has no windows; --report and --summary write without them (see --help)\n",
        stderr);
    return standwise::kBatchUsageError;
}

#include "cli/run_command_line.h"

#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdlib>
#endif

#include "cli/version_info.h"
#include "model/reference_tables.h"
#include "platform/std_program_folders.h"

namespace standwise {
namespace {

#ifdef _WIN32
// Messages and names are UTF-8; a console shows them in its own code page unless told, and gets its
// own back when the program ends. Output to a file or a pipe is bytes either way.
void speak_utf8_to_the_console() {
    static const UINT previous = ::GetConsoleOutputCP();
    if (previous != 0 && previous != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8))
        std::atexit([] { ::SetConsoleOutputCP(previous); });
}
#endif

}  // namespace

std::optional<int> run_without_windows(const CommandLine& line, const PdfWriter& pdf) {
    using Action = CommandLine::Action;
#ifdef _WIN32
    if (line.action != Action::Windows && line.action != Action::Open) speak_utf8_to_the_console();
#endif
    switch (line.action) {
        case Action::Help:
            std::cout << usage_text();
            return kBatchSuccess;
        case Action::Version:
            // The release first; then the about box's product line and the status bar's version.
            std::cout << "Standwise " << kRelease << "\n"
                      << product_line() << ", status bar " << kStatusVersion << "\n";
            return kBatchSuccess;
        case Action::UsageError:
            // One line that says what is wrong; the whole usage would bury it.
            std::cerr << "standwise: " << line.error << " (standwise --help for more)\n";
            return kBatchUsageError;
        case Action::Windows:
        case Action::Open:
            return std::nullopt;
        case Action::Report:
        case Action::Summary:
            break;
    }
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);  // the report's own CR LF, unchanged
#endif
    const DataFolders folders = std_program_data_folders();
    if (line.action == Action::Summary) return run_summary(line, folders, std::cout, std::cerr);
    return run_batch_reports(line, folders, std::cout, std::cerr, pdf);
}

}  // namespace standwise

#include "cli/run_command_line.h"

#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/version_info.h"
#include "model/reference_tables.h"
#include "platform/std_program_folders.h"

namespace standwise {

std::optional<int> run_without_windows(const CommandLine& line, const PdfWriter& pdf) {
    using Action = CommandLine::Action;
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

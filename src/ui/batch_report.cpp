#include "ui/batch_report.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "files/system_config.h"
#include "files/text_file.h"
#include "platform/std_batch_platform.h"
#include "ui/app_context.h"
#include "ui/interface/frminterface.h"
#include "ui/startup.h"
#include "ui/system/frmmain.h"

namespace standwise {
namespace {

namespace fs = std::filesystem;

// Loads one configuration exactly as the menu does and makes its report; empty when the file
// cannot be used (the reason already written to `err`).
std::optional<std::vector<std::string>> report_for(const std::string& config, ReportKind kind,
                                                   const std::string& program_folder, std::ostream& err) {
    BatchPlatform platform(program_folder, err);
    AppContext ctx(platform);
    run_startup(ctx, StartupMode::Batch);

    std::optional<ConfigReadStatus> status;
    if (kind == ReportKind::Interface)
        status = ctx.interface_window().load_configuration(config);
    else
        status = ctx.main().load_configuration(config);

    if (!status) {
        err << "standwise: " << config << ": the file cannot be opened for reading\n";
        return std::nullopt;
    }
    if (*status == ConfigReadStatus::NotAConfiguration) {
        err << "standwise: " << config << ": "
            << (kind == ReportKind::Interface ? "not an interface" : "not a system")
            << " configuration; no report written\n";
        return std::nullopt;
    }
    if (*status == ConfigReadStatus::Stopped) {
        // The menu would show what was read before the damaged field; a report handed to a client
        // must not silently leave part of a panel out.
        err << "standwise: " << config
            << ": the file ends early or holds a value that cannot be read; no report written\n";
        return std::nullopt;
    }
    switch (kind) {
        case ReportKind::Full:
            return ctx.main().full_report_lines();
        case ReportKind::Short:
            return ctx.main().short_report_lines();
        case ReportKind::Interface:
            break;
    }
    return ctx.interface_window().report_lines();
}

bool write_report(const std::string& path, const std::vector<std::string>& lines, std::ostream& err) {
    if (std::optional<std::string> failure = write_text_lines(path, lines)) {
        err << "standwise: " << path << ": the report cannot be written: " << *failure << "\n";
        return false;
    }
    return true;
}

}  // namespace

int run_batch_reports(const CommandLine& line, const std::string& program_folder, std::ostream& out,
                      std::ostream& err) {
    const bool into_folder = line.configs.size() > 1;
    if (into_folder) {
        std::error_code ec;
        fs::create_directories(line.output, ec);
        if (ec || !fs::is_directory(line.output)) {
            err << "standwise: " << line.output << ": the folder cannot be created"
                << (ec ? ": " + ec.message() : std::string()) << "\n";
            return kBatchFileFailure;
        }
    }
    int status = kBatchSuccess;
    for (const std::string& config : line.configs) {
        std::optional<std::vector<std::string>> lines = report_for(config, line.kind, program_folder, err);
        if (!lines) {
            status = kBatchFileFailure;
            continue;
        }
        bool written = true;
        if (into_folder) {
            fs::path target = fs::path(line.output) / fs::path(config).stem();
            target += ".txt";
            written = write_report(target.string(), *lines, err);
        } else if (line.has_output) {
            written = write_report(line.output, *lines, err);
        } else {
            for (const std::string& text : *lines)
                out << text << "\r\n";
            out.flush();
            written = static_cast<bool>(out);
        }
        if (!written) status = kBatchFileFailure;
    }
    return status;
}

}  // namespace standwise

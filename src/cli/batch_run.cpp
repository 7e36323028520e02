#include "cli/batch_run.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sstream>
#include <variant>
#include <vector>

#include "cli/batch_targets.h"
#include "files/interface_config.h"
#include "files/system_config.h"
#include "platform/file_io.h"
#include "platform/std_batch_platform.h"
#include "platform/text_files.h"
#include "workspace/interface_workspace.h"
#include "workspace/project_summary.h"
#include "workspace/startup.h"
#include "workspace/system_workspace.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace standwise {
namespace {

// Why a configuration gives no report, or nothing when it loaded whole.
std::optional<std::string> refusal(const TextLines& file, ConfigReadStatus status, bool interface) {
    if (!file.read()) return unread_reason(file, "configuration");
    if (status == ConfigReadStatus::NotAConfiguration)
        return interface ? "not an interface configuration" : "not a system configuration";
    // The menu would show what was read before the damaged field; a report handed to a client
    // must not silently leave part of a panel out.
    if (status == ConfigReadStatus::Stopped) return std::string(kConfigStoppedReason);
    return std::nullopt;
}

// What loading a configuration left out of its figures, though its report is written.
struct LeftOut {
    bool fields_emptied = false;
    bool devices = false;
};

// The status of a run: a failure outweighs figures that leave devices out.
int worse(int status, int other) {
    if (status == kBatchFileFailure || other == kBatchFileFailure) return kBatchFileFailure;
    return std::max(status, other);
}

// Loads one configuration exactly as the menu does after a fresh start and makes its report; empty
// when the file cannot be used (the reason already written to `err`).
std::optional<ReportDocument> report_for(const SystemModel& started, BatchPlatform& platform,
                                         const std::string& config, ReportKind kind, std::ostream& err,
                                         LeftOut& left_out) {
    const bool interface = kind == ReportKind::Interface;
    const TextLines file = platform.read_lines(config);
    std::optional<ReportDocument> report;
    std::optional<std::string> refused;
    if (interface) {
        InterfaceWorkspace ws(started, platform);
        const ConfigReadStatus status =
            file.read() ? ws.load(file.lines) : ConfigReadStatus::NotAConfiguration;
        refused = refusal(file, status, true);
        if (!refused) report = ws.report_document();
        left_out.fields_emptied = !ws.emptied_fields().empty();
    } else {
        SystemWorkspace ws(started, platform);
        const ConfigReadStatus status =
            file.read() ? ws.load(file.lines) : ConfigReadStatus::NotAConfiguration;
        refused = refusal(file, status, false);
        if (!refused)
            report = kind == ReportKind::Full ? ws.full_report_document() : ws.short_report_document();
        left_out.fields_emptied = !ws.emptied_fields().empty();
        left_out.devices = !ws.undefined_device_warnings().empty();
    }
    if (refused) err << "standwise: " << config << ": " << *refused << "; no report written\n";
    return report;
}

// The text file holds the report's lines alone; the PDF is the menu's "Export report as PDF".
bool write_report(Platform& platform, const std::string& path, const ReportDocument& report,
                  const PdfWriter& pdf, std::ostream& err) {
    if (std::optional<std::string> failure =
            pdf ? pdf(path, report) : platform.write_file(path, crlf_text(report.lines))) {
        err << "standwise: " << path << ": the report cannot be written: " << *failure << "\n";
        return false;
    }
    return true;
}

bool is_terminal(std::FILE* stream) {
#ifndef _WIN32
    return ::isatty(::fileno(stream)) == 1;
#else
    (void)stream;
    return false;
#endif
}

// The configurations the files and folders of the command line name; none after a usage error,
// written to `err`.
std::optional<std::vector<NamedConfig>> configurations_of(const CommandLine& line, std::ostream& err) {
    auto named = configurations_named(line.configs, line.recursive);
    if (const std::string* problem = std::get_if<std::string>(&named)) {
        err << "standwise: " << *problem << "\n";
        return std::nullopt;
    }
    return std::get<std::vector<NamedConfig>>(std::move(named));
}

std::vector<std::string> paths_of(const std::vector<NamedConfig>& configs) {
    std::vector<std::string> paths;
    for (const NamedConfig& config : configs)
        paths.push_back(config.path);
    return paths;
}

}  // namespace

int run_batch_reports(const CommandLine& line, const DataFolders& folders, std::ostream& out,
                      std::ostream& err, const PdfWriter& pdf) {
    if (line.pdf && !pdf) {
        err << "standwise: --pdf needs the windowed program; this one writes text reports only\n";
        return kBatchUsageError;
    }
    const std::optional<std::vector<NamedConfig>> configs = configurations_of(line, err);
    if (!configs) return kBatchUsageError;
    std::variant<ReportPlan, std::string> planned = plan_reports(
        paths_of(*configs), line.has_output, line.output, line.unique_names, line.pdf ? ".pdf" : ".txt");
    if (const std::string* problem = std::get_if<std::string>(&planned)) {
        err << "standwise: " << *problem << "\n";
        return kBatchUsageError;
    }
    const ReportPlan& plan = std::get<ReportPlan>(planned);
    if (!plan.folder.empty()) {
        if (std::optional<std::string> failure = make_folder_path(plan.folder)) {
            err << "standwise: " << plan.folder << ": the folder cannot be created: " << *failure << "\n";
            return kBatchFileFailure;
        }
    }
    int status = kBatchSuccess;
    // Each configuration's messages go out together once it is worked out, in one write: standard
    // error is unbuffered, and a thousand configurations' warnings written word by word cost more
    // than the reports themselves.
    std::ostringstream messages;
    auto pass_on = [&] {
        err << messages.str();
        messages.str({});
    };
    BatchPlatform platform(folders, messages);
    const SystemModel started = start_model(platform);
    pass_on();
    for (const ReportTarget& target : plan.targets) {
        LeftOut left_out;
        std::optional<ReportDocument> report =
            report_for(started, platform, target.config, line.kind, messages, left_out);
        pass_on();
        if (!report) {
            status = kBatchFileFailure;
            continue;
        }
        // The report is written with the emptied field empty, as the windows would show it.
        if (left_out.fields_emptied) status = kBatchFileFailure;
        if (left_out.devices) status = worse(status, kBatchDevicesLeftOut);
        bool written = true;
        if (!target.output.empty()) {
            written = write_report(platform, target.output, *report, line.pdf ? pdf : PdfWriter{}, messages);
            pass_on();
        } else {
            errno = 0;
            out << crlf_text(report->lines) << std::flush;
            written = static_cast<bool>(out);
            if (!written)
                err << "standwise: the report cannot be written to standard output: "
                    << (errno != 0 ? std::strerror(errno) : "the stream refused it") << "\n";
        }
        if (!written) status = kBatchFileFailure;
    }
    // The run counts as done only once every report is on disk.
    if (std::optional<std::string> failure = platform.flush_writes()) {
        err << "standwise: the reports cannot be flushed to disk: " << *failure << "\n";
        status = kBatchFileFailure;
    }
    return status;
}

int run_summary(const CommandLine& line, const DataFolders& folders, std::ostream& out, std::ostream& err) {
    const std::optional<std::vector<NamedConfig>> configs = configurations_of(line, err);
    if (!configs) return kBatchUsageError;
    const std::vector<std::string> paths = paths_of(*configs);
    if (line.has_output) {
        for (const std::string& config : paths) {
            if (same_file(line.output, config)) {
                err << "standwise: the table " << line.output << " would replace the configuration " << config
                    << "\n";
                return kBatchUsageError;
            }
        }
    }
    // A long run on a terminal says how far it has got, on one line rewritten in place.
    const bool show_progress = paths.size() > 20 && is_terminal(stderr);
    const std::size_t total = paths.size();
    std::vector<SummaryRow> rows = summarise_all(paths, folders, err, [&](std::size_t done) {
        if (show_progress)
            err << "\rstandwise: " << done << " of " << total << " configurations" << std::flush;
    });
    if (show_progress) err << "\n";
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].file = (*configs)[i].name;

    int status = kBatchSuccess;
    for (const SummaryRow& row : rows) {
        if (row.complete && !row.fields_emptied && !row.devices_left_out) continue;
        err << "standwise: " << row.path << ": " << row.warnings << "\n";
        status =
            worse(status, row.devices_left_out && row.complete && !row.fields_emptied ? kBatchDevicesLeftOut
                                                                                      : kBatchFileFailure);
    }
    const std::string csv = line.text_table ? summary_text_csv(rows) : summary_csv(rows);
    if (!line.has_output) {
        errno = 0;
        out << csv << std::flush;
        if (out) return status;
        err << "standwise: the table cannot be written to standard output: "
            << (errno != 0 ? std::strerror(errno) : "the stream refused it") << "\n";
        return kBatchFileFailure;
    }
    if (std::optional<std::string> failure = write_file_atomically(line.output, csv)) {
        err << "standwise: " << line.output << ": the table cannot be written: " << *failure << "\n";
        return kBatchFileFailure;
    }
    return status;
}

}  // namespace standwise

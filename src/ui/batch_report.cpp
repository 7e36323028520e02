#include "ui/batch_report.h"

#include <optional>
#include <variant>
#include <vector>

#include "cli/batch_targets.h"
#include "files/system_config.h"
#include "platform/std_data_folders.h"
#include "platform/text_files.h"
#include "ui/batch_session.h"
#include "ui/interface/frminterface.h"
#include "ui/open_configuration.h"
#include "ui/report_output.h"
#include "ui/system/frmmain.h"

namespace standwise {
namespace {

// Loads one configuration exactly as the menu does after a fresh start and makes its report; empty
// when the file cannot be used (the reason already written to `err`).
std::optional<ReportDocument> report_for(BatchSession& session, const std::string& config, ReportKind kind,
                                         std::ostream& err) {
    const bool interface = kind == ReportKind::Interface;
    const ConfigLoad load = session.load(config, interface ? Workspace::Interface : Workspace::System);
    if (!load.file_read()) {
        err << "standwise: " << config << ": " << load.file_problem << "; no report written\n";
        return std::nullopt;
    }
    if (load.status == ConfigReadStatus::NotAConfiguration) {
        err << "standwise: " << config << ": " << (interface ? "not an interface" : "not a system")
            << " configuration; no report written\n";
        return std::nullopt;
    }
    if (load.status == ConfigReadStatus::Stopped) {
        // The menu would show what was read before the damaged field; a report handed to a client
        // must not silently leave part of a panel out.
        err << "standwise: " << config << ": " << kConfigStoppedReason << "; no report written\n";
        return std::nullopt;
    }
    AppContext& ctx = session.context();
    switch (kind) {
        case ReportKind::Full:
            return ctx.main().full_report_document();
        case ReportKind::Short:
            return ctx.main().short_report_document();
        case ReportKind::Interface:
            break;
    }
    return ctx.interface_window().report_document();
}

// The text file holds the report's lines alone; the PDF is the menu's "Export report as PDF".
bool write_report(const std::string& path, const ReportDocument& report, bool pdf, std::ostream& err) {
    if (std::optional<std::string> failure =
            pdf ? write_pdf(path, report) : write_text_lines(path, report.lines)) {
        err << "standwise: " << path << ": the report cannot be written: " << *failure << "\n";
        return false;
    }
    return true;
}

}  // namespace

int run_batch_reports(const CommandLine& line, const DataFolders& folders, std::ostream& out,
                      std::ostream& err) {
    std::variant<ReportPlan, std::string> planned = plan_reports(
        line.configs, line.has_output, line.output, line.unique_names, line.pdf ? ".pdf" : ".txt");
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
    BatchSession session(folders, err);
    for (const ReportTarget& target : plan.targets) {
        std::optional<ReportDocument> report = report_for(session, target.config, line.kind, err);
        if (!report) {
            status = kBatchFileFailure;
            continue;
        }
        bool written = true;
        if (!target.output.empty()) {
            written = write_report(target.output, *report, line.pdf, err);
        } else {
            out << crlf_text(report->lines) << std::flush;
            written = static_cast<bool>(out);
        }
        if (!written) status = kBatchFileFailure;
    }
    return status;
}

}  // namespace standwise

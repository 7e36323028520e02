#include "ui/project_summary.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "calc/battery_choice.h"
#include "cli/batch_targets.h"
#include "files/interface_config.h"
#include "files/system_config.h"
#include "platform/file_io.h"
#include "platform/text_files.h"
#include "ui/batch_report.h"
#include "ui/batch_session.h"
#include "ui/interface/frminterface.h"
#include "ui/open_configuration.h"
#include "ui/system/frmmain.h"
#include "ui/widgets.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace standwise {
namespace {

void fill_batteries(SummaryRow& row, const BatterySelection& selection) {
    auto fit = [](const BatteryVerdict& v) { return v.fit_ah ? battery_size_text(*v.fit_ah) : v.fit_text; };
    row.fit_24h = fit(selection.for_24h);
    row.fit_72h = fit(selection.for_72h);
    row.verdict_24h = selection.for_24h.verdict_text;
    row.verdict_72h = selection.for_72h.verdict_text;
    row.marked = row.marked || !selection.for_24h.covers || !selection.for_72h.covers;
}

void fill_system(SummaryRow& row, AppContext& ctx) {
    const frmmain& main = ctx.main();
    row.site = ss(main.txtsite->text());
    row.site_id = ss(main.txtsiteid->text());
    row.system_type = ctx.model.panel().name;
    row.psu = ctx.model.psu().name;
    row.quiescent = ss(main.lblsystem_total_q->text());
    row.alarm = ss(main.lblsystem_total_a->text());
    row.standby = ss(main.lblstandby->text());
    row.capacity_24h = ss(main.lbl24hr_standby->text());
    row.capacity_72h = ss(main.lbl72hr_standby->text());
    fill_batteries(row, main.shown_result().batteries);
}

void fill_interface(SummaryRow& row, AppContext& ctx) {
    const frminterface& window = ctx.interface_window();
    row.site = ss(window.txtlabel->text());
    row.site_id = ss(window.cmbaddress->currentText());
    row.quiescent = ss(window.lblinterface_q->text());
    row.alarm = ss(window.lblinterface_a->text());
    row.standby = ss(window.lblstandby->text());
    row.capacity_24h = ss(window.lbl24hr_standby->text());
    row.capacity_72h = ss(window.lbl72hr_standby->text());
    fill_batteries(row, window.shown_result().batteries);
}

// Each warning once, in the order first shown.
std::string joined_warnings(const std::vector<std::string>& shown) {
    std::vector<std::string> once;
    for (const std::string& line : shown)
        if (std::find(once.begin(), once.end(), line) == once.end()) once.push_back(line);
    std::string text;
    for (const std::string& line : once)
        text += (text.empty() ? "" : " | ") + line;
    return text;
}

bool is_terminal(std::FILE* stream) {
#ifndef _WIN32
    return ::isatty(::fileno(stream)) == 1;
#else
    (void)stream;
    return false;
#endif
}

}  // namespace

SummaryRow summarise(BatchSession& session, const std::string& path) {
    SummaryRow row;
    row.file = path;
    row.marked = true;
    const TextLines file = session.platform().read_lines(path);
    if (!file.read()) {
        row.warnings = unread_reason(file, "configuration");
        return row;
    }
    const std::string marker = file.lines.empty() ? std::string() : file.lines.front();
    if (marker != kSystemConfigMarker && marker != kInterfaceConfigMarker) {
        row.warnings = "not a system or interface configuration";
        return row;
    }
    const bool interface = marker == kInterfaceConfigMarker;
    row.kind = interface ? "Interface" : "System";
    // The lines already read are loaded, so the file is read once.
    const ConfigLoad load = session.load(file, interface ? Workspace::Interface : Workspace::System);
    if (load.status != ConfigReadStatus::Complete) {
        row.warnings = kConfigStoppedReason;
        return row;
    }
    row.complete = true;
    row.warnings = joined_warnings(session.platform().shown);
    row.marked = !row.warnings.empty();
    if (interface)
        fill_interface(row, session.context());
    else
        fill_system(row, session.context());
    return row;
}

std::vector<SummaryRow> summarise_all(const std::vector<std::string>& paths, const DataFolders& folders,
                                      std::ostream& messages,
                                      const std::function<void(std::size_t done)>& progress) {
    BatchSession session(folders, messages);
    // Start-up's messages concern every row and are written once; a load's go into its row.
    session.platform().echo = false;
    std::vector<SummaryRow> rows;
    rows.reserve(paths.size());
    for (const std::string& path : paths) {
        rows.push_back(summarise(session, path));
        if (progress) progress(rows.size());
    }
    return rows;
}

int run_summary(const CommandLine& line, const DataFolders& folders, std::ostream& out, std::ostream& err) {
    if (line.has_output) {
        for (const std::string& config : line.configs) {
            if (same_file(line.output, config)) {
                err << "standwise: the table " << line.output << " would replace the configuration " << config
                    << "\n";
                return kBatchUsageError;
            }
        }
    }
    // A long run on a terminal says how far it has got, on one line rewritten in place.
    const bool show_progress = line.configs.size() > 20 && is_terminal(stderr);
    const std::size_t total = line.configs.size();
    const std::vector<SummaryRow> rows = summarise_all(line.configs, folders, err, [&](std::size_t done) {
        if (show_progress)
            err << "\rstandwise: " << done << " of " << total << " configurations" << std::flush;
    });
    if (show_progress) err << "\n";

    int status = kBatchSuccess;
    for (const SummaryRow& row : rows) {
        if (row.complete) continue;
        err << "standwise: " << row.file << ": " << row.warnings << "\n";
        status = kBatchFileFailure;
    }
    const std::string csv = summary_csv(rows);
    if (!line.has_output) {
        out << csv << std::flush;
        return out ? status : kBatchFileFailure;
    }
    if (std::optional<std::string> failure = write_file_atomically(line.output, csv)) {
        err << "standwise: " << line.output << ": the table cannot be written: " << *failure << "\n";
        return kBatchFileFailure;
    }
    return status;
}

}  // namespace standwise

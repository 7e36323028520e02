#include "workspace/project_summary.h"

#include <algorithm>

#include "calc/battery_choice.h"
#include "files/interface_config.h"
#include "files/system_config.h"
#include "platform/std_batch_platform.h"
#include "workspace/interface_workspace.h"
#include "workspace/startup.h"
#include "workspace/system_workspace.h"

namespace standwise {
namespace {

// A design over a limit is marked as a battery that does not cover is.
void mark_design(SummaryRow& row, const DesignCheck& check) {
    row.design_check = check.text();
    row.marked = row.marked || !check.met();
}

void fill_batteries(SummaryRow& row, const BatterySelection& selection) {
    auto fit = [](const BatteryVerdict& v) { return v.fit_ah ? battery_size_text(*v.fit_ah) : v.fit_text; };
    row.fit_24h = fit(selection.for_24h);
    row.fit_72h = fit(selection.for_72h);
    row.verdict_24h = selection.for_24h.verdict_text;
    row.verdict_72h = selection.for_72h.verdict_text;
    // Only a verdict that was given (green or red) says yes or no.
    auto covers = [](const BatteryVerdict& v) {
        return v.verdict_colour == Colour::ButtonFace ? std::nullopt : std::optional<bool>(v.covers);
    };
    row.covers_24h = covers(selection.for_24h);
    row.covers_72h = covers(selection.for_72h);
    row.marked = row.marked || !selection.for_24h.covers || !selection.for_72h.covers;
}

void fill_system(SummaryRow& row, const SystemWorkspace& ws) {
    row.site = ws.site;
    row.site_id = ws.site_id;
    row.system_type = ws.model.panel().name;
    row.psu = ws.model.psu().name;
    row.quiescent = ws.main.system_total_q;
    row.alarm = ws.main.system_total_a;
    row.standby = ws.main.standby;
    row.capacity_24h = ws.main.capacity_24h;
    row.capacity_72h = ws.main.capacity_72h;
    fill_batteries(row, ws.main.result ? ws.main.result->batteries : BatterySelection{});
    mark_design(row, ws.design_check());
}

void fill_interface(SummaryRow& row, const InterfaceWorkspace& ws) {
    row.site = ws.setup.label;
    row.address = ws.address_text();
    row.quiescent = ws.view.quiescent;
    row.alarm = ws.view.alarm;
    row.standby = ws.view.standby;
    row.capacity_24h = ws.view.capacity_24h;
    row.capacity_72h = ws.view.capacity_72h;
    fill_batteries(row, ws.view.result.batteries);
    mark_design(row, ws.design_check());
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

}  // namespace

bool is_configuration(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".cfg";
}

std::vector<std::string> marking_reasons(const SummaryRow& row) {
    if (!row.complete) return {"Not read whole: " + row.warnings};
    std::vector<std::string> reasons;
    if (!row.warnings.empty()) reasons.push_back("Warnings: " + row.warnings);
    for (const auto& [covers, period] :
         {std::pair{row.covers_24h, "24hr"}, std::pair{row.covers_72h, "72hr"}}) {
        if (!covers)
            reasons.push_back(std::string("No battery can give ") + period + " standby");
        else if (!*covers)
            reasons.push_back(std::string("The standard battery does not cover ") + period + " standby");
    }
    return reasons;
}

SummaryRow summarise(const SystemModel& started, BatchPlatform& platform, const std::string& path) {
    SummaryRow row;
    row.path = row.file = path;
    row.marked = true;
    const TextLines file = platform.read_lines(path);
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
    // Only the messages of this configuration's load go into its row.
    auto loaded = [&](ConfigReadStatus status) {
        if (status != ConfigReadStatus::Complete) {
            row.warnings = kConfigStoppedReason;
            return false;
        }
        row.complete = true;
        row.warnings = joined_warnings(platform.shown);
        row.marked = !row.warnings.empty();
        return true;
    };
    if (interface) {
        InterfaceWorkspace ws(started, platform);
        platform.shown.clear();
        if (loaded(ws.load(file.lines))) fill_interface(row, ws);
        row.fields_emptied = !ws.emptied_fields().empty();
    } else {
        SystemWorkspace ws(started, platform);
        platform.shown.clear();
        if (loaded(ws.load(file.lines))) fill_system(row, ws);
        row.fields_emptied = !ws.emptied_fields().empty();
        row.devices_left_out = !ws.undefined_device_warnings().empty();
    }
    return row;
}

std::vector<SummaryRow> summarise_all(const std::vector<std::string>& paths, const DataFolders& folders,
                                      std::ostream& messages,
                                      const std::function<void(std::size_t done)>& progress,
                                      const std::atomic<bool>* cancel) {
    BatchPlatform platform(folders, messages);
    const SystemModel started = start_model(platform);
    // Start-up's messages concern every row and are written once; a load's go into its row.
    platform.echo = false;
    std::vector<SummaryRow> rows;
    rows.reserve(paths.size());
    for (const std::string& path : paths) {
        if (cancel != nullptr && cancel->load()) break;
        rows.push_back(summarise(started, platform, path));
        if (progress) progress(rows.size());
    }
    return rows;
}

std::vector<std::string> configurations_in(Platform& platform, const std::string& folder) {
    std::vector<std::string> paths;
    if (auto entries = platform.list_folder(folder))
        for (const FolderEntry& entry : *entries)
            if (is_configuration(entry.name)) paths.push_back(entry.path);
    return paths;
}

}  // namespace standwise

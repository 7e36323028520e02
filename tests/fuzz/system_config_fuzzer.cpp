// Bytes as a system configuration file, loaded as "Load configuration" loads it after start-up with
// the shipped device library; the reports follow, and what was loaded is saved and must read back
// complete and unchanged.
#include <cstddef>
#include <cstdint>
#include <memory>

#include <iostream>
#include "fuzz_support.h"
#include "model/reference_tables.h"

#include "platform/std_batch_platform.h"
#include "workspace/entry_field.h"
#include "workspace/system_workspace.h"

namespace standwise::fuzz {
namespace {

// The model after start-up: tables and the shipped devices, read once.
const SystemModel& started_up() {
    static const SystemModel model = [] {
        SystemModel m;
        BatchPlatform platform(DataFolders{STANDWISE_SOURCE_DIR, {}}, std::cerr);
        init_reference_tables(m, platform);
        return m;
    }();
    return model;
}

// Loads lines over a fresh start with the default panel, as the program starts.
ConfigReadStatus load(const std::vector<std::string>& lines, SystemModel& model, SystemStandIn& panel,
                      Platform& platform) {
    model = started_up();
    panel.select_system_type(5);
    panel.select_psu_option(1);
    panel.end_slots();
    return read_system_configuration(lines, model, panel, platform);
}

// The workspace loads the same file: a master alarm load or a text that the file gave and that did
// not survive its field's check must have been reported, never lost in silence.
void check_emptied_fields_are_reported(const std::vector<std::string>& lines, const SystemWindowFields& given,
                                       Platform& platform) {
    SystemWorkspace ws(started_up(), platform);
    ws.load(lines);
    auto check = [&](const std::string& text, const std::string& kept, const std::string& field) {
        if (text.empty() || text.size() > kEntryFieldLength || text == kept) return;
        bool named = false;
        for (const std::string& message : ws.emptied_fields())
            named = named || message.rfind(field + ": ", 0) == 0;
        require(named, "a value emptied on loading is reported");
    };
    check(given.master_alarm_1, ws.master_alarm_1, "Master alarm circuit 1");
    check(given.master_alarm_2, ws.master_alarm_2, "Master alarm circuit 2");
    check(given.site, ws.site, "Site");
    check(given.site_id, ws.site_id, "Site ID");
    check(given.date, ws.main.date, "Date");
}

}  // namespace
}  // namespace standwise::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace standwise;
    using namespace standwise::fuzz;
    const TextLines file = lines_of(data, size);
    if (!file.read()) return 0;
    QuietPlatform platform;
    auto model = std::make_unique<SystemModel>();
    SystemStandIn panel(*model, platform);
    if (load(file.lines, *model, panel, platform) == ConfigReadStatus::NotAConfiguration) return 0;

    const DateTime when = platform.now();
    require(!full_report_lines(*model, panel.shown(), when).empty(), "the full report is written");
    require(!short_report_lines(*model, panel.shown(), when).empty(), "the short report is written");

    const std::vector<std::string> saved = system_configuration_lines(*model, panel.fields);
    auto again = std::make_unique<SystemModel>();
    SystemStandIn reloaded(*again, platform);
    require(load(saved, *again, reloaded, platform) == ConfigReadStatus::Complete,
            "a saved configuration reads back complete");
    require(system_configuration_lines(*again, reloaded.fields) == saved,
            "a saved configuration reads back unchanged");
    check_emptied_fields_are_reported(file.lines, panel.fields, platform);
    return 0;
}

// Bytes as an interface configuration file, loaded as "Load interface" loads it; the standby figures
// and the report follow, and what was loaded is saved and must read back complete and unchanged.
#include <cstddef>
#include <cstdint>

#include "files/interface_report.h"
#include "fuzz_support.h"
#include "workspace/entry_field.h"
#include "workspace/interface_workspace.h"

namespace standwise::fuzz {
namespace {

// Whether one of the messages is about the field.
bool names_field(const std::vector<std::string>& messages, const std::string& field) {
    for (const std::string& message : messages)
        if (message.rfind(field + ": ", 0) == 0) return true;
    return false;
}

// The workspace loads the same file: a current that the file gave and that did not survive its
// field's check must have been reported, never lost in silence.
void check_emptied_fields_are_reported(const std::vector<std::string>& lines, Platform& platform) {
    SystemModel tables;
    tables.alarm_times = {"30", "60", "90", "120", ""};
    InterfaceWorkspace ws(tables, platform);
    if (ws.load(lines) != ConfigReadStatus::Complete) return;
    auto check = [&](std::size_t line, const std::string& kept, const std::string& field) {
        const std::string given = config_text_field(lines[line]);
        if (given.empty() || given.size() > kEntryFieldLength || given == kept) return;
        require(names_field(ws.emptied_fields(), field), "a value emptied on loading is reported");
    };
    for (int n = 1; n <= 4; ++n) {
        const std::size_t base = 3 + 5 * static_cast<std::size_t>(n - 1);
        const InterfaceChannel& channel = ws.setup.channels[n];
        check(base + 3, channel.sector_current, "Sector " + std::to_string(n));
        check(base + 4, channel.zone_current, "Zone " + std::to_string(n));
    }
    check(23, ws.setup.aux_current, "Auxilliary supply");
    check(2, ws.setup.label, "Interface label");
}

}  // namespace
}  // namespace standwise::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace standwise;
    using namespace standwise::fuzz;
    const TextLines file = lines_of(data, size);
    if (!file.read()) return 0;
    QuietPlatform platform;
    InterfaceStandIn window;
    if (read_interface_configuration(file.lines, window, platform) == ConfigReadStatus::NotAConfiguration)
        return 0;

    static const char* const kAlarmTimes[] = {"30", "60", "90", "120"};
    const std::string alarm_time = kAlarmTimes[window.setup.alarm_time_index];
    const InterfaceResult result = calc_interface_standby(window.setup, alarm_time, kShippedBatterySizes);
    const InterfaceReportInputs shown{alarm_time, result.standby.standby_text, "with 2.1Ah",
                                      result.standby.capacity_24h_text, result.standby.capacity_72h_text};
    const std::vector<std::string> report =
        interface_report_lines(window.setup, result, shown, platform.now());
    require(report.size() == 55 || report.size() == 56, "the report has its 55 or 56 lines");

    const std::vector<std::string> saved = interface_configuration_lines(window.setup);
    InterfaceStandIn reloaded;
    require(read_interface_configuration(saved, reloaded, platform) == ConfigReadStatus::Complete,
            "a saved configuration reads back complete");
    require(interface_configuration_lines(reloaded.setup) == saved,
            "a saved configuration reads back unchanged");
    check_emptied_fields_are_reported(file.lines, platform);
    return 0;
}

// Bytes as an interface configuration file, loaded as "Load interface" loads it; the standby figures
// and the report follow, and what was loaded is saved and must read back complete and unchanged.
#include <cstddef>
#include <cstdint>

#include "files/interface_report.h"
#include "fuzz_support.h"

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
    return 0;
}

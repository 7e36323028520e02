// Bytes as one file of the devices folder, read as the program reads it at start-up; then every
// device type it defines goes on a loop as often as allowed, with the most units and channels of an
// interface model, through the loop, system and report calculations.
#include <cstddef>
#include <cstdint>

#include "calc/unit_sums.h"
#include "fuzz_support.h"
#include "model/device_library.h"
#include "model/numbers.h"
#include "model/reference_tables.h"

namespace standwise::fuzz {
namespace {

// A figure as a window or report shows it: never a runaway number of digits.
void require_figure(const std::string& text) {
    require(text.size() <= 24, "a figure fits its read-out");
}

void check_library(SystemModel& model, QuietPlatform& platform) {
    SystemStandIn panel(model, platform);
    panel.select_system_type(1);  // R220: every slot fitted
    panel.select_psu_option(0);   // the legacy PSU's factor table on top
    for (int slot = 1; slot <= kLoops; ++slot)
        model.panel().slots[slot] = kSmtLoop;
    panel.panel_changed();

    for (int type = kFirstDevice; type <= kLastDevice; ++type) {
        if (model.device_name[type].empty() && model.device_loop_max[type] == 0) continue;
        const int loop = 1 + type % kLoops;
        const std::int16_t most = model.device_loop_max[type];
        for (int count : {most + 1, static_cast<int>(most)}) {
            CountValidation checked =
                validate_device_count(model, platform, std::to_string(count), loop, type);
            if (checked.loop) panel.show(*checked.loop);
        }
        const DeviceCurrents& c = model.device_currents[type];
        for (double value :
             {c.quiescent_current * 1000, c.alarm_current * 1000, c.quiescent_units, c.alarm_units})
            require_figure(str_number(value));
    }
    for (UnitModel unit_model : kUnitModels) {
        UnitLoopRecord& record = model.units_of(unit_model)[1];
        record.unit_count = max_units_per_loop(model, unit_model);
        for (int u = 1; u <= record.unit_count; ++u)
            record.units[u] = {4, 1, 4, 4};
        calcConsumptions(model, unit_model, 1);
    }
    panel.show(calc_loop(model, platform, 1));
    panel.set_master_alarm_1("400");
    panel.finish();

    const SystemReportInputs shown = panel.shown();
    for (const std::string& figure :
         {shown.loops_total_q, shown.loops_total_a, shown.system_total_q, shown.system_total_a, shown.standby,
          shown.capacity_24h, shown.capacity_72h})
        require_figure(figure);
    for (int loop = 1; loop <= kLoops; ++loop)
        for (const std::string& figure : {shown.loops[loop].current_s, shown.loops[loop].current_a})
            require_figure(figure);
    const DateTime when = platform.now();
    require(!full_report_lines(model, shown, when).empty() && !short_report_lines(model, shown, when).empty(),
            "reports are written");
}

}  // namespace
}  // namespace standwise::fuzz

// The first byte chooses the file's name: an ordinary device or one of the three interface units.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace standwise;
    if (size == 0) return 0;
    static const char* const kNames[] = {"01 device.txt", "75 Q7-MX210 unit.txt", "76 Q7-MX220 unit.txt",
                                         "77 Q7-MX240 unit.txt"};
    fuzz::QuietPlatform platform(kNames[data[0] % 4], fuzz::lines_of(data + 1, size - 1));
    static SystemModel fresh;
    SystemModel model = fresh;
    const DeviceLibraryReport report = init_reference_tables(model, platform);
    report_device_library(report, platform);
    fuzz::check_library(model, platform);
    return 0;
}

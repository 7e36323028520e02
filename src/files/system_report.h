// The full and short system reports, built from the model and the captions the main window shows.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "files/report_text.h"
#include "model/system_model.h"
#include "platform/platform.h"

namespace standwise {

/// The captions of one loop tab.
struct LoopCaptions {
    std::string total_devices;   // lbltotal_devices
    std::string current_s;       // lblcurrent_s
    std::string current_a;       // lblcurrent_a
    std::string loop_curr;       // lblloop_curr
    bool loop_curr_red = false;  // the loop is overloaded
};

/// What the main window shows, as shown; never-calculated fields are empty.
struct SystemReportInputs {
    std::string site, site_id;
    std::string master_alarm_1, master_alarm_2;  // mA as typed
    std::string alarm_time;                      // selected entry of the alarm-duration list: "60"
    std::string devices;                         // lbldevices, any panel-count warning included
    std::string loops_total_q, loops_total_a;
    std::string system_total_q, system_total_a;
    std::string standby;   // "37:22"
    std::string amphours;  // "with 24Ah"
    std::string capacity_24h, capacity_72h;
    std::array<LoopCaptions, kLoops + 1> loops{};  // loops 1..8
};

/// The full report: card counts, slot configuration and every loop's device list.
std::vector<std::string> full_report_lines(const SystemModel& model, const SystemReportInputs& inputs,
                                           const DateTime& when);

/// The short report: the full report without slot configuration and device lists.
std::vector<std::string> short_report_lines(const SystemModel& model, const SystemReportInputs& inputs,
                                            const DateTime& when);

}  // namespace standwise

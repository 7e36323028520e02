// The report of one stand-alone interface calculation.
#pragma once

#include <string>
#include <vector>

#include "calc/interface_calc.h"
#include "files/report_text.h"
#include "model/interface_model.h"
#include "platform/platform.h"

namespace standwise {

/// What the interface window shows beside the setup, as shown.
struct InterfaceReportInputs {
    std::string alarm_time;  // selected entry of the alarm-duration list: "30"
    std::string standby;     // lblstandby
    std::string amphours;    // lblamphours: "with 2.1Ah"
    std::string capacity_24h, capacity_72h;
};

/// The report of a setup and its calculation (the channels' currents): 55 lines, 56 when a channel
/// is a zone.
std::vector<std::string> interface_report_lines(const InterfaceSetup& setup, const InterfaceResult& result,
                                                const InterfaceReportInputs& inputs, const DateTime& when);

}  // namespace standwise

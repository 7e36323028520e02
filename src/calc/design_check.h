// The design check: every limit a design exceeds, each with its figure and its limit, in one line
// that both Standby tabs, the PDF reports and the project table show.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/interface_model.h"
#include "model/system_model.h"

namespace standwise {

inline constexpr const char* kAllLimitsMet = "All limits met";

struct DesignCheck {
    /// The limits exceeded, in the order loops, cards, master alarm circuits, panel alarm current:
    /// "Loop 1: 1200.0 of 1000 load units in alarm", "Loop cards: 9 of 8".
    std::vector<std::string> exceeded;
    bool met() const { return exceeded.empty(); }
    /// "All limits met", or every limit exceeded joined by "; ".
    std::string text() const;
};

/// The panel's limits against its figures as last worked out: each loop in use against 1000 load
/// units in alarm (`alarm_units` indexed by loop), the card counts against the panel's card
/// limits, the two master alarm loads (mA as typed) together against the circuit limit, and the
/// loops' alarm current against the panel's maximum.
DesignCheck system_design_check(const SystemModel& model, const std::array<double, kLoops + 1>& alarm_units,
                                std::string_view master_alarm_1, std::string_view master_alarm_2);

/// The stand-alone interface's limits: each zone, each sector, the four sectors together and the
/// auxiliary supply against their maxima.
DesignCheck interface_design_check(const InterfaceSetup& setup);

}  // namespace standwise

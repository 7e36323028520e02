// Text pieces shared by the system and interface reports: labels made up to a width so the values
// line up, and the date and time of the time-stamp line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calc/design_check.h"
#include "calc/system_calc.h"
#include "platform/platform.h"

namespace standwise {

/// The reports the program writes: the system's full and short reports and the interface report.
enum class ReportKind { Full, Short, Interface };

/// The text with blanks appended until it is at least `length` characters long; a longer text is
/// never cut. Characters, not bytes, are counted, so a name with accents lines up like any other.
std::string makeuplength(std::string_view text, std::size_t length);

/// "dd/mm/yyyy", as the main window shows the configuration date.
std::string format_date(const DateTime& when);

/// "hh:mm:ss" on the 24-hour clock.
std::string format_time(const DateTime& when);

/// The tail of a report's time-stamp line: "05/12/2026 at 14:03:59 ", ending with one blank.
std::string report_time_stamp(const DateTime& when);

/// The closing "Battery selection" section of a report on paper or in PDF: per period the size to
/// fit and the standard battery's verdict.
std::vector<std::string> battery_selection_lines(const BatterySelection& selection);

/// The design check's line in that section: "Design check: All limits met".
std::string design_check_line(const DesignCheck& check);

}  // namespace standwise

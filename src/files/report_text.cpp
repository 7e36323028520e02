#include "files/report_text.h"

#include <cstdio>

namespace standwise {
namespace {

// UTF-8 continuation bytes do not start a character.
std::size_t character_count(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

}  // namespace

std::string makeuplength(std::string_view text, std::size_t length) {
    std::string result(text);
    std::size_t count = character_count(text);
    if (count < length) result.append(length - count, ' ');
    return result;
}

std::string format_date(const DateTime& when) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", when.day, when.month, when.year);
    return buffer;
}

std::string format_time(const DateTime& when) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", when.hour, when.minute, when.second);
    return buffer;
}

std::string report_time_stamp(const DateTime& when) {
    return format_date(when) + " at " + format_time(when) + " ";
}

std::vector<std::string> battery_selection_lines(const BatterySelection& selection) {
    std::vector<std::string> lines;
    for (const auto& [period, verdict] :
         {std::pair{"24hr", &selection.for_24h}, std::pair{"72hr", &selection.for_72h}}) {
        const std::string label = std::string("For ") + period + " standby: ";
        lines.push_back(label + verdict->fit_text);
        if (verdict->verdict_text != verdict->fit_text)
            lines.push_back(std::string(label.size(), ' ') + verdict->verdict_text);
    }
    return lines;
}

std::string design_check_line(const DesignCheck& check) {
    return "Design check: " + check.text();
}

}  // namespace standwise

#include "files/interface_report.h"

#include "calc/interface_calc.h"
#include "model/numbers.h"

namespace standwise {
namespace {

constexpr int kChannels = 4;
const std::string kRule(48, '-');

const char* function_name(ChannelFunction function) {
    switch (function) {
        case ChannelFunction::Zone:
            return "Zone";
        case ChannelFunction::Sector:
            return "Sector";
        case ChannelFunction::NotConnected:
            break;
    }
    return "Not connected";
}

std::string channel_label(int channel) {
    return makeuplength("Channel" + str_number(channel), 15);
}

// A channel's current with four decimals: "0.0250A".
std::string channel_amps(double value) {
    return format_fixed(value, "0.0000") + "A";
}

double milliamps_text(const std::string& text) {
    return text_value(text) / 1000;
}

// A rule between two blank lines.
void separator(std::vector<std::string>& lines) {
    lines.insert(lines.end(), {"", kRule, ""});
}

}  // namespace

std::vector<std::string> interface_report_lines(const InterfaceSetup& setup, const InterfaceResult& result,
                                                const InterfaceReportInputs& inputs, const DateTime& when) {
    std::vector<std::string> lines{"Ostrel Limited - Standwise", "Interface Calculation", "",
                                   "Report generated on " + report_time_stamp(when)};
    separator(lines);
    lines.push_back(makeuplength("Interface address:", 20) + str_number(setup.address_index - 1));
    lines.push_back(makeuplength("Interface label:", 21) + setup.label);
    lines.push_back(makeuplength("Alarm duration:", 21) + inputs.alarm_time + " minutes");
    separator(lines);

    lines.insert(lines.end(), {"Channel Setups", ""});
    for (int channel = 1; channel <= kChannels; ++channel)
        lines.push_back(channel_label(channel) + function_name(setup.channels[channel].function));
    separator(lines);

    lines.insert(lines.end(), {"Quiescent Currents", ""});
    for (int channel = 1; channel <= kChannels; ++channel)
        lines.push_back(channel_label(channel) + channel_amps(result.channel_quiescent[channel]));
    separator(lines);

    lines.insert(lines.end(), {"Alarm Currents", ""});
    for (int channel = 1; channel <= kChannels; ++channel)
        lines.push_back(channel_label(channel) + channel_amps(result.channel_alarm[channel]));
    lines.push_back("");
    if (result.zone_in_fire) lines.push_back("One detection zone shown in fire");
    separator(lines);

    lines.push_back(makeuplength("Interface Supply Current", 30) + amps_text(kInterfaceUnitCurrent));
    separator(lines);
    lines.push_back(makeuplength("Auxilliary Supply Current", 30) +
                    amps_text(milliamps_text(setup.aux_current)));
    separator(lines);

    lines.push_back("Standby time is " + inputs.standby + " " + inputs.amphours + " batteries.");
    lines.push_back("");
    lines.push_back("For 24hr standby: " + inputs.capacity_24h + " required.");
    lines.push_back("For 72hr standby: " + inputs.capacity_72h + " required.");
    lines.push_back("");
    lines.push_back("End of report");
    return lines;
}

}  // namespace standwise

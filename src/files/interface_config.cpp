#include "files/interface_config.h"

#include <cctype>
#include <cmath>
#include <optional>

#include "model/numbers.h"

namespace standwise {
namespace {

constexpr int kLastAddressPosition = 201;
constexpr int kLastAlarmPosition = 3;
constexpr int kChannels = 4;

const char* truth_field(bool value) {
    return value ? "True" : "False";
}

// A list position: a whole number within 0..last, blanks around it allowed.
std::optional<std::int16_t> position_field(const std::string& line, int last) {
    std::optional<double> value = parse_number(line);
    if (!value || *value != std::floor(*value) || *value < 0 || *value > last) return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

// The words the writer uses; letter case is ignored so a hand-edited "TRUE" still reads.
std::optional<bool> truth_value(const std::string& line) {
    std::string word = config_text_field(line);
    for (char& c : word)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word == "true") return true;
    if (word == "false") return false;
    return std::nullopt;
}

// Applies lines 2..25 in file order; false at the first line that is missing or unreadable.
bool apply_lines(const std::vector<std::string>& lines, InterfaceConfigTarget& target, ReadStop& stop) {
    std::size_t next = 1;
    auto has_line = [&] {
        if (next < lines.size()) return true;
        stop = {next + 1, "the file ends early"};
        return false;
    };
    // The line just read holds a value that cannot be used.
    auto refused = [&] {
        stop = {next, "the value cannot be read"};
        return false;
    };

    if (!has_line()) return false;
    std::optional<std::int16_t> address = position_field(lines[next++], kLastAddressPosition);
    if (!address) return refused();
    target.select_address(*address);
    if (!has_line()) return false;
    target.set_label(config_text_field(lines[next++]));

    for (int channel = 1; channel <= kChannels; ++channel) {
        void (InterfaceConfigTarget::*options[])(int, bool) = {&InterfaceConfigTarget::set_zone_option,
                                                               &InterfaceConfigTarget::set_sector_option,
                                                               &InterfaceConfigTarget::set_nc_option};
        for (auto option : options) {
            if (!has_line()) return false;
            std::optional<bool> on = truth_value(lines[next++]);
            if (!on) return refused();
            (target.*option)(channel, *on);
        }
        if (!has_line()) return false;
        target.set_sector_current(channel, config_text_field(lines[next++]));
        if (!has_line()) return false;
        target.set_zone_current(channel, config_text_field(lines[next++]));
    }

    if (!has_line()) return false;
    target.set_aux_current(config_text_field(lines[next++]));
    if (!has_line()) return false;
    std::optional<std::int16_t> alarm_time = position_field(lines[next++], kLastAlarmPosition);
    if (!alarm_time) return refused();
    target.select_alarm_time(*alarm_time);
    return true;
}

}  // namespace

std::vector<std::string> interface_configuration_lines(const InterfaceSetup& setup) {
    std::vector<std::string> lines{kInterfaceConfigMarker, number_field(setup.address_index), setup.label};
    for (int channel = 1; channel <= kChannels; ++channel) {
        const InterfaceChannel& c = setup.channels[channel];
        lines.push_back(truth_field(c.function == ChannelFunction::Zone));
        lines.push_back(truth_field(c.function == ChannelFunction::Sector));
        lines.push_back(truth_field(c.function == ChannelFunction::NotConnected));
        lines.push_back(c.sector_current);
        lines.push_back(c.zone_current);
    }
    lines.push_back(setup.aux_current);
    lines.push_back(number_field(setup.alarm_time_index));
    return lines;
}

ConfigReadStatus read_interface_configuration(const std::vector<std::string>& lines,
                                              InterfaceConfigTarget& target, Platform& platform,
                                              ReadStop* stop) {
    if (lines.empty() || lines.front() != kInterfaceConfigMarker) {
        platform.ask_user("Not a valid interface configuration", "Incorrect File Type",
                          MessageStyle::OkExclamation);
        return ConfigReadStatus::NotAConfiguration;
    }
    ReadStop where;
    if (apply_lines(lines, target, where)) return ConfigReadStatus::Complete;
    if (stop != nullptr) *stop = where;
    return ConfigReadStatus::Stopped;
}

}  // namespace standwise

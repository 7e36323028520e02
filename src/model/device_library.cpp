#include "model/device_library.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "model/numbers.h"

namespace standwise {
namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

enum class FileKind { Ordinary, MX210, MX220, MX240 };

// Lines each kind of file must have.
int expected_lines(FileKind kind) {
    switch (kind) {
        case FileKind::Ordinary:
        case FileKind::MX210:
            return 10;
        case FileKind::MX220:
            return 12;
        case FileKind::MX240:
            break;
    }
    return 14;
}

// Reads the numbered lines of one file and keeps the first fault found.
class LineReader {
public:
    explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}

    const std::string& text(int line) const { return lines_[static_cast<std::size_t>(line - 1)]; }
    double number(int line) const { return device_line_value(text(line)); }
    std::int16_t integer(int line) {
        std::optional<std::int16_t> value = to_count(number(line));
        if (!value && fault_.empty())
            fault_ = "line " + std::to_string(line) + " holds a whole number outside -32768 to 32767";
        return value.value_or(0);
    }
    std::string fault() const { return fault_; }

private:
    const std::vector<std::string>& lines_;
    std::string fault_;
};

// The type number of line 2, or a reason to skip the file.
std::optional<int> device_type(LineReader& reader, std::string& reason) {
    std::optional<std::int16_t> type = to_count(reader.number(2));
    if (!type || *type < kFirstDevice || *type > kLastDevice) {
        reason = "its device type number (line 2) is outside 1 to 79";
        return std::nullopt;
    }
    return *type;
}

std::int16_t capped_units(std::int16_t maximum) {
    return std::min<std::int16_t>(maximum, kMaxUnitsPerLoop);
}

// Reads one file; every check runs before the first value is stored, so a faulty file changes nothing.
std::string read_file(SystemModel& model, FileKind kind, const std::vector<std::string>& lines) {
    int needed = expected_lines(kind);
    if (static_cast<int>(lines.size()) < needed)
        return "it ends before line " + std::to_string(needed);
    LineReader reader(lines);
    std::string reason;
    std::optional<int> type = device_type(reader, reason);
    if (!type) return reason;
    const int t = *type;
    const std::string& name = reader.text(3);
    const std::string& tooltip = reader.text(4);

    if (kind == FileKind::Ordinary) {
        std::int16_t loop_max = reader.integer(5);
        std::int16_t pseudo = reader.integer(6);
        std::int16_t max_in_fire = reader.integer(8);
        if (!reader.fault().empty()) return reader.fault();
        model.device_name[t] = name;
        model.device_tooltip[t] = tooltip;
        model.device_loop_max[t] = loop_max;
        model.device_pseudo_count[t] = pseudo;
        model.device_max_in_fire[t] = max_in_fire;
        DeviceCurrents& currents = model.device_currents[t];
        currents.quiescent_current = reader.number(9) / 1000000;
        currents.alarm_current = reader.number(10) / 1000000;
        if (currents.alarm_current != 0) {
            currents.quiescent_units =
                currents.quiescent_current == 0 ? 0 : 1 / (0.0004 / currents.quiescent_current);
            currents.alarm_units = 1 / (0.0004 / currents.alarm_current);
        }
        return {};
    }

    // Interface files: amperes as written; the maximum per loop is held to the 50 units a loop
    // record has room for.
    std::int16_t loop_max = capped_units(reader.integer(6));
    if (!reader.fault().empty()) return reader.fault();
    InterfaceConstants& c = model.interface_constants;
    auto common = [&](double& unit, double& zone_q, double& zone_a, double& input_q, double& input_a) {
        unit = reader.number(5);
        zone_q = reader.number(7);
        zone_a = reader.number(8);
        input_q = reader.number(9);
        input_a = reader.number(10);
    };
    if (kind == FileKind::MX210) {
        common(c.mx210_unit_current, c.mx210_zone_quiescent, c.mx210_zone_alarm, c.mx210_input_quiescent,
               c.mx210_input_alarm);
        c.mx210_max_per_loop = std::min<double>(reader.number(6), kMaxUnitsPerLoop);
    } else if (kind == FileKind::MX220) {
        common(c.mx220_unit_current, c.mx220_zone_quiescent, c.mx220_zone_alarm, c.mx220_input_quiescent,
               c.mx220_input_alarm);
        c.mx220_max_per_loop = std::min<double>(reader.number(6), kMaxUnitsPerLoop);
        c.mx220_output_quiescent = reader.number(11);
        c.mx220_output_alarm = reader.number(12);
    } else {
        common(c.mx240_unit_current, c.mx240_zone_quiescent, c.mx240_zone_alarm, c.mx240_input_quiescent,
               c.mx240_input_alarm);
        c.mx240_max_per_loop = loop_max;
        c.mx240_relay_quiescent = reader.number(11);
        c.mx240_relay_alarm = reader.number(12);
        c.mx240_led_quiescent = reader.number(13);
        c.mx240_led_alarm = reader.number(14);
    }
    model.device_name[t] = name;
    model.device_tooltip[t] = tooltip;
    model.device_loop_max[t] = loop_max;
    return {};
}

FileKind kind_of(const std::string& upper_path) {
    if (upper_path.find("Q7-MX210") != std::string::npos) return FileKind::MX210;
    if (upper_path.find("Q7-MX220") != std::string::npos) return FileKind::MX220;
    if (upper_path.find("Q7-MX240") != std::string::npos) return FileKind::MX240;
    return FileKind::Ordinary;
}

}  // namespace

DeviceLibraryReport load_device_library(SystemModel& model, Platform& platform) {
    DeviceLibraryReport report;
    report.folder = data_path(platform, "devices");
    std::optional<std::vector<FolderEntry>> entries = platform.list_folder(report.folder);
    if (!entries) {
        report.folder_unreadable = true;
        return report;
    }
    for (const FolderEntry& entry : *entries) {
        std::string upper_path = upper(entry.path);
        if (upper_path.find(".TXT") == std::string::npos) continue;
        std::optional<std::vector<std::string>> lines = platform.read_lines(entry.path);
        if (!lines) {
            report.skipped.push_back({entry.path, "it cannot be read"});
            continue;
        }
        std::string reason = read_file(model, kind_of(upper_path), *lines);
        if (!reason.empty()) report.skipped.push_back({entry.path, reason});
    }
    return report;
}

void report_device_library(const DeviceLibraryReport& report, Platform& platform) {
    if (report.folder_unreadable) {
        platform.ask_user("The device library folder could not be read:" + std::string(kCrLf) + report.folder +
                              kCrLf + "No device types are available.",
                          "Device Library", MessageStyle::OkExclamation);
    }
    if (!report.skipped.empty()) {
        std::string text = "These device files were skipped:";
        for (const SkippedDeviceFile& file : report.skipped) text += kCrLf + file.path + " - " + file.reason + ".";
        platform.ask_user(text, "Device Library", MessageStyle::OkExclamation);
    }
}

}  // namespace standwise

#include "model/device_library.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <variant>

#include "model/numbers.h"
#include "model/quoted_text.h"

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

// The largest current a device file may give: an ordinary device in microamperes, an interface
// unit's constants in amperes. Anything above is a typing slip, not a device.
constexpr double kMaxDeviceMicroamps = 1000000;
constexpr double kMaxInterfaceAmps = 1;

// Reads the numbered lines of one file and keeps the first fault found.
class LineReader {
public:
    explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}

    const std::string& text(int line) const { return lines_[static_cast<std::size_t>(line - 1)]; }
    /// A number line holds a number and nothing else: "3OO" or "4,200" is a slip, not 3 or 4.
    double number(int line) {
        std::optional<double> value = device_line_number(text(line));
        if (!value) fail(line, "holds " + quoted_text(text(line)) + ", which is not a number");
        return value.value_or(0);
    }
    std::int16_t integer(int line) {
        std::optional<std::int16_t> value = to_count(number(line));
        if (!value) fail(line, "holds a whole number outside -32768 to 32767");
        return value.value_or(0);
    }
    /// A count that cannot be negative: a loop maximum, a pseudo count, a number in fire.
    std::int16_t count(int line) {
        std::int16_t value = integer(line);
        if (value < 0) fail(line, "holds a negative count");
        return value;
    }
    /// A current, which must be a finite number from 0 to `maximum` in the file's unit.
    double current(int line, double maximum, const char* unit) {
        if (!device_line_finite(text(line))) {
            fail(line, "holds a current that is not a finite number");
            return 0;
        }
        const double value = number(line);
        if (!fault_.empty()) return 0;
        if (!(value >= 0 && value <= maximum))
            fail(line, "holds a current outside 0 to " + plain_number(maximum) + " " + unit);
        return value;
    }
    /// A name or tooltip line, shown in the windows and the reports as it stands.
    const std::string& shown_text(int line) {
        if (holds_control_character(text(line))) fail(line, "holds a control character");
        return text(line);
    }
    std::string fault() const { return fault_; }

private:
    void fail(int line, const std::string& what) {
        if (fault_.empty()) fault_ = "line " + std::to_string(line) + " " + what;
    }

    const std::vector<std::string>& lines_;
    std::string fault_;
};

// The type number of line 2, or a reason to skip the file.
std::optional<int> device_type(LineReader& reader, std::string& reason) {
    const double number = reader.number(2);
    if (!reader.fault().empty()) {
        reason = reader.fault();
        return std::nullopt;
    }
    std::optional<std::int16_t> type = to_count(number);
    if (!type || *type < kFirstDevice || *type > kLastDevice) {
        reason = "its device type number (line 2) is outside 1 to 79";
        return std::nullopt;
    }
    return *type;
}

std::int16_t capped_units(std::int16_t maximum) {
    return std::min<std::int16_t>(maximum, kMaxUnitsPerLoop);
}

// Reads one file; every check runs before the first value is stored, so a faulty file changes
// nothing. The device type it defined, or the reason it was skipped.
std::variant<int, std::string> read_file(SystemModel& model, FileKind kind,
                                         const std::vector<std::string>& lines) {
    int needed = expected_lines(kind);
    if (static_cast<int>(lines.size()) < needed) return "it ends before line " + std::to_string(needed);
    LineReader reader(lines);
    std::string reason;
    std::optional<int> type = device_type(reader, reason);
    if (!type) return reason;
    const int t = *type;
    const std::string& name = reader.shown_text(3);
    const std::string& tooltip = reader.shown_text(4);
    if (!reader.fault().empty()) return reader.fault();

    if (kind == FileKind::Ordinary) {
        const std::int16_t loop_max = reader.count(5);
        const std::int16_t pseudo = reader.count(6);
        const std::int16_t max_in_fire = reader.count(8);
        const double quiescent = reader.current(9, kMaxDeviceMicroamps, "µA") / 1000000;
        const double alarm = reader.current(10, kMaxDeviceMicroamps, "µA") / 1000000;
        if (!reader.fault().empty()) return reader.fault();
        model.device_defined[t] = true;
        model.device_name[t] = name;
        model.device_tooltip[t] = tooltip;
        model.device_loop_max[t] = loop_max;
        model.device_pseudo_count[t] = pseudo;
        model.device_max_in_fire[t] = max_in_fire;
        DeviceCurrents& currents = model.device_currents[t];
        currents.quiescent_current = quiescent;
        currents.alarm_current = alarm;
        if (currents.alarm_current != 0) {
            currents.quiescent_units =
                currents.quiescent_current == 0 ? 0 : 1 / (0.0004 / currents.quiescent_current);
            currents.alarm_units = 1 / (0.0004 / currents.alarm_current);
        }
        return t;
    }

    // Interface files: amperes as written; the maximum per loop is held to the 50 units a loop
    // record has room for.
    // A negative maximum is refused here as in an ordinary file.
    std::int16_t loop_max = capped_units(reader.count(6));
    std::array<double, 15> amps{};  // by line; line 6 is the maximum, read above
    for (int line = 5; line <= needed; ++line)
        if (line != 6) amps[static_cast<std::size_t>(line)] = reader.current(line, kMaxInterfaceAmps, "A");
    if (!reader.fault().empty()) return reader.fault();
    InterfaceConstants& c = model.interface_constants;
    auto common = [&](double& unit, double& zone_q, double& zone_a, double& input_q, double& input_a) {
        unit = amps[5];
        zone_q = amps[7];
        zone_a = amps[8];
        input_q = amps[9];
        input_a = amps[10];
    };
    if (kind == FileKind::MX210) {
        common(c.mx210_unit_current, c.mx210_zone_quiescent, c.mx210_zone_alarm, c.mx210_input_quiescent,
               c.mx210_input_alarm);
        c.mx210_max_per_loop = std::min<double>(reader.number(6), kMaxUnitsPerLoop);
    } else if (kind == FileKind::MX220) {
        common(c.mx220_unit_current, c.mx220_zone_quiescent, c.mx220_zone_alarm, c.mx220_input_quiescent,
               c.mx220_input_alarm);
        c.mx220_max_per_loop = std::min<double>(reader.number(6), kMaxUnitsPerLoop);
        c.mx220_output_quiescent = amps[11];
        c.mx220_output_alarm = amps[12];
    } else {
        common(c.mx240_unit_current, c.mx240_zone_quiescent, c.mx240_zone_alarm, c.mx240_input_quiescent,
               c.mx240_input_alarm);
        c.mx240_max_per_loop = loop_max;
        c.mx240_relay_quiescent = amps[11];
        c.mx240_relay_alarm = amps[12];
        c.mx240_led_quiescent = amps[13];
        c.mx240_led_alarm = amps[14];
    }
    model.device_defined[t] = true;
    model.device_name[t] = name;
    model.device_tooltip[t] = tooltip;
    model.device_loop_max[t] = loop_max;
    return t;
}

// The markers are looked for in the file's own name only, never in the folders above it.
FileKind kind_of(const std::string& upper_name) {
    if (upper_name.find("Q7-MX210") != std::string::npos) return FileKind::MX210;
    if (upper_name.find("Q7-MX220") != std::string::npos) return FileKind::MX220;
    if (upper_name.find("Q7-MX240") != std::string::npos) return FileKind::MX240;
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
    std::array<std::vector<std::string>, kDeviceTypes> defined_by;
    for (const FolderEntry& entry : *entries) {
        const std::string upper_name = upper(entry.name);
        if (upper_name.find(".TXT") == std::string::npos) continue;
        TextLines file = platform.read_lines(entry.path);
        if (!file.read()) {
            report.skipped.push_back({entry.path, unread_reason(file, "device file")});
            continue;
        }
        std::variant<int, std::string> read = read_file(model, kind_of(upper_name), file.lines);
        if (const std::string* reason = std::get_if<std::string>(&read))
            report.skipped.push_back({entry.path, *reason});
        else
            defined_by[static_cast<std::size_t>(std::get<int>(read))].push_back(entry.name);
    }
    for (int t = kFirstDevice; t <= kLastDevice; ++t)
        if (defined_by[t].size() > 1) report.defined_twice.push_back({t, defined_by[t]});
    return report;
}

void report_device_library(const DeviceLibraryReport& report, Platform& platform) {
    if (report.folder_unreadable) {
        platform.ask_user("The device library folder could not be read:" + std::string(kCrLf) +
                              report.folder + kCrLf + "No device types are available.",
                          "Device Library", MessageStyle::OkExclamation);
    }
    std::vector<std::string> sections;
    if (!report.skipped.empty()) {
        std::string text = "These device files were skipped:";
        for (const SkippedDeviceFile& file : report.skipped)
            text += kCrLf + file.path + " - " + file.reason + ".";
        sections.push_back(text);
    }
    if (!report.defined_twice.empty()) {
        std::string text =
            "These device types are defined by more than one file; the file read last is used:";
        for (const DeviceTypeFiles& type : report.defined_twice) {
            text += kCrLf + std::string("Device type ") + std::to_string(type.device_type) + ":";
            for (std::size_t i = 0; i < type.files.size(); ++i)
                text += (i == 0 ? " " : ", ") + type.files[i];
            text += " - using " + type.files.back() + ".";
        }
        sections.push_back(text);
    }
    if (sections.empty()) return;
    std::string text = sections.front();
    for (std::size_t i = 1; i < sections.size(); ++i)
        text += std::string(kCrLf) + kCrLf + sections[i];
    platform.ask_user(text, "Device Library", MessageStyle::OkExclamation);
}

}  // namespace standwise

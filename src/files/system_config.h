// The system configuration file: the site details, panel, slots, master alarm loads and alarm
// duration, then every loop's device counts and interface units, one field per line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/config_fields.h"
#include "model/system_model.h"
#include "platform/platform.h"

namespace standwise {

/// First line of every system configuration file.
inline constexpr const char* kSystemConfigMarker = "System Configuration";

/// The values of a configuration that only the main window holds.
struct SystemWindowFields {
    std::string site;
    std::string site_id;
    std::string date;            // "dd/mm/yyyy" as shown
    std::string master_alarm_1;  // mA as typed, numeric or not
    std::string master_alarm_2;
    int alarm_time_index = 0;  // list position 0..3
};

/// The lines of the file for the current panel (write them with write_text_lines). Line 4 holds
/// the PSU option (last_psu_type 0..3), so a dual charger comes back with its 84Ah battery.
std::vector<std::string> system_configuration_lines(const SystemModel& model,
                                                    const SystemWindowFields& fields);

/// Where the loader applies what goes through the windows, called in this order. Each step runs
/// the window's own handling, as a user's choice would.
class SystemConfigTarget {
public:
    virtual ~SystemConfigTarget() = default;

    /// The stored system type 0..5, applied without the system-type question.
    virtual void select_system_type(std::int16_t system_type) = 0;
    /// The stored PSU option 0..3, applied without the PSU question.
    virtual void select_psu_option(std::int16_t option) = 0;
    virtual void set_site(const std::string& text) = 0;
    virtual void set_site_id(const std::string& text) = 0;
    virtual void set_date(const std::string& text) = 0;
    /// Around the 16 slot codes; the loader has already stored each code in the current panel's
    /// slots. The window accepts every stored card without the card-limit check. end_slots()
    /// follows begin_slots() even when a slot code stops the reading.
    virtual void begin_slots() = 0;
    virtual void select_slot(int slot, std::int16_t code) = 0;
    virtual void end_slots() = 0;
    virtual void set_master_alarm_1(const std::string& text) = 0;
    virtual void set_master_alarm_2(const std::string& text) = 0;
    virtual void select_alarm_time(std::int16_t position) = 0;
    /// A loop on a loop card has been read: its counts and units are in the model and the unit
    /// sums recomputed; the loop calculation is the target's.
    virtual void loop_read(int loop) = 0;
    /// Reading is over, completely or not: system calculation, title, "Site Details" tab.
    virtual void finish() = 0;
};

/// Reads a configuration into the model and the target. A file of the wrong type, or an empty one,
/// is refused with "Not a valid system configuration". Reading stops silently at the first field
/// that cannot be read (missing line, no whole 16-bit number, a code outside its list, a negative
/// count, more than 50 units); finish() runs whenever the marker was right. When it stops, `stop`
/// (if given) learns the line and the reason.
ConfigReadStatus read_system_configuration(const std::vector<std::string>& lines, SystemModel& model,
                                           SystemConfigTarget& target, Platform& platform,
                                           ReadStop* stop = nullptr);

}  // namespace standwise

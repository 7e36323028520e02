// The stand-alone interface's configuration file: 25 lines, one value each.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/config_fields.h"
#include "model/interface_model.h"
#include "platform/platform.h"

namespace standwise {

/// First line of every interface configuration file.
inline constexpr const char* kInterfaceConfigMarker = "Interface Configuration";

/// The 25 lines of the file (write them with write_text_lines).
std::vector<std::string> interface_configuration_lines(const InterfaceSetup& setup);

/// Where the loader puts each value, in file order, exactly as a user's entry; the window's own
/// handling (option changes emptying currents, entry checks, recalculation) runs on each.
class InterfaceConfigTarget {
public:
    virtual ~InterfaceConfigTarget() = default;
    virtual void select_address(std::int16_t position) = 0;  // 0..201
    virtual void set_label(const std::string& text) = 0;
    /// Channels 1..4: the three option states in the order zone, sector, not connected.
    virtual void set_zone_option(int channel, bool on) = 0;
    virtual void set_sector_option(int channel, bool on) = 0;
    virtual void set_nc_option(int channel, bool on) = 0;
    virtual void set_sector_current(int channel, const std::string& text) = 0;
    virtual void set_zone_current(int channel, const std::string& text) = 0;
    virtual void set_aux_current(const std::string& text) = 0;
    virtual void select_alarm_time(std::int16_t position) = 0;  // 0..3
};

/// Reads a configuration into the target. A file of the wrong type, or an empty one, is refused with
/// "Not a valid interface configuration" and nothing is applied. Reading stops silently at a missing line, a
/// position that is not a whole number within its list, or a truth line that is neither "True"
/// nor "False" (letter case ignored); what came before stays applied. When it stops, `stop` (if
/// given) learns the line and the reason.
ConfigReadStatus read_interface_configuration(const std::vector<std::string>& lines,
                                              InterfaceConfigTarget& target, Platform& platform,
                                              ReadStop* stop = nullptr);

}  // namespace standwise

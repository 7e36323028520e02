// What the system and the interface configuration files share: how a text and a number field are
// written and read, and how loading a file can end.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace standwise {

/// A text field as read: the whole line without its leading and trailing blanks and tabs; commas
/// and quotes inside it are part of the text.
std::string config_text_field(std::string_view line);

/// A number field as written: a 16-bit whole number with a sign position and a trailing blank,
/// " 5 ", "-1 ".
std::string number_field(int value);

enum class ConfigReadStatus {
    NotAConfiguration,  // wrong first line: refused with a message, nothing changed
    Complete,
    Stopped,  // a field could not be read: what came before it stays applied
};

/// Where and why reading a configuration stopped early: the line that could not be used (1 for the
/// first line) and the reason, "the file ends early" or "the value cannot be read".
struct ReadStop {
    std::size_t line = 0;
    std::string reason;
};

/// Why a configuration that stopped early is not used whole, where reports and tables say so.
inline constexpr const char* kConfigStoppedReason =
    "the file ends early or holds a value that cannot be read";

/// Loading a configuration file from a path: whether the file could be read, and if so how
/// reading it into the windows ended.
struct ConfigLoad {
    ReadOutcome file = ReadOutcome::Read;
    std::string file_problem;  // why the file was not read (see unread_reason)
    ConfigReadStatus status = ConfigReadStatus::Complete;
    bool declined = false;  // cut short, and the user chose not to load the part read
    bool file_read() const { return file == ReadOutcome::Read; }
    /// Whether any of the file was applied: it was read, carried the right marker, and was not
    /// declined.
    bool applied() const { return status != ConfigReadStatus::NotAConfiguration && !declined; }
};

/// A file that was not read at all: how loading it ends without applying anything.
inline ConfigLoad unread_configuration(const TextLines& file) {
    return {file.outcome, unread_reason(file, "configuration"), ConfigReadStatus::NotAConfiguration};
}

}  // namespace standwise

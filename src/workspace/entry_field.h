// The text fields of the windows: what a field holds once a text is put into it.
#pragma once

#include <string>

namespace standwise {

/// The most characters (UTF-16 code units, as the toolkit counts them) that an entry field holds.
inline constexpr std::size_t kEntryFieldLength = 32767;

/// The text as an entry field holds it: cut after kEntryFieldLength units, never inside a character.
std::string entry_field_text(const std::string& text);

}  // namespace standwise

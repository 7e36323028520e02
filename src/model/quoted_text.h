// Texts read from files: which can be used, and how one is quoted in a message.
#pragma once

#include <string>
#include <string_view>

namespace standwise {

/// Whether the text holds a control character: NUL, a tab, any other C0 control, DEL or a C1 control
/// (U+0080 to U+009F). Such a text is not something a person typed into a field: it comes from a
/// damaged or binary file, and would reach reports, tables and terminals unseen.
bool holds_control_character(std::string_view text);

/// The text with each tab turned into a blank and every other control character left out: what a
/// one-line field keeps of a paste, so that a saved file never holds one.
std::string without_control_characters(std::string_view text);

/// The most characters of a text that a message quotes.
inline constexpr std::size_t kQuotedLength = 80;

/// The text in double quotes as a message shows it: control characters written as \t, \r, \n,
/// \xHH or (C1) \u00HH, and at most kQuotedLength characters of it followed by "..." when it is longer, so a
/// damaged file can neither flood a message nor drive a terminal.
std::string quoted_text(std::string_view text);

}  // namespace standwise

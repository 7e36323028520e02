// How a text read from a file is quoted in a message.
#pragma once

#include <string>
#include <string_view>

namespace standwise {

/// The most characters of a text that a message quotes.
inline constexpr std::size_t kQuotedLength = 80;

/// The text in double quotes as a message shows it: control characters written as \t, \r, \n or
/// \xHH, and at most kQuotedLength characters of it followed by "..." when it is longer, so a
/// damaged file can neither flood a message nor drive a terminal.
std::string quoted_text(std::string_view text);

}  // namespace standwise

// Names of the files the user picks: the extension a save chooser's filter stands for, and the
// list of configurations used most recently.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace standwise {

/// A name chosen in a save chooser: one typed without an extension gets the filter's (".cfg" for
/// "System configuration files (*.cfg)|*.cfg"); one with any extension stays as typed.
std::string with_filter_extension(const std::string& path, const std::string& filter);

/// A name as a file system that ignores letter case compares it (Windows, and a USB stick anywhere):
/// the capitals of the Latin, Greek and Cyrillic alphabets in lower case, "BÜRO.txt" as "büro.txt".
/// Anything else, bytes that are not UTF-8 among it, stays as it is.
std::string folded_name(const std::string& utf8);

/// How many configurations a workspace's "Recent configurations" lists.
inline constexpr std::size_t kRecentConfigurations = 6;

/// The list with `path` moved or added to the front, newest first, no path twice, at most `limit`.
std::vector<std::string> with_recent(std::vector<std::string> recent, const std::string& path,
                                     std::size_t limit = kRecentConfigurations);

}  // namespace standwise

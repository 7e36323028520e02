// Whole files read back, and compared with an expected copy in tests/data line by line.
#pragma once

#include <string>
#include <vector>

namespace standwise::test {

/// Compares the lines with tests/data/<name> and reports every differing line. With the
/// environment variable STANDWISE_UPDATE_GOLDEN set, writes the lines there instead.
/// The lines of a text file; none when it cannot be read.
std::vector<std::string> lines_of(const std::string& path);
/// The bytes of a file as they stand; empty when it cannot be read.
std::string bytes_of(const std::string& path);
/// The names of everything in a folder, files and folders, in UTF-8 byte order, as the system
/// itself names them (not through the program's own listing).
std::vector<std::string> names_in(const std::string& folder);

void expect_golden(const std::vector<std::string>& lines, const std::string& name);

}  // namespace standwise::test

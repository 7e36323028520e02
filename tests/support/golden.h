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

void expect_golden(const std::vector<std::string>& lines, const std::string& name);

}  // namespace standwise::test

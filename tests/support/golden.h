// Whole files compared with an expected copy in tests/data, line by line.
#pragma once

#include <string>
#include <vector>

namespace standwise::test {

/// Compares the lines with tests/data/<name> and reports every differing line. With the
/// environment variable STANDWISE_UPDATE_GOLDEN set, writes the lines there instead.
void expect_golden(const std::vector<std::string>& lines, const std::string& name);

}  // namespace standwise::test

#include "support/golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/native.h"
#include "platform/text_files.h"

namespace standwise::test {

std::vector<std::string> lines_of(const std::string& path) {
    return read_text_lines(path).value_or(std::vector<std::string>{});
}

std::string bytes_of(const std::string& path) {
    std::ifstream in(native_path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> names_in(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(native_path(folder))) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void expect_golden(const std::vector<std::string>& lines, const std::string& name) {
    const std::string path = std::string(STANDWISE_SOURCE_DIR) + "/tests/data/" + name;
    if (std::getenv("STANDWISE_UPDATE_GOLDEN")) {
        EXPECT_FALSE(write_text_lines(path, lines)) << path;
        return;
    }
    std::optional<std::vector<std::string>> expected = read_text_lines(path);
    ASSERT_TRUE(expected) << "missing " << path;
    std::size_t common = std::min(lines.size(), expected->size());
    for (std::size_t i = 0; i < common; ++i)
        EXPECT_EQ("[" + lines[i] + "]", "[" + (*expected)[i] + "]") << name << " line " << i + 1;
    EXPECT_EQ(lines.size(), expected->size()) << name;
}

}  // namespace standwise::test

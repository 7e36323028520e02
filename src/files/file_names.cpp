#include "files/file_names.h"

#include <algorithm>
#include <filesystem>

#include "platform/native.h"

namespace standwise {

std::string with_filter_extension(const std::string& path, const std::string& filter) {
    const std::size_t bar = filter.find('|');
    const std::string pattern = bar == std::string::npos ? std::string() : filter.substr(bar + 1);
    if (path.empty() || pattern.rfind("*.", 0) != 0) return path;
    const std::filesystem::path name = native_path(path).filename();
    if (name.empty() || name.has_extension()) return path;
    return path + pattern.substr(1);
}

std::vector<std::string> with_recent(std::vector<std::string> recent, const std::string& path,
                                     std::size_t limit) {
    std::erase(recent, path);
    recent.insert(recent.begin(), path);
    if (recent.size() > limit) recent.resize(limit);
    return recent;
}

}  // namespace standwise

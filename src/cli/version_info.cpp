#include "cli/version_info.h"

#include <cstdio>

namespace standwise {

std::string product_line(const VersionInfo& info) {
    char revision[8];
    std::snprintf(revision, sizeof revision, "%03d", info.revision % 1000);
    return std::string(info.company) + " " + info.title + " V" + std::to_string(info.major) + "." +
           std::to_string(info.minor) + "." + revision;
}

}  // namespace standwise

// The application's version information, shown by the about box.
#pragma once

#include <string>

namespace standwise {

struct VersionInfo {
    const char* company = "Ostrel";
    const char* title = "Standwise";
    int major = 1;
    int minor = 0;
    int revision = 0;
};

inline constexpr VersionInfo kVersionInfo{};

/// "Ostrel Standwise V1.0.000": company, title, major.minor and the revision as three digits.
std::string product_line(const VersionInfo& info = kVersionInfo);

}  // namespace standwise

// The application's version information, shown by the about box. The numbers are the project's
// release, set once in the build, so the package, --version and the about box cannot disagree.
#pragma once

#include <string>

#ifndef STANDWISE_RELEASE
#error "The release numbers come from the build: project(VERSION) in CMakeLists.txt"
#endif

namespace standwise {

struct VersionInfo {
    const char* company = "Ostrel";
    const char* title = "Standwise";
    int major = STANDWISE_VERSION_MAJOR;
    int minor = STANDWISE_VERSION_MINOR;
    int revision = STANDWISE_VERSION_PATCH;
};

inline constexpr VersionInfo kVersionInfo{};

/// The release as the package names it: "1.0.0".
inline constexpr const char* kRelease = STANDWISE_RELEASE;

/// "Ostrel Standwise V1.0.000": company, title, major.minor and the revision as three digits.
std::string product_line(const VersionInfo& info = kVersionInfo);

}  // namespace standwise

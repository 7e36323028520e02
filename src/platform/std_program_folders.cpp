#include "platform/std_program_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "cli/version_info.h"

#ifdef _WIN32
#include <windows.h>
#endif

#ifndef STANDWISE_INSTALLED_DATA
#define STANDWISE_INSTALLED_DATA "../share/standwise"
#endif

namespace standwise {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

std::string executable_folder() {
#ifdef _WIN32
    std::wstring buffer(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(length);
    const std::u8string folder = std::filesystem::path(buffer).parent_path().u8string();
    return std::string(folder.begin(), folder.end());
#else
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
#endif
}

std::string application_data_folder() {
    const std::string tail = std::string(kVersionInfo.company) + "/" + kVersionInfo.title;
#ifdef _WIN32
    return environment("APPDATA") + "\\" + kVersionInfo.company + "\\" + kVersionInfo.title;
#else
    // A relative XDG_DATA_HOME is ignored, as the desktop's own rules say.
    const std::string xdg = environment("XDG_DATA_HOME");
    if (!xdg.empty() && xdg.front() == '/') return xdg + "/" + tail;
    return environment("HOME") + "/.local/share/" + tail;
#endif
}

DataFolders std_program_data_folders() {
    return locate_data_folders(executable_folder(), STANDWISE_INSTALLED_DATA, application_data_folder());
}

}  // namespace standwise

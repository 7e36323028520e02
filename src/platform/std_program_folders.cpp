#include "platform/std_program_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "cli/version_info.h"
#include "platform/native.h"

#ifdef _WIN32
#include <windows.h>
#endif

#ifndef STANDWISE_INSTALLED_DATA
#define STANDWISE_INSTALLED_DATA "../share/standwise"
#endif

namespace standwise {
namespace {

// As UTF-8: on Windows getenv gives the ANSI code page, so the wide environment is read.
std::string environment(const char* name) {
#ifdef _WIN32
    const wchar_t* value = _wgetenv(native_path(name).c_str());
    return value != nullptr ? utf8_path(value) : std::string();
#else
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
#endif
}

}  // namespace

std::string executable_folder() {
#ifdef _WIN32
    std::wstring buffer(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(length);
    return utf8_path(std::filesystem::path(buffer).parent_path());
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

std::vector<std::string> settings_folders() {
    std::vector<std::string> folders;
#ifdef _WIN32
    const std::string local = environment("LOCALAPPDATA");
    if (!local.empty()) folders.push_back(local + "\\" + kVersionInfo.company);
#else
    // Beside the recent configurations (~/.config/Ostrel), then the site's, which the package ships.
    const std::string xdg = environment("XDG_CONFIG_HOME");
    const std::string config = !xdg.empty() && xdg.front() == '/' ? xdg : environment("HOME") + "/.config";
    folders.push_back(config + "/" + kVersionInfo.company);
    folders.push_back("/etc/standwise");
#endif
    return folders;
}

DataFolders std_program_data_folders() {
    DataFolders folders =
        locate_data_folders(executable_folder(), STANDWISE_INSTALLED_DATA, application_data_folder());
    folders.settings = settings_folders();
    return folders;
}

}  // namespace standwise

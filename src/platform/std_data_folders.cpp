#include "platform/std_data_folders.h"

#include <filesystem>
#include <random>
#include <system_error>

#include "platform/native.h"

namespace standwise {
namespace {

namespace fs = std::filesystem;

bool holds_devices(const fs::path& folder) {
    std::error_code ignored;
    return fs::is_directory(folder / "devices", ignored);
}

}  // namespace

DataFolders locate_data_folders(const std::string& executable_folder, const std::string& installed_data,
                                const std::string& app_data) {
    if (!holds_devices(native_path(executable_folder))) {
        const fs::path installed =
            (native_path(executable_folder) / native_path(installed_data)).lexically_normal();
        if (holds_devices(installed)) return {utf8_path(installed), app_data};
    }
    // Without any application data folder the program's own is still the best place.
    const bool own_folder = app_data.empty() || folder_writable(executable_folder);
    return {executable_folder, own_folder ? executable_folder : app_data};
}

bool folder_writable(const std::string& folder) {
    std::random_device random;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const fs::path probe = native_path(folder) / (".standwise-probe-" + std::to_string(random()));
        std::error_code ec;
        if (fs::create_directory(probe, ec)) {
            fs::remove(probe, ec);
            return true;
        }
        if (ec) return false;
        // A folder of that name was there already: another name.
    }
    return false;
}

std::optional<std::string> make_folder_path(const std::string& path) {
    std::error_code ec;
    const fs::path folder = native_path(path);
    fs::create_directories(folder, ec);
    std::error_code ignored;
    if (fs::is_directory(folder, ignored)) return std::nullopt;
    return ec ? error_text(ec) : "a file of that name is in the way";
}

}  // namespace standwise

#include "workspace/startup.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "files/battery_sizes.h"
#include "model/device_library.h"
#include "model/reference_tables.h"
#include "platform/native.h"
#include "platform/std_data_folders.h"

namespace standwise {
// The application data folder, made for an installed program, is the one whose failure is worth a
// message: without it no configuration or report has its folder.
void make_data_folders(Platform& platform) {
    const std::string base = platform.user_folder();
    if (base != platform.program_folder()) {
        if (std::optional<std::string> failure = make_folder_path(base))
            platform.ask_user("The folder for configurations and reports cannot be made:" +
                                  std::string(kCrLf) + base + kCrLf + *failure + ".",
                              "Data Folders", MessageStyle::OkExclamation);
    }
    for (const char* folder : {"interface_reports", "full_reports", "short_reports", "configurations"})
        platform.make_folder(user_data_path(platform, folder));
}

std::vector<std::string> stock_battery_files(Platform& platform) {
    std::vector<std::string> files;
    for (const std::string& folder : platform.settings_folders())
        if (!folder.empty()) files.push_back(utf8_path((native_path(folder) / "batteries.txt").make_preferred()));
    files.push_back(data_path(platform, "batteries.txt"));
    return files;
}

// A file that is there but cannot be used is still the one in use: its message names it, rather
// than sizes from another file being taken without a word.
void load_stock_batteries(SystemModel& model, Platform& platform) {
    const std::vector<std::string> files = stock_battery_files(platform);
    const auto present = [](const std::string& file) {
        std::error_code ignored;
        return std::filesystem::exists(native_path(file), ignored);
    };
    const auto found = std::find_if(files.begin(), files.end(), present);
    const std::string& path = found != files.end() ? *found : files.back();
    const StockBatteries stock = read_stock_batteries(platform.read_lines(path), path);
    model.stock_batteries = stock.sizes;
    model.stock_batteries_file = stock.problem.empty() ? path : std::string();
    if (!stock.problem.empty())
        platform.ask_user(stock.problem, "Battery Sizes", MessageStyle::OkExclamation);
}

SystemModel start_model(Platform& platform) {
    SystemModel model;
    const DeviceLibraryReport report = read_windows_dir(model, platform);
    report_device_library(report, platform);
    load_stock_batteries(model, platform);
    return model;
}

}  // namespace standwise

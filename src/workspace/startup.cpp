#include "workspace/startup.h"

#include <optional>
#include <string>

#include "calc/battery_choice.h"
#include "model/device_library.h"
#include "model/reference_tables.h"
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

SystemModel start_model(Platform& platform) {
    SystemModel model;
    const DeviceLibraryReport report = read_windows_dir(model, platform);
    report_device_library(report, platform);
    load_stock_batteries(model, platform);
    return model;
}

}  // namespace standwise

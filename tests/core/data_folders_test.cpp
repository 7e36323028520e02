#include "platform/std_data_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scripted_platform.h"

namespace standwise {
namespace {

namespace fs = std::filesystem;

// Layouts of the program's folder and what it reads and writes in each.
TEST(DataFolders, ProgramReadsBesideItselfOrFromTheInstalledDataFolder) {
    const test::TempFolder root;
    const auto at = [&](const std::string& name) { return root.file(name); };
    for (const char* devices : {"portable/devices", "prefix/share/standwise/devices", "both/bin/devices",
                                "both/share/standwise/devices"})
        fs::create_directories(at(devices));
    fs::create_directories(at("prefix/bin"));
    fs::create_directories(at("bare"));
    const std::string app_data = at("home/.local/share/Ostrel/Standwise");
    const std::string installed = "../share/standwise";

    struct Case {
        std::string executable, app_data, program, user;
    };
    const Case cases[] = {
        {at("portable"), app_data, at("portable"), at("portable")},
        {at("prefix/bin"), app_data, at("prefix/share/standwise"), app_data},
        {at("both/bin"), app_data, at("both/bin"), at("both/bin")},
        // No library anywhere: the program's own folder, as before there was an installed layout.
        {at("bare"), app_data, at("bare"), at("bare")},
        // A folder that cannot be written in (here, one that is not there at all).
        {at("gone"), app_data, at("gone"), app_data},
        {at("gone"), "", at("gone"), at("gone")},
    };
    for (const Case& c : cases) {
        const DataFolders folders = locate_data_folders(c.executable, installed, c.app_data);
        EXPECT_EQ(folders.program, c.program) << c.executable;
        EXPECT_EQ(folders.user, c.user) << c.executable;
    }
    // Finding out that a folder can be written leaves nothing behind.
    EXPECT_TRUE(folder_writable(at("bare")));
    EXPECT_TRUE(fs::is_empty(at("bare")));
}

}  // namespace
}  // namespace standwise

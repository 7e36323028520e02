// Where the program's files lie: the device library and release notes that it reads, and the
// folder below which it makes the configurations and reports folders.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace standwise {

/// The folders of one run.
struct DataFolders {
    std::string program;  // holds devices/ and readme.txt
    std::string user;     // the configurations and reports folders are made below it
    // The folders whose batteries.txt replaces the shipped one, in turn.
    std::vector<std::string> settings{};
};

/// A program with devices/ beside it (the build tree, a copy kept in a folder of its own) reads its
/// data there and makes its folders there too while it can write in it; otherwise, when
/// `executable_folder`/`installed_data` (the installed layout, "../share/standwise") holds devices/,
/// it reads from that folder and makes its folders below `app_data`, the user's application data
/// folder, as it does whenever its own folder cannot be written.
DataFolders locate_data_folders(const std::string& executable_folder, const std::string& installed_data,
                                const std::string& app_data);

/// Whether folders can be made in `folder`, found out by making and removing one: permission bits
/// say nothing for an administrator, nor on a read-only disc.
bool folder_writable(const std::string& folder);

/// Makes a folder and any missing folders above it. Returns why it is not there afterwards.
std::optional<std::string> make_folder_path(const std::string& path);

}  // namespace standwise

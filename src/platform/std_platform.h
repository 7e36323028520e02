// The services that standard C++ provides on every platform: folders, listing and reading text
// files. The Qt, scripted and command-line platforms build on it.
#pragma once

#include "platform/platform.h"

namespace standwise {

class StdPlatform : public Platform {
public:
    explicit StdPlatform(std::string program_folder = {});

    std::string program_folder() override { return program_folder_; }
    void set_program_folder(std::string folder) { program_folder_ = std::move(folder); }
    /// The program folder unless another folder is set.
    std::string user_folder() override { return user_folder_.empty() ? program_folder() : user_folder_; }
    void set_user_folder(std::string folder) { user_folder_ = std::move(folder); }
    std::vector<std::string> settings_folders() override { return settings_folders_; }
    void set_settings_folders(std::vector<std::string> folders) { settings_folders_ = std::move(folders); }
    std::string recovery_folder() override { return recovery_folder_; }
    void set_recovery_folder(std::string folder) { recovery_folder_ = std::move(folder); }
    void make_folder(const std::string& path) override;
    std::string windows_folder() override { return {}; }
    std::optional<std::vector<FolderEntry>> list_folder(const std::string& path) override;
    TextLines read_lines(const std::string& path) override;
    /// The atomic writer: a temporary file beside the target, renamed over it once complete.
    std::optional<std::string> write_file(const std::string& path, const std::string& bytes) override;

private:
    std::string program_folder_;
    std::string user_folder_;
    std::vector<std::string> settings_folders_;
    std::string recovery_folder_;
};

}  // namespace standwise

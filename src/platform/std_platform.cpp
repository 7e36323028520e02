#include "platform/std_platform.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/file_io.h"
#include "platform/native.h"
#include "platform/text_files.h"

namespace standwise {

std::string data_path(Platform& platform, const std::string& name) {
    return utf8_path(native_path(platform.program_folder()) / native_path(name));
}

std::string user_data_path(Platform& platform, const std::string& name) {
    return utf8_path(native_path(platform.user_folder()) / native_path(name));
}

std::string unread_reason(const TextLines& read, const std::string& what) {
    switch (read.outcome) {
        case ReadOutcome::Read:
            break;
        case ReadOutcome::CannotOpen:
            return "it cannot be opened for reading" + (read.reason.empty() ? "" : " (" + read.reason + ")");
        case ReadOutcome::NotAFile:
            return "it is not a regular file";
        case ReadOutcome::TooLarge:
            return "it is too large to be a " + what + " (over " +
                   std::to_string(kMaxInputFileBytes / (1024 * 1024)) + " MiB)";
    }
    return {};
}

StdPlatform::StdPlatform(std::string program_folder) : program_folder_(std::move(program_folder)) {}

void StdPlatform::make_folder(const std::string& path) {
    std::error_code ignored;
    std::filesystem::create_directory(native_path(path), ignored);
}

std::optional<std::vector<FolderEntry>> StdPlatform::list_folder(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path folder = native_path(path);
    if (!fs::is_directory(folder, ec)) return std::nullopt;
    std::vector<FolderEntry> entries;
    fs::directory_iterator it(folder, ec), end;
    if (ec) return std::nullopt;
    for (; it != end; it.increment(ec)) {
        if (ec) return std::nullopt;
        std::error_code kind;
        if (it->is_directory(kind)) continue;
        entries.push_back({utf8_path(it->path().filename()), utf8_path(it->path())});
    }
    // UTF-8 byte order, the same on every system.
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

TextLines StdPlatform::read_lines(const std::string& path) {
    return read_text_file(path);
}

std::optional<std::string> StdPlatform::write_file(const std::string& path, const std::string& bytes) {
    return write_file_atomically(path, bytes);
}

}  // namespace standwise

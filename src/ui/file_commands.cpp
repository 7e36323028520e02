#include "ui/file_commands.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "files/file_names.h"
#include "platform/file_io.h"
#include "platform/native.h"
#include "platform/text_files.h"

namespace standwise {
namespace {

// An existing file is never replaced unasked, even one that cannot be read.
bool file_exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(native_path(path), ignored);
}

}  // namespace

// A name typed without an extension is saved with the filter's, so the load chooser, which
// shows only that extension, finds the file again.
std::optional<std::string> save_chosen_file(
    Platform& platform, const SaveCommand& command,
    const std::function<std::optional<std::string>(const std::string& path)>& write) {
    const std::string path = with_filter_extension(
        platform.choose_file(FileMode::Save, command.title, command.filter, command.initial_folder),
        command.filter);
    if (path.empty()) return std::nullopt;
    if (file_exists(path) &&
        platform.ask_user("Are you sure you want to overwrite this file?", command.exists_caption,
                          MessageStyle::YesNoQuestion) != Answer::Yes)
        return std::nullopt;
    if (std::optional<std::string> error = write(path)) {
        platform.ask_user(write_failure_message(path, *error), command.title, MessageStyle::OkExclamation);
        return std::nullopt;
    }
    return path;
}

// The file is replaced only once the new one is complete, so a failure keeps the old one.
std::optional<std::string> save_to_chosen_file(Platform& platform, const SaveCommand& command,
                                               const std::function<std::vector<std::string>()>& make_lines) {
    return save_chosen_file(platform, command, [&](const std::string& path) {
        return platform.write_file(path, crlf_text(make_lines()));
    });
}

std::string unloadable_message(const std::string& path, const std::string& why) {
    return "The file " + path + " cannot be loaded: " + why + ".";
}

void report_refused_file(Platform& platform, const std::string& caption, const std::string& path,
                         const ConfigLoad& load) {
    if (load.file == ReadOutcome::NotAFile || load.file == ReadOutcome::TooLarge)
        platform.ask_user(unloadable_message(path, load.file_problem), caption, MessageStyle::OkExclamation);
}

std::string open_chosen_report(Platform& platform, const std::string& initial_folder) {
    const std::string path = platform.choose_file(FileMode::Open, "Open Report",
                                                  "Report text files (*.txt)|*.txt", initial_folder);
    if (!path.empty() && is_readable_file(path)) platform.open_in_editor(path);
    return path;
}

}  // namespace standwise

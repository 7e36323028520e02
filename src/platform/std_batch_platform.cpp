#include "platform/std_batch_platform.h"

#include <chrono>
#include <ctime>

#include "platform/file_io.h"
#include "platform/native.h"
#include "platform/text_files.h"

namespace standwise {

BatchPlatform::BatchPlatform(const DataFolders& folders, std::ostream& messages)
    : StdPlatform(folders.program), messages_(messages) {
    set_user_folder(folders.user);
    set_settings_folders(folders.settings);
}

std::string BatchPlatform::message_line(const std::string& prompt, const std::string& caption) {
    return caption + ": " + replace_line_breaks(prompt, " ");
}

Answer BatchPlatform::ask_user(const std::string& prompt, const std::string& caption, MessageStyle style) {
    std::string line = message_line(prompt, caption);
    shown.push_back(line);
    Answer answer = Answer::Ok;
    if (style == MessageStyle::YesNoQuestion) {
        answer = Answer::Yes;
        line += " (answered Yes)";
    } else if (style == MessageStyle::OkCancelExclamation) {
        line += " (answered OK)";
    }
    if (echo) messages_ << line << '\n' << std::flush;
    return answer;
}

std::optional<std::size_t> BatchPlatform::ask_choice(const std::string& prompt, const std::string& caption,
                                                     const std::vector<std::string>& choices) {
    if (choices.empty()) return std::nullopt;
    messages_ << message_line(prompt, caption) << " (answered " << choices.front() << ")\n" << std::flush;
    return 0;
}

std::optional<std::string> BatchPlatform::write_file(const std::string& path, const std::string& bytes) {
    std::optional<std::string> failure = write_file_atomically(path, bytes, Flush::Later);
    // Reports of one run mostly share a folder, and a folder names its file system.
    const std::string folder = utf8_path(native_path(path).parent_path());
    const std::string written_in = folder.empty() ? std::string(".") : folder;
    if (!failure && (unflushed_.empty() || unflushed_.back() != written_in)) unflushed_.push_back(written_in);
    return failure;
}

std::optional<std::string> BatchPlatform::flush_writes() {
    for (const std::string& folder : unflushed_)
        if (std::optional<std::string> failure = flush_file_system(folder)) return failure;
    unflushed_.clear();
    return std::nullopt;
}

DateTime BatchPlatform::now() {
    std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace standwise

#include "platform/std_batch_platform.h"

#include <chrono>
#include <ctime>

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

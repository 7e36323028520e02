#include "support/scripted_platform.h"

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/native.h"

namespace standwise::test {

Answer ScriptedPlatform::ask_user(const std::string& prompt, const std::string& caption, MessageStyle style) {
    messages.push_back({prompt, caption, style});
    if (!answers_.empty()) {
        Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return style == MessageStyle::YesNoQuestion ? Answer::Yes : Answer::Ok;
}

std::optional<std::size_t> ScriptedPlatform::ask_choice(const std::string& prompt, const std::string& caption,
                                                        const std::vector<std::string>& choices) {
    choice_questions.push_back({prompt, caption, choices});
    if (picks_.empty()) return std::size_t{0};
    const std::optional<std::size_t> pick = picks_.front();
    picks_.pop_front();
    return pick;
}

PrintOutcome ScriptedPlatform::print_report(const ReportDocument& document) {
    printed.push_back(document);
    if (print_outcomes_.empty()) return PrintOutcome::Printed;
    const PrintOutcome outcome = print_outcomes_.front();
    print_outcomes_.pop_front();
    return outcome;
}

std::string ScriptedPlatform::choose_file(FileMode mode, const std::string& title, const std::string& filter,
                                          const std::string& initial_folder) {
    choosers.push_back({mode, title, filter, initial_folder});
    if (files_.empty()) return {};
    std::string path = files_.front();
    files_.pop_front();
    return path;
}

void PrintTo(const RecordedMessage& message, std::ostream* out) {
    *out << "{\"" << message.prompt << "\", \"" << message.caption << "\", style " << int(message.style)
         << "}";
}

void PrintTo(const RecordedChooser& chooser, std::ostream* out) {
    *out << "{mode " << int(chooser.mode) << ", \"" << chooser.title << "\", \"" << chooser.filter << "\", \""
         << chooser.initial_folder << "\"}";
}

void PrintTo(const RecordedChoice& choice, std::ostream* out) {
    *out << "{\"" << choice.prompt << "\", \"" << choice.caption << "\", " << choice.choices.size()
         << " choices}";
}

std::vector<std::string> ScriptedPlatform::captions() const {
    std::vector<std::string> result;
    for (const RecordedMessage& m : messages)
        result.push_back(m.caption);
    return result;
}

TempFolder::TempFolder() {
    std::random_device random;
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        auto candidate = base / ("standwise-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = utf8_path(candidate);
            return;
        }
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(native_path(path_), ignored);
}

std::string TempFolder::file(const std::string& name) const {
    // One kind of separator, as the program's own paths have on each system.
    return utf8_path((native_path(path_) / native_path(name)).make_preferred());
}

std::string TempFolder::write(const std::string& name, const std::string& content) const {
    std::string path = file(name);
    std::filesystem::create_directories(native_path(path).parent_path());
    std::ofstream(native_path(path), std::ios::binary) << content;
    return path;
}

std::string shipped_devices_folder() {
    return std::string(STANDWISE_SOURCE_DIR) + "/devices";
}

std::optional<std::string> ScriptedPlatform::write_file(const std::string& path, const std::string& bytes) {
    if (write_failures_.empty()) return StdPlatform::write_file(path, bytes);
    std::string reason = std::move(write_failures_.front());
    write_failures_.pop_front();
    return reason;
}

}  // namespace standwise::test

#include "workspace/questions.h"

#include <optional>

namespace standwise {

bool user_confirms_clear(Platform& platform, const std::string& caption) {
    return platform.ask_user(
               std::string("This will clear the current configuration") + kCrLf + "Are you sure?", caption,
               MessageStyle::YesNoQuestion) == Answer::Yes;
}

bool user_confirms_clear_loop(Platform& platform) {
    return platform.ask_user(
               std::string("This will clear this loops configuration") + kCrLf + "Are you sure?",
               "Clear loop configuration", MessageStyle::YesNoQuestion) == Answer::Yes;
}

bool user_confirms_exit(Platform& platform) {
    return platform.ask_user("Are you sure you want to exit?\rUnsaved information will be lost",
                             "Exit Program", MessageStyle::OkCancelExclamation) == Answer::Ok;
}

bool user_confirms_close(Platform& platform) {
    return platform.ask_user(std::string("Are you sure you want to exit?") + kCrLf +
                                 "Any unsaved information will be lost.",
                             "Exit - Caldris Standwise", MessageStyle::YesNoQuestion) == Answer::Yes;
}

UnsavedAnswer ask_save_changes(Platform& platform, const std::string& name, const std::string& before,
                               const std::string& caption) {
    const std::optional<std::size_t> choice = platform.ask_choice(
        "Save changes to " + name + " before " + before + "?", caption, {"Save", "Discard"});
    if (!choice) return UnsavedAnswer::Cancel;
    return *choice == 0 ? UnsavedAnswer::Save : UnsavedAnswer::Discard;
}

}  // namespace standwise

// The platform services on the Qt desktop: message boxes, the file chooser, the editor, the pause,
// the busy pointer, the clock and the print dialog. Folders and text files come from the standard library.
#pragma once

#include "platform/std_data_folders.h"
#include "platform/std_platform.h"

namespace standwise {

class QtPlatform : public StdPlatform {
public:
    QtPlatform();

    Answer ask_user(const std::string& prompt, const std::string& caption, MessageStyle style) override;
    std::optional<std::size_t> ask_choice(const std::string& prompt, const std::string& caption,
                                          const std::vector<std::string>& choices) override;
    /// Without a printer set up the dialog is not shown: there would be nothing to choose.
    PrintOutcome print_report(const ReportDocument& document) override;
    std::string choose_file(FileMode mode, const std::string& title, const std::string& filter,
                            const std::string& initial_folder) override;
    std::string program_folder() override;
    std::string user_folder() override;
    std::vector<std::string> settings_folders() override;
    /// "recovery" in the application data folder, unless another folder is set.
    std::string recovery_folder() override;
    std::string windows_folder() override;
    void open_in_editor(const std::string& path) override;
    void pause(float seconds) override;
    void set_busy(bool on) override;
    DateTime now() override;

private:
    void locate_folders();

    bool busy_ = false;
};

/// The folders of this run, from the executable's folder, the user's documents folder and the
/// settings folders (named after the application's organisation and name, which are set first).
DataFolders program_data_folders();

/// A message text with its "\r\n" or lone "\r" breaks as the toolkit's line breaks.
std::string message_lines(const std::string& prompt);

/// The file chooser's filter from the program's "Description (*.ext)|*.ext" form.
std::string chooser_filter(const std::string& filter);

}  // namespace standwise

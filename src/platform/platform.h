// The desktop services that the model, the calculations, the files and the windows take from the
// platform, behind one small interface: the program runs on the Qt implementation, tests on a
// scripted one, and the command-line reports on one that writes every message to standard error.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace standwise {

/// The four kinds of message box the program shows.
enum class MessageStyle {
    YesNoQuestion,        // Yes and No, question icon
    OkExclamation,        // OK, exclamation icon
    OkCancelExclamation,  // OK and Cancel, exclamation icon
    OkInformation,        // OK, information icon
};

enum class Answer { Yes, No, Ok, Cancel };

enum class FileMode { Open, Save, Folder };

struct FolderEntry {
    std::string name;  // file name alone
    std::string path;  // full path
};

/// How reading an input file ended.
enum class ReadOutcome {
    Read,
    CannotOpen,  // missing, no permission, or a read error
    NotAFile,    // a folder, a pipe or a device
    TooLarge,    // over kMaxInputFileBytes
};

/// The lines of a text file read as input, or why it was not read.
struct TextLines {
    ReadOutcome outcome = ReadOutcome::CannotOpen;
    std::vector<std::string> lines;
    std::string reason;  // the system's words when it could not be opened: "No such file or directory"
    bool read() const { return outcome == ReadOutcome::Read; }
};

struct DateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

/// Lines that follow a report on paper and in a PDF, under a heading of their own.
struct ReportSection {
    std::string heading;
    std::vector<std::string> lines;
};

/// A report as it goes on paper or into a PDF: the report file's lines, then any sections.
struct ReportDocument {
    std::string title;                    // names the print job and the PDF: "Full report - Harbour"
    std::string header;                   // on every page beside "Page n of m": the site
    std::vector<std::string> lines;       // exactly the lines of the report file
    std::vector<ReportSection> sections;  // on paper and in the PDF only
};

/// How sending a report to a printer ended.
enum class PrintOutcome { Printed, Cancelled, NoPrinter, Failed };

/// Line break used inside message texts.
inline constexpr const char* kCrLf = "\r\n";

class Platform {
public:
    virtual ~Platform() = default;

    /// A modal message box. Prompts break lines with "\r\n" (or a lone "\r").
    virtual Answer ask_user(const std::string& prompt, const std::string& caption, MessageStyle style) = 0;

    /// A modal question with one button per choice and a Cancel button; the index of the choice
    /// taken, or nothing when cancelled.
    virtual std::optional<std::size_t> ask_choice(const std::string& prompt, const std::string& caption,
                                                  const std::vector<std::string>& choices) = 0;

    /// Prints the document on a printer chosen in the modal print dialog.
    virtual PrintOutcome print_report(const ReportDocument& document) = 0;

    /// A modal file chooser; `filter` is "Description (*.ext)|*.ext"; an empty `initial_folder` lets
    /// the chooser decide. Returns the chosen path, or an empty text when cancelled. Never asks
    /// about overwriting. In Folder mode it chooses a folder and the filter is not used.
    virtual std::string choose_file(FileMode mode, const std::string& title, const std::string& filter,
                                    const std::string& initial_folder) = 0;

    /// The folder that holds the program's data: the device library and the release notes.
    virtual std::string program_folder() = 0;

    /// The folder below which the configurations and reports folders are made: the program folder
    /// when the program runs from a folder of its own that it can write, else the user's
    /// application data folder.
    virtual std::string user_folder() = 0;

    /// The folders whose batteries.txt replaces the shipped one, the user's before the site's;
    /// none unless the platform has them.
    virtual std::vector<std::string> settings_folders() { return {}; }

    /// The folder for the recovery copies of unsaved configurations, in the user's application
    /// data folder; empty where the platform keeps none.
    virtual std::string recovery_folder() { return {}; }

    /// Creates one folder; an existing folder or any failure is ignored.
    virtual void make_folder(const std::string& path) = 0;

    /// The operating system's own folder where there is one (Windows), empty elsewhere.
    virtual std::string windows_folder() = 0;

    /// Shows a text file in the desktop's editor or viewer and returns at once.
    virtual void open_in_editor(const std::string& path) = 0;

    /// The files of one folder in name order; empty when the folder is missing or cannot be listed.
    virtual std::optional<std::vector<FolderEntry>> list_folder(const std::string& path) = 0;

    /// The lines of a text file without their line breaks, as UTF-8 (older Windows-1252 files are
    /// converted). Only a regular file of at most 4 MiB is read; anything else says why not.
    virtual TextLines read_lines(const std::string& path) = 0;

    /// Writes a whole file as one step: a failure never damages an existing file. Returns the
    /// reason when it could not, or nothing.
    virtual std::optional<std::string> write_file(const std::string& path, const std::string& bytes) = 0;

    /// Waits the given number of seconds, keeping the windows responsive.
    virtual void pause(float seconds) = 0;

    /// Turns the busy pointer on or off.
    virtual void set_busy(bool on) = 0;

    /// The current local date and time.
    virtual DateTime now() = 0;
};

/// Why a file was not read, for a message: "it cannot be opened for reading (No such file or
/// directory)", "it is not a regular file", "it is too large to be a configuration (over 4 MiB)".
/// `what` names what the file should have been: "configuration", "device file".
std::string unread_reason(const TextLines& read, const std::string& what);

/// A data folder or file below the program folder, joined with the platform's separator.
std::string data_path(Platform& platform, const std::string& name);

/// One of the configurations and reports folders below the user folder.
std::string user_data_path(Platform& platform, const std::string& name);

}  // namespace standwise

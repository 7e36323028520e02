// A platform for tests: records every message box and file chooser and answers as the test says.
#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/std_platform.h"

namespace standwise::test {

struct RecordedMessage {
    std::string prompt;
    std::string caption;
    MessageStyle style;
    bool operator==(const RecordedMessage&) const = default;
};
using Messages = std::vector<RecordedMessage>;
void PrintTo(const RecordedMessage& message, std::ostream* out);

struct RecordedChooser {
    FileMode mode;
    std::string title;
    std::string filter;
    std::string initial_folder;
    bool operator==(const RecordedChooser&) const = default;
};
using Choosers = std::vector<RecordedChooser>;
void PrintTo(const RecordedChooser& chooser, std::ostream* out);

struct RecordedChoice {
    std::string prompt;
    std::string caption;
    std::vector<std::string> choices;
    bool operator==(const RecordedChoice&) const = default;
};
using Choices = std::vector<RecordedChoice>;
void PrintTo(const RecordedChoice& choice, std::ostream* out);

class ScriptedPlatform : public StdPlatform {
public:
    explicit ScriptedPlatform(std::string program_folder = {}) : StdPlatform(std::move(program_folder)) {}

    /// Answers of the next message boxes in turn; when none is queued the first button (Yes or OK).
    void answer_next(Answer answer) { answers_.push_back(answer); }
    /// Paths the next file choosers return in turn; when none is queued the chooser is cancelled.
    void choose_next(std::string path) { files_.push_back(std::move(path)); }
    /// Answers of the next choice questions in turn (nothing: Cancel); when none is queued the first.
    void pick_next(std::optional<std::size_t> choice) { picks_.push_back(choice); }
    /// How the next print requests end in turn; when none is queued the report is printed.
    void print_next(PrintOutcome outcome) { print_outcomes_.push_back(outcome); }
    /// Makes the next file write fail with `reason`, as a full disk would, before anything is written.
    void fail_next_write(std::string reason) { write_failures_.push_back(std::move(reason)); }

    Answer ask_user(const std::string& prompt, const std::string& caption, MessageStyle style) override;
    std::optional<std::size_t> ask_choice(const std::string& prompt, const std::string& caption,
                                          const std::vector<std::string>& choices) override;
    PrintOutcome print_report(const ReportDocument& document) override;
    std::optional<std::string> write_file(const std::string& path, const std::string& bytes) override;
    std::string choose_file(FileMode mode, const std::string& title, const std::string& filter,
                            const std::string& initial_folder) override;
    void open_in_editor(const std::string& path) override { opened.push_back(path); }
    void pause(float seconds) override { pauses.push_back(seconds); }
    void set_busy(bool on) override { busy_calls.push_back(on); }
    DateTime now() override { return clock; }

    std::vector<RecordedMessage> messages;
    std::vector<RecordedChooser> choosers;
    std::vector<RecordedChoice> choice_questions;
    std::vector<ReportDocument> printed;  // every document handed to the print dialog
    std::vector<std::string> opened;
    std::vector<float> pauses;
    std::vector<bool> busy_calls;
    DateTime clock{2026, 12, 5, 14, 3, 59};

    /// Captions of the recorded messages, in order; handy for asserting a sequence.
    std::vector<std::string> captions() const;
    void clear_messages() { messages.clear(); }

private:
    std::deque<Answer> answers_;
    std::deque<std::string> files_;
    std::deque<std::optional<std::size_t>> picks_;
    std::deque<PrintOutcome> print_outcomes_;
    std::deque<std::string> write_failures_;
};

/// A fresh empty folder below the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    /// Path of a file inside the folder, with the system's own separators ("devices/b.txt" too).
    std::string file(const std::string& name) const;
    /// Writes a file inside the folder with the given content, byte for byte; returns its path.
    std::string write(const std::string& name, const std::string& content) const;

private:
    std::string path_;
};

/// The device library delivered with the program, in the source tree.
std::string shipped_devices_folder();

}  // namespace standwise::test

// The platform of the command-line reports: nothing is shown; every message box goes to a stream
// (standard error) as one line, and questions get the answer that leaves the loaded values in place.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/std_data_folders.h"
#include "platform/std_platform.h"

namespace standwise {

class BatchPlatform : public StdPlatform {
public:
    BatchPlatform(const DataFolders& folders, std::ostream& messages);

    /// Writes "Caption: text" with each line break replaced by one blank; a question is answered
    /// Yes (OK for OK/Cancel) and the line says so.
    Answer ask_user(const std::string& prompt, const std::string& caption, MessageStyle style) override;
    /// Takes the first choice and says so, as a question is answered Yes.
    std::optional<std::size_t> ask_choice(const std::string& prompt, const std::string& caption,
                                          const std::vector<std::string>& choices) override;
    /// Nothing is printed without a desktop.
    PrintOutcome print_report(const ReportDocument&) override { return PrintOutcome::NoPrinter; }
    std::string choose_file(FileMode, const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void open_in_editor(const std::string&) override {}
    void pause(float) override {}
    void set_busy(bool) override {}
    DateTime now() override;
    /// Writes as the windows do, but leaves flushing a new file to flush_writes: a batch of a
    /// thousand reports is flushed to disk once, not file by file.
    std::optional<std::string> write_file(const std::string& path, const std::string& bytes) override;
    /// Flushes every file written so far to disk; the reason when that fails, and the files then
    /// cannot be counted on.
    std::optional<std::string> flush_writes();

    /// The one-line form of a message box.
    static std::string message_line(const std::string& prompt, const std::string& caption);

    /// Every message shown so far, in its one-line form ("Caption: text"), for a caller to collect.
    std::vector<std::string> shown;
    /// Whether messages are also written to the stream; a caller that collects them may stop it.
    bool echo = true;

private:
    std::ostream& messages_;
    std::vector<std::string> unflushed_;  // the folders written to since the last flush
};

}  // namespace standwise

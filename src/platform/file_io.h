// Reading and writing whole files safely: inputs are taken only from regular files of a sane size,
// and a file is replaced only by a complete new copy that keeps the old one's place and permissions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace standwise {

/// No configuration or device file comes near this size; a larger one is refused before it is read.
inline constexpr std::uintmax_t kMaxInputFileBytes = 4 * 1024 * 1024;

struct FileBytes {
    ReadOutcome outcome = ReadOutcome::CannotOpen;
    std::string bytes;
    std::string reason;  // the system's words when it could not be opened: "No such file or directory"
};

/// The whole content of a regular file of at most kMaxInputFileBytes. Anything else (a folder, a
/// pipe, a device) is refused without waiting on it.
FileBytes read_input_file(const std::string& path);

/// Whether the path names a regular file that can be opened for reading; never waits on a pipe.
bool is_readable_file(const std::string& path);

/// Replaces the file's content with `bytes` as one step: the bytes go to a new temporary file beside
/// the file (created exclusively), which is flushed to disk and renamed over it only when complete.
/// A symbolic link is followed, so the file it points to is updated and the link stays; the new file
/// keeps the old one's permission bits (and owner, where the process may set it), on Windows its
/// hidden, system and archive attributes. A file the user may not write to (on Windows, a read-only
/// one) is refused, although its folder would allow the rename. Returns a reason when anything fails;
/// the old file is then untouched and no temporary file is left. On Linux the bytes go to an unnamed
/// file (O_TMPFILE) that gets a name only once written: a new file its own, a replacement a temporary
/// one just before the rename, so a write killed on the way leaves nothing. Temporary files of the
/// same target older than a minute, left by a killed write, are removed before writing (a folder is
/// looked through at most once a minute).
///
/// With Flush::Later a new file is not flushed on its own (a replacement still is, before it replaces
/// the old file): a batch of reports is flushed as a whole with flush_file_system before it counts as
/// written.
enum class Flush { Now, Later };
std::optional<std::string> write_file_atomically(const std::string& path, const std::string& bytes,
                                                 Flush flush = Flush::Now);

/// Flushes everything written to the file system that holds `path` (a folder or file) to disk; the
/// reason when it cannot. Windows flushes every file as it is written, so nothing is left to do there.
std::optional<std::string> flush_file_system(const std::string& path);

/// Writes some of `size` bytes to an open file (a descriptor, or a HANDLE on Windows) and returns
/// how many, or -1 with errno set.
using WriteCall = long (*)(std::intptr_t file, const char* data, std::size_t size);

/// The system's write.
long system_write(std::intptr_t file, const char* data, std::size_t size);

/// Puts `write` in the place of the system's write for write_file_atomically and returns the call it
/// replaces: tests fill the disk this way. Not for use while another thread saves.
WriteCall set_write_call(WriteCall write);

}  // namespace standwise

#include "platform/file_io.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <random>
#include <system_error>
#include <vector>

#include "platform/native.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace standwise {
namespace {

namespace fs = std::filesystem;

std::string system_reason(int error) {
    return std::generic_category().message(error);
}

WriteCall write_call = system_write;

// Every byte through the write call in turn; false with errno set when one fails.
bool write_all(std::intptr_t file, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const long n = write_call(file, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// A link to a link is followed to its end; a loop of links ends the write.
std::optional<fs::path> follow_links(const fs::path& path, std::string& reason) {
    fs::path target = path;
    for (int hops = 0; hops <= 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec))) return target;
        const fs::path link = fs::read_symlink(target, ec);
        if (ec) {
            reason = error_text(ec);
            return std::nullopt;
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    reason = system_reason(ELOOP);
    return std::nullopt;
}

// A name for the temporary file beside the target; a fresh one is tried when it is taken.
fs::path temporary_beside(const fs::path& target) {
    static std::mt19937_64 random{std::random_device{}()};
    fs::path name(".");
    name += target.filename();
    name += ".tmp" + std::to_string(random() % 1000000000);
    return target.parent_path() / name;
}

}  // namespace

WriteCall set_write_call(WriteCall write) {
    const WriteCall previous = write_call;
    write_call = write;
    return previous;
}

#ifndef _WIN32

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    /// Closes now and says whether the close succeeded (a late write error shows up here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Opened without blocking, so that a pipe never makes the program wait; then only a regular file
// passes.
int open_regular(const std::string& path, FileBytes& result) {
    const int fd = ::open(native_path(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.reason = system_reason(errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.outcome = ReadOutcome::NotAFile;
        ::close(fd);
        return -1;
    }
    return fd;
}

// Temporary files that an earlier write left behind when it was killed: their name is a target's
// with a dot in front and ".tmp" and digits after, and they are over a minute old, so no write still
// running owns them. A folder is listed at most once a minute: a batch writing a thousand reports
// into one folder must not list it a thousand times.
class StaleTemporaries {
public:
    void remove_for(const fs::path& target) {
        const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
        const std::string prefix = "." + target.filename().string() + ".tmp";
        const auto now = std::chrono::steady_clock::now();
        std::lock_guard lock(mutex_);
        auto [at, first] = by_folder_.try_emplace(folder);
        Listing& listed = at->second;
        if (first || now - listed.when > std::chrono::minutes(1)) listed = {now, stale_in(folder)};
        std::erase_if(listed.stale, [&](const std::string& name) {
            if (name.compare(0, prefix.size(), prefix) != 0) return false;
            if (name.find_first_not_of("0123456789", prefix.size()) != std::string::npos) return false;
            ::unlink((folder / name).c_str());
            return true;
        });
    }

private:
    static std::vector<std::string> stale_in(const fs::path& folder) {
        std::vector<std::string> names;
        std::error_code ec;
        const auto now = fs::file_time_type::clock::now();
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (name.size() < 6 || name[0] != '.' || name.find(".tmp", 1) == std::string::npos) continue;
            std::error_code stat_error;
            const auto written = fs::last_write_time(it->path(), stat_error);
            if (!stat_error && now - written > std::chrono::minutes(1)) names.push_back(name);
        }
        return names;
    }

    struct Listing {
        std::chrono::steady_clock::time_point when;
        std::vector<std::string> stale;
    };
    std::mutex mutex_;
    std::map<fs::path, Listing> by_folder_;
};

void remove_stale_temporaries(const fs::path& target) {
    static StaleTemporaries stale;
    stale.remove_for(target);
}

// A file without a name in the target's folder, where the file system offers one: a write killed
// before it is given its name leaves nothing behind. -1 when there is none.
int open_unnamed(const fs::path& target, mode_t mode) {
#ifdef O_TMPFILE
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
#else
    (void)target;
    (void)mode;
    return -1;
#endif
}

// Gives an unnamed file the target's own name; false when the name was taken meanwhile or the link
// cannot be made, and the temporary name is then tried.
bool link_unnamed(int fd, const fs::path& target) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// Gives an unnamed file a temporary name beside the target; false with errno set when it cannot.
bool name_unnamed(int fd, const fs::path& target, fs::path& temporary) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporary_beside(target);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST) return false;
    }
    return false;
}

// After the rename the folder's entry is flushed too, so the new name survives a power cut.
void sync_folder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

long system_write(std::intptr_t file, const char* data, std::size_t size) {
    return static_cast<long>(::write(static_cast<int>(file), data, size));
}

FileBytes read_input_file(const std::string& path) {
    FileBytes result;
    Descriptor fd(open_regular(path, result));
    if (fd.get() < 0) return result;
    // Read in pieces up to one byte over the limit, so a file that grows while it is read is refused too.
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            result.reason = system_reason(errno);
            result.bytes.clear();
            return result;
        }
        if (n == 0) break;
        result.bytes.append(buffer, static_cast<std::size_t>(n));
        if (result.bytes.size() > kMaxInputFileBytes) {
            result.outcome = ReadOutcome::TooLarge;
            result.bytes.clear();
            return result;
        }
    }
    result.outcome = ReadOutcome::Read;
    return result;
}

bool is_readable_file(const std::string& path) {
    FileBytes ignored;
    Descriptor fd(open_regular(path, ignored));
    return fd.get() >= 0;
}

std::optional<std::string> write_file_atomically(const std::string& path, const std::string& bytes,
                                                 Flush flush) {
    std::string reason;
    const std::optional<fs::path> target = follow_links(native_path(path), reason);
    if (!target) return reason;

    struct stat old {};
    const bool replacing = ::stat(target->c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) return std::string("it is not a regular file");
    // A file the user may not write to stays protected, even though its folder would allow a rename.
    if (replacing && ::access(target->c_str(), W_OK) != 0) return system_reason(errno);

    fs::path temporary;
    // A new file gets the usual permissions, a replacement starts private and takes the old file's
    // permissions before any byte is written.
    int raw = open_unnamed(*target, replacing ? 0600 : 0666);
    const bool unnamed = raw >= 0;
    remove_stale_temporaries(*target);
    for (int attempt = 0; raw < 0 && attempt < 100; ++attempt) {
        temporary = temporary_beside(*target);
        // Never through an existing name; a new file gets the usual permissions, a replacement
        // starts private and takes the old file's permissions before any byte is written.
        raw = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0666);
        if (raw < 0 && errno != EEXIST) return system_reason(errno);
    }
    if (raw < 0) return system_reason(EEXIST);
    Descriptor fd(raw);
    auto fail = [&](int error) -> std::optional<std::string> {
        if (!temporary.empty()) ::unlink(temporary.c_str());
        return system_reason(error);
    };
    if (replacing) {
        // The owner can be kept only by a process allowed to give files away; the group often can.
        if (::fchown(fd.get(), old.st_uid, old.st_gid) != 0 &&
            ::fchown(fd.get(), static_cast<uid_t>(-1), old.st_gid) != 0) {
            // Neither kept: the permission bits set next are what protect the file.
        }
        if (::fchmod(fd.get(), old.st_mode & 07777) != 0) return fail(errno);
    }
    // A replacement is on disk before it takes the old file's place, whenever the rest is flushed.
    const bool flush_now = flush == Flush::Now || replacing;
    if (!write_all(fd.get(), bytes) || (flush_now && ::fsync(fd.get()) != 0)) return fail(errno);
    // The unnamed file gets a name only once every byte is written (and, but for a new file of a
    // batch, on disk): a new file takes the target's name at once, so nothing is ever left behind; a
    // replacement takes a temporary name just before it replaces the target.
    if (unnamed && !replacing && link_unnamed(fd.get(), *target)) {
        if (!fd.close()) {
            const int error = errno;
            ::unlink(target->c_str());
            return system_reason(error);
        }
        if (flush == Flush::Now) sync_folder(target->parent_path());
        return std::nullopt;
    }
    if (unnamed && !name_unnamed(fd.get(), *target, temporary)) {
        const int error = errno;
        temporary.clear();
        return fail(error);
    }
    if (!fd.close()) return fail(errno);
    if (::rename(temporary.c_str(), target->c_str()) != 0) return fail(errno);
    if (flush == Flush::Now) sync_folder(target->parent_path());
    return std::nullopt;
}

std::optional<std::string> flush_file_system(const std::string& path) {
    const int fd = ::open(native_path(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return system_reason(errno);
    Descriptor held(fd);
#ifdef __linux__
    if (::syncfs(fd) != 0) return system_reason(errno);
#else
    ::sync();
#endif
    return std::nullopt;
}

#else

namespace {

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid()) ::CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    /// Closes now and says whether the close succeeded.
    bool close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return ::CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

int last_errno() {
    return errno_of_windows_error(::GetLastError());
}

// Opened so that other programs may still read, write or rename the file; then only a file on a
// disk passes: a device (NUL, CON) or a pipe is refused before anything is read from it.
HANDLE open_regular(const std::string& path, FileBytes& result) {
    const fs::path name = native_path(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        result.outcome = ReadOutcome::NotAFile;
        return INVALID_HANDLE_VALUE;
    }
    const HANDLE handle =
        ::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        result.reason = system_reason(last_errno());
        return handle;
    }
    if (::GetFileType(handle) != FILE_TYPE_DISK) {
        result.outcome = ReadOutcome::NotAFile;
        ::CloseHandle(handle);
        return INVALID_HANDLE_VALUE;
    }
    return handle;
}

// A temporary file takes the attributes of the file it replaces, except read-only, which would keep
// it from being removed; so the attribute is cleared before removing, whatever set it.
void remove_temporary(const fs::path& temporary) {
    ::SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(temporary.c_str());
}

constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

}  // namespace

long system_write(std::intptr_t file, const char* data, std::size_t size) {
    DWORD written = 0;
    const DWORD piece = size > (1u << 30) ? 1u << 30 : static_cast<DWORD>(size);
    if (!::WriteFile(reinterpret_cast<HANDLE>(file), data, piece, &written, nullptr)) {
        errno = last_errno();
        return -1;
    }
    return static_cast<long>(written);
}

FileBytes read_input_file(const std::string& path) {
    FileBytes result;
    Handle file(open_regular(path, result));
    if (!file.valid()) return result;
    // Read in pieces up to one byte over the limit, so a file that grows while it is read is refused too.
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) {
            result.reason = system_reason(last_errno());
            result.bytes.clear();
            return result;
        }
        if (n == 0) break;
        result.bytes.append(buffer, n);
        if (result.bytes.size() > kMaxInputFileBytes) {
            result.outcome = ReadOutcome::TooLarge;
            result.bytes.clear();
            return result;
        }
    }
    result.outcome = ReadOutcome::Read;
    return result;
}

bool is_readable_file(const std::string& path) {
    FileBytes ignored;
    Handle file(open_regular(path, ignored));
    return file.valid();
}

std::optional<std::string> write_file_atomically(const std::string& path, const std::string& bytes, Flush) {
    std::string reason;
    const std::optional<fs::path> target = follow_links(native_path(path), reason);
    if (!target) return reason;

    const DWORD old = ::GetFileAttributesW(target->c_str());
    const bool replacing = old != INVALID_FILE_ATTRIBUTES;
    if (replacing && (old & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
        return std::string("it is not a regular file");
    // A read-only file stays protected, as a file without write permission does elsewhere.
    if (replacing && (old & FILE_ATTRIBUTE_READONLY)) return system_reason(EACCES);
    const DWORD attributes =
        replacing && (old & kKeptAttributes) ? old & kKeptAttributes : FILE_ATTRIBUTE_NORMAL;

    fs::path temporary;
    HANDLE raw = INVALID_HANDLE_VALUE;
    for (int attempt = 0; raw == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
        temporary = temporary_beside(*target);
        // Never through an existing name.
        raw = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
        if (raw == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS &&
            ::GetLastError() != ERROR_ALREADY_EXISTS)
            return system_reason(last_errno());
    }
    if (raw == INVALID_HANDLE_VALUE) return system_reason(EEXIST);
    Handle file(raw);
    auto fail = [&](int error) -> std::optional<std::string> {
        if (file.valid()) file.close();
        remove_temporary(temporary);
        return system_reason(error);
    };
    if (!write_all(reinterpret_cast<std::intptr_t>(file.get()), bytes)) return fail(errno);
    if (!::FlushFileBuffers(file.get())) return fail(last_errno());
    if (!file.close()) return fail(last_errno());
    // Write-through: the rename is on the disk when the call returns. A file that another program
    // holds open without allowing this is not replaced, and the save fails.
    if (!::MoveFileExW(temporary.c_str(), target->c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail(last_errno());
    return std::nullopt;
}

std::optional<std::string> flush_file_system(const std::string&) {
    return std::nullopt;  // every file was flushed as it was written
}

#endif

}  // namespace standwise

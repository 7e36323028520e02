#include "platform/file_io.h"

#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <fstream>
#include <iterator>
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

// A link to a link is followed to its end; a loop of links ends the write.
std::optional<fs::path> follow_links(const std::string& path, std::string& reason) {
    fs::path target(path);
    for (int hops = 0; hops <= 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec))) return target;
        const fs::path link = fs::read_symlink(target, ec);
        if (ec) {
            reason = ec.message();
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
    return target.parent_path() /
           ("." + target.filename().string() + ".tmp" + std::to_string(random() % 1000000000));
}

#ifndef _WIN32

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
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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

bool write_all(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// After the rename the folder's entry is flushed too, so the new name survives a power cut.
void sync_folder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

#endif

}  // namespace

#ifndef _WIN32

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

std::optional<std::string> write_file_atomically(const std::string& path, const std::string& bytes) {
    std::string reason;
    const std::optional<fs::path> target = follow_links(path, reason);
    if (!target) return reason;

    struct stat old {};
    const bool replacing = ::stat(target->c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) return std::string("it is not a regular file");
    // A file the user may not write to stays protected, even though its folder would allow a rename.
    if (replacing && ::access(target->c_str(), W_OK) != 0) return system_reason(errno);

    fs::path temporary;
    int raw = -1;
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
        ::unlink(temporary.c_str());
        return system_reason(error);
    };
    if (replacing) {
        // The owner can be kept only by a process allowed to give files away; the group often can.
        if (::fchown(fd.get(), old.st_uid, old.st_gid) != 0)
            (void)::fchown(fd.get(), static_cast<uid_t>(-1), old.st_gid);
        if (::fchmod(fd.get(), old.st_mode & 07777) != 0) return fail(errno);
    }
    if (!write_all(fd.get(), bytes) || ::fsync(fd.get()) != 0) return fail(errno);
    if (!fd.close()) return fail(errno);
    if (::rename(temporary.c_str(), target->c_str()) != 0) return fail(errno);
    sync_folder(target->parent_path());
    return std::nullopt;
}

#else

FileBytes read_input_file(const std::string& path) {
    FileBytes result;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) {
        result.reason = ec ? ec.message() : system_reason(ENOENT);
        return result;
    }
    if (!fs::is_regular_file(status)) {
        result.outcome = ReadOutcome::NotAFile;
        return result;
    }
    if (fs::file_size(path, ec) > kMaxInputFileBytes) {
        result.outcome = ReadOutcome::TooLarge;
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.reason = system_reason(errno);
        return result;
    }
    result.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    result.outcome = in.bad() ? ReadOutcome::CannotOpen : ReadOutcome::Read;
    return result;
}

bool is_readable_file(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec) && static_cast<bool>(std::ifstream(path, std::ios::binary));
}

std::optional<std::string> write_file_atomically(const std::string& path, const std::string& bytes) {
    std::string reason;
    const std::optional<fs::path> target = follow_links(path, reason);
    if (!target) return reason;
    std::error_code ec;
    const bool replacing = fs::exists(*target, ec);
    const fs::perms perms = replacing ? fs::status(*target, ec).permissions() : fs::perms::unknown;
    const fs::path temporary = temporary_beside(*target);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return system_reason(errno);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, ec);
            return system_reason(EIO);
        }
    }
    if (replacing) fs::permissions(temporary, perms, ec);
    fs::rename(temporary, *target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return ec.message();
    }
    return std::nullopt;
}

#endif

}  // namespace standwise

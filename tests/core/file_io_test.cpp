#include "platform/file_io.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/native.h"
#include "platform/std_batch_platform.h"
#include "platform/text_files.h"
#include "support/golden.h"
#include "support/scripted_platform.h"

namespace standwise {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using test::bytes_of;
using test::names_in;

#ifdef _WIN32
constexpr const char* kDevice = "NUL";
#else
constexpr const char* kDevice = "/dev/null";
#endif

// Only regular files of a sane size are read as input, and nothing waits on a device or a pipe.
TEST(FileRead, InputIsOnlyARegularFileOfAtMostFourMiB) {
    test::TempFolder folder;
    const std::string large = folder.write("large.cfg", std::string(kMaxInputFileBytes + 1, 'x'));
    const std::string largest = folder.write("largest.cfg", std::string(kMaxInputFileBytes, 'y'));
    const std::pair<std::string, ReadOutcome> cases[] = {
        {kDevice, ReadOutcome::NotAFile},
        {folder.path(), ReadOutcome::NotAFile},
        {large, ReadOutcome::TooLarge},
        {largest, ReadOutcome::Read},
        {folder.file("missing.cfg"), ReadOutcome::CannotOpen}};
    for (const auto& [path, outcome] : cases)
        EXPECT_EQ(read_text_file(path).outcome, outcome) << path;
    EXPECT_EQ(read_input_file(largest).bytes, std::string(kMaxInputFileBytes, 'y'));
    EXPECT_FALSE(is_readable_file(kDevice));
    EXPECT_EQ(unread_reason(read_text_file(large), "configuration"),
              "it is too large to be a configuration (over 4 MiB)");
    // The same words on every system.
    EXPECT_EQ(unread_reason(read_text_file(folder.file("missing.cfg")), "configuration"),
              "it cannot be opened for reading (No such file or directory)");
#ifndef _WIN32
    const std::string pipe = folder.file("pipe.cfg");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(read_text_file(pipe).outcome, ReadOutcome::NotAFile);
    EXPECT_FALSE(is_readable_file(pipe));
#endif
}

// The disk fills up after the first 16 bytes of the temporary file.
std::size_t disk_room = 0;
long full_disk(std::intptr_t file, const char* data, std::size_t size) {
    if (disk_room == 0) {
        errno = ENOSPC;
        return -1;
    }
    const long n = system_write(file, data, std::min(size, disk_room));
    if (n > 0) disk_room -= static_cast<std::size_t>(n);
    return n;
}

// A write that fails half-way keeps the old file whole and leaves no temporary file; a new file is
// not made at all.
TEST(FileWrite, FullDiskKeepsTheOldFileWhole) {
    test::TempFolder folder;
    const std::string path = folder.write("site.cfg", "precious\r\n");
    disk_room = 16;
    const WriteCall system = set_write_call(full_disk);
    const std::optional<std::string> error = write_text_lines(path, {std::string(1000, 'x')});
    disk_room = 16;
    const std::optional<std::string> new_file =
        write_text_lines(folder.file("new.cfg"), {std::string(100, 'x')});
    set_write_call(system);
    EXPECT_EQ(error, "No space left on device");
    EXPECT_EQ(new_file, "No space left on device");
    EXPECT_EQ(bytes_of(path), "precious\r\n");
    EXPECT_EQ(names_in(folder.path()), Names{"site.cfg"});
    // With room again the same save goes through.
    EXPECT_EQ(write_text_lines(path, {std::string(1000, 'x')}), std::nullopt);
    EXPECT_EQ(bytes_of(path), std::string(1000, 'x') + "\r\n");
}

#ifndef _WIN32
// What the target's folder holds while the bytes are being written.
Names folder_during_write;
std::string watched_folder;
long watching_write(std::intptr_t file, const char* data, std::size_t size) {
    folder_during_write = names_in(watched_folder);
    return system_write(file, data, size);
}

// A write killed before it is complete leaves nothing: while the bytes go out the temporary file
// has no name. A temporary of the same target left by an earlier killed write, over a minute old,
// is removed; a young one, or one of another file, is left to whoever owns it.
TEST(FileWrite, AnInterruptedWriteLeavesNothingBehind) {
    test::TempFolder folder;
    const std::string path = folder.write("site.cfg", "old\r\n");
    const std::string stale = folder.write(".site.cfg.tmp123", "killed");
    const std::string young = folder.write(".site.cfg.tmp456", "running");
    const std::string other = folder.write(".other.cfg.tmp789", "killed");
    const auto old_time = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    fs::last_write_time(stale, old_time);
    fs::last_write_time(other, old_time);
    watched_folder = folder.path();
    const WriteCall system = set_write_call(watching_write);
    EXPECT_EQ(write_text_lines(path, {"new"}), std::nullopt);
    set_write_call(system);
    EXPECT_EQ(folder_during_write, (Names{".other.cfg.tmp789", ".site.cfg.tmp456", "site.cfg"}));
    EXPECT_EQ(names_in(folder.path()), (Names{".other.cfg.tmp789", ".site.cfg.tmp456", "site.cfg"}));
    EXPECT_EQ(bytes_of(path), "new\r\n");

    // A new file takes its own name once every byte is written, and no other name at any time.
    set_write_call(watching_write);
    EXPECT_EQ(write_text_lines(folder.file("fresh.cfg"), {"fresh"}), std::nullopt);
    set_write_call(system);
    EXPECT_EQ(folder_during_write, (Names{".other.cfg.tmp789", ".site.cfg.tmp456", "site.cfg"}));
    EXPECT_EQ(names_in(folder.path()),
              (Names{".other.cfg.tmp789", ".site.cfg.tmp456", "fresh.cfg", "site.cfg"}));
    EXPECT_EQ(bytes_of(folder.file("fresh.cfg")), "fresh\r\n");
}
#endif

bool read_only(const std::string& path) {
    return (fs::status(native_path(path)).permissions() & fs::perms::owner_write) == fs::perms::none;
}

// A read-only file is refused, although its folder would allow the rename: it keeps its content and
// its protection, and no temporary file is left.
TEST(FileWrite, ReadOnlyFileIsRefused) {
#ifndef _WIN32
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not hold the superuser back";
#endif
    test::TempFolder folder;
    const std::string path = folder.write("site.cfg", "precious\r\n");
    fs::permissions(native_path(path),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(write_text_lines(path, {"x"}), "Permission denied");
    EXPECT_EQ(bytes_of(path), "precious\r\n");
    EXPECT_TRUE(read_only(path));
    EXPECT_EQ(names_in(folder.path()), Names{"site.cfg"});
    fs::permissions(native_path(path), fs::perms::owner_write, fs::perm_options::add);
}

#ifdef _WIN32

// Another program holds the file open without letting it be replaced (as editors and spreadsheets
// do): the save fails, the file stays as it was, and nothing is left beside it, not even when the
// file is read-only as well.
TEST(FileWrite, FileHeldOpenByAnotherProgramIsNotReplaced) {
    test::TempFolder folder;
    const std::string path = folder.write("site.cfg", "precious\r\n");
    const fs::path native = native_path(path);
    for (const bool protect : {false, true}) {
        if (protect) ::SetFileAttributesW(native.c_str(), FILE_ATTRIBUTE_READONLY);
        const HANDLE held =
            ::CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        EXPECT_EQ(write_text_lines(path, {"x"}), "Permission denied") << protect;
        ::CloseHandle(held);
        EXPECT_EQ(bytes_of(path), "precious\r\n");
        EXPECT_EQ(names_in(folder.path()), Names{"site.cfg"}) << protect;
        ::SetFileAttributesW(native.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_EQ(write_text_lines(path, {"x"}), std::nullopt);
    EXPECT_EQ(bytes_of(path), "x\r\n");
}

#else

// Elsewhere a file held open is replaced as usual, and the program that holds it goes on reading
// the old content.
TEST(FileWrite, FileHeldOpenByAnotherProgramIsReplaced) {
    test::TempFolder folder;
    const std::string path = folder.write("site.cfg", "precious\r\n");
    std::ifstream held(path, std::ios::binary);
    EXPECT_EQ(write_text_lines(path, {"x"}), std::nullopt);
    EXPECT_EQ(bytes_of(path), "x\r\n");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(held), {}), "precious\r\n");
    EXPECT_EQ(names_in(folder.path()), Names{"site.cfg"});
}

fs::perms permissions_of(const std::string& path) {
    return fs::status(path).permissions();
}

// A save through a link updates the file it points to and leaves the link; the file keeps its
// permissions, so a private file stays private.
TEST(FileWrite, WriteFollowsLinksAndKeepsPermissions) {
    test::TempFolder folder;
    const std::string real = folder.write("data/real.cfg", "old\r\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    const std::string link = folder.file("link.cfg");
    const std::string chain = folder.file("chain.cfg");
    fs::create_symlink("data/real.cfg", link);
    fs::create_symlink("link.cfg", chain);

    EXPECT_EQ(write_text_lines(chain, {"new"}), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(chain));
    EXPECT_EQ(bytes_of(real), "new\r\n");
    EXPECT_EQ(permissions_of(real), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(names_in(folder.file("data")), Names{"real.cfg"});

    // A new file gets the usual permissions of the user's new files.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    EXPECT_EQ(write_text_lines(folder.file("fresh.cfg"), {"x"}), std::nullopt);
    EXPECT_EQ(static_cast<mode_t>(permissions_of(folder.file("fresh.cfg"))), 0666 & ~mask);

    // A link in a loop is no file to write.
    fs::create_symlink("loop2.cfg", folder.file("loop1.cfg"));
    fs::create_symlink("loop1.cfg", folder.file("loop2.cfg"));
    EXPECT_TRUE(write_text_lines(folder.file("loop1.cfg"), {"x"}));
}

// The system's own limit on file size stops the write half-way: the old file stays whole and no
// temporary file is left; so does a folder the user may not write to.
TEST(FileWrite, FileSizeLimitKeepsTheOldFileWhole) {
    test::TempFolder folder;
    const std::string path = folder.write("site.cfg", "precious\r\n");
    struct rlimit old_limit {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    struct rlimit small = old_limit;
    small.rlim_cur = 64;
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::optional<std::string> error = write_text_lines(path, {std::string(1000, 'x')});
    ::setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_TRUE(error);
    EXPECT_EQ(bytes_of(path), "precious\r\n");
    EXPECT_EQ(names_in(folder.path()), Names{"site.cfg"});

    if (::geteuid() == 0) return;  // permissions do not hold the superuser back
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(write_text_lines(path, {"x"}));
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_EQ(bytes_of(path), "precious\r\n");
}

#endif

#ifndef _WIN32
// A batch's reports are flushed to disk together at its end; a batch that cannot be flushed says why
// rather than count its reports as written.
TEST(FileWrite, BatchWritesAreFlushedTogetherOrTheFailureSaid) {
    test::TempFolder folder;
    std::ostringstream messages;
    BatchPlatform batch({folder.path(), folder.path()}, messages);
    const std::string kept = folder.file("kept/a.txt"), gone = folder.file("gone/b.txt");
    fs::create_directories(folder.file("kept"));
    fs::create_directories(folder.file("gone"));
    EXPECT_EQ(batch.write_file(kept, "a\r\n"), std::nullopt);
    EXPECT_EQ(batch.write_file(gone, "b\r\n"), std::nullopt);
    EXPECT_EQ(bytes_of(kept), "a\r\n");
    fs::remove_all(folder.file("gone"));
    EXPECT_EQ(batch.flush_writes(), std::optional<std::string>("No such file or directory"));
    EXPECT_EQ(batch.write_file(kept, "c\r\n"), std::nullopt);  // a replacement, flushed before it replaces
    EXPECT_EQ(bytes_of(kept), "c\r\n");
    EXPECT_TRUE(messages.str().empty());
}
#endif

}  // namespace
}  // namespace standwise

#include "platform/text_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/file_io.h"
#include "support/golden.h"
#include "support/scripted_platform.h"

namespace standwise {
namespace {

using Lines = std::vector<std::string>;
using test::bytes_of;

std::ptrdiff_t entries_in(const std::string& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

TEST(TextFile, LinesEndInCrLfLfOrCr) {
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\n\rb", {"a", "", "b"}},  // LF CR is two breaks
        {"x\r\ny\rz\n", {"x", "y", "z"}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(split_lines(text), lines) << text;
}

// Octal escapes: \265 is the Windows-1252 micro sign, \302\265 its UTF-8 form.
TEST(TextFile, OlderFilesAreReadAsWindows1252) {
    const std::pair<const char*, const char*> cases[] = {
        {"250\265A", "250\302\265A"},
        {"\200 5", "\342\202\254 5"},
        {"caf\351 \223quoted\224", "caf\303\251 \342\200\234quoted\342\200\235"},
        {"250\302\265A \342\202\254", "250\302\265A \342\202\254"},  // UTF-8 stays
        {"\357\273\277first", "first"},
        {"\302", "\303\202"},  // a sequence cut short is not UTF-8
        {"plain", "plain"},
    };
    for (auto [bytes, text] : cases)
        EXPECT_EQ(decode_text(bytes), text) << bytes;
}

TEST(TextFile, ReadsFilesWhateverTheirBreaksAndEncoding) {
    test::TempFolder folder;
    std::string path = folder.write("old.txt", "\357\273\277one\r\ntwo\nthree 5\302\265A\r\n");
    EXPECT_EQ(read_text_lines(path), (Lines{"one", "two", "three 5\302\265A"}));
    path = folder.write("legacy.txt", "Loop 1\r20\265A\r");
    EXPECT_EQ(read_text_lines(path), (Lines{"Loop 1", "20\302\265A"}));
    EXPECT_EQ(read_text_lines(folder.write("empty.txt", "")), Lines{});

    EXPECT_TRUE(is_readable_file(path));
    for (const std::string& unreadable : {folder.file("missing.txt"), folder.path()}) {
        EXPECT_FALSE(is_readable_file(unreadable));
        EXPECT_FALSE(read_text_lines(unreadable));
    }
    EXPECT_FALSE(is_readable_file(""));
}

TEST(TextFile, WritesCrLfAndReplacesWholeFile) {
    test::TempFolder folder;
    std::string path = folder.write("report.txt", "an older and much longer content\r\nsecond\r\n");
    EXPECT_EQ(write_text_lines(path, {"Site:", "", "5\302\265A"}), std::nullopt);
    EXPECT_EQ(bytes_of(path), "Site:\r\n\r\n5\302\265A\r\n");
    EXPECT_EQ(write_text_lines(path, {}), std::nullopt);
    EXPECT_EQ(bytes_of(path), "");
    EXPECT_EQ(entries_in(folder.path()), 1);  // no temporary left
}

TEST(TextFile, FailedWriteIsReportedAndDamagesNothing) {
    test::TempFolder folder;
    std::optional<std::string> error = write_text_lines(folder.file("missing/report.txt"), {"x"});
    ASSERT_TRUE(error);
    EXPECT_FALSE(error->empty());
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing")));

    // A folder where the file should go cannot be replaced; what it holds survives.
    std::string inside = folder.write("taken/keep.cfg", "precious\r\n");
    EXPECT_TRUE(write_text_lines(folder.file("taken"), {"x"}));
    EXPECT_EQ(bytes_of(inside), "precious\r\n");
    EXPECT_EQ(entries_in(folder.path()), 1);  // no temporary left
}

#ifndef _WIN32

namespace fs = std::filesystem;

fs::perms permissions_of(const std::string& path) {
    return fs::status(path).permissions();
}

// Only regular files of a sane size are read as input, and nothing waits on a pipe.
TEST(TextFile, InputIsOnlyARegularFileOfAtMostFourMiB) {
    test::TempFolder folder;
    const std::string pipe = folder.file("pipe.cfg");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string large = folder.write("large.cfg", std::string(kMaxInputFileBytes + 1, 'x'));
    const std::string largest = folder.write("largest.cfg", std::string(kMaxInputFileBytes, 'x'));
    const std::pair<std::string, ReadOutcome> cases[] = {
        {pipe, ReadOutcome::NotAFile},
        {folder.path(), ReadOutcome::NotAFile},
        {large, ReadOutcome::TooLarge},
        {largest, ReadOutcome::Read},
        {folder.file("missing.cfg"), ReadOutcome::CannotOpen}};
    for (const auto& [path, outcome] : cases)
        EXPECT_EQ(read_text_file(path).outcome, outcome) << path;
    EXPECT_FALSE(is_readable_file(pipe));
    EXPECT_EQ(unread_reason(read_text_file(large), "configuration"),
              "it is too large to be a configuration (over 4 MiB)");
    EXPECT_EQ(unread_reason(read_text_file(folder.file("missing.cfg")), "configuration"),
              "it cannot be opened for reading (No such file or directory)");
}

// A save through a link updates the file it points to and leaves the link; the file keeps its
// permissions, so a private file stays private.
TEST(TextFile, WriteFollowsLinksAndKeepsPermissions) {
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
    EXPECT_EQ(entries_in(folder.file("data")), 1);

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

// A write that fails half-way (here the file size limit) keeps the old file whole and leaves no
// temporary file; so does a folder the user may not write to.
TEST(TextFile, FailedWriteKeepsTheOldFileWhole) {
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
    EXPECT_EQ(entries_in(folder.path()), 1);

    if (::geteuid() == 0) return;  // permissions do not hold the superuser back
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(write_text_lines(path, {"x"}));
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_EQ(bytes_of(path), "precious\r\n");
}

#endif

}  // namespace
}  // namespace standwise

#include "platform/text_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_io.h"
#include "platform/native.h"
#include "support/golden.h"
#include "support/scripted_platform.h"

namespace standwise {
namespace {

using Lines = std::vector<std::string>;
using test::bytes_of;

std::ptrdiff_t entries_in(const std::string& folder) {
    return std::distance(std::filesystem::directory_iterator(native_path(folder)), {});
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
    EXPECT_FALSE(std::filesystem::exists(native_path(folder.file("missing"))));

    // A folder where the file should go cannot be replaced; what it holds survives.
    std::string inside = folder.write("taken/keep.cfg", "precious\r\n");
    EXPECT_TRUE(write_text_lines(folder.file("taken"), {"x"}));
    EXPECT_EQ(bytes_of(inside), "precious\r\n");
    EXPECT_EQ(entries_in(folder.path()), 1);  // no temporary left
}

}  // namespace
}  // namespace standwise

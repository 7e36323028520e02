#include "files/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/scripted_platform.h"

namespace standwise {
namespace {

using Lines = std::vector<std::string>;

std::string bytes_of(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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

TEST(TextFile, OlderFilesAreReadAsWindows1252) {
    EXPECT_EQ(decode_text("250\xB5"
                          "A"),
              "250\xC2\xB5"
              "A");
    EXPECT_EQ(decode_text("\x80 5"), "\xE2\x82\xAC 5");
    EXPECT_EQ(decode_text("caf\xE9 \x93quoted\x94"), "caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D");
    EXPECT_EQ(decode_text("250\xC2\xB5"
                          "A \xE2\x82\xAC"),
              "250\xC2\xB5"
              "A \xE2\x82\xAC");  // UTF-8 stays
    EXPECT_EQ(decode_text("\xEF\xBB\xBF"
                          "first"),
              "first");
    EXPECT_EQ(decode_text("\xC2"), "\xC3\x82");  // a sequence cut short is not UTF-8
    EXPECT_EQ(decode_text("plain"), "plain");
}

TEST(TextFile, ReadsFilesWhateverTheirBreaksAndEncoding) {
    test::TempFolder folder;
    std::string path = folder.write("old.txt",
                                    "\xEF\xBB\xBF"
                                    "one\r\ntwo\nthree 5\xC2\xB5"
                                    "A\r\n");
    EXPECT_EQ(read_text_lines(path), (Lines{"one", "two",
                                            "three 5\xC2\xB5"
                                            "A"}));
    path = folder.write("legacy.txt",
                        "Loop 1\r20\xB5"
                        "A\r");
    EXPECT_EQ(read_text_lines(path), (Lines{"Loop 1",
                                            "20\xC2\xB5"
                                            "A"}));
    EXPECT_EQ(read_text_lines(folder.write("empty.txt", "")), Lines{});

    EXPECT_TRUE(file_readable(path));
    EXPECT_FALSE(file_readable(folder.file("missing.txt")));
    EXPECT_FALSE(file_readable(folder.path()));
    EXPECT_FALSE(file_readable(""));
    EXPECT_FALSE(read_text_lines(folder.file("missing.txt")));
    EXPECT_FALSE(read_text_lines(folder.path()));
}

TEST(TextFile, WritesCrLfAndReplacesWholeFile) {
    test::TempFolder folder;
    std::string path = folder.write("report.txt", "an older and much longer content\r\nsecond\r\n");
    EXPECT_EQ(write_text_lines(path, {"Site:", "",
                                      "5\xC2\xB5"
                                      "A"}),
              std::nullopt);
    EXPECT_EQ(bytes_of(path),
              "Site:\r\n\r\n5\xC2\xB5"
              "A\r\n");
    EXPECT_EQ(write_text_lines(path, {}), std::nullopt);
    EXPECT_EQ(bytes_of(path), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);  // no temporary left
}

TEST(TextFile, FailedWriteIsReportedAndDamagesNothing) {
    test::TempFolder folder;
    std::optional<std::string> error = write_text_lines(folder.file("missing/report.txt"), {"x"});
    ASSERT_TRUE(error);
    EXPECT_FALSE(error->empty());
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing")));

    // A folder where the file should go cannot be replaced; what it holds survives.
    std::string inside = folder.write("taken/keep.cfg", "precious\r\n");
    error = write_text_lines(folder.file("taken"), {"x"});
    ASSERT_TRUE(error);
    EXPECT_EQ(bytes_of(inside), "precious\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);  // no temporary left
}

}  // namespace
}  // namespace standwise

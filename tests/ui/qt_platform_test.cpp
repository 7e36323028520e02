// The Qt platform's translations of the program's message and filter forms.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "platform/qt_platform.h"

namespace standwise::test {
namespace {

TEST(QtPlatformTest, MessageLineBreaksAndChooserFilters) {
    const std::pair<const char*, const char*> lines[] = {
        {"one\r\ntwo", "one\ntwo"},
        {"Are you sure you want to exit?\rUnsaved information will be lost",
         "Are you sure you want to exit?\nUnsaved information will be lost"},
        {"a\r\n\r\nb\r", "a\n\nb\n"},
        {"plain", "plain"},
    };
    for (auto [prompt, shown] : lines)
        EXPECT_EQ(message_lines(prompt), shown) << prompt;

    EXPECT_EQ(chooser_filter("System configuration files (*.cfg)|*.cfg"),
              "System configuration files (*.cfg)");
    EXPECT_EQ(chooser_filter("Text (*.txt)"), "Text (*.txt)");
}

// The tests' folder holds the device library and can be written, as a build tree or a portable copy.
TEST(QtPlatformTest, ProgramFolderIsTheExecutablesFolder) {
    QtPlatform platform;
    EXPECT_EQ(platform.program_folder(),
              QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString());
    EXPECT_EQ(platform.user_folder(), platform.program_folder());
#ifndef Q_OS_WIN
    EXPECT_EQ(platform.windows_folder(), "");
#endif
}

}  // namespace
}  // namespace standwise::test

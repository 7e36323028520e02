// The Qt platform's translations of the program's message and filter forms.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

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

// The which-report question's buttons have keys of their own beside Cancel's.
TEST(QtPlatformTest, ChoicesCarryAccessKeys) {
    QtPlatform platform;
    QStringList captions;
    QTimer::singleShot(0, [&captions] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        for (QAbstractButton* button : box->buttons())
            if (box->buttonRole(button) == QMessageBox::AcceptRole) captions << button->text();
        box->escapeButton()->click();
    });
    EXPECT_EQ(platform.ask_choice("Which report?", "Print Report", {"Full report", "Short report", "Fuel"}),
              std::nullopt);
    EXPECT_EQ(captions, (QStringList{"&Full report", "&Short report", "F&uel"}));
}

}  // namespace
}  // namespace standwise::test

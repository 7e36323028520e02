// The Qt platform's translations of the program's message and filter forms, and its choice question.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

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

// The question answers with the index of the button clicked, and nothing for Cancel.
TEST(QtPlatformTest, ChoiceQuestionAnswersWithTheButtonClicked) {
    QtPlatform platform;
    const auto answer = [&](const std::function<QAbstractButton*(QMessageBox&)>& button) {
        QTimer::singleShot(0, [button] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
                    button(*box)->click();
        });
        return platform.ask_choice("Which report do you want to print?", "Print Report",
                                   {"Full report", "Short report"});
    };
    const auto captioned = [](const char* caption) {
        return [caption](QMessageBox& box) -> QAbstractButton* {
            for (QAbstractButton* button : box.buttons())
                if (button->text() == QString::fromUtf8(caption)) return button;
            return box.escapeButton();
        };
    };
    EXPECT_EQ(answer(captioned("Short report")), std::optional<std::size_t>(1));
    EXPECT_EQ(answer(captioned("Full report")), std::optional<std::size_t>(0));
    EXPECT_EQ(answer([](QMessageBox& box) { return box.escapeButton(); }), std::nullopt);
}

}  // namespace
}  // namespace standwise::test

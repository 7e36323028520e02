// An installed program keeps its configurations and reports below the user's application data
// folder: start-up makes the folders there and every chooser of them starts there, while the
// device library and the release notes stay in the program folder.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <filesystem>

#include "support/scripted_platform.h"
#include "system_window_fixture.h"
#include "ui/app_context.h"
#include "ui/interface/frminterface.h"
#include "ui/system/frmloopx.h"
#include "ui/system/frmmain.h"
#include "ui/widgets.h"

namespace standwise::test {
namespace {

namespace fs = std::filesystem;

TEST(UserFolderTest, DataFoldersAndTheirChoosersAreBelowTheUserFolder) {
    const TempFolder home;
    const std::string user = home.file("data/Ostrel/Standwise");
    ScriptedPlatform platform(QCoreApplication::applicationDirPath().toStdString());
    platform.set_user_folder(user);
    AppContext ctx(platform);
    ctx.main().Form_Load();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(shown(ctx.loopx().lbldevice_help[1]->text()), "Optical smoke detector");
    const auto below = [&](const char* name) { return (fs::path(user) / name).string(); };
    for (const char* folder : {"configurations", "full_reports", "short_reports", "interface_reports"})
        EXPECT_TRUE(fs::is_directory(below(folder))) << folder;

    frmmain& main = ctx.main();
    frminterface& interface = ctx.interface_window();
    for (QAction* action :
         {main.mnusave, main.mnuload, main.mnufull, main.mnushort, main.mnuopenreport, interface.mnusave,
          interface.mnuload, interface.mnureport, interface.mnuopenreport, main.mnuviewrelease})
        action->trigger();
    std::vector<std::string> folders;
    for (const RecordedChooser& chooser : platform.choosers)
        folders.push_back(chooser.initial_folder);
    EXPECT_EQ(folders, (std::vector<std::string>{below("configurations"), below("configurations"),
                                                 below("full_reports"), below("short_reports"), user,
                                                 below("configurations"), below("configurations"),
                                                 below("interface_reports"), below("full_reports")}));
    EXPECT_EQ(platform.opened, std::vector<std::string>{data_path(platform, "readme.txt")});
}

TEST(UserFolderTest, AUserFolderThatCannotBeMadeIsNamed) {
    const TempFolder home;
    const std::string user = home.write("data", "a file where the folder would go\n") + "/Standwise";
    ScriptedPlatform platform(QCoreApplication::applicationDirPath().toStdString());
    platform.set_user_folder(user);
    AppContext ctx(platform);
    ctx.main().Form_Load();
    ASSERT_EQ(platform.captions(), std::vector<std::string>{"Data Folders"});
    const RecordedMessage& message = platform.messages.front();
    EXPECT_EQ(message.style, MessageStyle::OkExclamation);
    EXPECT_EQ(message.prompt.rfind(
                  "The folder for configurations and reports cannot be made:\r\n" + user + "\r\n", 0),
              0u)
        << message.prompt;
    // The program goes on: the library is read and the panel worked out.
    EXPECT_FALSE(ctx.main().lblstandby->text().isEmpty());
}

}  // namespace
}  // namespace standwise::test

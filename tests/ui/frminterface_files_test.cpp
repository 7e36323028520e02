// The interface window's file menu: configuration files saved, loaded, refused and cut, reports
// against expected files, and opening a report.
#include <QAction>
#include <QGroupBox>
#include <QTabWidget>

#include "files/interface_config.h"
#include "interface_window_fixture.h"
#include "platform/text_files.h"
#include "support/golden.h"

namespace standwise::test {
namespace {

class InterfaceFilesTest : public InterfaceWindowTest {
protected:
    // Sectors of 100 and 200 mA, 50 mA auxiliary, 60 minutes, no address.
    void enter_sector_setup() {
        frminterface& w = window();
        w.cmbaddress->setCurrentIndex(0);
        type(w.txtlabel, "Gate house");
        type(w.txtsector_current[1], "100");
        type(w.txtsector_current[2], "200");
        choose(3, ChannelFunction::NotConnected);
        type(w.txtaux_current, "50");
        w.cmbalarm_time_interface->setCurrentIndex(1);
    }

    std::string save(const std::string& name) {
        std::string path = folder.file(name);
        platform.choose_next(path);
        window().mnusave->trigger();
        return path;
    }

    void load(const std::string& path) {
        platform.choose_next(path);
        window().mnuload->trigger();
    }

    Texts report(const std::string& name) {
        std::string path = folder.file(name);
        platform.choose_next(path);
        window().mnureport->trigger();
        return lines_of(path);
    }

    Texts shown_setup() { return interface_configuration_lines(window().interface_setup()); }
};

TEST_F(InterfaceFilesTest, SavedSetupLoadsBackThroughTheWindow) {
    enter_mixed_setup();
    const Texts entered = shown_setup();
    const QString standby = window().lblstandby->text();
    const std::string path = save("mixed.cfg");
    EXPECT_EQ(lines_of(path), entered);

    window().mnunew->trigger();
    window().SSTab1->setCurrentIndex(4);
    load(path);
    EXPECT_EQ(shown_setup(), entered);
    EXPECT_EQ(window().lblstandby->text(), standby);
    EXPECT_EQ(window().frmstandby->toolTip(), "Includes 120 minutes of sounder activation");
    EXPECT_EQ(window().SSTab1->currentIndex(), 0);

    // The first chooser opens in the default folder, the next where the file was saved.
    const std::string filter = "Interface configuration files (*.cfg)|*.cfg";
    EXPECT_EQ(platform.choosers,
              (Choosers{{FileMode::Save, "Save Interface Configuration", filter,
                         data_path(platform, "configurations")},
                        {FileMode::Open, "Load Interface Configuration", filter, folder.path()}}));
}

TEST_F(InterfaceFilesTest, SaveAsksBeforeReplacingAndNamesAFileItCannotWrite) {
    const std::string path = save("default.cfg");
    const Texts lines = lines_of(path);
    EXPECT_EQ(lines, interface_configuration_lines(InterfaceSetup{}));
    EXPECT_TRUE(platform.messages.empty());

    type(window().txtlabel, "changed");
    platform.answer_next(Answer::No);
    save("default.cfg");
    EXPECT_EQ(lines_of(path), lines);
    save("default.cfg");
    EXPECT_EQ(lines_of(path)[2], "changed");
    EXPECT_EQ(platform.messages, Messages(2, {"Are you sure you want to overwrite this file?", "File Exists",
                                              MessageStyle::YesNoQuestion}));

    platform.clear_messages();
    const std::string unwritable = save("missing/interface.cfg");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].prompt.find(unwritable), std::string::npos);
    EXPECT_EQ(platform.messages[0].style, MessageStyle::OkExclamation);
}

TEST_F(InterfaceFilesTest, FilesThatAreRefusedOrCutKeepWhatCameBefore) {
    enter_mixed_setup();
    const Texts entered = shown_setup();
    const std::string path = save("mixed.cfg");

    load(folder.write("system.cfg", "System Configuration\r\nSite\r\n"));
    load(folder.write("empty.cfg", ""));
    EXPECT_EQ(shown_setup(), entered);
    EXPECT_EQ(platform.captions(), (Texts{"Incorrect File Type", "Incorrect File Type"}));

    // Cut after channel 2's option lines: the question names the line; on Yes address, label and
    // channel 1 come from the file, channel 2 has just been set to a zone, which empties its
    // currents, and the rest is the fresh start's, nothing of the setup that was open.
    platform.pick_next(1);
    window().mnunew->trigger();
    type(window().txtsector_current[3], "75");
    Texts lines = lines_of(path);
    lines.resize(11);
    ASSERT_FALSE(write_text_lines(folder.file("cut.cfg"), lines));
    platform.clear_messages();
    platform.pick_next(1);
    load(folder.file("cut.cfg"));
    EXPECT_EQ(
        platform.messages,
        (Messages{{"The file " + folder.file("cut.cfg") +
                       " could not be read whole: reading stopped at line 12 (the file ends early). Load the "
                       "part that could be read into a new configuration?",
                   "Load Interface Configuration", MessageStyle::YesNoQuestion}}));
    InterfaceSetup setup = window().interface_setup();
    EXPECT_EQ(setup.address_index, 13);
    EXPECT_EQ(setup.channels[1].zone_current, "2.5");
    EXPECT_EQ(setup.channels[2].function, ChannelFunction::Zone);
    EXPECT_EQ(setup.channels[3].sector_current, "");
    EXPECT_EQ(setup.alarm_time_index, 0);
    EXPECT_TRUE(window().isWindowModified());
}

TEST_F(InterfaceFilesTest, EntryChecksRunOnLoading) {
    Texts lines = lines_of(save("default.cfg"));
    lines[6] = "600";   // sector 1
    lines[11] = "300";  // sector 2
    lines[16] = "250";  // sector 3 takes the total above 500 mA
    lines[23] = "  120 ";
    ASSERT_FALSE(write_text_lines(folder.file("edited.cfg"), lines));
    load(folder.file("edited.cfg"));
    frminterface& w = window();
    EXPECT_EQ(texts(w.txtsector_current[1], w.txtsector_current[2], w.txtsector_current[3], w.txtaux_current,
                    w.lblinterface_a),
              (Texts{"", "300", "", "120", "0.440A"}));
}

TEST_F(InterfaceFilesTest, ReportsLineByLine) {
    platform.clock = {2026, 12, 5, 14, 3, 59};
    enter_sector_setup();
    expect_golden(report("sectors.txt"), "ui/window_sectors.txt");
    platform.pick_next(1);  // discard the setup
    window().mnunew->trigger();
    enter_mixed_setup();
    expect_golden(report("zones.txt"), "ui/window_zones.txt");
    const char* const filter = "Report text files (*.txt)|*.txt";
    EXPECT_EQ(platform.choosers,
              (Choosers{{FileMode::Save, "Generate Interface Report", filter,
                         data_path(platform, "interface_reports")},
                        {FileMode::Save, "Generate Interface Report", filter, folder.path()}}));
    EXPECT_TRUE(platform.opened.empty());
}

TEST_F(InterfaceFilesTest, OpenReportOpensOnlyAnExistingFile) {
    const std::string existing = folder.write("report.txt", "x\r\n");
    for (const std::string& path : {folder.file("none.txt"), std::string(), existing}) {
        if (!path.empty()) platform.choose_next(path);
        window().mnuopenreport->trigger();
    }
    EXPECT_EQ(platform.opened, Texts{existing});
    const std::string full_reports = data_path(platform, "full_reports");
    Choosers expected;
    for (const std::string& initial : {full_reports, folder.path(), folder.path()})
        expected.push_back({FileMode::Open, "Open Report", "Report text files (*.txt)|*.txt", initial});
    EXPECT_EQ(platform.choosers, expected);
}

}  // namespace
}  // namespace standwise::test

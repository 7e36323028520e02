// The main window after start-up and its own handlers: master alarms, the standards warning, New
// configuration, the status panels, Exit and closing.
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>

#include "system_window_fixture.h"
#include "ui/interface/frminterface.h"
#include "ui/misc/frmabout.h"

namespace standwise::test {
namespace {

using StartUpTest = SystemWindowTest;
using MainWindowTest = SystemWindowTest;

TEST_F(StartUpTest, ShowsTheDefaultPanelReadyForWork) {
    frmmain& w = main();
    EXPECT_EQ(w.windowTitle().toStdString(), "Standwise - System - Caldris XX - [*]");
    EXPECT_EQ(texts(w.StatusBar1->panel(1), w.StatusBar1->panel(2), w.lblamphours, w.lblsystem,
                    w.lblcontroller, w.lblloops, w.txtma1, w.cmbalarm_time, w.lbldate, w.lblloop_curr[1]),
              (Texts{"Loop Loading Status:-", "V1.04", "with 21Ah", " Caldris XX",
                     " MKII SMT Local Controller", " 1", "0", "30", "05/12/2026", "000.00mA"}));
    EXPECT_EQ(w.SSTabentry->currentIndex(), 8);
    EXPECT_TRUE(w.chkflash_back->isChecked());
    EXPECT_EQ(w.cmbalarm_time->count(), 4);
    EXPECT_FALSE(text(w.lblsystem_total_q).empty());
    EXPECT_FALSE(text(w.lblstandby).empty());
    for (int n = 1; n <= kLoops; ++n) {
        EXPECT_EQ(w.SSTabentry->isTabEnabled(n - 1), n == 1) << n;
        EXPECT_EQ(w.stb_loadstatus->panel(n)->sunken(), n == 1) << n;
        EXPECT_EQ(text(w.stb_loadstatus->panel(n)), n == 1 ? "Loop 1 OK" : "Not used") << n;
    }
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(platform.pauses, std::vector<float>{2});
    EXPECT_FALSE(ctx->about().isVisible());
    EXPECT_TRUE(QFileInfo(QString::fromStdString(data_path(platform, "configurations"))).isDir());
    EXPECT_EQ(shown(loop_window().lbldevice_help[1]->text()), "Optical smoke detector");
    EXPECT_EQ(loop_window().cmb_viewdata[1]->toolTip().toStdString(), "Max: 200");
    // The windows carry the menu entry's icon in all its sizes.
    EXPECT_EQ(QApplication::windowIcon().availableSizes().size(), 6);
}

TEST_F(MainWindowTest, MasterAlarmEntriesStayWithinTheCircuitLimit) {
    struct Case {
        const char *other, *typed, *kept;
    };
    // The default panel allows 800 mA.
    const Case cases[] = {{"0", "800", "800"}, {"0", "801", ""}, {"300", "501", ""},   {"300", "500", "500"},
                          {"0", "abc", ""},    {"0", "-5", ""},  {"0", " 12 ", " 12 "}};
    for (const Case& c : cases) {
        main().txtma2->setText(QString::fromUtf8(c.other));
        main().txtma1->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(text(main().txtma1), c.kept) << c.typed;
        main().txtma1->setText(QStringLiteral("0"));
    }
    main().txtma2->setText(QStringLiteral("0"));
    const std::string before = text(main().lblsystem_total_a);
    main().txtma1->setText(QStringLiteral("250"));
    EXPECT_NE(text(main().lblsystem_total_a), before);
    EXPECT_TRUE(platform.messages.empty());

    main().SSTabentry->setCurrentIndex(10);
    EXPECT_EQ(text(main().lblmaximum_ma), "(Maximum circuit load 800mA).");
    main().cmbalarm_time->setCurrentIndex(1);
    EXPECT_EQ(main().frmstandby->toolTip().toStdString(), "Includes 60 minutes of sounder activation");
    EXPECT_EQ(main().frmrequirements->toolTip(), main().frmstandby->toolTip());
}

TEST_F(MainWindowTest, StandardsWarningOnEveryResultTabSelectionAbove512Devices) {
    model().total_detection_devices = 512;
    main().SSTabentry->setCurrentIndex(11);
    main().SSTabentry->setCurrentIndex(8);
    EXPECT_TRUE(platform.messages.empty());

    model().total_detection_devices = 513;
    for (int tab : {11, 9, 11, 8, 10})
        main().SSTabentry->setCurrentIndex(tab);
    EXPECT_EQ(platform.messages,
              Messages(3, {"EN & BS Input/Detection count may have been exceeded for panel.",
                           "Fire Standards Warning", MessageStyle::OkExclamation}));
}

// A paste keeps no control character: the field shows what the workspace keeps, which loads back.
TEST_F(MainWindowTest, ControlCharactersPastedIntoTheSiteAreDropped) {
    main().txtsite->setText(QString::fromUtf8("Dock\t4\x1B[2J"));
    EXPECT_EQ(text(main().txtsite), "Dock 4[2J");
    EXPECT_EQ(ctx->system.site, "Dock 4[2J");
    main().mnuswitch_to_interface->trigger();
    ctx->interface_window().txtlabel->setText(QString::fromUtf8("Gate\tA\x07"));
    EXPECT_EQ(text(ctx->interface_window().txtlabel), "Gate A");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainWindowTest, NewConfigurationAsksAndThenStartsAfresh) {
    frmmain& w = main();
    w.txtsite->setText(QStringLiteral("Depot"));
    w.txtma1->setText(QStringLiteral("100"));
    w.cmbalarm_time->setCurrentIndex(3);
    fit(2, kSmtLoop);
    model().loop_device_count[1][1] = 5;
    model().all_loops_alarm = 5.0;  // as left by a heavily loaded panel
    model().total_detection_devices = 600;

    // Unsaved changes: Cancel keeps them, Discard clears.
    platform.pick_next(std::nullopt);
    w.mnunew->trigger();
    EXPECT_EQ(text(w.txtsite), "Depot");
    EXPECT_TRUE(w.SSTabentry->isTabEnabled(1));

    platform.pick_next(1);
    w.mnunew->trigger();
    EXPECT_EQ(platform.choice_questions.size(), 2u);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(w.windowTitle().toStdString(), "Standwise - System - Caldris XX - [*]");
    EXPECT_FALSE(w.isWindowModified());
    EXPECT_EQ(
        texts(w.txtsite, w.txtma1, w.cmbalarm_time, w.stb_loadstatus->panel(1), w.stb_loadstatus->panel(2)),
        (Texts{"", "0", "30", "Loop 1 OK", "Not used"}));
    EXPECT_EQ(model().loop_device_count[1][1], 0);
    EXPECT_TRUE(w.SSTabentry->isTabEnabled(0));
    EXPECT_FALSE(w.SSTabentry->isTabEnabled(1));
}

TEST_F(MainWindowTest, StatusPanelsOpenTheLoopWindowOnlyForLoopsInUse) {
    main().stb_loadstatus_PanelClick(2);
    EXPECT_FALSE(loop_window().isVisible());
    main().stb_loadstatus_PanelClick(1);
    EXPECT_TRUE(loop_window().isVisible());
    EXPECT_FALSE(main().isVisible());
    EXPECT_EQ(loop_window().loop_number(), 1);
}

TEST_F(MainWindowTest, ExitAndCloseAskBeforeEnding) {
    platform.answer_next(Answer::Cancel);
    main().mnuexit->trigger();
    platform.answer_next(Answer::No);
    main().close();
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(platform.messages,
              (Messages{{"Are you sure you want to exit?\rUnsaved information will be lost", "Exit Program",
                         MessageStyle::OkCancelExclamation},
                        {"Are you sure you want to exit?\r\nAny unsaved information will be lost.",
                         "Exit - Caldris Standwise", MessageStyle::YesNoQuestion}}));
}

TEST_F(MainWindowTest, AboutBoxAndReleaseNotes) {
    main().mnuabout->trigger();
    EXPECT_EQ(platform.pauses.back(), 3.0f);
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(ctx->about().isVisible());
    EXPECT_EQ(text(ctx->about().lblProduct), "Ostrel Standwise V1.0.000");
    EXPECT_EQ(text(ctx->about().lblRelease), std::string("Release ") + STANDWISE_RELEASE);
    EXPECT_EQ(text(ctx->about().lblSizes), "Battery sizes: " + data_path(platform, "batteries.txt"));
    // The box grows with the path it names, which is known only after the splash was first shown.
    EXPECT_GE(ctx->about().lblSizes->width(), ctx->about().lblSizes->sizeHint().width());
    main().mnuviewrelease->trigger();
    EXPECT_EQ(platform.opened, Texts{data_path(platform, "readme.txt")});
}

}  // namespace
}  // namespace standwise::test

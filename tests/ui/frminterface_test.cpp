#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>
#include <functional>

#include "interface_window_fixture.h"
#include "ui/misc/frmabout.h"
#include "ui/system/frmmain.h"

namespace standwise::test {
namespace {

// Whether the action, run inside the application's event loop, ends it. The application's own loop
// is used because it clears the end request when it returns, so later tests can run loops again.
bool ends_program(const std::function<void()>& action) {
    QTimer start, watchdog;
    start.setSingleShot(true);
    watchdog.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, action);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    start.start(0);
    watchdog.start(500);
    return QCoreApplication::exec() == 0;
}

void expect_default_setup(frminterface& w) {
    EXPECT_EQ(w.cmbaddress->count(), 202);
    EXPECT_EQ(w.cmbaddress->currentIndex(), 1);
    EXPECT_EQ(w.cmbaddress->currentText(), "0");
    EXPECT_EQ(w.cmbaddress->itemText(0), "");
    EXPECT_EQ(w.cmbaddress->itemText(201), "200");
    EXPECT_EQ(text_of(w.txtlabel), "");
    for (int n = 1; n <= 4; ++n) {
        EXPECT_TRUE(w.optsector[n]->isChecked()) << n;
        EXPECT_TRUE(w.txtsector_current[n]->isEnabled()) << n;
        EXPECT_FALSE(w.txtzone_current[n]->isEnabled()) << n;
        EXPECT_FALSE(w.lblzone[n]->isEnabled()) << n;
        EXPECT_EQ(text_of(w.txtsector_current[n]) + text_of(w.txtzone_current[n]), "") << n;
    }
    EXPECT_EQ(text_of(w.txtaux_current), "");
    EXPECT_EQ(w.cmbalarm_time_interface->count(), 4);
    EXPECT_EQ(w.cmbalarm_time_interface->currentText(), "30");
    EXPECT_EQ(text_of(w.lblaux_supply), "");
    EXPECT_EQ(text_of(w.lblamphours), "with 2.1Ah");
    // The unit alone, 0.02 A in both states, for half an hour: (2.1 x 0.8 - 0.5 x 0.02) / 0.02 h.
    EXPECT_EQ(text_of(w.lblinterface_q), "0.020A");
    EXPECT_EQ(text_of(w.lblinterface_a), "0.020A");
    EXPECT_EQ(text_of(w.lblstandby), "83:30");
}

TEST_F(InterfaceWindowTest, OpensWithTheDefaultSetupAndNewConfigurationRestoresIt) {
    frminterface& w = window();
    EXPECT_EQ(w.windowTitle(), "Standwise - Interface");
    expect_default_setup(w);

    w.cmbaddress->setCurrentIndex(13);
    type(w.txtlabel, "Plant room");
    choose(1, ChannelFunction::Zone);
    type(w.txtzone_current[1], "1");
    type(w.txtsector_current[2], "100");
    choose(3, ChannelFunction::NotConnected);
    type(w.txtaux_current, "100");
    w.cmbalarm_time_interface->setCurrentIndex(2);

    platform.answer_next(Answer::No);
    w.mnunew->trigger();
    EXPECT_EQ(text_of(w.txtlabel), "Plant room");
    w.mnunew->trigger();
    expect_default_setup(w);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].prompt, "This will clear the current configuration\r\nAre you sure?");
    EXPECT_EQ(platform.messages[1].caption, "Clear Interface Configuration");
    EXPECT_EQ(platform.messages[1].style, MessageStyle::YesNoQuestion);
}

TEST_F(InterfaceWindowTest, CurrentEntriesOutsideTheirLimitsAreEmptied) {
    frminterface& w = window();
    choose(1, ChannelFunction::Zone);
    struct Case {
        QLineEdit* field;
        const char* text;
        bool kept;
    };
    const Case cases[] = {
        {w.txtzone_current[1], "2.5", true},     {w.txtzone_current[1], "2.6", false},
        {w.txtzone_current[1], "0", true},       {w.txtzone_current[1], "-1", false},
        {w.txtsector_current[2], "500", true},   {w.txtsector_current[2], "600", false},
        {w.txtsector_current[2], "12mA", false}, {w.txtaux_current, "250", true},
        {w.txtaux_current, "251", false},        {w.txtaux_current, "abc", false},
    };
    for (const Case& c : cases) {
        type(c.field, c.text);
        EXPECT_EQ(text_of(c.field), c.kept ? c.text : "") << c.text;
        c.field->clear();
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(InterfaceWindowTest, SectorThatTakesTheTotalAbove500mAIsEmptied) {
    frminterface& w = window();
    type(w.txtsector_current[1], "300");
    type(w.txtsector_current[2], "250");
    EXPECT_EQ(text_of(w.txtsector_current[1]), "300");
    EXPECT_EQ(text_of(w.txtsector_current[2]), "");
    EXPECT_EQ(text_of(w.lblinterface_a), "0.320A");

    for (int n = 1; n <= 4; ++n)
        type(w.txtsector_current[n], n == 4 ? "200" : "100");
    EXPECT_EQ(text_of(w.txtsector_current[4]), "200");  // exactly 500 mA stays
    type(w.txtsector_current[4], "201");
    EXPECT_EQ(text_of(w.txtsector_current[4]), "");
    EXPECT_EQ(text_of(w.lblinterface_a), "0.320A");
}

TEST_F(InterfaceWindowTest, ChannelOptionsEmptyAndEnableTheRightFields) {
    frminterface& w = window();
    type(w.txtsector_current[2], "100");
    choose(2, ChannelFunction::Zone);
    EXPECT_EQ(text_of(w.txtsector_current[2]), "");
    EXPECT_FALSE(w.txtsector_current[2]->isEnabled());
    EXPECT_FALSE(w.lblsector[2]->isEnabled());
    EXPECT_TRUE(w.txtzone_current[2]->isEnabled());
    EXPECT_TRUE(w.lblma_zone[2]->isEnabled());
    type(w.txtzone_current[2], "2");
    EXPECT_EQ(text_of(w.lblinterface_q), "0.022A");

    choose(2, ChannelFunction::Sector);
    EXPECT_EQ(text_of(w.txtzone_current[2]), "");
    EXPECT_FALSE(w.txtzone_current[2]->isEnabled());
    EXPECT_TRUE(w.txtsector_current[2]->isEnabled());
    EXPECT_TRUE(w.lblma_sector[2]->isEnabled());
    EXPECT_EQ(text_of(w.lblinterface_q), "0.020A");

    type(w.txtsector_current[2], "100");
    choose(2, ChannelFunction::NotConnected);
    for (QWidget* control :
         {static_cast<QWidget*>(w.txtsector_current[2]), static_cast<QWidget*>(w.lblzone[2]),
          static_cast<QWidget*>(w.txtzone_current[2]), static_cast<QWidget*>(w.lblsector[2])})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_EQ(text_of(w.txtsector_current[2]), "");
    EXPECT_EQ(text_of(w.lblinterface_a), "0.020A");
    // The other channels are left alone.
    EXPECT_TRUE(w.txtsector_current[1]->isEnabled());
}

TEST_F(InterfaceWindowTest, AlarmTimeSetsTheFrameTooltips) {
    frminterface& w = window();
    EXPECT_EQ(w.frmstandby->toolTip(), "Includes 30 minutes of sounder activation");
    w.cmbalarm_time_interface->setCurrentIndex(2);
    EXPECT_EQ(w.frmstandby->toolTip(), "Includes 90 minutes of sounder activation");
    EXPECT_EQ(w.frmrequirements->toolTip(), "Includes 90 minutes of sounder activation");
}

TEST_F(InterfaceWindowTest, ResultsFollowEveryChange) {
    frminterface& w = window();
    // Two zones of 1 mA: one is in fire at 25 mA, the other stays at its quiescent current.
    choose(1, ChannelFunction::Zone);
    choose(2, ChannelFunction::Zone);
    choose(3, ChannelFunction::NotConnected);
    choose(4, ChannelFunction::NotConnected);
    type(w.txtzone_current[1], "1");
    type(w.txtzone_current[2], "1");
    EXPECT_EQ(text_of(w.lblinterface_q), "0.022A");
    EXPECT_EQ(text_of(w.lblinterface_a), "0.046A");

    // Sectors draw only in alarm; the auxiliary supply in both states. Quiescent 0.07 A, alarm
    // 0.37 A for an hour: (1.68 - 0.37) / 0.07 = 18.71 h; (0.37 + 24 x 0.07) / 0.8 = 2.5625 Ah.
    choose(1, ChannelFunction::Sector);
    choose(2, ChannelFunction::Sector);
    type(w.txtsector_current[1], "100");
    type(w.txtsector_current[2], "200");
    type(w.txtaux_current, "50");
    w.cmbalarm_time_interface->setCurrentIndex(1);
    EXPECT_EQ(text_of(w.lblaux_supply), "0.050A");
    EXPECT_EQ(text_of(w.lblinterface_q), "0.070A");
    EXPECT_EQ(text_of(w.lblinterface_a), "0.370A");
    EXPECT_EQ(text_of(w.lblstandby), "18:42");
    EXPECT_EQ(text_of(w.lbl24hr_standby), "02.56Ah");
    EXPECT_EQ(text_of(w.lbl72hr_standby), "06.76Ah");

    w.txtaux_current->clear();
    EXPECT_EQ(text_of(w.lblaux_supply), "0.000A");
    EXPECT_EQ(text_of(w.lblinterface_q), "0.020A");
}

TEST_F(InterfaceWindowTest, SwitchesBetweenTheWorkspaces) {
    frmmain& main = ctx.main();
    main.show();
    main.mnuswitch_to_interface->trigger();
    frminterface& w = window();
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.SSTab1->currentIndex(), 0);

    type(w.txtlabel, "Gate house");
    w.SSTab1->setCurrentIndex(4);
    w.mnuswitch_to_system->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.SSTabentry->currentIndex(), 8);

    main.mnuswitch_to_interface->trigger();
    EXPECT_EQ(w.SSTab1->currentIndex(), 0);
    EXPECT_EQ(text_of(w.txtlabel), "Gate house");
}

TEST_F(InterfaceWindowTest, ExitAsksAndTheCloseBoxEndsAtOnce) {
    frminterface& w = window();
    ctx.main().show();
    w.show();
    platform.answer_next(Answer::Cancel);
    EXPECT_FALSE(ends_program([&w] { w.mnuexit->trigger(); }));
    EXPECT_TRUE(ctx.main().isVisible());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].prompt,
              "Are you sure you want to exit?\rUnsaved information will be lost");
    EXPECT_EQ(platform.messages[0].caption, "Exit Program");
    EXPECT_EQ(platform.messages[0].style, MessageStyle::OkCancelExclamation);

    EXPECT_TRUE(ends_program([&w] { w.mnuexit->trigger(); }));
    EXPECT_FALSE(ctx.main().isVisible());

    platform.clear_messages();
    w.show();
    type(w.txtlabel, "not saved");
    EXPECT_TRUE(ends_program([&w] { w.close(); }));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(InterfaceWindowTest, AboutBoxAndReleaseNotes) {
    frminterface& w = window();
    w.show();
    w.mnuabout->trigger();
    EXPECT_EQ(platform.pauses, std::vector<float>{3});
    EXPECT_FALSE(ctx.about().isVisible());
    EXPECT_TRUE(w.isVisible());

    w.mnuviewrelease->trigger();
    EXPECT_EQ(platform.opened, std::vector<std::string>{data_path(platform, "readme.txt")});
}

// The "Interface" and "Standby" tabs side by side, for the documentation, when
// STANDWISE_SCREENSHOTS names a folder.
TEST_F(InterfaceWindowTest, Screenshot) {
    const QString folder = qEnvironmentVariable("STANDWISE_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "STANDWISE_SCREENSHOTS is not set";
    frminterface& w = window();
    w.cmbaddress->setCurrentIndex(13);
    type(w.txtlabel, "Plant room, east");
    choose(1, ChannelFunction::Zone);
    type(w.txtzone_current[1], "2.5");
    type(w.txtsector_current[2], "150");
    choose(4, ChannelFunction::NotConnected);
    type(w.txtaux_current, "40");
    w.move(0, 0);
    w.show();
    QPixmap tabs[2];
    for (int i : {0, 1}) {
        w.SSTab1->setCurrentIndex(i == 0 ? 0 : 4);
        QApplication::processEvents();
        tabs[i] = w.grab();
    }
    QPixmap both(tabs[0].width() + tabs[1].width() + 12, std::max(tabs[0].height(), tabs[1].height()));
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, tabs[0]);
    painter.drawPixmap(tabs[0].width() + 12, 0, tabs[1]);
    painter.end();
    QDir().mkpath(folder);
    EXPECT_TRUE(both.save(QDir(folder).filePath(QStringLiteral("interface-window.png"))));
}

}  // namespace
}  // namespace standwise::test

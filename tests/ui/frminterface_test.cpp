// The interface window: its default setup, entry checks, channel options, results, workspace
// switching and ending the program.
#include <QAction>
#include <QGroupBox>
#include <QTabWidget>
#include <QTimer>
#include <functional>

#include "files/interface_config.h"
#include "interface_window_fixture.h"

namespace standwise::test {
namespace {

// Whether the action, run inside the application's event loop, ends it. The application's own loop
// is used because it clears the end request when it returns, so later tests can run loops again.
bool ends_program(const std::function<void()>& action) {
    QTimer::singleShot(0, action);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(500);
    return QCoreApplication::exec() == 0;
}

// Whether the sector caption, field and unit, then the zone caption, field and unit are enabled.
std::vector<bool> enabled(frminterface& w, int n) {
    return {w.lblsector[n]->isEnabled(), w.txtsector_current[n]->isEnabled(), w.lblma_sector[n]->isEnabled(),
            w.lblzone[n]->isEnabled(),   w.txtzone_current[n]->isEnabled(),   w.lblma_zone[n]->isEnabled()};
}
const std::vector<bool> kSectorFields{true, true, true, false, false, false};

// Address 0, no label, sectors on every channel, no currents, 30 minutes: the unit alone draws
// 0.02 A in both states, for half an hour: (2.1 x 0.8 - 0.5 x 0.02) / 0.02 h.
void expect_default_setup(frminterface& w) {
    EXPECT_EQ(interface_configuration_lines(w.interface_setup()),
              interface_configuration_lines(InterfaceSetup{}));
    EXPECT_EQ(texts(w.cmbaddress, w.cmbalarm_time_interface, w.lblaux_supply, w.lblamphours, w.lblinterface_q,
                    w.lblinterface_a, w.lblstandby),
              (Texts{"0", "30", "", "with 2.1Ah", "0.020A", "0.020A", "83:30"}));
    EXPECT_EQ(w.cmbaddress->count(), 202);
    EXPECT_EQ(w.cmbaddress->itemText(0), "");
    EXPECT_EQ(w.cmbaddress->itemText(201), "200");
    EXPECT_EQ(w.cmbalarm_time_interface->count(), 4);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(enabled(w, n), kSectorFields) << n;
}

TEST_F(InterfaceWindowTest, OpensWithTheDefaultSetupAndNewConfigurationRestoresIt) {
    frminterface& w = window();
    expect_default_setup(w);

    // Nothing changed: the usual question.
    platform.answer_next(Answer::No);
    w.mnunew->trigger();
    EXPECT_EQ(platform.messages, Messages(1, {"This will clear the current configuration\r\nAre you sure?",
                                              "Clear Interface Configuration", MessageStyle::YesNoQuestion}));

    // Changes unsaved: Cancel keeps them, Discard starts afresh.
    enter_mixed_setup();
    platform.pick_next(std::nullopt);
    w.mnunew->trigger();
    EXPECT_EQ(text(w.txtlabel), "\"Plant\" room, east");
    platform.pick_next(1);
    w.mnunew->trigger();
    expect_default_setup(w);
    EXPECT_EQ(platform.choice_questions.size(), 2u);
    EXPECT_EQ(platform.messages.size(), 1u);
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
        EXPECT_EQ(text(c.field), c.kept ? c.text : "") << c.text;
        c.field->clear();
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(InterfaceWindowTest, SectorThatTakesTheTotalAbove500mAIsEmptied) {
    frminterface& w = window();
    type(w.txtsector_current[1], "300");
    type(w.txtsector_current[2], "250");
    EXPECT_EQ(texts(w.txtsector_current[1], w.txtsector_current[2], w.lblinterface_a),
              (Texts{"300", "", "0.320A"}));

    for (int n = 1; n <= 4; ++n)
        type(w.txtsector_current[n], n == 4 ? "200" : "100");
    EXPECT_EQ(text(w.txtsector_current[4]), "200");  // exactly 500 mA stays
    type(w.txtsector_current[4], "201");
    EXPECT_EQ(texts(w.txtsector_current[4], w.lblinterface_a), (Texts{"", "0.320A"}));
}

TEST_F(InterfaceWindowTest, ChannelOptionsEmptyAndEnableTheRightFields) {
    frminterface& w = window();
    type(w.txtsector_current[2], "100");
    choose(2, ChannelFunction::Zone);
    EXPECT_EQ(enabled(w, 2), (std::vector<bool>{false, false, false, true, true, true}));
    EXPECT_EQ(text(w.txtsector_current[2]), "");
    type(w.txtzone_current[2], "2");
    EXPECT_EQ(text(w.lblinterface_q), "0.022A");

    choose(2, ChannelFunction::Sector);
    EXPECT_EQ(enabled(w, 2), kSectorFields);
    EXPECT_EQ(texts(w.txtzone_current[2], w.lblinterface_q), (Texts{"", "0.020A"}));

    type(w.txtsector_current[2], "100");
    choose(2, ChannelFunction::NotConnected);
    EXPECT_EQ(enabled(w, 2), std::vector<bool>(6, false));
    EXPECT_EQ(texts(w.txtsector_current[2], w.lblinterface_a), (Texts{"", "0.020A"}));
    EXPECT_EQ(enabled(w, 1), kSectorFields);  // left alone
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
    // Sectors draw only in alarm; the auxiliary supply in both states. Quiescent 0.07 A, alarm
    // 0.37 A for an hour: (1.68 - 0.37) / 0.07 = 18.71 h; (0.37 + 24 x 0.07) / 0.8 = 2.5625 Ah.
    type(w.txtsector_current[1], "100");
    type(w.txtsector_current[2], "200");
    type(w.txtaux_current, "50");
    w.cmbalarm_time_interface->setCurrentIndex(1);
    EXPECT_EQ(texts(w.lblaux_supply, w.lblinterface_q, w.lblinterface_a, w.lblstandby, w.lbl24hr_standby,
                    w.lbl72hr_standby),
              (Texts{"0.050A", "0.070A", "0.370A", "18:42", "02.56Ah", "06.76Ah"}));

    w.txtaux_current->clear();
    EXPECT_EQ(texts(w.lblaux_supply, w.lblinterface_q), (Texts{"0.000A", "0.020A"}));
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
    EXPECT_EQ(text(w.txtlabel), "Gate house");
}

TEST_F(InterfaceWindowTest, ExitAsksAndTheCloseBoxEndsAtOnce) {
    frminterface& w = window();
    ctx.main().show();
    w.show();
    platform.answer_next(Answer::Cancel);
    EXPECT_FALSE(ends_program([&w] { w.mnuexit->trigger(); }));
    EXPECT_TRUE(ctx.main().isVisible());
    EXPECT_EQ(platform.messages,
              (Messages{{"Are you sure you want to exit?\rUnsaved information will be lost", "Exit Program",
                         MessageStyle::OkCancelExclamation}}));
    EXPECT_TRUE(ends_program([&w] { w.mnuexit->trigger(); }));
    EXPECT_FALSE(ctx.main().isVisible());

    // Nothing unsaved: the close box ends at once.
    platform.clear_messages();
    w.show();
    EXPECT_TRUE(ends_program([&w] { w.close(); }));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.choice_questions.empty());

    // Changes unsaved: Cancel keeps the window, Discard ends.
    w.show();
    type(w.txtlabel, "not saved");
    EXPECT_TRUE(w.isWindowModified());
    platform.pick_next(std::nullopt);
    EXPECT_FALSE(ends_program([&w] { w.close(); }));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(platform.choice_questions,
              (Choices{{"Save changes to the interface configuration before closing?",
                        "Standwise - Interface",
                        {"Save", "Discard"}}}));
    platform.pick_next(1);
    EXPECT_TRUE(ends_program([&w] { w.close(); }));
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace standwise::test

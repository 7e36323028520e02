// The panel setup window: type changes with their questions, card limits, and the main window's
// summary that follows the panel.
#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "system_window_fixture.h"
#include "ui/misc/frmpicture.h"

namespace standwise::test {
namespace {

using PanelSetupTest = SystemWindowTest;

TEST_F(PanelSetupTest, StartsOnTheDefaultPanelWithUnfittedSlotsHidden) {
    frmnewfront& w = setup();
    EXPECT_TRUE(w.optsystem[5]->isChecked());
    EXPECT_TRUE(w.optPSU[1]->isChecked());
    for (int s = 0; s < kSlots; ++s) {
        const bool fitted = s <= 6 || s >= 14;
        EXPECT_EQ(w.cmbslot[s]->isVisibleTo(&w), fitted) << s;
        EXPECT_EQ(w.lblslot[s]->isEnabled(), fitted) << s;
    }
    EXPECT_EQ(text(w.cmbslot[1]), "MKII SMT Loop Card");
    EXPECT_EQ(w.cmbslot[1]->toolTip().toStdString(), "Card Current: 38mA");
    // Controller 37 mA, loop card 38 mA, flash backplane 0 mA.
    EXPECT_EQ(text(w.lblcurrent), " 75mA");
    EXPECT_DOUBLE_EQ(w.calc_sys_current(), 0.075);
}

TEST_F(PanelSetupTest, SystemChangeAsksAndLoadsTheNewDefaults) {
    frmnewfront& w = setup();
    platform.answer_next(Answer::No);
    w.optsystem[2]->click();
    EXPECT_TRUE(w.optsystem[5]->isChecked());
    EXPECT_EQ(model().system_type, 5);

    w.optsystem[2]->click();
    w.optsystem[2]->click();  // already chosen: nothing asked
    // The two questions, no card messages.
    EXPECT_EQ(platform.messages, Messages(2, {"Are you sure you want to change the system type?", "Standwise",
                                              MessageStyle::YesNoQuestion}));
    EXPECT_EQ(model().system_type, 2);
    EXPECT_EQ(main().windowTitle().toStdString(), "Standwise - System - R500 - [*]");
    EXPECT_EQ(texts(main().lblsystem, main().lblios, main().lblrams), (Texts{" R500", " 1", " 1"}));
    EXPECT_FALSE(main().chkflash_back->isChecked());
}

TEST_F(PanelSetupTest, CardLimitRefusesTheCardAndRestoresTheSlot) {
    frmnewfront& w = setup();
    w.optsystem[2]->click();
    platform.clear_messages();

    fit(2, kPthIo);
    EXPECT_EQ(w.cmbslot[2]->currentIndex(), 0);
    EXPECT_EQ(model().panel().slots[2], 0);
    EXPECT_EQ(model().cards.pth_io_cards, 1);
    fit(2, kSmtCopperNetwork);
    EXPECT_EQ(platform.messages,
              (Messages{{"The number of I/O cards has been exceeded for this panel type\r\n(Max 1)",
                         "I/O Card Count Exceeded", MessageStyle::OkInformation},
                        {"The number of Network cards has been exceeded for this panel type\r\n(Max 0)",
                         "Network Card Count Exceeded", MessageStyle::OkInformation}}));

    platform.clear_messages();
    fit(2, 1);  // a separator row
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(w.cmbslot[2]->currentIndex(), 0);
}

TEST_F(PanelSetupTest, TwoBrokenLimitsGiveTwoMessagesInTableOrder) {
    frmnewfront& w = setup();
    w.optsystem[2]->click();
    // as a loaded configuration may hold more cards than allowed
    ctx->system.cmbslot_Click(2, kSmtIo, true);
    ctx->refresh_system();
    EXPECT_EQ(model().cards.smt_io_cards, 1);
    platform.clear_messages();

    fit(3, kPthNetwork);
    EXPECT_EQ(platform.captions(), (Texts{"I/O Card Count Exceeded", "Network Card Count Exceeded"}));
    EXPECT_EQ(text(w.cmbslot[3]), "MKI PTH RAM Card");
}

TEST_F(PanelSetupTest, AcceptedCardSwitchesItsLoopOn) {
    fit(3, kPthLoop);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(model().loop_cards, 2);
    EXPECT_EQ(model().panel().slots[3], kPthLoop);
    EXPECT_TRUE(main().SSTabentry->isTabEnabled(2));
    EXPECT_TRUE(main().stb_loadstatus->panel(3)->sunken());
    EXPECT_EQ(texts(main().stb_loadstatus->panel(3), main().lblloops), (Texts{"Loop 3 OK", " 2"}));
    EXPECT_EQ(setup().cmbslot[3]->toolTip().toStdString(), "Card Current: 44mA");
}

TEST_F(PanelSetupTest, DualChargerCapacityFollowsEverySystemType) {
    frmnewfront& w = setup();
    w.optPSU[3]->click();
    EXPECT_EQ(platform.messages.back().prompt, "Are you sure you want to change the PSU type?");
    EXPECT_EQ(model().psu_type, 2);
    EXPECT_EQ(model().last_psu_type, 3);
    for (int system = 0; system < kSystemTypes; ++system) {
        w.optsystem[system]->click();
        EXPECT_EQ(text(main().lblamphours), "with 84Ah") << system;
    }
    platform.answer_next(Answer::No);
    w.optPSU[0]->click();
    EXPECT_TRUE(w.optPSU[3]->isChecked());
    EXPECT_EQ(model().psu_type, 2);
}

TEST_F(PanelSetupTest, ChangingTypeToASmallerPanelShowsNoCardMessages) {
    frmnewfront& w = setup();
    w.optsystem[1]->click();  // R220: sixteen slots
    for (int s = 2; s <= 8; ++s)
        fit(s, kPthLoop);
    platform.clear_messages();
    w.optsystem[2]->click();  // R500: two loop cards at most
    EXPECT_EQ(platform.captions(), Texts{"Standwise"});
    EXPECT_EQ(model().loop_cards, 1);
    EXPECT_EQ(model().cards.pth_io_cards, 1);
}

TEST_F(PanelSetupTest, ExitAndCloseBoxKeepThePanel) {
    main().cmdconfigure_Click();
    EXPECT_TRUE(setup().isVisible());
    EXPECT_FALSE(main().isVisible());
    fit(3, kPthLoop);
    setup().close();
    EXPECT_TRUE(main().isVisible());
    main().cmdconfigure_Click();
    EXPECT_EQ(setup().cmbslot[3]->currentIndex(), kPthLoop);
    setup().cmdExit->click();
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(setup().isVisible());
}

TEST_F(PanelSetupTest, CardHelpShowsThePictureWhichClosingDiscards) {
    setup().cmdhelp->click();
    QPointer<frmpicture> shown = &ctx->picture();
    EXPECT_TRUE(shown->isVisible());
    shown->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(shown.isNull());
    EXPECT_FALSE(ctx->picture().isVisible());
}

}  // namespace
}  // namespace standwise::test

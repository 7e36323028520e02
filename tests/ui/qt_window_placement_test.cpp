// Where windows open: centred on the window they replace, wholly on that window's screen.
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "system_window_fixture.h"

namespace standwise::test {
namespace {

class PlacementTest : public SystemWindowTest {
protected:
    static QRect screen_area(int index) { return QGuiApplication::screens().at(index)->availableGeometry(); }

    /// Opens loop 1 and moves its window so that its frame's top left is at `corner`.
    frmloopx& loop_at(QPoint corner) {
        main().cmdview_Click(1);
        loop_window().move(corner);
        return loop_window();
    }
};

TEST_F(PlacementTest, UnitWindowOpensOverTheLoopWindowWhollyOnItsScreen) {
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    const QRect primary = screen_area(0);
    ASSERT_EQ(primary.size(), QSize(1280, 800));
    EXPECT_TRUE(primary.contains(main().frameGeometry()));

    // In the bottom right corner, wholly on screen: the unit window is centred on it.
    const QSize loop_frame = loop_at({0, 0}).frameGeometry().size();
    frmloopx& loop =
        loop_at(primary.bottomRight() - QPoint(loop_frame.width(), loop_frame.height()) + QPoint(1, 1));
    ASSERT_EQ(loop.frameGeometry().bottomRight(), primary.bottomRight());
    frmMXunits& units = open_units(UnitModel::MX240);
    EXPECT_TRUE(primary.contains(units.frameGeometry()));
    EXPECT_EQ(units.frameGeometry().center(), loop.frameGeometry().center());
    units.cmdExit->click();

    // Hanging off the bottom right corner: the unit window still lies wholly on the screen.
    loop_at(primary.bottomRight() - QPoint(300, 200));
    open_units(UnitModel::MX240);
    EXPECT_TRUE(primary.contains(units.frameGeometry()));
    EXPECT_EQ(units.frameGeometry().bottomRight(), primary.bottomRight());
    units.cmdExit->click();

    // On the second screen the unit window opens there, and leaving brings the main window there.
    const QRect second = screen_area(1);
    loop_at(second.topLeft() + QPoint(20, 20));
    open_units(UnitModel::MX220);
    EXPECT_TRUE(second.contains(ctx->unit_window(UnitModel::MX220).frameGeometry()));
    ctx->unit_window(UnitModel::MX220).cmdExit->click();
    loop_window().cmdExit->click();
    EXPECT_TRUE(second.contains(main().frameGeometry()));
}

// Thirteen round trips to the panel setup, a loop and its MX240 units leave every window where it
// was: in mid-screen, and in a corner, where the panel setup, larger than the main window, is held
// on the screen and has another centre than the main window's.
TEST_F(PlacementTest, RoundTripsLeaveEveryWindowWhereItWas) {
    const QRect primary = screen_area(0);
    const QSize main_frame = main().frameGeometry().size();
    for (const QPoint corner : {QPoint(197, 205), primary.bottomRight() - QPoint(main_frame.width() - 1,
                                                                                 main_frame.height() - 1)}) {
        SCOPED_TRACE(corner.y());
        main().move(corner);
        const QPoint main_at = main().pos();
        QPoint setup_at, loop_at, units_at;
        for (int trip = 0; trip < 13; ++trip) {
            SCOPED_TRACE(trip);
            main().cmdconfigure->click();
            if (trip == 0) setup_at = setup().pos();
            EXPECT_EQ(setup().pos(), setup_at);
            setup().cmdExit->click();
            EXPECT_EQ(main().pos(), main_at);

            main().cmdview_Click(1);
            if (trip == 0) loop_at = loop_window().pos();
            EXPECT_EQ(loop_window().pos(), loop_at);
            frmMXunits& units = open_units(UnitModel::MX240);
            if (trip == 0) units_at = units.pos();
            EXPECT_EQ(units.pos(), units_at);
            units.cmdExit->click();
            EXPECT_EQ(loop_window().pos(), loop_at);
            loop_window().cmdExit->click();
            EXPECT_EQ(main().pos(), main_at);
            EXPECT_TRUE(primary.contains(main().frameGeometry()));
        }
    }

    // A window moved meanwhile is followed: the main window comes back centred on it.
    main().move(QPoint(300, 200));
    main().cmdconfigure->click();
    setup().move(setup().pos() + QPoint(-60, -40));
    const QPoint centre = setup().frameGeometry().center();
    setup().cmdExit->click();
    EXPECT_EQ(main().frameGeometry().center(), centre);
}

}  // namespace
}  // namespace standwise::test

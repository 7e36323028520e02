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

}  // namespace
}  // namespace standwise::test

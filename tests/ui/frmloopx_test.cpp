// The loop window: opening a loop, count validation, overload, clearing, and leaving it, which
// recalculates the loop and the system.
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "system_window_fixture.h"
#include "ui/misc/frmdevice_help.h"

namespace standwise::test {
namespace {

QColor drawn_text(const QWidget* label) {
    return label->palette().color(QPalette::WindowText);
}

class LoopWindowTest : public SystemWindowTest {
protected:
    void open_loop(int loop) { main().cmdview[loop]->click(); }
    static void emit_click(ClickableLabel* label) { QMetaObject::invokeMethod(label, "clicked"); }
};

TEST_F(LoopWindowTest, OpensOnTheLoopWithItsTitleAndFamilies) {
    fit(2, kSmtLoop);
    model().loop_device_count[2][1] = 7;
    open_loop(2);
    frmloopx& w = loop_window();
    EXPECT_EQ(w.windowTitle().toStdString(), "Loop Configuration - Loop 2 of 2 - 7 Device(s)");
    EXPECT_EQ(texts(w.cmb_viewdata[1], w.cmb_viewdata[2]), (Texts{"7", "0"}));
    EXPECT_EQ(model().current_loop, 2);
    EXPECT_TRUE(model().loop_form_ready);
    EXPECT_EQ(w.SSTab_loop->count(), 4);
    EXPECT_EQ(w.SSTab_loop->tabText(0).toStdString(), "Sensors && MCPs");  // shown with one "&"
    EXPECT_FALSE(text(w.lblload_units_standby).empty());
}

TEST_F(LoopWindowTest, TypedCountsAreValidatedAndStored) {
    open_loop(1);
    const int maximum = model().device_loop_max[1];
    type_count(1, QString::number(maximum));
    EXPECT_EQ(model().loop_device_count[1][1], maximum);
    EXPECT_EQ(loop_window().windowTitle().toStdString(),
              "Loop Configuration - Loop 1 of 1 - " + std::to_string(maximum) + " Device(s)");
    platform.clear_messages();  // the loop is overloaded, but no count was refused

    type_count(1, QString::number(maximum + 1));
    EXPECT_EQ(platform.messages.at(0).prompt,
              "Too many of this device type on loop 1.\r\nThis filed will be cleared.\r\n(Maximum = " +
                  std::to_string(maximum) + ")");
    EXPECT_EQ(texts(loop_window().cmb_viewdata[1], main().lbltotal_devices[1]), (Texts{"", "0"}));
    EXPECT_EQ(model().loop_device_count[1][1], 0);
    type_count(1, QStringLiteral("abc"));
    EXPECT_EQ(text(loop_window().cmb_viewdata[1]), "");

    // A count within its type's maximum that takes the loop above 200 devices.
    type_count(1, QStringLiteral("150"));
    platform.clear_messages();
    type_count(21, QStringLiteral("51"));
    EXPECT_EQ(platform.captions().front(), "Too Many Devices");
    EXPECT_EQ(model().loop_device_count[1][21], 0);
    EXPECT_EQ(model().loop_device_total[1], 150);
}

// Under a dark desktop theme, whose own text is light.
TEST_F(LoopWindowTest, OverloadedLoopTurnsRedWithReadableText) {
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    fit(2, kSmtLoop);
    fit(3, kSmtLoop);
    open_loop(3);
    // Each optical smoke detector draws ten load units in alarm.
    type_count(1, QStringLiteral("101"));
    EXPECT_EQ(platform.captions().back(), "Loop Overloaded");
    EXPECT_EQ(text(main().stb_loadstatus->panel(3)), "Loop 3 X");
    for (QLabel* label : {main().lblload_units_a[3], main().lblcurrent_a[3], main().lblloop_curr[3],
                          loop_window().lblload_units_alarm}) {
        EXPECT_EQ(back_colour(label), Colour::Red) << label->objectName().toStdString();
        EXPECT_EQ(drawn_text(label), QColor(Qt::black)) << label->objectName().toStdString();
    }

    type_count(1, QStringLiteral("100"));
    EXPECT_EQ(text(main().stb_loadstatus->panel(3)), "Loop 3 OK");
    EXPECT_EQ(back_colour(main().lblloop_curr[3]), Colour::ButtonFace);
    EXPECT_EQ(drawn_text(main().lblloop_curr[3]), QColor(Qt::white));
    QApplication::setPalette(desktop);
}

TEST(WarningColours, TextIsBlackOrWhiteWhicheverReadsBetter) {
    const std::pair<QColor, QColor> cases[] = {
        {QColor(255, 0, 0), Qt::black}, {QColor(255, 255, 0), Qt::black}, {QColor(0, 0, 128), Qt::white},
        {QColor(128, 0, 0), Qt::white}, {QColor(0, 0, 0), Qt::white},     {QColor(240, 240, 240), Qt::black},
    };
    for (const auto& [background, text] : cases)
        EXPECT_EQ(readable_text_on(background), text) << background.name().toStdString();
}

TEST_F(LoopWindowTest, PanelCountAbove512TurnsTheDevicesLabelYellow) {
    fit(2, kSmtLoop);
    fit(3, kSmtLoop);
    for (int loop : {1, 2, 3}) {
        open_loop(loop);
        type_count(21, loop == 3 ? QStringLiteral("113") : QStringLiteral("200"));
        loop_window().cmdExit->click();
    }
    EXPECT_EQ(model().total_detection_devices, 513);
    EXPECT_EQ(text(main().lbldevices),
              "513 (EN & BS Input/Detection count may have been exceeded for panel.)");
    EXPECT_EQ(back_colour(main().lbldevices), Colour::Yellow);
}

TEST_F(LoopWindowTest, EveryWayOutRecalculatesTheSystem) {
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        open_loop(1);
        // Stored behind the window's back, so only leaving it can bring the figures up to date.
        model().loop_device_count[1][27] = static_cast<std::int16_t>(10 + way);
        const std::string before = text(main().lblsystem_total_a);
        if (way == 0) loop_window().cmdExit->click();
        if (way == 1) loop_window().mnuexit->trigger();
        if (way == 2) loop_window().close();
        EXPECT_FALSE(loop_window().isVisible());
        EXPECT_TRUE(main().isVisible());
        EXPECT_NE(text(main().lblsystem_total_a), before);
        EXPECT_EQ(text(main().lbltotal_devices[1]), std::to_string(10 + way));
    }
    open_loop(1);
    EXPECT_EQ(loop_window().cmb_viewdata[1]->count(), model().device_loop_max[1] + 1);
}

TEST_F(LoopWindowTest, ClearContentsAsksAndClearsOnlyThisLoop) {
    fit(2, kSmtLoop);
    model().loop_device_count[2][5] = 4;
    open_loop(1);
    type_count(1, QStringLiteral("20"));
    platform.answer_next(Answer::No);
    loop_window().mnuclear->trigger();
    EXPECT_EQ(platform.messages.back().caption, "Clear loop configuration");
    EXPECT_EQ(model().loop_device_count[1][1], 20);

    loop_window().mnuclear->trigger();
    EXPECT_EQ(model().loop_device_count[1][1], 0);
    EXPECT_EQ(model().loop_device_count[2][5], 4);
    EXPECT_EQ(texts(loop_window().cmb_viewdata[1], main().lbltotal_devices[1]), (Texts{"0", "0"}));
}

TEST_F(LoopWindowTest, StoredCountBeyondItsListIsShownAsTyped) {
    model().loop_device_count[1][78] = 12;  // the list stops at the library's maximum of 8
    open_loop(1);
    EXPECT_EQ(text(loop_window().cmb_viewdata[78]), "12");
}

TEST_F(LoopWindowTest, DeviceHelpShowsTheLibraryValues) {
    open_loop(1);
    // The help window is modal; it is left with its Exit button as soon as it shows.
    QTimer::singleShot(0, [this] { ctx->device_help().cmdExit->click(); });
    emit_click(loop_window().lbldevice_help[1]);
    frmdevice_help& help = ctx->device_help();
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(texts(help.lbldevice_help, help.lblmax_help, help.lbl_a_load_help, help.lbl_a_current_help),
              (Texts{"Optical smoke detector", " 200", " 10 units", " 4mA"}));
    help.fill(model(), 0);  // a type no file fills
    EXPECT_EQ(texts(help.lbldevice_help, help.lbl_q_current_help), (Texts{"", " 0mA"}));
}

}  // namespace
}  // namespace standwise::test

// Every window without a mouse, for a screen reader and with large text: access keys and
// shortcuts, Escape and Tab, accessible names and roles, greyed loop tabs, and window sizes.
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <map>
#include <set>

#include "system_window_fixture.h"
#include "ui/accessibility.h"
#include "ui/interface/frminterface.h"
#include "ui/keyboard.h"
#include "ui/misc/frmabout.h"
#include "ui/misc/frmdevice_help.h"
#include "ui/misc/frmpicture.h"
#include "ui/recent_configurations.h"

namespace standwise::test {
namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

void activate(QWidget* window) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

QWidget* focused() {
    return QApplication::focusWidget();
}

// The controls that Tab stops at: a control that hands its focus on (a list to its text field, a
// tab widget to its tab bar) is reached through the one it hands on to.
bool takes_focus(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) != 0 && widget->focusProxy() == nullptr;
}

// A group of options is one stop of Tab, the arrow keys going to its other options.
const QObject* stop_of(const QWidget* widget) {
    if (const auto* option = qobject_cast<const QRadioButton*>(widget))
        return option->group() != nullptr ? static_cast<const QObject*>(option->group()) : option->parent();
    return widget;
}

class AccessTest : public SystemWindowTest {
protected:
    /// Every window of both workspaces, each opened once so that its parts made on first use exist.
    std::map<std::string, QWidget*> all_windows() {
        main().cmdview[1]->click();
        for (UnitModel unit : kUnitModels)
            open_units(unit).cmdExit_Click();
        loop_window().cmdExit_Click();
        ctx->device_help().fill(model(), 1);
        std::map<std::string, QWidget*> windows{{"main", &main()},
                                                {"panel setup", &setup()},
                                                {"loop", &loop_window()},
                                                {"interface", &ctx->interface_window()},
                                                {"about", &ctx->about()},
                                                {"card picture", &ctx->picture()},
                                                {"device help", &ctx->device_help()}};
        for (UnitModel unit : kUnitModels)
            windows[ctx->unit_window(unit).objectName().toStdString()] = &ctx->unit_window(unit);
        return windows;
    }

    /// Presses Tab from the focused control until the focus comes back; the controls it went to.
    static std::vector<QWidget*> tab_round() {
        std::vector<QWidget*> stops;
        QWidget* start = focused();
        for (int i = 0; i < 200; ++i) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            stops.push_back(focused());
            if (focused() == start) break;
        }
        return stops;
    }
};

// Menu entries show their caption with its key and their shortcut; field labels lead to their
// fields with a letter left free by the window's menus ("A" is the About menu's, "o" Loop Edit's).
TEST_F(AccessTest, MenusAndFieldLabelsCarryAccessKeys) {
    frmmain& m = main();
    frminterface& i = ctx->interface_window();
    frmloopx& l = loop_window();
    auto keyed = [](std::initializer_list<QAction*> actions) {
        QStringList shown;
        for (QAction* action : actions)
            shown << (action->text() + QLatin1Char(' ') + action->shortcut().toString()).trimmed();
        return shown.join(QStringLiteral(" | ")).toStdString();
    };
    EXPECT_EQ(
        keyed({m.mnunew, m.mnuload, m.mnusave, m.recent().menu()->menuAction(), m.mnuswitch_to_interface,
               m.mnuexit, m.mnuopenreport, m.mnushort, m.mnufull, m.mnuviewrelease, m.mnuabout}),
        "&New configuration Ctrl+N | &Load configuration Ctrl+O | &Save configuration Ctrl+S | "
        "&Recent configurations | S&witch to interface | &Exit Ctrl+Q | &Open report Ctrl+Shift+O | "
        "&Generate Short report Ctrl+Shift+R | G&enerate Full report Ctrl+R | &View release notes F1 | "
        "&About VQM");
    EXPECT_EQ(keyed({i.mnufile->menuAction(), i.mnunew, i.mnuload, i.mnusave, i.mnuswitch_to_system,
                     i.mnuexit, i.mnuopenreport, i.mnureport}),
              "&File | &New Configuration Ctrl+N | &Load interface Ctrl+O | &Save interface Ctrl+S | "
              "S&witch to system | &Exit Ctrl+Q | &Open Report Ctrl+Shift+O | &Generate Report Ctrl+R");
    EXPECT_EQ(keyed({l.mnuexit, l.findChild<QMenu*>(QStringLiteral("mnuedit"))->menuAction(), l.mnuclear}),
              "&Exit Esc | L&oop Edit | &Clear contents");

    // Whatever else a menu holds has a key too, and no two entries of one menu share one.
    for (QWidget* window :
         {static_cast<QWidget*>(&m), static_cast<QWidget*>(&i), static_cast<QWidget*>(&l)}) {
        std::vector<QList<QAction*>> menus{window->findChild<QMenuBar*>()->actions()};
        for (QMenu* menu : window->findChildren<QMenu*>())
            menus.push_back(menu->actions());
        for (const QList<QAction*>& menu : menus) {
            std::set<QChar> keys;
            for (QAction* action : menu) {
                if (action->isSeparator()) continue;
                const QChar key = access_key(action->text());
                EXPECT_TRUE(!key.isNull() && keys.insert(key).second) << action->text().toStdString();
            }
        }
    }

    const std::pair<QWidget*, const char*> fields[] = {{m.txtsiteid, "S&ite ID:"},
                                                       {m.cmbalarm_time, "A&larm time:"},
                                                       {i.txtzone_current[1], "&Zone 1:"},
                                                       {setup().cmbslot[0], "&Slot 0"},
                                                       {l.cmb_viewdata[1], "O&ptical smoke detector"}};
    for (auto [field, caption] : fields) {
        std::vector<std::string> labels;
        for (QLabel* label : field->window()->findChildren<QLabel*>())
            if (label->buddy() == field) labels.push_back(label->text().toStdString());
        EXPECT_EQ(labels, std::vector<std::string>{caption});
    }
}

TEST_F(AccessTest, KeysAloneOpenALoopSetACountAndLeaveWithEscape) {
    activate(&main());
    // From the site details the next pages are the system, the master alarms, the standby
    // results and, the other loops being off, loop 1.
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(focused() ? focused() : &main(), Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(main().SSTabentry->currentIndex(), 0);
    for (int i = 0; i < 4 && focused() != main().cmdview[1]; ++i)
        QTest::keyClick(focused() ? focused() : &main(), Qt::Key_Tab);
    ASSERT_EQ(focused(), main().cmdview[1]);
    const std::string before = text(main().lblcurrent_s[1]);
    QTest::keyClick(focused(), Qt::Key_Space);

    ASSERT_TRUE(loop_window().isVisible());
    activate(&loop_window());
    ASSERT_EQ(focused(), loop_window().cmb_viewdata[1]);
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), QStringLiteral("5"));
    QTest::keyClick(focused(), Qt::Key_Escape);

    EXPECT_FALSE(loop_window().isVisible());
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(model().loop_device_count[1][1], 5);
    EXPECT_NE(text(main().lblcurrent_s[1]), before);
    EXPECT_EQ(text(main().lbltotal_devices[1]), "5");
}

TEST_F(AccessTest, EscapeLeavesAsExitDoesAndClosesTheSmallWindows) {
    main().cmdconfigure->click();
    activate(&setup());
    QTest::keyClick(focused() ? focused() : &setup(), Qt::Key_Escape);
    EXPECT_FALSE(setup().isVisible());
    EXPECT_TRUE(main().isVisible());

    main().cmdview[1]->click();
    frmMXunits& units = open_units(UnitModel::MX240);
    activate(&units);
    QTest::keyClick(focused() ? focused() : &units, Qt::Key_Escape);
    EXPECT_FALSE(units.isVisible());
    EXPECT_TRUE(loop_window().isVisible());

    // The device help is modal: Escape ends it.
    frmdevice_help& help = ctx->device_help();
    QTimer::singleShot(0, [&help] { QTest::keyClick(&help, Qt::Key_Escape); });
    loop_window().lbldevice_help_Click(1);
    EXPECT_FALSE(help.isVisible());

    for (QWidget* window : {static_cast<QWidget*>(&ctx->about()), static_cast<QWidget*>(&ctx->picture())}) {
        window->show();
        activate(window);
        QTest::keyClick(window, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
}

TEST_F(AccessTest, TabRunsDownEachColumnOfTheLoopWindowToItsExit) {
    main().cmdview[1]->click();
    frmloopx& w = loop_window();
    activate(&w);
    QTabBar* tabs = w.SSTab_loop->tabBar();
    std::vector<QWidget*> expected;
    for (int t = 2; t <= 26; ++t)
        expected.push_back(w.cmb_viewdata[t]);
    expected.insert(expected.end(), {w.cmdExit, tabs, w.cmb_viewdata[1]});
    EXPECT_EQ(tab_round(), expected);

    w.SSTab_loop->setCurrentIndex(3);  // the interfaces, each unit's count with its "Change"
    w.cmb_viewdata[65]->setFocus();
    expected.clear();
    for (int t = 66; t <= 79; ++t) {
        expected.push_back(w.cmb_viewdata[t]);
        if (QPushButton* change = t == 75   ? w.cmdMX210
                                  : t == 76 ? w.cmdMX220
                                  : t == 77 ? w.cmdMX240
                                            : nullptr)
            expected.push_back(change);
    }
    expected.insert(expected.end(), {w.cmdExit, tabs, w.cmb_viewdata[65]});
    EXPECT_EQ(tab_round(), expected);
}

// In each window, and on each page of its tabs, Tab goes round every control shown that takes
// the focus.
TEST_F(AccessTest, TabReachesEveryControlOfEveryWindow) {
    for (auto [name, window] : all_windows()) {
        SCOPED_TRACE(name);
        window->show();
        activate(window);
        auto* pages = window->findChild<QTabWidget*>();
        for (int page = 0; page < (pages ? pages->count() : 1); ++page) {
            if (pages && !pages->isTabEnabled(page)) continue;
            if (pages) pages->setCurrentIndex(page);
            std::set<const QObject*> expected;
            QWidget* first = nullptr;
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (!takes_focus(widget) || !widget->isVisible() || !widget->isEnabled()) continue;
                expected.insert(stop_of(widget));
                if (first == nullptr) first = widget;
            }
            if (first == nullptr) continue;
            first->setFocus();
            std::multiset<const QObject*> reached;
            for (QWidget* stop : tab_round())
                reached.insert(stop_of(stop));
            EXPECT_EQ(reached, std::multiset<const QObject*>(expected.begin(), expected.end()))
                << "page " << page;
        }
        window->hide();
    }
}

// A control is unnamed when a reader has nothing to say of it but its content: a count list
// announced as "0".
TEST_F(AccessTest, EveryControlAndReadOutSaysWhatItIs) {
    std::map<std::string, std::vector<std::string>> unnamed, expected;
    for (auto [name, window] : all_windows()) {
        expected[name];
        unnamed[name];
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->window() != window) continue;  // list pop-ups
            QAccessibleInterface* a = accessible(widget);
            const QString said = a->text(QAccessible::Name);
            const auto* label = qobject_cast<QLabel*>(widget);
            const bool control = (widget->focusPolicy() & Qt::TabFocus) != 0;
            const bool readout = label != nullptr && is_readout(label);
            const bool only_content =
                widget->accessibleName().isEmpty() && said == a->text(QAccessible::Value);
            if ((control && (said.isEmpty() || only_content)) ||
                (readout && label->accessibleName().isEmpty()))
                unnamed[name].push_back(widget->objectName().toStdString() + " " +
                                        widget->metaObject()->className());
        }
        QAccessibleInterface* whole = accessible(window);
        EXPECT_TRUE(whole->role() == QAccessible::Window || whole->role() == QAccessible::Dialog) << name;
        EXPECT_EQ(whole->text(QAccessible::Name), window->windowTitle()) << name;
    }
    EXPECT_EQ(unnamed, expected);

    const std::pair<QWidget*, const char*> names[] = {
        {loop_window().cmb_viewdata[1]->lineEdit(), "Optical smoke detector count"},
        {main().txtma1, "Master alarm circuit 1 current (mA)"},
        {ctx->interface_window().txtzone_current[4], "Channel 4 zone current (mA)"},
        {main().lblcurrent_s[1], "Loop 1 quiescent current"},
        {main().lblloops_total_q, "Total quiescent loop current"},
    };
    for (auto [widget, name] : names)
        EXPECT_EQ(accessible(widget)->text(QAccessible::Name).toStdString(), name);
    // The figure is read after the name.
    EXPECT_EQ(accessible(main().lblcurrent_s[1])->text(QAccessible::Description),
              main().lblcurrent_s[1]->text());
}

TEST_F(AccessTest, GreyedLoopTabsAreDisabledAndRefuseSelection) {
    QTabBar* bar = main().SSTabentry->tabBar();
    QAccessibleInterface* tabs = accessible(bar);
    ASSERT_EQ(tabs->childCount(), 12);
    QAccessibleInterface* loop2 = tabs->child(1);  // the default panel has one loop card
    EXPECT_EQ(loop2->text(QAccessible::Name).toStdString(), "Loop 2");
    EXPECT_TRUE(loop2->state().disabled && !loop2->state().selectable);
    EXPECT_TRUE(loop2->actionInterface()->actionNames().isEmpty());
    loop2->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(main().SSTabentry->currentIndex(), frmmain::kSiteDetailsTab);

    tabs->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(tabs->child(0)->state().selected);

    fit(2, kSmtLoop);  // a loop card brings the tab back
    EXPECT_FALSE(loop2->state().disabled);
}

// With 150 % text every window fits a 1280x800 screen, its frame included; with the standard text
// it fits the 853x533 that a scale factor of 1.5 leaves of that screen.
TEST(LargeTextTest, EveryWindowFitsTheScreen) {
    const QFont standard = QApplication::font();
    const QMargins frame = [] {
        QWidget probe;
        probe.show();
        return probe.windowHandle()->frameMargins();
    }();
    for (double scale : {1.0, 1.5}) {
        SCOPED_TRACE(scale);
        QFont font = standard;
        font.setPointSizeF(standard.pointSizeF() * scale);
        QApplication::setFont(font);
        struct Fixture : AccessTest {
            using AccessTest::all_windows;
            void TestBody() override {}
        } fixture;
        const QSize screen = scale == 1.0 ? QSize(1280 * 2 / 3, 800 * 2 / 3) : QSize(1280, 800);
        for (auto [name, window] : fixture.all_windows()) {
            window->ensurePolished();
            if (window->layout() != nullptr) window->layout()->activate();
            const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint()).grownBy(frame);
            EXPECT_LE(least.width(), screen.width()) << name;
            EXPECT_LE(least.height(), screen.height()) << name;
        }
    }
    QApplication::setFont(standard);
}

}  // namespace
}  // namespace standwise::test

// Every window without a mouse, for a screen reader and with large text: access keys and
// shortcuts, Escape and Tab, accessible names and roles, greyed loop tabs, and window sizes.
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <map>
#include <set>
#include <tuple>

#include "platform/text_files.h"
#include "system_window_fixture.h"
#include "ui/accessibility.h"
#include "ui/interface/frminterface.h"
#include "ui/keyboard.h"
#include "ui/misc/frmabout.h"
#include "ui/misc/frmdevice_help.h"
#include "ui/misc/frmpicture.h"
#include "ui/recent_configurations.h"
#include "ui/system/frmsummary.h"

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
    auto texts_of = [](std::initializer_list<QAbstractButton*> buttons) {
        QStringList shown;
        for (QAbstractButton* button : buttons)
            shown << button->text();
        return shown.join(QStringLiteral(" | ")).toStdString();
    };
    auto keyed = [](std::initializer_list<QAction*> actions) {
        QStringList shown;
        for (QAction* action : actions)
            shown << (action->text() + QLatin1Char(' ') + action->shortcut().toString()).trimmed();
        return shown.join(QStringLiteral(" | ")).toStdString();
    };
    EXPECT_EQ(keyed({m.mnunew, m.mnuload, m.mnusavefile, m.mnusave, m.recent().menu()->menuAction(),
                     m.mnuswitch_to_interface, m.mnuexit, m.mnuopenreport, m.mnushort, m.mnufull,
                     m.mnuviewrelease, m.mnuabout}),
              "&New configuration Ctrl+N | &Load configuration Ctrl+O | &Save Ctrl+S | S&ave configuration "
              "Ctrl+Shift+S | "
              "&Recent configurations | S&witch to interface Ctrl+Shift+W | &Exit Ctrl+Q | &Open report "
              "Ctrl+Shift+O | "
              "&Generate Short report Ctrl+Shift+R | G&enerate Full report Ctrl+R | &View release notes F1 | "
              "&About VQM");
    EXPECT_EQ(keyed({m.mnusummary, m.mnuprintreport, m.mnuexportpdf}),
              "&Project summary… Ctrl+Shift+P | &Print report… Ctrl+P | E&xport report as PDF… Ctrl+E");
    EXPECT_EQ(
        keyed({i.mnufile->menuAction(), i.mnunew, i.mnuload, i.mnusavefile, i.mnusave, i.mnuswitch_to_system,
               i.mnuexit, i.mnuopenreport, i.mnureport, i.mnuprintreport, i.mnuexportpdf}),
        "&File | &New Configuration Ctrl+N | &Load interface Ctrl+O | &Save Ctrl+S | S&ave interface "
        "Ctrl+Shift+S | "
        "S&witch to system Ctrl+Shift+W | &Exit Ctrl+Q | &Open Report Ctrl+Shift+O | &Generate Report "
        "Ctrl+R | "
        "&Print report… Ctrl+P | E&xport report as PDF… Ctrl+E");
    // Buttons and options have keys too, none taken by a menu title or another control shown with them.
    EXPECT_EQ(texts_of({m.cmdview[1], m.cmdconfigure, setup().cmdhelp, setup().cmdExit, setup().optsystem[1],
                        l.cmdMX240, l.cmdExit}),
              "&Set/View Loop | &Configure System | &Card Help | &Exit | R&220 | Cha&nge | &Exit");
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

// In every window each button and option has a key, and what shows at one time shares none but a
// repeated caption's: the menu titles and the controls outside the pages, with one page's controls.
TEST_F(AccessTest, EveryButtonHasAKeyOfItsOwn) {
    for (auto [name, window] : all_windows()) {
        SCOPED_TRACE(name);
        // Keys by scope (null: outside every page) with the captions that carry them: only one
        // caption repeated (each channel's "Zone") may share a key.
        std::map<const QWidget*, std::multimap<QChar, QString>> scopes;
        if (auto* bar = window->findChild<QMenuBar*>())
            for (QAction* action : bar->actions())
                scopes[nullptr].emplace(access_key(action->text()), action->text());
        auto add = [&](QWidget* control, const QString& caption, bool needs_key) {
            const QWidget* page = nullptr;
            for (QWidget* w = control; w != nullptr && w != window; w = w->parentWidget())
                if (qobject_cast<QStackedWidget*>(w->parentWidget()) &&
                    qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget()))
                    page = w;
            const QChar key = access_key(caption);
            EXPECT_TRUE(!needs_key || !key.isNull()) << caption.toStdString();
            if (!key.isNull()) scopes[page].emplace(key, caption);
        };
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            if (button->focusPolicy() != Qt::NoFocus && !qobject_cast<QToolButton*>(button))
                add(button, button->text(), true);
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->buddy() != nullptr) add(label, label->text(), false);
        for (auto& [page, keys] : scopes) {
            std::multimap<QChar, QString> shown = keys;
            if (page != nullptr) shown.insert(scopes[nullptr].begin(), scopes[nullptr].end());
            for (auto [key, caption] : shown) {
                auto [first, last] = shown.equal_range(key);
                for (auto other = first; other != last; ++other)
                    EXPECT_EQ(other->second, caption) << " share " << QString(key).toStdString();
            }
        }
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
                // Tab comes back to a group of options on its chosen one.
                const auto* option = qobject_cast<const QRadioButton*>(widget);
                if (first == nullptr && (option == nullptr || option->isChecked())) first = widget;
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
        // The title's mark of unsaved changes is the toolkit's, shown as an asterisk or not at all.
        EXPECT_EQ(whole->text(QAccessible::Name), window->windowTitle().remove(QStringLiteral("[*]")))
            << name;
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

// A first panel by keys alone: PSU and system type, a second loop card, a loop with an MX240 and its
// units, the master alarms; saved, cleared, and brought back from the recent list.
TEST_F(AccessTest, KeysAloneBuildSaveAndReloadAFirstPanel) {
    TempFolder folder;
    const std::string saved = folder.file("first.cfg");
    auto key = [](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::activePopupWidget();
        if (target == nullptr) target = focused() != nullptr ? focused() : QApplication::activeWindow();
        QTest::keyClick(target, k, modifiers);
    };
    auto tab_to = [&](QWidget* target) {
        for (int i = 0; i < 200 && focused() != target; ++i)
            key(Qt::Key_Tab);
        ASSERT_EQ(focused(), target) << target->objectName().toStdString();
    };
    frmmain& m = main();
    frmnewfront& w = setup();
    activate(&m);

    key(Qt::Key_Tab, Qt::ControlModifier);  // Site Details to System
    tab_to(m.cmdconfigure);
    key(Qt::Key_Space);
    activate(&w);
    tab_to(w.optPSU[1]);
    key(Qt::Key_Down);
    key(Qt::Key_Space);  // PSU Dual 42Ah, asked and answered Yes
    key(Qt::Key_Tab);
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    key(Qt::Key_Space);  // Caldris
    tab_to(w.cmbslot[2]);
    QTest::keyClicks(focused(), QStringLiteral("MKII"));  // the first MKII card, the next one down
    key(Qt::Key_Down);
    EXPECT_EQ(w.cmbslot[2]->currentIndex(), kSmtLoop);
    key(Qt::Key_Escape);
    ASSERT_FALSE(w.isVisible());
    EXPECT_EQ(std::tuple(model().psu_type, model().system_type, model().loop_cards), std::tuple(2, 3, 2));

    activate(&m);
    for (int i = 0; i < 12 && m.SSTabentry->currentIndex() != 0; ++i)
        key(Qt::Key_Tab, Qt::ControlModifier);
    tab_to(m.cmdview[1]);
    key(Qt::Key_Space);
    frmloopx& l = loop_window();
    activate(&l);
    ASSERT_EQ(focused(), l.cmb_viewdata[1]);
    key(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), QStringLiteral("5"));
    key(Qt::Key_PageUp, Qt::ControlModifier);  // the interfaces, last of the pages
    tab_to(l.cmdMX240);
    key(Qt::Key_Space);
    frmMXunits& units = ctx->unit_window(UnitModel::MX240);
    activate(&units);
    ASSERT_EQ(focused(), units.TreeView1);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focused(), units.cmbInterfaces);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Tab);
    key(Qt::Key_Down);  // from the root to Interface 1
    tab_to(units.cmdAdd[0]);
    key(Qt::Key_Space);
    EXPECT_EQ(model().mx240_units[1].unit_count, 2);
    EXPECT_EQ(model().mx240_units[1].units[1].inputs, 1);
    key(Qt::Key_Escape);
    activate(&l);
    key(Qt::Key_Escape);

    activate(&m);
    for (int i = 0; i < 12 && m.SSTabentry->currentIndex() != 10; ++i)
        key(Qt::Key_Tab, Qt::ControlModifier);
    tab_to(m.txtma1);
    key(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), QStringLiteral("120"));
    tab_to(m.cmbalarm_time);
    key(Qt::Key_Down);
    platform.choose_next(saved);
    key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(read_text_lines(saved).has_value());
    key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(texts(m.txtma1, m.cmbalarm_time), (Texts{"0", "30"}));
    EXPECT_EQ(model().loop_device_count[1][1], 0);

    // File, Recent configurations, the first entry.
    key(Qt::Key_F, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    key(Qt::Key_R);
    key(Qt::Key_1);
    EXPECT_EQ(texts(m.txtma1, m.cmbalarm_time), (Texts{"120", "60"}));
    EXPECT_EQ(std::tuple(model().psu_type, model().system_type, model().loop_cards), std::tuple(2, 3, 2));
    EXPECT_EQ(model().loop_device_count[1][1], 5);
    EXPECT_EQ(model().mx240_units[1].unit_count, 2);
    EXPECT_EQ(model().mx240_units[1].units[1].inputs, 1);
    EXPECT_EQ(platform.captions(),
              (std::vector<std::string>{"Standwise", "Standwise", "Clear System Configuration"}));
}

// In the panel setup Tab runs over the PSU options, the system type options, the fitted slots, Card
// Help and Exit, landing in each group of options on the one chosen; the arrow keys move only the
// focus, and Space chooses, with the question the choice raises.
TEST_F(AccessTest, OptionGroupsAreOneTabStopAndChooseWithSpace) {
    frmnewfront& w = setup();
    main().cmdconfigure->click();
    activate(&w);
    std::vector<QWidget*> expected{w.optsystem[5]};
    for (int s : {0, 1, 2, 3, 4, 5, 6, 14, 15})
        expected.push_back(w.cmbslot[s]);
    expected.insert(expected.end(), {w.cmdhelp, w.cmdExit, w.optPSU[1]});
    w.optPSU[0]->setFocus(Qt::OtherFocusReason);  // leaves the group by the Tab order, not its order
    QTest::keyClick(focused(), Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), w.optPSU[1]);
    EXPECT_EQ(tab_round(), expected);

    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), w.optsystem[5]);
    QTest::keyClick(focused(), Qt::Key_Up);
    QTest::keyClick(focused(), Qt::Key_Up);
    QTest::keyClick(focused(), Qt::Key_Left);
    EXPECT_EQ(focused(), w.optsystem[2]);
    EXPECT_TRUE(w.optsystem[5]->isChecked());
    EXPECT_EQ(model().system_type, 5);
    EXPECT_TRUE(platform.messages.empty());

    platform.answer_next(Answer::No);
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(platform.captions(), std::vector<std::string>{"Standwise"});
    EXPECT_TRUE(w.optsystem[5]->isChecked());
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(model().system_type, 2);
    EXPECT_TRUE(w.optsystem[2]->isChecked());
    // Back into the group from the slots, the focus lands on the new choice.
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClick(focused(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), w.optsystem[2]);
}

// The unit window opens on its tree, where the arrow keys walk the units; on the count list the
// first Down would add a unit.
TEST_F(AccessTest, UnitWindowOpensWithTheFocusOnItsTree) {
    main().cmdview[1]->click();
    for (int opening = 0; opening < 2; ++opening) {
        activate(&loop_window());
        frmMXunits& units = open_units(UnitModel::MX240);
        activate(&units);
        ASSERT_EQ(focused(), units.TreeView1);
        QTest::keyClick(focused(), Qt::Key_Down);
        EXPECT_EQ(model().mx240_units[1].unit_count, 0);
        units.cmbInterfaces->setFocus();  // where the previous opening left it
        QTest::keyClick(focused(), Qt::Key_Escape);
    }
}

// Ctrl+Tab and Ctrl+PgDn change the page from a list as from anywhere else; the list keeps its entry.
TEST_F(AccessTest, PageKeysWorkFromAListAndLeaveItsEntry) {
    frmmain& m = main();
    activate(&m);
    m.SSTabentry->setCurrentIndex(10);  // Master alarms
    m.cmbalarm_time->setFocus();
    for (auto [key, modifiers, page] : {std::tuple{Qt::Key_PageDown, Qt::ControlModifier, 11},
                                        std::tuple{Qt::Key_PageUp, Qt::ControlModifier, 9},
                                        std::tuple{Qt::Key_Tab, Qt::ControlModifier, 11}}) {
        m.SSTabentry->setCurrentIndex(10);
        m.cmbalarm_time->setFocus();
        QTest::keyClick(m.cmbalarm_time, key, modifiers);
        EXPECT_EQ(m.SSTabentry->currentIndex(), page) << key;
        EXPECT_EQ(m.cmbalarm_time->currentIndex(), 0) << key;
    }
    // In the loop window, from a count list.
    m.cmdview[1]->click();
    activate(&loop_window());
    QTest::keyClick(focused(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(loop_window().SSTab_loop->currentIndex(), 1);
    EXPECT_EQ(text(loop_window().cmb_viewdata[1]), "0");
}

// F1 in a count list shows that device's help, as a click on the device's name does.
TEST_F(AccessTest, DeviceHelpOpensFromTheKeyboard) {
    main().cmdview[1]->click();
    activate(&loop_window());
    frmdevice_help& help = ctx->device_help();
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = help.isVisible();
        QTest::keyClick(&help, Qt::Key_Escape);
    });
    loop_window().cmb_viewdata[3]->setFocus();
    QTest::keyClick(focused(), Qt::Key_F1);
    EXPECT_TRUE(shown);
    EXPECT_EQ(help.lbldevice_help->text().toStdString(), model().device_name[3]);
}

// At 150 % text on a 1280x800 screen the windows have the 853x533 that standard text has there:
// every tab of the main window shows, and the project summary opens on the screen, here the
// 1024x768 one, with Close on it.
TEST_F(AccessTest, MainAndSummaryWindowsKeepEverythingOnASmallScreen) {
    // The main window's twelve tabs all show, the results last, with no tab scrolled away.
    main().resize(853, 500);
    activate(&main());
    QTabBar* bar = main().SSTabentry->tabBar();
    for (int tab : {0, 8, 11})
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(tab))) << tab;

    TempFolder folder;
    main().txtsite->setText(QString(60, QLatin1Char('W')));
    for (const char* name : {"a.cfg", "b.cfg"})
        ASSERT_FALSE(write_text_lines(folder.file(name), main().configuration_lines()));
    const QRect second = QGuiApplication::screens().at(1)->availableGeometry();
    main().move(second.topLeft() + QPoint(10, 10));
    platform.choose_next(folder.path());
    main().mnusummary->trigger();
    auto* summary = main().findChild<frmsummary*>();
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(second.contains(summary->frameGeometry()));
    EXPECT_TRUE(second.contains(summary->cmdclose->mapToGlobal(summary->cmdclose->rect().bottomRight())));
}

// With 150 % text the loop window, narrower than its device names would like, shows its "Change"
// buttons whole without scrolling sideways: long device names take two lines.
TEST(LargeTextTest, LoopWindowShowsItsChangeButtonsWhole) {
    const QFont standard = QApplication::font();
    QFont large = standard;
    large.setPointSizeF(standard.pointSizeF() * 1.5);
    QApplication::setFont(large);
    {
        struct Fixture : AccessTest {
            void TestBody() override {}
            frmloopx& opened() {
                main().cmdview[1]->click();
                return loop_window();
            }
        } fixture;
        frmloopx& l = fixture.opened();
        l.SSTab_loop->setCurrentIndex(3);
        auto* area = qobject_cast<QScrollArea*>(l.SSTab_loop->currentWidget());
        ASSERT_NE(area, nullptr);
        // The names can give up a fifth of their width, and the window that much narrower.
        const QWidget* page = area->widget();
        EXPECT_LT(page->minimumSizeHint().width(), page->sizeHint().width() * 4 / 5);
        l.resize(page->sizeHint().width() * 4 / 5, 700);
        activate(&l);
        for (QPushButton* change : {l.cmdMX210, l.cmdMX220, l.cmdMX240}) {
            const QRect shown(change->mapTo(area->viewport(), QPoint(0, 0)), change->size());
            EXPECT_TRUE(area->viewport()->rect().contains(shown)) << change->objectName().toStdString();
            EXPECT_GE(change->width(), change->sizeHint().width());
        }
    }
    QApplication::setFont(standard);
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

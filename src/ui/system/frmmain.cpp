#include "ui/system/frmmain.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <string>

#include "calc/loop_calc.h"
#include "calc/system_calc.h"
#include "calc/unit_sums.h"
#include "files/report_text.h"
#include "model/numbers.h"
#include "platform/qt_window_placement.h"
#include "platform/std_data_folders.h"
#include "ui/app_context.h"
#include "ui/keyboard.h"
#include "ui/open_configuration.h"
#include "ui/standby_readouts.h"
#include "ui/startup.h"
#include "ui/system/frmloopx.h"
#include "ui/system/frmnewfront.h"
#include "ui/unsaved_changes.h"
#include "ui/widgets.h"
#include "ui/workspace_commands.h"
#include "ui/workspace_router.h"
#include "workspace/questions.h"

using standwise::Answer;
using standwise::MessageStyle;
using standwise::qs;
using standwise::ss;

frmmain::frmmain(standwise::AppContext& ctx) : ctx_(ctx) {
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(QStringLiteral("Standwise - System"));
    build_menus();
    standwise::give_command_keys(this);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 8, 8, 4);
    layout->setSpacing(4);
    SSTabentry = new QTabWidget(central);
    SSTabentry->setObjectName(QStringLiteral("SSTabentry"));
    SSTabentry->setAccessibleName(QStringLiteral("System workspace"));
    // With large text the twelve tabs may not all fit the screen's width; the rest scroll into view.
    SSTabentry->setUsesScrollButtons(true);
    standwise::give_tab_keys(SSTabentry);
    for (int n = 1; n <= standwise::kLoops; ++n)
        SSTabentry->addTab(build_loop_tab(n), QStringLiteral("Loop %1").arg(n));
    SSTabentry->addTab(build_site_tab(), QStringLiteral("Site Details"));
    SSTabentry->addTab(build_system_tab(), QStringLiteral("System"));
    SSTabentry->addTab(build_master_alarm_tab(), QStringLiteral("Master alarms"));
    SSTabentry->addTab(build_standby_tab(), QStringLiteral("Standby"));
    layout->addWidget(SSTabentry, 1);
    build_status_bars(central);
    layout->addWidget(StatusBar1);
    layout->addWidget(stb_loadstatus);
    setCentralWidget(central);
    connect_handlers();
    setAcceptDrops(true);

    standwise::give_access_keys(this);
    standwise::size_to_content(this, QSize(880, 440));
    // The tab widget asks for less than its twelve tabs; where the screen allows, they all show.
    const int all_tabs = SSTabentry->tabBar()->sizeHint().width() + 2 * layout->contentsMargins().left() + 8;
    if (width() < all_tabs) resize(std::min(all_tabs, screen()->availableSize().width()), height());
}

void frmmain::Form_Load() {
    standwise::run_startup(ctx_);
}

// Every control shows what the workspace holds; setting them is quiet, as only the user's own
// changes are events.
void frmmain::refresh() {
    const standwise::SystemWorkspace& ws = ctx_.system;
    const standwise::MainView& v = ws.main;
    show_title();
    standwise::set_text(lbldate, qs(v.date));
    standwise::set_text(lbldevices, standwise::caption_text(v.devices));
    standwise::set_back_colour(lbldevices, v.devices_colour);
    for (int n = 1; n <= standwise::kLoops; ++n) {
        const standwise::LoopView& loop = v.loops[n];
        standwise::set_text(lblcurrent_s[n], qs(loop.current_s));
        standwise::set_text(lblcurrent_a[n], qs(loop.current_a));
        standwise::set_text(lblload_units_s[n], qs(loop.load_units_s));
        standwise::set_text(lblload_units_a[n], qs(loop.load_units_a));
        standwise::set_text(lbltotal_devices[n], qs(loop.total_devices));
        standwise::set_text(lblloop_curr[n], qs(loop.loop_curr));
        for (QLabel* label : {lblload_units_a[n], lblcurrent_a[n], lblloop_curr[n]})
            standwise::set_back_colour(label, loop.colour);
        stb_loadstatus->panel(n)->setText(qs(loop.status));
        stb_loadstatus->panel(n)->set_sunken(loop.in_use);
        const QSignalBlocker quiet(SSTabentry);
        SSTabentry->setTabEnabled(n - 1, loop.in_use);
    }
    // A tab that goes out of use moves the selection on, which the workspace hears as a click.
    if (!SSTabentry->isTabEnabled(v.current_tab)) ctx_.system.SSTabentry_Click(SSTabentry->currentIndex());
    const std::pair<QLabel*, const std::string*> summary[] = {
        {lblsystem, &v.system},    {lblcontroller, &v.controller},  {lblloops, &v.loop_cards},
        {lblios, &v.io_cards},     {lblnetworks, &v.network_cards}, {lblrams, &v.ram_cards},
        {lblamphours, &v.amphours}};
    for (const auto& [label, text] : summary)
        standwise::set_text(label, qs(*text));
    chkflash_back->setChecked(v.flash_backplane);
    standwise::show_text(txtsite, ws.site);
    standwise::show_text(txtsiteid, ws.site_id);
    standwise::show_text(txtma1, ws.master_alarm_1);
    standwise::show_text(txtma2, ws.master_alarm_2);
    refresh_maximum_ma();
    {
        const QSignalBlocker quiet(cmbalarm_time);
        cmbalarm_time->setCurrentIndex(ws.alarm_position);
    }
    if (ws.alarm_position >= 0)
        standwise::set_sounder_time_tooltip({frmstandby, frmrequirements}, qs(ws.alarm_time()));
    standwise::set_text(lblloops_total_q, qs(v.loops_total_q));
    standwise::set_text(lblloops_total_a, qs(v.loops_total_a));
    standwise::set_text_colour(lblloops_total_a, v.loops_total_a_colour);
    standwise::set_text(lblsystem_total_q, qs(v.system_total_q));
    standwise::set_text(lblsystem_total_a, qs(v.system_total_a));
    standwise::set_text(lblstandby, qs(v.standby));
    standwise::set_back_colour(lblstandby, v.standby_colour);
    standwise::set_text(lbl24hr_standby, qs(v.capacity_24h));
    standwise::set_text(lbl72hr_standby, qs(v.capacity_72h));
    standwise::show_battery_selection(batteries,
                                      v.result ? v.result->batteries : standwise::BatterySelection{});
    standwise::show_design_check(batteries, ws.design_check());
    if (SSTabentry->currentIndex() != v.current_tab) {
        const QSignalBlocker quiet(SSTabentry);
        SSTabentry->setCurrentIndex(v.current_tab);
    }
}

void frmmain::SSTabentry_Click() {
    ctx_.system.SSTabentry_Click(SSTabentry->currentIndex());
    ctx_.refresh_system();
}

void frmmain::refresh_maximum_ma() {
    lblmaximum_ma->setText(qs(ctx_.system.maximum_ma_text()));
}

// A pasted control character is dropped by the workspace, and the field shows what it kept.
void frmmain::txtsite_Change() {
    ctx_.system.txtsite_Change(ss(txtsite->text()));
    standwise::show_text(txtsite, ctx_.system.site);
    show_title();
}

void frmmain::txtsiteid_Change() {
    ctx_.system.txtsiteid_Change(ss(txtsiteid->text()));
    standwise::show_text(txtsiteid, ctx_.system.site_id);
    show_title();
}

void frmmain::show_title() {
    setWindowTitle(qs(ctx_.system.title()) + QStringLiteral("[*]"));
    setWindowModified(ctx_.system.modified());
}

void frmmain::txtma1_Change() {
    ctx_.system.txtma1_Change(ss(txtma1->text()));
    ctx_.refresh_system();
}

void frmmain::txtma2_Change() {
    ctx_.system.txtma2_Change(ss(txtma2->text()));
    ctx_.refresh_system();
}

void frmmain::cmbalarm_time_Change() {
    ctx_.system.cmbalarm_time_Change(cmbalarm_time->currentIndex());
    ctx_.refresh_system();
}

void frmmain::cmdview_Click(int n) {
    frmloopx& loop_window = ctx_.loopx();
    hide();
    ctx_.system.cmdview_Click(n);
    ctx_.refresh_system();
    standwise::place_over(&loop_window, this);
    loop_window.show();
    loop_window.focus_first_count();
}

void frmmain::stb_loadstatus_PanelClick(int panel) {
    if (stb_loadstatus->panel(panel)->sunken()) cmdview_Click(panel);
}

void frmmain::cmdconfigure_Click() {
    hide();
    standwise::place_over(&ctx_.newfront(), this);
    ctx_.newfront().show();
    ctx_.newfront().raise();
}

// With changes unsaved the user may save them first; otherwise the usual question stands.
void frmmain::mnunew_Click() {
    if (standwise::has_unsaved_changes(ctx_, standwise::Workspace::System)) {
        if (!standwise::unsaved_changes_settled(ctx_, standwise::Workspace::System,
                                                "starting a new configuration"))
            return;
    } else if (!standwise::user_confirms_clear(ctx_.platform, "Clear System Configuration")) {
        return;
    }
    ctx_.system.mnunew_Click();
    ctx_.refresh_system();
}

// The system calculation stays as it is while the interface workspace is in front.
void frmmain::mnuswitch_to_interface_Click() {
    standwise::show_workspace(ctx_, standwise::Workspace::Interface, this);
}

void frmmain::mnuviewrelease_Click() {
    standwise::view_release_notes(ctx_.platform);
}

void frmmain::mnuabout_Click() {
    standwise::show_about_box(ctx_, this);
}

void frmmain::mnuexit_Click() {
    standwise::exit_if_confirmed(ctx_);
}

bool frmmain::Form_QueryUnload() {
    if (standwise::has_unsaved_changes(ctx_, standwise::Workspace::System) ||
        standwise::has_unsaved_changes(ctx_, standwise::Workspace::Interface))
        return standwise::all_unsaved_changes_settled(ctx_, "closing");
    return standwise::user_confirms_close(ctx_.platform);
}

void frmmain::closeEvent(QCloseEvent* event) {
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    ctx_.end_program();
}

// Files dropped on the window are checked on the drop, which tells the user what it takes.
void frmmain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void frmmain::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    standwise::drop_configuration(ctx_, *event->mimeData(), standwise::Workspace::System);
}

void frmmain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The panel may have changed while this window was hidden.
    refresh_maximum_ma();
}

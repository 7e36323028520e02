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
#include "ui/interface/frminterface.h"
#include "ui/keyboard.h"
#include "ui/open_configuration.h"
#include "ui/standby_readouts.h"
#include "ui/startup.h"
#include "ui/system/frmloopx.h"
#include "ui/system/frmnewfront.h"
#include "ui/widgets.h"
#include "ui/workspace_commands.h"

using standwise::Answer;
using standwise::MessageStyle;
using standwise::qs;
using standwise::ss;

frmmain& standwise::AppContext::main() {
    return window<frmmain>(main_);
}

namespace {

constexpr int kMasterAlarmsTab = 10;
constexpr int kStandbyTab = 11;

}  // namespace

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

// The application data folder, made for an installed program, is the one whose failure is worth a
// message: without it no configuration or report has its folder.
void frmmain::make_data_folders() {
    standwise::Platform& platform = ctx_.platform;
    const std::string base = platform.user_folder();
    if (base != platform.program_folder()) {
        if (std::optional<std::string> failure = standwise::make_folder_path(base))
            platform.ask_user("The folder for configurations and reports cannot be made:" +
                                  std::string(standwise::kCrLf) + base + standwise::kCrLf + *failure + ".",
                              "Data Folders", standwise::MessageStyle::OkExclamation);
    }
    for (const char* folder : {"interface_reports", "full_reports", "short_reports", "configurations"})
        platform.make_folder(standwise::user_data_path(platform, folder));
}

void frmmain::clear_system_window() {
    lbldate->setText(qs(standwise::format_date(ctx_.platform.now())));
    standwise::set_back_colour(lbldevices, standwise::Colour::ButtonFace);
    lbldevices->setText(QStringLiteral("0"));
    for (int n = 1; n <= standwise::kLoops; ++n) {
        for (standwise::UnitModel unit : standwise::kUnitModels)
            standwise::clearLoop(ctx_.model, unit, n);
        lbltotal_devices[n]->setText(QStringLiteral("0"));
        for (QLabel* label :
             {lblloop_curr[n], lblcurrent_a[n], lblcurrent_s[n], lblload_units_a[n], lblload_units_s[n]})
            label->clear();
    }
    for (QLabel* label : {lblsystem, lblrams, lblnetworks, lblios, lblloops, lblcontroller})
        label->clear();
    chkflash_back->setChecked(false);
    txtma1->setText(QStringLiteral("0"));
    txtma2->setText(QStringLiteral("0"));
    for (QLabel* label : {lblloops_total_q, lblloops_total_a, lblsystem_total_q, lblsystem_total_a,
                          lbl24hr_standby, lbl72hr_standby, lblstandby})
        label->clear();
    lbldevices->setText(QStringLiteral("0"));
    txtsite->clear();
    txtsiteid->clear();
    select_alarm_time(0);
    for (int n = 1; n <= standwise::kLoops; ++n) {
        SSTabentry->setTabEnabled(n - 1, false);
        stb_loadstatus->panel(n)->set_sunken(false);
        stb_loadstatus->panel(n)->setText(QStringLiteral("Not used"));
    }
    SSTabentry->setCurrentIndex(kSiteDetailsTab);
}

void frmmain::update_loop_tabs() {
    for (int n = 1; n <= standwise::kLoops; ++n) {
        standwise::StatusPanel* panel = stb_loadstatus->panel(n);
        if (ctx_.model.loop_on_loop_card(n)) {
            SSTabentry->setTabEnabled(n - 1, true);
            panel->set_sunken(true);
            panel->setText(QStringLiteral("Loop %1 OK").arg(n));
            ctx_.calc_loop(n);
        } else {
            ctx_.loopx().loop_number = n;
            ctx_.loopx().clear_configuration(n);
            SSTabentry->setTabEnabled(n - 1, false);
            panel->setText(QStringLiteral("Not used"));
            panel->set_sunken(false);
        }
    }
}

void frmmain::txtsite_Change() {
    setWindowTitle(qs("Standwise - System - " + ctx_.model.panel().name + " - ") + txtsite->text());
}

void frmmain::SSTabentry_Click() {
    const int tab = SSTabentry->currentIndex();
    if (tab == kMasterAlarmsTab) refresh_maximum_ma();
    if ((tab == kStandbyTab || tab == kSiteDetailsTab) &&
        ctx_.model.total_detection_devices > standwise::kMaxPanelDetectionDevices) {
        ctx_.platform.ask_user("EN & BS Input/Detection count may have been exceeded for panel.",
                               "Fire Standards Warning", MessageStyle::OkExclamation);
    }
}

void frmmain::refresh_maximum_ma() {
    lblmaximum_ma->setText(
        qs("(Maximum circuit load" + standwise::str_number(ctx_.model.panel().max_master_alarm_ma) + "mA)."));
}

void frmmain::txtma1_Change() {
    check_master_alarm(txtma1, txtma2);
}
void frmmain::txtma2_Change() {
    check_master_alarm(txtma2, txtma1);
}

// A refused load is emptied without a message; emptying runs this check again, which then only
// recalculates. A negative load is refused too: it would lower the panel's alarm current.
void frmmain::check_master_alarm(QLineEdit* changed, QLineEdit* other) {
    const double maximum = ctx_.model.panel().max_master_alarm_ma;
    const std::optional<double> value = standwise::parse_number(ss(changed->text()));
    bool refused = !value || *value < 0 || *value > maximum;
    if (!refused) {
        const double other_value = standwise::parse_number(ss(other->text())).value_or(0);
        refused = *value + other_value > maximum;
    }
    if (refused && !changed->text().isEmpty()) {
        changed->clear();
        return;
    }
    ctx_.calc_system_standby();
}

void frmmain::select_alarm_time(int position) {
    if (cmbalarm_time->currentIndex() == position) {
        cmbalarm_time_Change();
    } else {
        cmbalarm_time->setCurrentIndex(position);
    }
}

void frmmain::cmbalarm_time_Change() {
    standwise::set_sounder_time_tooltip({frmstandby, frmrequirements}, cmbalarm_time->currentText());
    ctx_.calc_system_standby();
}

void frmmain::cmdview_Click(int n) {
    frmloopx& loop_window = ctx_.loopx();
    ctx_.model.current_loop = static_cast<std::int16_t>(n);
    loop_window.loop_number = n;
    loop_window.clear_load_units();
    hide();
    loop_window.setWindowTitle(qs(standwise::loop_window_title(ctx_.model, n)));
    standwise::place_over(&loop_window, this);
    loop_window.show();
    ctx_.model.loop_form_ready = false;
    loop_window.show_counts(n);
    ctx_.calc_loop(n);
    ctx_.model.loop_form_ready = true;
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

void frmmain::mnunew_Click() {
    if (!standwise::user_confirms_clear(ctx_.platform, "Clear System Configuration")) return;
    for (int n = 1; n <= standwise::kLoops; ++n) {
        for (int t = standwise::kFirstDevice; t <= standwise::kLastDevice; ++t)
            ctx_.model.loop_device_count[n][t] = 0;
        ctx_.model.loop_device_total[n] = 0;
    }
    // The figures derived from the counts follow the cleared loops at once, so resetting the window
    // never warns about the configuration just cleared.
    ctx_.model.total_detection_devices = 0;
    ctx_.model.loop_currents = {};
    ctx_.model.all_loops_quiescent = 0;
    ctx_.model.all_loops_alarm = 0;
    clear_system_window();
    ctx_.newfront().setup_default_system();
}

// The system calculation stays as it is while the interface workspace is in front.
void frmmain::mnuswitch_to_interface_Click() {
    hide();
    frminterface& window = ctx_.interface_window();
    standwise::place_over(&window, this);
    window.show();
    window.SSTab1->setCurrentIndex(0);
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
    return ctx_.platform.ask_user(std::string("Are you sure you want to exit?") + standwise::kCrLf +
                                      "Any unsaved information will be lost.",
                                  "Exit - Caldris Standwise", MessageStyle::YesNoQuestion) == Answer::Yes;
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
    if (SSTabentry->currentIndex() == kMasterAlarmsTab) refresh_maximum_ma();
}

void frmmain::show_loop_result(const standwise::LoopResult& r) {
    const int n = r.loop;
    standwise::set_text(lblcurrent_s[n], qs(r.current_s_text));
    standwise::set_text(lblcurrent_a[n], qs(r.current_a_text));
    standwise::set_text(lblload_units_s[n], qs(r.load_units_s_text));
    standwise::set_text(lblload_units_a[n], qs(r.load_units_a_text));
    standwise::set_text(lbltotal_devices[n], qs(r.total_devices_text));
    standwise::set_text(lblloop_curr[n], qs(r.loop_curr_text));
    for (QLabel* label : {lblload_units_a[n], lblcurrent_a[n], lblloop_curr[n]})
        standwise::set_back_colour(label, r.loop_colour);
    stb_loadstatus->panel(n)->setText(qs(r.status_text));
    standwise::set_text(lbldevices, standwise::caption_text(r.panel.caption));
    standwise::set_back_colour(lbldevices, r.panel.colour);
    standwise::set_text(lblloops_total_q, qs(r.totals.quiescent_text));
    standwise::set_text(lblloops_total_a, qs(r.totals.alarm_text));
}

void frmmain::show_system_result(const standwise::SystemResult& r) {
    shown_result_ = r;
    standwise::set_text_colour(lblloops_total_a, r.loops_total_a_text_colour);
    standwise::set_text(lblsystem_total_q, qs(r.system_total_q_text));
    standwise::set_text(lblsystem_total_a, qs(r.system_total_a_text));
    standwise::set_text(lblstandby, qs(r.standby.standby_text));
    standwise::set_back_colour(lblstandby, r.standby_colour);
    standwise::set_text(lbl24hr_standby, qs(r.standby.capacity_24h_text));
    standwise::set_text(lbl72hr_standby, qs(r.standby.capacity_72h_text));
    standwise::show_battery_selection(batteries, r.batteries);
}

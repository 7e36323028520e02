#include "ui/interface/frminterface.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/interface_calc.h"
#include "files/interface_report.h"
#include "model/numbers.h"
#include "platform/qt_window_placement.h"
#include "ui/app_context.h"
#include "ui/keyboard.h"
#include "ui/open_configuration.h"
#include "ui/standby_readouts.h"
#include "ui/unsaved_changes.h"
#include "ui/widgets.h"
#include "ui/workspace_commands.h"
#include "ui/workspace_router.h"
#include "workspace/questions.h"

using standwise::ChannelFunction;
using standwise::qs;
using standwise::ss;

namespace {

constexpr int kAlarmTimes = 4;

}  // namespace

frminterface::frminterface(standwise::AppContext& ctx) : ctx_(ctx) {
    setObjectName(QStringLiteral("frminterface"));
    setWindowTitle(QStringLiteral("Standwise - Interface"));
    build_menus();
    standwise::give_command_keys(this);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 8, 8, 8);
    SSTab1 = new QTabWidget(central);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setAccessibleName(QStringLiteral("Interface workspace"));
    standwise::give_tab_keys(SSTab1);
    SSTab1->addTab(build_interface_tab(), QStringLiteral("Interface"));
    SSTab1->addTab(build_sectors_tab(), QStringLiteral("Sectors"));
    SSTab1->addTab(build_zones_tab(), QStringLiteral("Zones"));
    SSTab1->addTab(build_aux_tab(), QStringLiteral("Aux Supply"));
    SSTab1->addTab(build_standby_tab(), QStringLiteral("Standby"));
    layout->addWidget(SSTab1);
    setCentralWidget(central);
    connect_handlers();
    setAcceptDrops(true);
    refresh();
    standwise::give_access_keys(this);
    standwise::size_to_content(this, QSize(600, 0));
}

void frminterface::Form_Load() {
    ctx_.interface_workspace().Form_Load();
    refresh();
}

// The lists are filled once; every control then shows what the workspace holds, set quietly.
void frminterface::fill_lists() {
    const QSignalBlocker quiet_address(cmbaddress);
    cmbaddress->clear();
    cmbaddress->addItem(QString());
    for (int address = 0; address <= standwise::kLastInterfaceAddress; ++address)
        cmbaddress->addItem(QString::number(address));
    const QSignalBlocker quiet_alarm(cmbalarm_time_interface);
    cmbalarm_time_interface->clear();
    for (int i = 0; i < kAlarmTimes; ++i)
        cmbalarm_time_interface->addItem(qs(ctx_.model.alarm_times[i]));
}

void frminterface::refresh() {
    const standwise::InterfaceWorkspace& ws = ctx_.interface_workspace();
    const standwise::InterfaceSetup& setup = ws.setup;
    if (cmbaddress->count() == 0) fill_lists();
    {
        const QSignalBlocker quiet(cmbaddress);
        cmbaddress->setCurrentIndex(setup.address_index);
    }
    standwise::show_text(txtlabel, setup.label);
    for (int n = 1; n <= kChannels; ++n) {
        const standwise::InterfaceChannel& channel = setup.channels[n];
        QRadioButton* option = channel.function == ChannelFunction::Zone     ? optzone[n]
                               : channel.function == ChannelFunction::Sector ? optsector[n]
                                                                             : optnc[n];
        {
            const QSignalBlocker quiet(option);
            option->setChecked(true);
        }
        for (QRadioButton* other : {optzone[n], optsector[n], optnc[n]})
            if (other != option) {
                const QSignalBlocker quiet(other);
                other->setChecked(false);
            }
        const bool zone = channel.function == ChannelFunction::Zone;
        const bool sector = channel.function == ChannelFunction::Sector;
        for (QWidget* control : {static_cast<QWidget*>(lblzone[n]), static_cast<QWidget*>(txtzone_current[n]),
                                 static_cast<QWidget*>(lblma_zone[n])})
            control->setEnabled(zone);
        for (QWidget* control :
             {static_cast<QWidget*>(lblsector[n]), static_cast<QWidget*>(txtsector_current[n]),
              static_cast<QWidget*>(lblma_sector[n])})
            control->setEnabled(sector);
        standwise::show_text(txtzone_current[n], channel.zone_current);
        standwise::show_text(txtsector_current[n], channel.sector_current);
    }
    standwise::show_text(txtaux_current, setup.aux_current);
    {
        const QSignalBlocker quiet(cmbalarm_time_interface);
        cmbalarm_time_interface->setCurrentIndex(setup.alarm_time_index);
    }
    standwise::set_sounder_time_tooltip({frmstandby, frmrequirements}, qs(ws.alarm_time()));
    const standwise::InterfaceView& v = ws.view;
    standwise::set_text(lblinterface_q, qs(v.quiescent));
    standwise::set_text(lblinterface_a, qs(v.alarm));
    standwise::set_text(lblaux_supply, qs(v.aux_supply));
    standwise::set_text(lblstandby, qs(v.standby));
    standwise::set_text(lblamphours, qs(v.amphours));
    standwise::set_text(lbl24hr_standby, qs(v.capacity_24h));
    standwise::set_text(lbl72hr_standby, qs(v.capacity_72h));
    standwise::show_battery_selection(batteries, v.result.batteries);
    standwise::show_design_check(batteries, ws.design_check());
    show_title();
}

void frminterface::show_title() {
    setWindowTitle(QStringLiteral("Standwise - Interface[*]"));
    setWindowModified(ctx_.interface_workspace().modified());
}

standwise::InterfaceSetup frminterface::interface_setup() const {
    return ctx_.interface_workspace().setup;
}

const standwise::InterfaceResult& frminterface::shown_result() const {
    return ctx_.interface_workspace().view.result;
}

void frminterface::optzone_Click(int n) {
    ctx_.interface_workspace().optzone_Click(n);
    ctx_.refresh_interface();
}

void frminterface::optsector_Click(int n) {
    ctx_.interface_workspace().optsector_Click(n);
    ctx_.refresh_interface();
}

void frminterface::optnc_Click(int n) {
    ctx_.interface_workspace().optnc_Click(n);
    ctx_.refresh_interface();
}

// A pasted control character is dropped by the workspace, and the field shows what it kept.
void frminterface::txtlabel_Change() {
    ctx_.interface_workspace().txtlabel_Change(ss(txtlabel->text()));
    standwise::show_text(txtlabel, ctx_.interface_workspace().setup.label);
    show_title();
}

void frminterface::cmbaddress_Click() {
    ctx_.interface_workspace().select_address(std::max(0, cmbaddress->currentIndex()));
    show_title();
}

// A refused entry is emptied without a message.
void frminterface::txtzone_current_Change(int n) {
    ctx_.interface_workspace().txtzone_current_Change(n, ss(txtzone_current[n]->text()));
    ctx_.refresh_interface();
}

void frminterface::txtsector_current_Change(int n) {
    ctx_.interface_workspace().txtsector_current_Change(n, ss(txtsector_current[n]->text()));
    ctx_.refresh_interface();
}

void frminterface::txtaux_current_Change() {
    ctx_.interface_workspace().txtaux_current_Change(ss(txtaux_current->text()));
    ctx_.refresh_interface();
}

void frminterface::cmbalarm_time_interface_Change() {
    ctx_.interface_workspace().cmbalarm_time_interface_Change(cmbalarm_time_interface->currentIndex());
    ctx_.refresh_interface();
}

// With changes unsaved the user may save them first; otherwise the usual question stands.
void frminterface::mnunew_Click() {
    if (standwise::has_unsaved_changes(ctx_, standwise::Workspace::Interface)) {
        if (standwise::unsaved_changes_settled(ctx_, standwise::Workspace::Interface,
                                               "starting a new configuration"))
            Form_Load();
    } else if (standwise::user_confirms_clear(ctx_.platform, "Clear Interface Configuration")) {
        Form_Load();
    }
}

void frminterface::mnuswitch_to_system_Click() {
    standwise::show_workspace(ctx_, standwise::Workspace::System, this);
}

void frminterface::mnuexit_Click() {
    standwise::exit_if_confirmed(ctx_);
}

void frminterface::mnuviewrelease_Click() {
    standwise::view_release_notes(ctx_.platform);
}

void frminterface::mnuabout_Click() {
    standwise::show_about_box(ctx_, this);
}

// Files dropped on the window are checked on the drop, which tells the user what it takes.
void frminterface::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void frminterface::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    standwise::drop_configuration(ctx_, *event->mimeData(), standwise::Workspace::Interface);
}

// Closing this window ends the program at once, without the main window's question, unless
// either workspace has changes unsaved: the user may then save them, or cancel.
void frminterface::closeEvent(QCloseEvent* event) {
    if (!standwise::all_unsaved_changes_settled(ctx_, "closing")) {
        event->ignore();
        return;
    }
    event->accept();
    ctx_.end_program();
}

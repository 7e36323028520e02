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
#include "ui/system/frmmain.h"
#include "ui/widgets.h"
#include "ui/workspace_commands.h"

using standwise::ChannelFunction;
using standwise::qs;
using standwise::ss;

frminterface& standwise::AppContext::interface_window() {
    return window<frminterface>(interface_);
}

namespace {

constexpr int kLastAddress = 200;
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
    Form_Load();
    standwise::give_access_keys(this);
    standwise::size_to_content(this, QSize(600, 0));
}

void frminterface::Form_Load() {
    // Emptying a field that holds text runs its handling, as it would for the user.
    txtaux_current->clear();
    txtlabel->clear();
    for (QLabel* label :
         {lblstandby, lblinterface_q, lblinterface_a, lblaux_supply, lbl24hr_standby, lbl72hr_standby})
        label->clear();
    lblamphours->setText(qs("with" + standwise::str_number(standwise::kInterfaceBattery) + "Ah"));

    cmbaddress->clear();
    cmbaddress->addItem(QString());
    for (int address = 0; address <= kLastAddress; ++address)
        cmbaddress->addItem(QString::number(address));
    cmbaddress->setCurrentIndex(1);

    {
        // The list is filled quietly so that only the selection below runs the handling.
        const QSignalBlocker quiet(cmbalarm_time_interface);
        cmbalarm_time_interface->clear();
        for (int i = 0; i < kAlarmTimes; ++i)
            cmbalarm_time_interface->addItem(qs(ctx_.model.alarm_times[i]));
        cmbalarm_time_interface->setCurrentIndex(-1);
    }
    cmbalarm_time_interface->setCurrentIndex(0);

    for (int n = 1; n <= kChannels; ++n) {
        optsector[n]->setChecked(true);
        txtsector_current[n]->setEnabled(true);
        txtsector_current[n]->clear();
        txtzone_current[n]->setEnabled(false);
        txtzone_current[n]->clear();
        lblzone[n]->setEnabled(false);
        lblma_zone[n]->setEnabled(false);
    }
}

standwise::InterfaceSetup frminterface::interface_setup() const {
    standwise::InterfaceSetup setup;
    setup.address_index = static_cast<std::int16_t>(std::max(0, cmbaddress->currentIndex()));
    setup.label = ss(txtlabel->text());
    for (int n = 1; n <= kChannels; ++n) {
        standwise::InterfaceChannel& channel = setup.channels[n];
        channel.function = optzone[n]->isChecked()     ? ChannelFunction::Zone
                           : optsector[n]->isChecked() ? ChannelFunction::Sector
                                                       : ChannelFunction::NotConnected;
        channel.zone_current = ss(txtzone_current[n]->text());
        channel.sector_current = ss(txtsector_current[n]->text());
    }
    setup.aux_current = ss(txtaux_current->text());
    setup.alarm_time_index = static_cast<std::int16_t>(std::max(0, cmbalarm_time_interface->currentIndex()));
    return setup;
}

standwise::InterfaceReportInputs frminterface::report_inputs() const {
    return {ss(cmbalarm_time_interface->currentText()), ss(lblstandby->text()), ss(lblamphours->text()),
            ss(lbl24hr_standby->text()), ss(lbl72hr_standby->text())};
}

void frminterface::select_address(int position) {
    cmbaddress->setCurrentIndex(position);
}

void frminterface::select_alarm_time(int position) {
    if (cmbalarm_time_interface->currentIndex() == position) {
        cmbalarm_time_interface_Change();
    } else {
        cmbalarm_time_interface->setCurrentIndex(position);
    }
}

void frminterface::set_zone_controls(int n, bool enabled) {
    for (QWidget* control : {static_cast<QWidget*>(lblzone[n]), static_cast<QWidget*>(txtzone_current[n]),
                             static_cast<QWidget*>(lblma_zone[n])})
        control->setEnabled(enabled);
    txtzone_current[n]->clear();
}

void frminterface::set_sector_controls(int n, bool enabled) {
    for (QWidget* control : {static_cast<QWidget*>(lblsector[n]), static_cast<QWidget*>(txtsector_current[n]),
                             static_cast<QWidget*>(lblma_sector[n])})
        control->setEnabled(enabled);
    txtsector_current[n]->clear();
}

void frminterface::optzone_Click(int n) {
    set_zone_controls(n, true);
    set_sector_controls(n, false);
    calc_interface_standby();
}

void frminterface::optsector_Click(int n) {
    set_zone_controls(n, false);
    set_sector_controls(n, true);
    calc_interface_standby();
}

void frminterface::optnc_Click(int n) {
    set_zone_controls(n, false);
    set_sector_controls(n, false);
    calc_interface_standby();
}

// A refused entry is emptied without a message; emptying runs the handling again, which then
// accepts the empty field and recalculates.
void frminterface::txtzone_current_Change(int n) {
    const std::string text = ss(txtzone_current[n]->text());
    const std::string checked = standwise::check_current_entry(text, standwise::kMaxZoneCurrent);
    if (checked != text) {
        txtzone_current[n]->setText(qs(checked));
        return;
    }
    calc_interface_standby();
}

void frminterface::txtsector_current_Change(int n) {
    const std::string text = ss(txtsector_current[n]->text());
    const std::string checked = standwise::check_current_entry(text, standwise::kMaxSectorCurrent);
    if (checked != text) {
        txtsector_current[n]->setText(qs(checked));
        return;
    }
    // The field just changed is the one emptied when the four sectors together are too much.
    standwise::InterfaceSetup setup = interface_setup();
    if (!text.empty() && standwise::check_sector_total(setup, n)) {
        txtsector_current[n]->clear();
        return;
    }
    calc_interface_standby();
}

void frminterface::txtaux_current_Change() {
    const std::string text = ss(txtaux_current->text());
    const std::string checked = standwise::check_current_entry(text, standwise::kMaxAuxCurrent);
    if (checked != text) {
        txtaux_current->setText(qs(checked));
        return;
    }
    calc_interface_standby();
    lblaux_supply->setText(qs(standwise::amps_text(standwise::text_value(text) / 1000)));
}

void frminterface::cmbalarm_time_interface_Change() {
    standwise::set_sounder_time_tooltip({frmstandby, frmrequirements},
                                        cmbalarm_time_interface->currentText());
    calc_interface_standby();
}

void frminterface::calc_interface_standby() {
    last_result_ =
        standwise::calc_interface_standby(interface_setup(), ss(cmbalarm_time_interface->currentText()));
    const standwise::InterfaceResult& result = last_result_;
    standwise::set_text(lblinterface_q, qs(result.quiescent_text));
    standwise::set_text(lblinterface_a, qs(result.alarm_text));
    standwise::set_text(lblstandby, qs(result.standby.standby_text));
    standwise::set_text(lbl24hr_standby, qs(result.standby.capacity_24h_text));
    standwise::set_text(lbl72hr_standby, qs(result.standby.capacity_72h_text));
    standwise::show_battery_selection(batteries, result.batteries);
}

void frminterface::mnunew_Click() {
    if (standwise::user_confirms_clear(ctx_.platform, "Clear Interface Configuration")) Form_Load();
}

void frminterface::mnuswitch_to_system_Click() {
    hide();
    frmmain& main = ctx_.main();
    standwise::place_over(&main, this);
    main.show();
    main.SSTabentry->setCurrentIndex(frmmain::kSiteDetailsTab);
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

// Closing this window ends the program at once, without the main window's question.
void frminterface::closeEvent(QCloseEvent* event) {
    event->accept();
    ctx_.end_program();
}

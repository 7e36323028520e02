// Building the interface window's controls, tab by tab, and wiring them to their handlers.
#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/interface/frminterface.h"
#include "ui/keyboard.h"
#include "ui/open_configuration.h"
#include "ui/recent_configurations.h"
#include "ui/standby_readouts.h"
#include "ui/widgets.h"

using standwise::add_menu_action;
using standwise::add_row;
using standwise::heading_label;
using standwise::indexed_name;
using standwise::number_box;
using standwise::page_with;
using standwise::value_label;

namespace {

constexpr int kCurrentFieldWidth = 90;

QLabel* named_label(const QString& name, const QString& caption) {
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    return label;
}

QLabel* note(const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setWordWrap(true);
    label->setFixedWidth(standwise::font_scaled(label, 460));
    return label;
}

QLineEdit* current_field(const QString& name, const QString& tooltip) {
    return number_box(name, tooltip, kCurrentFieldWidth);
}

QGridLayout* loading_grid(const char* title) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->addWidget(heading_label(QString::fromUtf8(title)), 0, 0, 1, 4);
    grid->setRowMinimumHeight(1, 4);
    return grid;
}

}  // namespace

void frminterface::build_menus() {
    mnufile = menuBar()->addMenu(QStringLiteral("File"));
    mnufile->setObjectName(QStringLiteral("mnufile"));
    mnunew = add_menu_action(mnufile, "mnunew", "New Configuration");
    mnuload = add_menu_action(mnufile, "mnuload", "Load interface");
    mnusavefile = add_menu_action(mnufile, "mnusavefile", "Save");
    mnusave = add_menu_action(mnufile, "mnusave", "Save interface");
    QAction* before_switch = mnufile->addSeparator();
    recent_ = new standwise::RecentConfigurations(
        mnufile, before_switch, QStringLiteral("interface"), [this](const std::string& path) {
            standwise::open_recent_configuration(ctx_, path, standwise::Workspace::Interface);
        });
    mnuswitch_to_system = add_menu_action(mnufile, "mnuswitch_to_system", "Switch to system");
    mnufile->addSeparator();
    mnuexit = add_menu_action(mnufile, "mnuexit", "Exit");

    mnugenerate = menuBar()->addMenu(QStringLiteral("Report"));
    mnugenerate->setObjectName(QStringLiteral("mnugenerate"));
    mnuopenreport = add_menu_action(mnugenerate, "mnuopenreport", "Open Report");
    mnureport = add_menu_action(mnugenerate, "mnureport", "Generate Report");
    mnugenerate->addSeparator();
    mnuprintreport = add_menu_action(mnugenerate, "mnuprintreport", "Print report…");
    mnuexportpdf = add_menu_action(mnugenerate, "mnuexportpdf", "Export report as PDF…");

    mnuaboutinterface = menuBar()->addMenu(QStringLiteral("About"));
    mnuaboutinterface->setObjectName(QStringLiteral("mnuaboutinterface"));
    mnuviewrelease = add_menu_action(mnuaboutinterface, "mnuviewrelease", "View release notes");
    mnuabout = add_menu_action(mnuaboutinterface, "mnuabout", "About VQM");
}

QWidget* frminterface::build_interface_tab() {
    auto* content = new QVBoxLayout;
    content->setSpacing(12);

    auto* general = new QGroupBox(QStringLiteral("General Information"));
    auto* grid = new QGridLayout(general);
    grid->setHorizontalSpacing(12);
    cmbaddress = new QComboBox;
    cmbaddress->setObjectName(QStringLiteral("cmbaddress"));
    cmbaddress->setToolTip(QStringLiteral("Enter the interface address here (optional)"));
    cmbaddress->setMinimumWidth(standwise::font_scaled(cmbaddress, 80));
    cmbaddress->setAccessibleName(QStringLiteral("Interface address"));
    cmbaddress->setMaxVisibleItems(16);
    txtlabel = standwise::text_box(QStringLiteral("txtlabel"),
                                   QStringLiteral("Enter the interface label here (optional)"));
    txtlabel->setMinimumWidth(standwise::font_scaled(txtlabel, 320));
    txtlabel->setAccessibleName(QStringLiteral("Interface label"));
    add_row(grid, 0, QStringLiteral("Interface Address:"), cmbaddress);
    grid->addWidget(cmbaddress, 0, 1, Qt::AlignLeft);
    add_row(grid, 1, QStringLiteral("Interface Label:"), txtlabel);
    content->addWidget(general);

    auto* channels = new QHBoxLayout;
    channels->setSpacing(10);
    const QString tooltip = QStringLiteral("Select the appropriate function for this channel");
    for (int n = 1; n <= kChannels; ++n) {
        auto* frame = new QGroupBox(QStringLiteral("Channel %1 Setup").arg(n));
        frame->setObjectName(indexed_name("frmchannel", n));
        auto* options = new QVBoxLayout(frame);
        // Each channel's three options sit in their own frame, so they exclude only one another.
        optzone[n] = new QRadioButton(QStringLiteral("Zone"), frame);
        optsector[n] = new QRadioButton(QStringLiteral("Sector"), frame);
        optnc[n] = new QRadioButton(QStringLiteral("NC"), frame);
        const std::pair<QRadioButton*, const char*> names[] = {
            {optzone[n], "optzone"}, {optsector[n], "optsector"}, {optnc[n], "optnc"}};
        for (auto [option, name] : names) {
            option->setObjectName(indexed_name(name, n));
            option->setToolTip(tooltip);
            options->addWidget(option);
        }
        standwise::choose_options_with_space(frame);
        channels->addWidget(frame);
    }
    content->addLayout(channels);
    return page_with(content);
}

QWidget* frminterface::build_sectors_tab() {
    QGridLayout* grid = loading_grid("Sector Loading");
    for (int n = 1; n <= kChannels; ++n) {
        lblsector[n] = named_label(indexed_name("lblsector", n), QStringLiteral("Sector %1:").arg(n));
        txtsector_current[n] = current_field(indexed_name("txtsector_current", n),
                                             QStringLiteral("Enter sector %1 alarm current here").arg(n));
        lblma_sector[n] = named_label(indexed_name("lblma_sector", n), QStringLiteral("mA"));
        lblsector[n]->setBuddy(txtsector_current[n]);
        txtsector_current[n]->setAccessibleName(QStringLiteral("Channel %1 sector current (mA)").arg(n));
        grid->addWidget(lblsector[n], n + 1, 0);
        grid->addWidget(txtsector_current[n], n + 1, 1);
        grid->addWidget(lblma_sector[n], n + 1, 2);
    }
    grid->addWidget(note("Maximum loading is 500mA per sector with a limit of 500mA total for all sectors."),
                    6, 0, 1, 4);
    grid->setRowMinimumHeight(7, 6);

    lblsector[5] = named_label(indexed_name("lblsector", 5), QStringLiteral("Alarm time:"));
    cmbalarm_time_interface = new QComboBox;
    cmbalarm_time_interface->setObjectName(QStringLiteral("cmbalarm_time_interface"));
    cmbalarm_time_interface->setFixedWidth(
        standwise::font_scaled(cmbalarm_time_interface, kCurrentFieldWidth));
    cmbalarm_time_interface->setAccessibleName(QStringLiteral("Alarm duration (minutes)"));
    lblsector[5]->setBuddy(cmbalarm_time_interface);
    lblma[6] = named_label(indexed_name("lblma", 6), QStringLiteral("mins"));
    lblma[5] = named_label(indexed_name("lblma", 5), QStringLiteral("(Alarm output duration)."));
    grid->addWidget(lblsector[5], 8, 0);
    grid->addWidget(cmbalarm_time_interface, 8, 1);
    grid->addWidget(lblma[6], 8, 2);
    grid->addWidget(lblma[5], 8, 3);
    grid->setColumnStretch(3, 1);
    return page_with(grid);
}

QWidget* frminterface::build_zones_tab() {
    QGridLayout* grid = loading_grid("Zone Loading");
    for (int n = 1; n <= kChannels; ++n) {
        lblzone[n] = named_label(indexed_name("lblzone", n), QStringLiteral("Zone %1:").arg(n));
        txtzone_current[n] = current_field(indexed_name("txtzone_current", n), QString());
        lblma_zone[n] = named_label(indexed_name("lblma_zone", n), QStringLiteral("mA"));
        lblzone[n]->setBuddy(txtzone_current[n]);
        txtzone_current[n]->setAccessibleName(QStringLiteral("Channel %1 zone current (mA)").arg(n));
        grid->addWidget(lblzone[n], n + 1, 0);
        grid->addWidget(txtzone_current[n], n + 1, 1);
        grid->addWidget(lblma_zone[n], n + 1, 2);
    }
    grid->addWidget(
        note("Maximum quiescent loading is 2.5mA per zone. If any channels are configured to be a "
             "zone the alarm current is increased by one zone being in fire."),
        6, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return page_with(grid);
}

QWidget* frminterface::build_aux_tab() {
    QGridLayout* grid = loading_grid("Auxilliary Supply Loading");
    lblsector[0] = named_label(indexed_name("lblsector", 0), QStringLiteral("Current:"));
    txtaux_current = current_field(QStringLiteral("txtaux_current"),
                                   QStringLiteral("Enter the auxilliary supply current here"));
    lblma[0] = named_label(indexed_name("lblma", 0), QStringLiteral("mA"));
    lblsector[0]->setBuddy(txtaux_current);
    txtaux_current->setAccessibleName(QStringLiteral("Auxiliary supply current (mA)"));
    grid->addWidget(lblsector[0], 2, 0);
    grid->addWidget(txtaux_current, 2, 1);
    grid->addWidget(lblma[0], 2, 2);
    grid->addWidget(note("Maximum loading is 250mA. Loading this output has a severe effect upon battery "
                         "standby time."),
                    3, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return page_with(grid);
}

QWidget* frminterface::build_standby_tab() {
    auto* content = new QGridLayout;
    content->setHorizontalSpacing(16);
    content->setVerticalSpacing(12);

    auto* consumptions = new QGridLayout;
    consumptions->setHorizontalSpacing(12);
    consumptions->setVerticalSpacing(6);
    consumptions->addWidget(heading_label(QStringLiteral("Interface Current Consumptions")), 0, 0, 1, 2);
    lblinterface_q = value_label(QStringLiteral("lblinterface_q"), nullptr);
    lblinterface_a = value_label(QStringLiteral("lblinterface_a"), nullptr);
    lblaux_supply = value_label(QStringLiteral("lblaux_supply"), nullptr);
    add_row(consumptions, 1, QStringLiteral("Interface quiescent load:"), lblinterface_q);
    add_row(consumptions, 2, QStringLiteral("Interface alarm load:"), lblinterface_a);
    add_row(consumptions, 3, QStringLiteral("Auxilliary supply load:"), lblaux_supply);
    for (QLabel* value : {lblinterface_q, lblinterface_a, lblaux_supply})
        value->setFixedWidth(standwise::font_scaled(value, 110));
    consumptions->setColumnStretch(2, 1);
    content->addLayout(consumptions, 0, 0, 1, 2);

    frmstandby = new QGroupBox(QStringLiteral("Standby time"));
    frmstandby->setObjectName(QStringLiteral("frmstandby"));
    auto* standby = new QHBoxLayout(frmstandby);
    standby->setSpacing(10);
    lblstandby = standwise::standby_time_label(frmstandby);
    lblamphours = standwise::amphours_label(frmstandby);
    standby->addWidget(lblstandby);
    standby->addWidget(lblamphours);
    standby->addStretch();
    lblstandby->setFixedWidth(standwise::font_scaled(lblstandby, 110));
    content->addWidget(frmstandby, 1, 0);

    frmrequirements = new QGroupBox(QStringLiteral("Requirements"));
    frmrequirements->setObjectName(QStringLiteral("frmrequirements"));
    auto* requirements = new QGridLayout(frmrequirements);
    requirements->setHorizontalSpacing(12);
    lbl24hr_standby = standwise::capacity_label(QStringLiteral("lbl24hr_standby"), 24, frmrequirements);
    lbl72hr_standby = standwise::capacity_label(QStringLiteral("lbl72hr_standby"), 72, frmrequirements);
    add_row(requirements, 0, QStringLiteral("24hr:"), lbl24hr_standby);
    add_row(requirements, 1, QStringLiteral("72hr:"), lbl72hr_standby);
    content->addWidget(frmrequirements, 1, 1);
    batteries = standwise::battery_selection_frame();
    content->addWidget(batteries.frame, 2, 0, 1, 2);

    standwise::set_sounder_time_tooltip({frmstandby, frmrequirements}, QStringLiteral("30"));
    return page_with(content);
}

void frminterface::connect_handlers() {
    for (int n = 1; n <= kChannels; ++n) {
        // Only the option that becomes set runs its handling, as a click on it would.
        connect(optzone[n], &QRadioButton::toggled, this, [this, n](bool on) {
            if (on) optzone_Click(n);
        });
        connect(optsector[n], &QRadioButton::toggled, this, [this, n](bool on) {
            if (on) optsector_Click(n);
        });
        connect(optnc[n], &QRadioButton::toggled, this, [this, n](bool on) {
            if (on) optnc_Click(n);
        });
        connect(txtzone_current[n], &QLineEdit::textChanged, this, [this, n] { txtzone_current_Change(n); });
        connect(txtsector_current[n], &QLineEdit::textChanged, this,
                [this, n] { txtsector_current_Change(n); });
    }
    connect(txtaux_current, &QLineEdit::textChanged, this, &frminterface::txtaux_current_Change);
    connect(txtlabel, &QLineEdit::textChanged, this, &frminterface::txtlabel_Change);
    connect(cmbaddress, &QComboBox::currentIndexChanged, this, &frminterface::cmbaddress_Click);
    connect(cmbalarm_time_interface, &QComboBox::currentIndexChanged, this,
            &frminterface::cmbalarm_time_interface_Change);
    const std::pair<QAction*, void (frminterface::*)()> actions[] = {
        {mnunew, &frminterface::mnunew_Click},
        {mnuload, &frminterface::mnuload_Click},
        {mnusavefile, &frminterface::mnusavefile_Click},
        {mnusave, &frminterface::mnusave_Click},
        {mnuswitch_to_system, &frminterface::mnuswitch_to_system_Click},
        {mnuexit, &frminterface::mnuexit_Click},
        {mnuopenreport, &frminterface::mnuopenreport_Click},
        {mnureport, &frminterface::mnureport_Click},
        {mnuprintreport, &frminterface::mnuprintreport_Click},
        {mnuexportpdf, &frminterface::mnuexportpdf_Click},
        {mnuviewrelease, &frminterface::mnuviewrelease_Click},
        {mnuabout, &frminterface::mnuabout_Click},
    };
    for (auto [action, handler] : actions)
        connect(action, &QAction::triggered, this, handler);
}

// Building the main window's controls, tab by tab.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/open_configuration.h"
#include "ui/recent_configurations.h"
#include "ui/standby_readouts.h"
#include "ui/system/frmmain.h"
#include "ui/widgets.h"

using standwise::add_menu_action;
using standwise::add_row;
using standwise::indexed_name;
using standwise::page_with;
using standwise::text_box;
using standwise::value_label;

namespace {

QGroupBox* frame(const QString& title, QWidget* parent, QGridLayout*& grid) {
    auto* box = new QGroupBox(title, parent);
    grid = new QGridLayout(box);
    grid->setColumnStretch(0, 1);  // captions take the spare width; the values form a column at the right
    grid->setHorizontalSpacing(12);
    return box;
}

}  // namespace

void frmmain::build_menus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("mnufile"));
    mnunew = add_menu_action(file, "mnunew", "New configuration");
    mnuload = add_menu_action(file, "mnuload", "Load configuration");
    mnusavefile = add_menu_action(file, "mnusavefile", "Save");
    mnusave = add_menu_action(file, "mnusave", "Save configuration");
    QAction* before_switch = file->addSeparator();
    mnuswitch_to_interface = add_menu_action(file, "mnuswitch_to_interface", "Switch to interface");
    recent_ = new standwise::RecentConfigurations(
        file, before_switch, QStringLiteral("system"), [this](const std::string& path) {
            standwise::open_recent_configuration(ctx_, path, standwise::Workspace::System);
        });
    mnusummary = new QAction(QStringLiteral("Project summary…"), file);
    mnusummary->setObjectName(QStringLiteral("mnusummary"));
    file->insertAction(before_switch, mnusummary);
    file->addSeparator();
    mnuexit = add_menu_action(file, "mnuexit", "Exit");

    QMenu* report = menuBar()->addMenu(QStringLiteral("Report"));
    report->setObjectName(QStringLiteral("mnugenerate"));
    mnuopenreport = add_menu_action(report, "mnuopenreport", "Open report");
    mnushort = add_menu_action(report, "mnushort", "Generate Short report");
    mnufull = add_menu_action(report, "mnufull", "Generate Full report");
    report->addSeparator();
    mnuprintreport = add_menu_action(report, "mnuprintreport", "Print report…");
    mnuexportpdf = add_menu_action(report, "mnuexportpdf", "Export report as PDF…");

    QMenu* about = menuBar()->addMenu(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("mnuaboutmain"));
    mnuviewrelease = add_menu_action(about, "mnuviewrelease", "View release notes");
    mnuabout = add_menu_action(about, "mnuabout", "About VQM");
}

QWidget* frmmain::build_loop_tab(int n) {
    auto* content = new QGridLayout;
    content->setHorizontalSpacing(16);
    content->setVerticalSpacing(12);

    cmdview[n] = new QPushButton(QStringLiteral("Set/View Loop"));
    cmdview[n]->setObjectName(indexed_name("cmdview", n));
    content->addWidget(cmdview[n], 0, 0, Qt::AlignLeft);

    QGridLayout* currents_grid = nullptr;
    QGroupBox* currents = frame(QStringLiteral("Loop Currents"), nullptr, currents_grid);
    lblcurrent_s[n] = value_label(indexed_name("lblcurrent_s", n), currents, 110);
    lblcurrent_a[n] = value_label(indexed_name("lblcurrent_a", n), currents, 110);
    lblcurrent_s[n]->setAccessibleName(QStringLiteral("Loop %1 quiescent current").arg(n));
    lblcurrent_a[n]->setAccessibleName(QStringLiteral("Loop %1 alarm current").arg(n));
    add_row(currents_grid, 0, QStringLiteral("Load current (standby):"), lblcurrent_s[n]);
    add_row(currents_grid, 1, QStringLiteral("Load current (alarm):"), lblcurrent_a[n]);
    content->addWidget(currents, 1, 0);

    QGridLayout* units_grid = nullptr;
    QGroupBox* units = frame(QStringLiteral("Loop units"), nullptr, units_grid);
    lblload_units_s[n] = value_label(indexed_name("lblload_units_s", n), units, 110);
    lblload_units_a[n] = value_label(indexed_name("lblload_units_a", n), units, 110);
    lblload_units_s[n]->setAccessibleName(QStringLiteral("Loop %1 quiescent load units").arg(n));
    lblload_units_a[n]->setAccessibleName(QStringLiteral("Loop %1 alarm load units").arg(n));
    add_row(units_grid, 0, QStringLiteral("Load units (standby):"), lblload_units_s[n]);
    add_row(units_grid, 1, QStringLiteral("Load units (alarm):"), lblload_units_a[n]);
    content->addWidget(units, 1, 1);

    // The totals sit under the frames, their values in line with the frames' values.
    auto* loop_total = new QGridLayout;
    auto* device_total = new QGridLayout;
    for (QGridLayout* grid : {loop_total, device_total}) {
        const int margin = currents_grid->contentsMargins().left() + 1;
        grid->setContentsMargins(margin, 0, margin, 0);
        grid->setHorizontalSpacing(12);
        grid->setColumnStretch(0, 1);
    }
    lblloop_curr[n] = value_label(indexed_name("lblloop_curr", n), nullptr, 110);
    lbltotal_devices[n] = value_label(indexed_name("lbltotal_devices", n), nullptr, 110);
    lblloop_curr[n]->setAccessibleName(QStringLiteral("Loop %1 total current").arg(n));
    lbltotal_devices[n]->setAccessibleName(QStringLiteral("Loop %1 device count").arg(n));
    add_row(loop_total, 0, QStringLiteral("Total loop\ncurrent"), lblloop_curr[n]);
    add_row(device_total, 0, QStringLiteral("Total device count:"), lbltotal_devices[n]);
    content->addLayout(loop_total, 2, 0);
    content->addLayout(device_total, 2, 1);
    standwise::align_captions({currents_grid, loop_total});
    standwise::align_captions({units_grid, device_total});
    return page_with(content);
}

QWidget* frmmain::build_site_tab() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    txtsite = text_box(QStringLiteral("txtsite"), QStringLiteral("Enter a site description here"));
    txtsite->setMinimumWidth(standwise::font_scaled(txtsite, 420));
    txtsite->setAccessibleName(QStringLiteral("Site"));
    txtsiteid = text_box(QStringLiteral("txtsiteid"), QStringLiteral("Enter a site ID here"));
    txtsiteid->setAccessibleName(QStringLiteral("Site ID"));
    lbldate = value_label(QStringLiteral("lbldate"), nullptr, 120);
    lbldevices = value_label(QStringLiteral("lbldevices"), nullptr, 420);
    lbldevices->setWordWrap(true);
    add_row(grid, 0, QStringLiteral("Site:"), txtsite);
    add_row(grid, 1, QStringLiteral("Site ID:"), txtsiteid);
    add_row(grid, 2, QStringLiteral("Date:"), lbldate);
    add_row(grid, 3, QStringLiteral("Devices:"), lbldevices);
    grid->addWidget(lbldate, 2, 1, Qt::AlignLeft);
    return page_with(grid);
}

QWidget* frmmain::build_system_tab() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    struct Row {
        QLabel* frmmain::*label;
        const char* name;
        const char* caption;
    };
    const Row rows[] = {{&frmmain::lblsystem, "lblsystem", "System"},
                        {&frmmain::lblcontroller, "lblcontroller", "Controller"},
                        {&frmmain::lblloops, "lblloops", "Loops Cards"},
                        {&frmmain::lblios, "lblios", "I/O Cards"},
                        {&frmmain::lblnetworks, "lblnetworks", "Network Cards"},
                        {&frmmain::lblrams, "lblrams", "RAM Cards"}};
    int row = 0;
    for (const Row& r : rows) {
        QLabel* value = value_label(QString::fromUtf8(r.name), nullptr, 240);
        this->*r.label = value;
        add_row(grid, row++, QString::fromUtf8(r.caption), value);
    }
    chkflash_back = new QCheckBox(QStringLiteral("Flash backplane"));
    chkflash_back->setObjectName(QStringLiteral("chkflash_back"));
    // It only shows what the panel holds; the slots decide it.
    chkflash_back->setAttribute(Qt::WA_TransparentForMouseEvents);
    chkflash_back->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(chkflash_back, row++, 1);
    cmdconfigure = new QPushButton(QStringLiteral("Configure System"));
    cmdconfigure->setObjectName(QStringLiteral("cmdconfigure"));
    grid->addWidget(cmdconfigure, row, 1, Qt::AlignLeft);
    return page_with(grid);
}

QWidget* frmmain::build_master_alarm_tab() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    grid->addWidget(standwise::heading_label(QStringLiteral("Master Alarm Circuit Loading")), 0, 0, 1, 4);

    txtma1 = standwise::number_box(QStringLiteral("txtma1"),
                                   QStringLiteral("Enter master alarm circuit 1 current here"), 100);
    txtma2 = standwise::number_box(QStringLiteral("txtma2"),
                                   QStringLiteral("Enter master alarm circuit 2 current here"), 100);
    txtma1->setAccessibleName(QStringLiteral("Master alarm circuit 1 current (mA)"));
    txtma2->setAccessibleName(QStringLiteral("Master alarm circuit 2 current (mA)"));
    add_row(grid, 1, QStringLiteral("Master alarm circuit 1 load:"), txtma1);
    grid->addWidget(new QLabel(QStringLiteral("mA")), 1, 2);
    add_row(grid, 2, QStringLiteral("Master alarm circuit 2 load:"), txtma2);
    grid->addWidget(new QLabel(QStringLiteral("mA")), 2, 2);
    lblmaximum_ma = new QLabel(QStringLiteral("(Maximum circuit load 400mA)."));
    lblmaximum_ma->setObjectName(QStringLiteral("lblmaximum_ma"));
    grid->addWidget(lblmaximum_ma, 3, 1, 1, 3);

    cmbalarm_time = new QComboBox;
    cmbalarm_time->setObjectName(QStringLiteral("cmbalarm_time"));
    cmbalarm_time->setMinimumWidth(standwise::font_scaled(cmbalarm_time, 100));
    cmbalarm_time->setAccessibleName(QStringLiteral("Alarm duration (minutes)"));
    grid->setRowMinimumHeight(4, 8);
    add_row(grid, 5, QStringLiteral("Alarm time:"), cmbalarm_time);
    grid->addWidget(new QLabel(QStringLiteral("minutes")), 5, 2);
    grid->addWidget(new QLabel(QStringLiteral("(Alarm output duration).")), 5, 3);
    return page_with(grid);
}

QWidget* frmmain::build_standby_tab() {
    auto* content = new QGridLayout;
    content->setHorizontalSpacing(16);
    content->setVerticalSpacing(12);
    QGridLayout* grid = nullptr;
    QGridLayout* left_grids[2] = {};
    QGridLayout* right_grids[2] = {};

    QGroupBox* loop = frame(QStringLiteral("Loop"), nullptr, grid);
    left_grids[0] = grid;
    lblloops_total_q = value_label(QStringLiteral("lblloops_total_q"), loop);
    lblloops_total_a = value_label(QStringLiteral("lblloops_total_a"), loop);
    add_row(grid, 0, QStringLiteral("Total quiescent loop current:"), lblloops_total_q);
    add_row(grid, 1, QStringLiteral("Total alarm loop current:"), lblloops_total_a);
    content->addWidget(loop, 0, 0);

    QGroupBox* system = frame(QStringLiteral("System"), nullptr, grid);
    right_grids[0] = grid;
    lblsystem_total_q = value_label(QStringLiteral("lblsystem_total_q"), system);
    lblsystem_total_a = value_label(QStringLiteral("lblsystem_total_a"), system);
    add_row(grid, 0, QStringLiteral("Total quiescent system current:"), lblsystem_total_q);
    add_row(grid, 1, QStringLiteral("Total alarm system current:"), lblsystem_total_a);
    content->addWidget(system, 0, 1);

    frmstandby = frame(QStringLiteral("Standby time"), nullptr, grid);
    frmstandby->setObjectName(QStringLiteral("frmstandby"));
    left_grids[1] = grid;
    lblstandby = standwise::standby_time_label(frmstandby);
    lblamphours = standwise::amphours_label(frmstandby);
    add_row(grid, 0, QStringLiteral("Standby (hrs:mins):"), lblstandby);
    grid->addWidget(lblamphours, 1, 1);
    content->addWidget(frmstandby, 1, 0);

    frmrequirements = frame(QStringLiteral("Requirements"), nullptr, grid);
    frmrequirements->setObjectName(QStringLiteral("frmrequirements"));
    right_grids[1] = grid;
    lbl24hr_standby = standwise::capacity_label(QStringLiteral("lbl24hr_standby"), 24, frmrequirements);
    lbl72hr_standby = standwise::capacity_label(QStringLiteral("lbl72hr_standby"), 72, frmrequirements);
    add_row(grid, 0, QStringLiteral("24 hrs standby:"), lbl24hr_standby);
    add_row(grid, 1, QStringLiteral("72 hrs standby:"), lbl72hr_standby);
    content->addWidget(frmrequirements, 1, 1);
    batteries = standwise::battery_selection_frame();
    content->addWidget(batteries.frame, 2, 0, 1, 2);

    standwise::set_sounder_time_tooltip({frmstandby, frmrequirements}, QStringLiteral("30"));
    standwise::align_captions({left_grids[0], left_grids[1]});
    standwise::align_captions({right_grids[0], right_grids[1]});
    return page_with(content);
}

void frmmain::build_status_bars(QWidget* central) {
    StatusBar1 = new standwise::StatusBar(QStringLiteral("StatusBar1"), 2, central);
    StatusBar1->panel(1)->setText(QStringLiteral("Loop Loading Status:-"));
    StatusBar1->panel(2)->setAlignment(Qt::AlignCenter);
    StatusBar1->panel(2)->setFixedWidth(standwise::font_scaled(StatusBar1, 100));
    stb_loadstatus = new standwise::StatusBar(QStringLiteral("stb_loadstatus"), standwise::kLoops, central);
    for (int n = 1; n <= standwise::kLoops; ++n) {
        stb_loadstatus->panel(n)->setToolTip(
            QStringLiteral("Loop %1 status - click to set/view configuration").arg(n));
        stb_loadstatus->panel(n)->setText(QStringLiteral("Not used"));
    }
}

void frmmain::connect_handlers() {
    connect(SSTabentry, &QTabWidget::currentChanged, this, &frmmain::SSTabentry_Click);
    connect(txtsite, &QLineEdit::textChanged, this, &frmmain::txtsite_Change);
    connect(txtsiteid, &QLineEdit::textChanged, this, &frmmain::txtsiteid_Change);
    connect(txtma1, &QLineEdit::textChanged, this, &frmmain::txtma1_Change);
    connect(txtma2, &QLineEdit::textChanged, this, &frmmain::txtma2_Change);
    connect(cmbalarm_time, &QComboBox::currentIndexChanged, this, &frmmain::cmbalarm_time_Change);
    for (int n = 1; n <= standwise::kLoops; ++n)
        connect(cmdview[n], &QPushButton::clicked, this, [this, n] { cmdview_Click(n); });
    connect(stb_loadstatus, &standwise::StatusBar::panel_clicked, this, &frmmain::stb_loadstatus_PanelClick);
    connect(cmdconfigure, &QPushButton::clicked, this, &frmmain::cmdconfigure_Click);
    const std::pair<QAction*, void (frmmain::*)()> actions[] = {
        {mnunew, &frmmain::mnunew_Click},
        {mnuload, &frmmain::mnuload_Click},
        {mnusavefile, &frmmain::mnusavefile_Click},
        {mnusave, &frmmain::mnusave_Click},
        {mnusummary, &frmmain::mnusummary_Click},
        {mnuswitch_to_interface, &frmmain::mnuswitch_to_interface_Click},
        {mnuexit, &frmmain::mnuexit_Click},
        {mnuopenreport, &frmmain::mnuopenreport_Click},
        {mnushort, &frmmain::mnushort_Click},
        {mnufull, &frmmain::mnufull_Click},
        {mnuprintreport, &frmmain::mnuprintreport_Click},
        {mnuexportpdf, &frmmain::mnuexportpdf_Click},
        {mnuviewrelease, &frmmain::mnuviewrelease_Click},
        {mnuabout, &frmmain::mnuabout_Click},
    };
    for (auto [action, handler] : actions)
        connect(action, &QAction::triggered, this, handler);
}

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
#include "ui/widgets.h"

using standwise::add_row;
using standwise::value_label;

namespace {

constexpr int kCurrentFieldWidth = 90;

QString indexed(const char* name, int index) {
    return QString::fromUtf8(name) + QLatin1Char('_') + QString::number(index);
}

QLabel* named_label(const QString& name, const QString& caption) {
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    return label;
}

QLabel* heading(const char* caption) {
    auto* label = new QLabel(QString::fromUtf8(caption));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLabel* note(const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setWordWrap(true);
    label->setFixedWidth(460);
    return label;
}

QLineEdit* current_field(const QString& name, const QString& tooltip) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setToolTip(tooltip);
    field->setFixedWidth(kCurrentFieldWidth);
    field->setAlignment(Qt::AlignRight);
    return field;
}

// A tab page whose content sits at the top left and keeps its natural size.
QWidget* page_with(QLayout* content) {
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(14, 14, 14, 14);
    auto* row = new QHBoxLayout;
    row->addLayout(content);
    row->addStretch();
    outer->addLayout(row);
    outer->addStretch();
    return page;
}

QGridLayout* loading_grid(const char* title) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->addWidget(heading(title), 0, 0, 1, 4);
    grid->setRowMinimumHeight(1, 4);
    return grid;
}

}  // namespace

void frminterface::build_menus() {
    auto add = [](QMenu* menu, const char* name, const char* caption) {
        auto* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromUtf8(name));
        return action;
    };
    mnufile = menuBar()->addMenu(QStringLiteral("File"));
    mnufile->setObjectName(QStringLiteral("mnufile"));
    mnunew = add(mnufile, "mnunew", "New Configuration");
    mnuload = add(mnufile, "mnuload", "Load interface");
    mnusave = add(mnufile, "mnusave", "Save interface");
    mnufile->addSeparator();
    mnuswitch_to_system = add(mnufile, "mnuswitch_to_system", "Switch to system");
    mnufile->addSeparator();
    mnuexit = add(mnufile, "mnuexit", "Exit");

    mnugenerate = menuBar()->addMenu(QStringLiteral("Report"));
    mnugenerate->setObjectName(QStringLiteral("mnugenerate"));
    mnuopenreport = add(mnugenerate, "mnuopenreport", "Open Report");
    mnureport = add(mnugenerate, "mnureport", "Generate Report");

    mnuaboutinterface = menuBar()->addMenu(QStringLiteral("About"));
    mnuaboutinterface->setObjectName(QStringLiteral("mnuaboutinterface"));
    mnuviewrelease = add(mnuaboutinterface, "mnuviewrelease", "View release notes");
    mnuabout = add(mnuaboutinterface, "mnuabout", "About VQM");
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
    cmbaddress->setMinimumWidth(80);
    cmbaddress->setMaxVisibleItems(16);
    txtlabel = new QLineEdit;
    txtlabel->setObjectName(QStringLiteral("txtlabel"));
    txtlabel->setToolTip(QStringLiteral("Enter the interface label here (optional)"));
    txtlabel->setMinimumWidth(320);
    add_row(grid, 0, QStringLiteral("Interface Address:"), cmbaddress);
    grid->addWidget(cmbaddress, 0, 1, Qt::AlignLeft);
    add_row(grid, 1, QStringLiteral("Interface Label:"), txtlabel);
    content->addWidget(general);

    auto* channels = new QHBoxLayout;
    channels->setSpacing(10);
    const QString tooltip = QStringLiteral("Select the appropriate function for this channel");
    for (int n = 1; n <= kChannels; ++n) {
        auto* frame = new QGroupBox(QStringLiteral("Channel %1 Setup").arg(n));
        frame->setObjectName(indexed("frmchannel", n));
        auto* options = new QVBoxLayout(frame);
        // Each channel's three options sit in their own frame, so they exclude only one another.
        optzone[n] = new QRadioButton(QStringLiteral("Zone"), frame);
        optsector[n] = new QRadioButton(QStringLiteral("Sector"), frame);
        optnc[n] = new QRadioButton(QStringLiteral("NC"), frame);
        const std::pair<QRadioButton*, const char*> names[] = {
            {optzone[n], "optzone"}, {optsector[n], "optsector"}, {optnc[n], "optnc"}};
        for (auto [option, name] : names) {
            option->setObjectName(indexed(name, n));
            option->setToolTip(tooltip);
            options->addWidget(option);
        }
        channels->addWidget(frame);
    }
    content->addLayout(channels);
    return page_with(content);
}

QWidget* frminterface::build_sectors_tab() {
    QGridLayout* grid = loading_grid("Sector Loading");
    for (int n = 1; n <= kChannels; ++n) {
        lblsector[n] = named_label(indexed("lblsector", n), QStringLiteral("Sector %1:").arg(n));
        txtsector_current[n] = current_field(indexed("txtsector_current", n),
                                             QStringLiteral("Enter sector %1 alarm current here").arg(n));
        lblma_sector[n] = named_label(indexed("lblma_sector", n), QStringLiteral("mA"));
        grid->addWidget(lblsector[n], n + 1, 0);
        grid->addWidget(txtsector_current[n], n + 1, 1);
        grid->addWidget(lblma_sector[n], n + 1, 2);
    }
    grid->addWidget(note("Maximum loading is 500mA per sector with a limit of 500mA total for all sectors."),
                    6, 0, 1, 4);
    grid->setRowMinimumHeight(7, 6);

    lblsector[5] = named_label(indexed("lblsector", 5), QStringLiteral("Alarm time:"));
    cmbalarm_time_interface = new QComboBox;
    cmbalarm_time_interface->setObjectName(QStringLiteral("cmbalarm_time_interface"));
    cmbalarm_time_interface->setFixedWidth(kCurrentFieldWidth);
    lblma[6] = named_label(indexed("lblma", 6), QStringLiteral("mins"));
    lblma[5] = named_label(indexed("lblma", 5), QStringLiteral("(Alarm output duration)."));
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
        lblzone[n] = named_label(indexed("lblzone", n), QStringLiteral("Zone %1:").arg(n));
        txtzone_current[n] = current_field(indexed("txtzone_current", n), QString());
        lblma_zone[n] = named_label(indexed("lblma_zone", n), QStringLiteral("mA"));
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
    lblsector[0] = named_label(indexed("lblsector", 0), QStringLiteral("Current:"));
    txtaux_current = current_field(QStringLiteral("txtaux_current"),
                                   QStringLiteral("Enter the auxilliary supply current here"));
    lblma[0] = named_label(indexed("lblma", 0), QStringLiteral("mA"));
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
    consumptions->addWidget(heading("Interface Current Consumptions"), 0, 0, 1, 2);
    lblinterface_q = value_label(QStringLiteral("lblinterface_q"), nullptr);
    lblinterface_a = value_label(QStringLiteral("lblinterface_a"), nullptr);
    lblaux_supply = value_label(QStringLiteral("lblaux_supply"), nullptr);
    add_row(consumptions, 1, QStringLiteral("Interface quiescent load:"), lblinterface_q);
    add_row(consumptions, 2, QStringLiteral("Interface alarm load:"), lblinterface_a);
    add_row(consumptions, 3, QStringLiteral("Auxilliary supply load:"), lblaux_supply);
    for (QLabel* value : {lblinterface_q, lblinterface_a, lblaux_supply})
        value->setFixedWidth(110);
    consumptions->setColumnStretch(2, 1);
    content->addLayout(consumptions, 0, 0, 1, 2);

    frmstandby = new QGroupBox(QStringLiteral("Standby time"));
    frmstandby->setObjectName(QStringLiteral("frmstandby"));
    auto* standby = new QHBoxLayout(frmstandby);
    standby->setSpacing(10);
    lblstandby = value_label(QStringLiteral("lblstandby"), frmstandby);
    lblstandby->setToolTip(
        QStringLiteral("This is the standby time in hrs:mins with \"standard\" batteries"));
    lblamphours = new QLabel(frmstandby);
    lblamphours->setObjectName(QStringLiteral("lblamphours"));
    standby->addWidget(lblstandby);
    standby->addWidget(lblamphours);
    standby->addStretch();
    lblstandby->setFixedWidth(110);
    content->addWidget(frmstandby, 1, 0);

    frmrequirements = new QGroupBox(QStringLiteral("Requirements"));
    frmrequirements->setObjectName(QStringLiteral("frmrequirements"));
    auto* requirements = new QGridLayout(frmrequirements);
    requirements->setHorizontalSpacing(12);
    lbl24hr_standby = value_label(QStringLiteral("lbl24hr_standby"), frmrequirements);
    lbl24hr_standby->setToolTip(QStringLiteral("This is the battery capacity required for 24hrs of standby"));
    lbl72hr_standby = value_label(QStringLiteral("lbl72hr_standby"), frmrequirements);
    lbl72hr_standby->setToolTip(QStringLiteral("This is the battery capacity required for 72hrs of standby"));
    add_row(requirements, 0, QStringLiteral("24hr:"), lbl24hr_standby);
    add_row(requirements, 1, QStringLiteral("72hr:"), lbl72hr_standby);
    content->addWidget(frmrequirements, 1, 1);

    for (QGroupBox* box : {frmstandby, frmrequirements})
        box->setToolTip(QStringLiteral("Includes 30 minutes of sounder activation"));
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
    connect(txtaux_current, &QLineEdit::textChanged, this, [this] { txtaux_current_Change(); });
    connect(cmbalarm_time_interface, &QComboBox::currentIndexChanged, this,
            [this] { cmbalarm_time_interface_Change(); });
    const std::pair<QAction*, void (frminterface::*)()> actions[] = {
        {mnunew, &frminterface::mnunew_Click},
        {mnuload, &frminterface::mnuload_Click},
        {mnusave, &frminterface::mnusave_Click},
        {mnuswitch_to_system, &frminterface::mnuswitch_to_system_Click},
        {mnuexit, &frminterface::mnuexit_Click},
        {mnuopenreport, &frminterface::mnuopenreport_Click},
        {mnureport, &frminterface::mnureport_Click},
        {mnuviewrelease, &frminterface::mnuviewrelease_Click},
        {mnuabout, &frminterface::mnuabout_Click},
    };
    for (auto [action, handler] : actions)
        connect(action, &QAction::triggered, this, [this, h = handler] { (this->*h)(); });
}

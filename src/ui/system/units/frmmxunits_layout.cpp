// Building the unit window: the count list and tree on the left, the channel buttons and the
// current read-outs on the right.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/accessibility.h"
#include "ui/keyboard.h"
#include "ui/system/units/frmmxunits.h"
#include "ui/widgets.h"

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumWidth(standwise::font_scaled(b, 150));
    return b;
}

// The read-outs are named after the frame ("Total", "Feature") and their caption.
QGroupBox* currents_frame(QWidget* parent, const char* name, const QString& title, QLabel*& quiescent,
                          const char* quiescent_name, QLabel*& alarm, const char* alarm_name) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QString::fromLatin1(name));
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    quiescent = standwise::value_label(QString::fromLatin1(quiescent_name), frame, 80);
    alarm = standwise::value_label(QString::fromLatin1(alarm_name), frame, 80);
    quiescent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    alarm->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QString kind = title.section(QLatin1Char(' '), 0, 0);
    quiescent->setAccessibleName(kind + QStringLiteral(" quiescent current"));
    alarm->setAccessibleName(kind + QStringLiteral(" alarm current"));
    standwise::add_row(grid, 0, QStringLiteral("Quiescent Current"), quiescent);
    standwise::add_row(grid, 1, QStringLiteral("Alarm Current"), alarm);
    return frame;
}

}  // namespace

void frmMXunits::build_layout() {
    standwise::name_window(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint);

    auto* count_label = new QLabel(QStringLiteral("Interface Count"), this);
    count_label->setObjectName(QStringLiteral("lblInterfaceCount"));
    cmbInterfaces = new QComboBox(this);
    cmbInterfaces->setObjectName(QString::fromLatin1(table_.list_name));
    cmbInterfaces->setEditable(false);
    cmbInterfaces->setMinimumWidth(standwise::font_scaled(cmbInterfaces, 70));
    const QString model = QString::fromLatin1(table_.window_name).mid(3);  // "frmMX240"
    cmbInterfaces->setAccessibleName(model + QStringLiteral(" interface count"));
    cmbInterfaces->setMaxVisibleItems(15);
    count_label->setBuddy(cmbInterfaces);
    auto* count_row = new QHBoxLayout;
    count_row->addWidget(count_label);
    count_row->addWidget(cmbInterfaces);
    count_row->addStretch(1);

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    TreeView1->setIconSize(QSize(16, 16));
    TreeView1->setMinimumSize(standwise::font_scaled(TreeView1, 280), standwise::font_scaled(TreeView1, 340));
    TreeView1->setAccessibleName(model + QStringLiteral(" interfaces and their channels"));

    auto* left = new QVBoxLayout;
    left->addLayout(count_row);
    left->addWidget(TreeView1, 1);

    auto* right = new QVBoxLayout;
    for (std::size_t i = 0; i < standwise::kChannelKinds.size(); ++i) {
        if (table_.limits[i] == 0) continue;
        const standwise::ChannelKindInfo& kind = standwise::channel_kind(standwise::kChannelKinds[i]);
        cmdAdd[i] = button(this, kind.add_button, QString::fromLatin1(kind.add_caption));
        right->addWidget(cmdAdd[i]);
    }
    cmdRemove = button(this, "cmdRemove", QString::fromLatin1(table_.remove_caption));
    right->addWidget(cmdRemove);
    right->addSpacing(10);
    right->addWidget(currents_frame(this, "fraTotal", QStringLiteral("Total Currents"), lblQuiescent,
                                    "lblQuiescent", lblAlarm, "lblAlarm"));
    right->addWidget(currents_frame(this, "fraFeature", QStringLiteral("Feature Currents"),
                                    lblfeatureQuiescent, "lblfeatureQuiescent", lblfeatureAlarm,
                                    "lblfeatureAlarm"));
    right->addStretch(1);
    cmdExit = button(this, "cmdExit", QStringLiteral("Exit"));
    right->addWidget(cmdExit);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    connect(cmbInterfaces, &QComboBox::currentIndexChanged, this, &frmMXunits::cmbInterfaces_Change);
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &frmMXunits::TreeView1_SelectionUpdate);
    connect(TreeView1, &QTreeWidget::itemClicked, this, &frmMXunits::TreeView1_SelectionUpdate);
    using Handler = void (frmMXunits::*)();
    const std::array<Handler, 4> add_handlers{&frmMXunits::cmdAddInput_Click, &frmMXunits::cmdAddZone_Click,
                                              &frmMXunits::cmdLED_Click, &frmMXunits::cmdAddRelay_Click};
    for (std::size_t i = 0; i < cmdAdd.size(); ++i)
        if (cmdAdd[i] != nullptr) connect(cmdAdd[i], &QPushButton::clicked, this, add_handlers[i]);
    connect(cmdRemove, &QPushButton::clicked, this, &frmMXunits::cmdRemove_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMXunits::cmdExit_Click);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &frmMXunits::cmdExit_Click);
    standwise::give_access_keys(this);
}

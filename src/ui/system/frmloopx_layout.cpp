// Building the loop window: one tab per device family, each a framed grid of device rows.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>

#include "calc/unit_sums.h"
#include "ui/app_context.h"
#include "ui/system/frmloopx.h"
#include "ui/widgets.h"

using standwise::indexed_name;

void frmloopx::build_menus() {
    QMenu* loop = menuBar()->addMenu(QStringLiteral("Loop"));
    loop->setObjectName(QStringLiteral("mnuloop1"));
    mnuexit = standwise::add_menu_action(loop, "mnuexit", "Exit");
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Loop Edit"));
    edit->setObjectName(QStringLiteral("mnuedit"));
    mnuclear = standwise::add_menu_action(edit, "mnuclear", "Clear contents");
    connect(mnuexit, &QAction::triggered, this, &frmloopx::mnuexit_Click);
    connect(mnuclear, &QAction::triggered, this, &frmloopx::mnuclear_Click);
    // The device help of the count list with the focus, as a click on the device's name shows it.
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] {
        const QWidget* focus = focusWidget();
        for (int t = standwise::kFirstDevice; t <= standwise::kLastDevice; ++t)
            if (focus != nullptr && (focus == cmb_viewdata[t] || cmb_viewdata[t]->isAncestorOf(focus)))
                lbldevice_help_Click(t);
    });
}

QPushButton* frmloopx::change_button(const char* name, void (frmloopx::*handler)()) {
    auto* button = new QPushButton(QStringLiteral("Change"));
    button->setObjectName(QString::fromUtf8(name));
    // cmdMX210 changes the MX210 units, and so on; three buttons read "Change".
    button->setAccessibleName(QStringLiteral("Change %1 units").arg(QString::fromUtf8(name).mid(3)));
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

QWidget* frmloopx::build_family_tab(int first_type, int last_type) {
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(8, 8, 8, 8);
    auto* frame = new QFrame(page);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    // Two columns of device rows, each a name with its count list close beside it.
    grid->setColumnMinimumWidth(3, 36);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(7, 1);
    const int rows_per_column = (last_type - first_type + 2) / 2;

    for (int t = first_type; t <= last_type; ++t) {
        const int offset = t - first_type;
        const int row = offset % rows_per_column;
        const int column = offset / rows_per_column * 4;

        auto* label = new standwise::ClickableLabel(frame);
        label->setObjectName(indexed_name("lbldevice_help", t));
        label->setCursor(Qt::WhatsThisCursor);
        // A long name takes two lines where the window is narrow, so "Change" keeps its room.
        label->setWordWrap(true);
        connect(label, &standwise::ClickableLabel::clicked, this, [this, t] { lbldevice_help_Click(t); });
        lbldevice_help[t] = label;

        auto* combo = new QComboBox(frame);
        combo->setObjectName(indexed_name("cmb_viewdata", t));
        combo->setMaxVisibleItems(15);
        combo->setFixedWidth(standwise::font_scaled(combo, 72));
        label->setBuddy(combo);
        if (const std::optional<standwise::UnitModel> unit_model = standwise::unit_model_of(t)) {
            // Every keystroke would add or remove units on the way to the count typed ("12" passes
            // through 1), so a unit count is taken once it is finished.
            connect(combo, &QComboBox::editTextChanged, this, [this, unit_model] {
                if (ctx_.model.loop_form_ready)
                    unit_count_typed_[static_cast<std::size_t>(*unit_model)] = true;
            });
            connect(combo, &QComboBox::activated, this, [this, t] { cmb_viewdata_Click(t); });
        } else {
            connect(combo, &QComboBox::editTextChanged, this, [this, t] { cmb_viewdata_Change(t); });
        }
        cmb_viewdata[t] = combo;

        grid->addWidget(label, row, column);
        grid->addWidget(combo, row, column + 1);
        if (t == standwise::kMx210DeviceType)
            grid->addWidget(cmdMX210 = change_button("cmdMX210", &frmloopx::cmdMX210_Click), row, column + 2);
        if (t == standwise::kMx220DeviceType)
            grid->addWidget(cmdMX220 = change_button("cmdMX220", &frmloopx::cmdMX220_Click), row, column + 2);
        if (t == standwise::kMx240DeviceType)
            grid->addWidget(cmdMX240 = change_button("cmdMX240", &frmloopx::cmdMX240_Click), row, column + 2);
    }
    grid->setRowStretch(rows_per_column, 1);
    outer->addWidget(frame);
    return standwise::scrolling(page);
}

QWidget* frmloopx::build_load_units() {
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const QString hint = QStringLiteral("A Load unit is 400µA. Max load units per loop is 1000.");
    Label3 = new QLabel(QStringLiteral("Load units (standby):"), bar);
    Label3->setObjectName(QStringLiteral("Label3"));
    lblload_units_standby = standwise::value_label(QStringLiteral("lblload_units_standby"), bar);
    Label2 = new QLabel(QStringLiteral("Load units (alarm):"), bar);
    Label2->setObjectName(QStringLiteral("Label2"));
    lblload_units_alarm = standwise::value_label(QStringLiteral("lblload_units_alarm"), bar);
    lblload_units_standby->setAccessibleName(QStringLiteral("Loop quiescent load units"));
    lblload_units_alarm->setAccessibleName(QStringLiteral("Loop alarm load units"));
    for (QLabel* label : {Label3, lblload_units_standby, Label2, lblload_units_alarm})
        label->setToolTip(hint);
    cmdExit = new QPushButton(QStringLiteral("Exit"), bar);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    connect(cmdExit, &QPushButton::clicked, this, &frmloopx::cmdExit_Click);
    row->addWidget(Label3);
    row->addWidget(lblload_units_standby);
    row->addSpacing(24);
    row->addWidget(Label2);
    row->addWidget(lblload_units_alarm);
    row->addStretch();
    row->addWidget(cmdExit);
    return bar;
}

// Typing into the count lists matters only once the window is shown (until its first opening no
// change is taken anyway), and an editable list costs a line edit each: the command-line reports,
// which never show this window, build it many times.
void frmloopx::make_lists_editable() {
    if (lists_editable_) return;
    lists_editable_ = true;
    for (int t = standwise::kFirstDevice; t <= standwise::kLastDevice; ++t) {
        QComboBox* combo = cmb_viewdata[t];
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);  // a typed digit must stay what was typed
        combo->lineEdit()->setAccessibleName(combo->accessibleName());
        if (standwise::unit_model_of(t))
            connect(combo->lineEdit(), &QLineEdit::editingFinished, this,
                    &frmloopx::finish_typed_unit_counts);
        else
            connect(combo->lineEdit(), &QLineEdit::editingFinished, this,
                    [this, t] { cmb_viewdata_Finished(t); });
    }
}

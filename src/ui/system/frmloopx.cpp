#include "ui/system/frmloopx.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStringList>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <optional>

#include "model/numbers.h"
#include "platform/qt_window_placement.h"
#include "ui/app_context.h"
#include "ui/keyboard.h"
#include "ui/misc/frmdevice_help.h"
#include "ui/system/frmmain.h"
#include "ui/system/units/frmmxunits.h"
#include "ui/widgets.h"
#include "workspace/questions.h"

using standwise::qs;
using standwise::ss;

namespace {

struct Family {
    const char* caption;
    int first_type, last_type;
};

// Device types are numbered by family in the library.
constexpr Family kFamilies[] = {
    {"Sensors && MCPs", 1, 26},
    {"Sounders", 27, 46},
    {"I/O Modules", 47, 64},
    {"Interfaces && Specials", 65, 79},
};

}  // namespace

frmloopx::frmloopx(standwise::AppContext& ctx) : ctx_(ctx) {
    setObjectName(QStringLiteral("frmloopx"));
    setWindowTitle(QStringLiteral("Loop Configuration - Loop X"));
    build_menus();
    standwise::set_shortcuts({{mnuexit, QKeySequence(Qt::Key_Escape)}});

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 8, 8, 8);
    SSTab_loop = new QTabWidget(central);
    SSTab_loop->setObjectName(QStringLiteral("SSTab_loop"));
    SSTab_loop->setAccessibleName(QStringLiteral("Device families"));
    standwise::give_tab_keys(SSTab_loop);
    for (const Family& family : kFamilies)
        SSTab_loop->addTab(build_family_tab(family.first_type, family.last_type),
                           QString::fromUtf8(family.caption));
    layout->addWidget(SSTab_loop, 1);
    layout->addWidget(build_load_units());
    setCentralWidget(central);

    initialiseForm();
    standwise::size_to_content(this, QSize(900, 480));
}

void frmloopx::initialiseForm() {
    const standwise::SystemModel& model = ctx_.model;
    for (int t = standwise::kFirstDevice; t <= standwise::kLastDevice; ++t) {
        const int maximum = model.device_loop_max[t];
        QStringList entries{QStringLiteral("0")};
        for (int k = 1; k <= maximum; ++k)
            entries << QString::number(k);
        QComboBox* combo = cmb_viewdata[t];
        combo->clear();
        combo->addItems(entries);
        combo->setToolTip(qs("Max:" + standwise::str_number(maximum)));
        const std::string& name = model.device_name[t];
        const QString caption = name.empty() ? QStringLiteral("Device type %1").arg(t) : qs(name);
        // The label leads to its list, so an "&" of the name is doubled to be shown as written.
        lbldevice_help[t]->setText(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
        lbldevice_help[t]->setToolTip(qs(model.device_tooltip[t]));
        combo->setAccessibleName(caption + QStringLiteral(" count"));
        if (combo->lineEdit() != nullptr) combo->lineEdit()->setAccessibleName(combo->accessibleName());
    }
    standwise::give_access_keys(this);
}

// The counts as the workspace holds them; a list that already shows its count is left alone,
// so the cursor of someone typing stays where it is.
void frmloopx::refresh() {
    const standwise::LoopWindowView& v = ctx_.system.loop_window;
    setWindowTitle(qs(v.title));
    for (int t = standwise::kFirstDevice; t <= standwise::kLastDevice; ++t) {
        QComboBox* combo = cmb_viewdata[t];
        const QString text = qs(v.counts[t]);
        if (combo->currentText() == text && (combo->isEditable() || combo->currentIndex() >= 0)) continue;
        const QSignalBlocker quiet(combo);
        const int position = combo->findText(text);
        combo->setCurrentIndex(position);
        if (combo->isEditable()) combo->setEditText(text);
    }
    standwise::set_text(lblload_units_standby, qs(v.units_standby));
    standwise::set_text(lblload_units_alarm, qs(v.units_alarm));
    standwise::set_back_colour(lblload_units_alarm, v.units_colour);
}

void frmloopx::focus_first_count() {
    SSTab_loop->setCurrentIndex(0);
    cmb_viewdata[standwise::kFirstDevice]->setFocus();
}

void frmloopx::cmb_viewdata_Change(int t) {
    if (!ctx_.model.loop_form_ready) return;
    QComboBox* combo = cmb_viewdata[t];
    if (const std::optional<standwise::UnitModel> unit_model = standwise::unit_model_of(t))
        unit_count_typed_[static_cast<std::size_t>(*unit_model)] = false;
    ctx_.system.cmb_viewdata_Change(t, ss(combo->currentText()));
    ctx_.refresh_system();
    if (combo->currentText().isEmpty() && isVisible()) combo->setFocus();
}

void frmloopx::cmb_viewdata_Finished(int t) {
    if (!ctx_.model.loop_form_ready) return;
    ctx_.system.count_finished(t);
    ctx_.refresh_system();
}

void frmloopx::cmb_viewdata_Click(int t) {
    cmb_viewdata_Change(t);
}

void frmloopx::finish_typed_unit_counts() {
    for (standwise::UnitModel unit_model : standwise::kUnitModels)
        if (unit_count_typed_[static_cast<std::size_t>(unit_model)])
            cmb_viewdata_Change(standwise::device_type_of(unit_model));
}

void frmloopx::lbldevice_help_Click(int t) {
    frmdevice_help& help = ctx_.device_help();
    help.fill(ctx_.model, t);
    standwise::place_over(&help, this);
    help.exec();
}

void frmloopx::cmdMX210_Click() {
    open_unit_window(standwise::UnitModel::MX210);
}
void frmloopx::cmdMX220_Click() {
    open_unit_window(standwise::UnitModel::MX220);
}
void frmloopx::cmdMX240_Click() {
    open_unit_window(standwise::UnitModel::MX240);
}

// The MX240 window shows before it is filled; the other two are filled first. Each opens with the
// focus on its tree: on the count list the first arrow key would add or remove a unit.
void frmloopx::open_unit_window(standwise::UnitModel unit_model) {
    finish_typed_unit_counts();
    frmMXunits& units = ctx_.unit_window(unit_model);
    standwise::place_over(&units, this);
    if (unit_model == standwise::UnitModel::MX240) {
        units.show();
        units.TreeView1->setFocus(Qt::OtherFocusReason);
        units.populateForm(loop_number());
        hide();
        return;
    }
    hide();
    units.populateForm(loop_number());
    units.show();
    units.TreeView1->setFocus(Qt::OtherFocusReason);
}

int frmloopx::loop_number() const {
    return ctx_.system.loop_window.loop_number;
}

void frmloopx::mnuclear_Click() {
    if (!standwise::user_confirms_clear_loop(ctx_.platform)) return;
    unit_count_typed_ = {};
    ctx_.system.clear_configuration(loop_number());
    ctx_.refresh_system();
}

void frmloopx::cmdExit_Click() {
    mnuexit_Click();
}

void frmloopx::mnuexit_Click() {
    finish_typed_unit_counts();
    hide();
    leave();
}

void frmloopx::leave() {
    standwise::place_over(&ctx_.main(), this);
    ctx_.main().show();
    ctx_.system.leave_loop_window();
    ctx_.refresh_system();
}

// The close box leaves the window as Exit does; the window and its lists are kept.
void frmloopx::closeEvent(QCloseEvent* event) {
    finish_typed_unit_counts();
    event->accept();
    leave();
}

void frmloopx::showEvent(QShowEvent* event) {
    make_lists_editable();
    refresh();
    QMainWindow::showEvent(event);
}

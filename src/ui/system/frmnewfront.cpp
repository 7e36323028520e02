#include "ui/system/frmnewfront.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "calc/panel_cards.h"
#include "model/numbers.h"
#include "model/reference_tables.h"
#include "platform/qt_window_placement.h"
#include "ui/app_context.h"
#include "ui/keyboard.h"
#include "ui/misc/frmpicture.h"
#include "ui/system/frmmain.h"
#include "ui/widgets.h"

using standwise::Answer;
using standwise::MessageStyle;
using standwise::qs;
using standwise::str_number;

frmnewfront::frmnewfront(standwise::AppContext& ctx) : ctx_(ctx) {
    setObjectName(QStringLiteral("frmnewfront"));
    setWindowTitle(QStringLiteral("System Configuration"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint);

    auto* left = new QVBoxLayout;
    left->addWidget(build_power_frame());
    left->addWidget(build_system_frame());
    left->addStretch();

    // The frames scroll when large text makes them taller than the screen; the buttons stay.
    auto* frames = new QWidget(this);
    auto* panels = new QHBoxLayout(frames);
    panels->setContentsMargins(0, 0, 0, 0);
    panels->addLayout(left);
    panels->addWidget(build_slot_frame(), 1);
    QWidget* scrolled = standwise::scrolling(frames);
    scrolled->setParent(this);  // before the buttons, which come after the frames in the tab order

    Label1 = new QLabel(QStringLiteral("Total Card Current:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    lblcurrent = standwise::value_label(QStringLiteral("lblcurrent"), this, 100);
    lblcurrent->setAccessibleName(QStringLiteral("Total card current"));
    cmdhelp = new QPushButton(QStringLiteral("Card Help"), this);
    cmdhelp->setObjectName(QStringLiteral("cmdhelp"));
    cmdExit = new QPushButton(QStringLiteral("Exit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label1);
    bottom->addWidget(lblcurrent);
    bottom->addStretch();
    bottom->addWidget(cmdhelp);
    bottom->addWidget(cmdExit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(scrolled, 1);
    layout->addLayout(bottom);

    connect(optPSU[0]->group(), &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) optPSU_Click(id);
    });
    connect(optsystem[0]->group(), &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) optsystem_Click(id);
    });
    for (int s = 0; s < standwise::kSlots; ++s)
        connect(cmbslot[s], &QComboBox::currentIndexChanged, this, [this, s] { cmbslot_Click(s); });
    connect(cmdhelp, &QPushButton::clicked, this, &frmnewfront::cmdhelp_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmnewfront::cmdExit_Click);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &frmnewfront::cmdExit_Click);
    standwise::give_access_keys(this);
    refresh();
    standwise::size_to_content(this, QSize());
}

void frmnewfront::Form_Load() {
    fill_slot_lists();
    ctx_.system.newfront_Form_Load();
    ctx_.refresh_system();
}

void frmnewfront::fill_slot_lists() {
    const standwise::SystemModel& model = ctx_.model;
    for (int s = 0; s < standwise::kSlots; ++s) {
        QComboBox* combo = cmbslot[s];
        const QSignalBlocker quiet(combo);
        combo->clear();
        if (s == 0) {
            for (const std::string& kind : model.local_controller_types)
                combo->addItem(qs(kind));
        } else {
            auto* items = qobject_cast<QStandardItemModel*>(combo->model());
            for (int k = 0; k < standwise::kCardTypes; ++k) {
                combo->addItem(qs(model.card_types[k]));
                // The separator rows only divide the list; they cannot be picked.
                if (standwise::is_separator_card(k) && items) items->item(k)->setEnabled(false);
            }
        }
    }
}

void frmnewfront::setup_default_system() {
    ctx_.system.setup_default_system();
    ctx_.refresh_system();
}

// The options, lists and figures as the workspace holds them; setting them is quiet.
void frmnewfront::refresh() {
    const standwise::SystemWorkspace& ws = ctx_.system;
    const standwise::SystemRecord& panel = ws.model.panel();
    if (cmbslot[0]->count() == 0) fill_slot_lists();
    check_quietly(optPSU[ws.psu_shown]);
    check_quietly(optsystem[ws.system_shown]);
    for (int s = 0; s < standwise::kSlots; ++s) {
        {
            const QSignalBlocker quiet(cmbslot[s]);
            cmbslot[s]->setCurrentIndex(ws.slot_shown[s]);
        }
        cmbslot[s]->setToolTip(qs(ws.slot_tooltip(s)));
        cmbslot[s]->setVisible(panel.slot_fitted[s]);
        lblslot[s]->setEnabled(panel.slot_fitted[s]);
    }
    lblcurrent->setText(qs(ws.card_current_text));
}

// A refused change puts the previous option back and leaves the panel as it was.
void frmnewfront::optPSU_Click(int index) {
    ctx_.system.optPSU_Click(index);
    ctx_.refresh_system();
}

void frmnewfront::optsystem_Click(int index) {
    ctx_.system.optsystem_Click(index);
    ctx_.refresh_system();
}

void frmnewfront::cmbslot_Click(int index) {
    ctx_.system.cmbslot_Click(index, cmbslot[index]->currentIndex());
    ctx_.refresh_system();
}

double frmnewfront::calc_sys_current() {
    const double amps = ctx_.system.calc_sys_current();
    lblcurrent->setText(qs(ctx_.system.card_current_text));
    return amps;
}

void frmnewfront::check_quietly(QRadioButton* button) {
    const QSignalBlocker quiet(button->group());
    button->setChecked(true);
}

void frmnewfront::cmdhelp_Click() {
    frmpicture& picture = ctx_.picture();
    standwise::place_over(&picture, this);
    picture.show();
    picture.raise();
}

void frmnewfront::cmdExit_Click() {
    hide();
    standwise::place_over(&ctx_.main(), this);
    ctx_.main().show();
}

// Closing keeps the window and the panel chosen in it; it is left as Exit leaves it.
void frmnewfront::closeEvent(QCloseEvent* event) {
    event->accept();
    cmdExit_Click();
}

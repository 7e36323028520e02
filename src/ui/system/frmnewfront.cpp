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
#include <vector>

#include "calc/panel_cards.h"
#include "model/numbers.h"
#include "model/reference_tables.h"
#include "platform/qt_window_placement.h"
#include "ui/accessibility.h"
#include "ui/app_context.h"
#include "ui/keyboard.h"
#include "ui/misc/frmpicture.h"
#include "ui/system/frmmain.h"
#include "ui/widgets.h"

using standwise::Answer;
using standwise::MessageStyle;
using standwise::qs;
using standwise::str_number;

frmnewfront& standwise::AppContext::newfront() {
    return window<frmnewfront>(newfront_);
}

frmnewfront::frmnewfront(standwise::AppContext& ctx) : ctx_(ctx) {
    setObjectName(QStringLiteral("frmnewfront"));
    setWindowTitle(QStringLiteral("System Configuration"));
    standwise::name_window(this);
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

    // Tab runs down the frames as they stand, then to the buttons.
    std::vector<QWidget*> order(optPSU.begin(), optPSU.end());
    order.insert(order.end(), optsystem.begin(), optsystem.end());
    order.insert(order.end(), cmbslot.begin(), cmbslot.end());
    order.insert(order.end(), {cmdhelp, cmdExit});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

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
    standwise::size_to_content(this, QSize());
}

void frmnewfront::Form_Load() {
    fill_slot_lists();
    setup_default_system();
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
        combo->setCurrentIndex(0);
    }
    slot_selection.fill(0);
}

void frmnewfront::setup_default_system() {
    ctx_.model.system_type = 5;
    check_quietly(optsystem[5]);
    ctx_.model.last_psu_type = 1;
    ctx_.model.psu_type = 1;
    check_quietly(optPSU[1]);
    show_fitted_slots();
    ctx_.main().txtsite_Change();
    load_default_slots();
}

bool frmnewfront::confirm_type_change(bool& skip_prompt, const char* question) {
    if (skip_prompt) {
        skip_prompt = false;
        return true;
    }
    return ctx_.platform.ask_user(question, "Standwise", MessageStyle::YesNoQuestion) == Answer::Yes;
}

// A refused change puts the previous option back and leaves the panel as it was.
void frmnewfront::optPSU_Click(int index) {
    standwise::SystemModel& model = ctx_.model;
    if (!skip_psu_prompt && model.last_psu_type == index) return;
    if (!confirm_type_change(skip_psu_prompt, "Are you sure you want to change the PSU type?")) {
        check_quietly(optPSU[model.last_psu_type]);
        return;
    }
    check_quietly(optPSU[index]);
    model.last_psu_type = static_cast<std::int16_t>(index);
    model.psu_type = static_cast<std::int16_t>(index < 2 ? index : 2);
    if (index == 2) standwise::set_dual_capacity_42(model);
    if (index == 3) standwise::set_dual_capacity_84(model);
    type_changed();
}

void frmnewfront::optsystem_Click(int index) {
    standwise::SystemModel& model = ctx_.model;
    if (!skip_system_prompt && model.system_type == index) return;
    if (!confirm_type_change(skip_system_prompt, "Are you sure you want to change the system type?")) {
        check_quietly(optsystem[model.system_type]);
        return;
    }
    check_quietly(optsystem[index]);
    model.system_type = static_cast<std::int16_t>(index);
    type_changed();
}

void frmnewfront::type_changed() {
    ctx_.main().txtsite_Change();
    show_fitted_slots();
    load_default_slots();
}

void frmnewfront::cmbslot_Click(int index) {
    QComboBox* combo = cmbslot[index];
    if (index > 0 && standwise::is_separator_card(combo->currentIndex())) {
        select_slot_quietly(index, slot_selection[index]);
        return;
    }
    bool accepted = true;
    if (skip_card_check) {
        skip_card_check = false;
    } else {
        accepted = check_card_counts();
    }
    if (!accepted) {
        select_slot_quietly(index, slot_selection[index]);
        ctx_.model.cards = count_cards().counts;  // the counters follow the cards shown again
        return;
    }
    const auto entry = static_cast<std::int16_t>(combo->currentIndex());
    slot_selection[index] = entry;
    show_card_current(index);
    ctx_.model.panel().slots[index] = entry;
    panel_changed();
}

standwise::PanelCards frmnewfront::count_cards() const {
    std::array<std::int16_t, standwise::kSlots> shown{};
    for (int s = 0; s < standwise::kSlots; ++s)
        shown[s] = static_cast<std::int16_t>(std::max(0, cmbslot[s]->currentIndex()));
    return standwise::count_panel_cards(ctx_.model.panel(), shown);
}

// Each exceeded limit is reported in its own message.
bool frmnewfront::check_card_counts() {
    const standwise::PanelCards cards = count_cards();
    ctx_.model.cards = cards.counts;
    for (const standwise::CardLimitExceeded& limit : cards.exceeded)
        ctx_.platform.ask_user(limit.text, limit.caption, MessageStyle::OkInformation);
    return cards.exceeded.empty();
}

void frmnewfront::panel_changed() {
    standwise::SystemModel& model = ctx_.model;
    model.cards = count_cards().counts;
    model.loop_cards = static_cast<std::int16_t>(model.cards.smt_loop_cards + model.cards.pth_loop_cards);
    calc_sys_current();
    update_main_summary();
    ctx_.main().update_loop_tabs();
    ctx_.calc_system_standby();
}

void frmnewfront::show_card_current(int slot) {
    const standwise::SystemRecord& panel = ctx_.model.panel();
    const int entry = cmbslot[slot]->currentIndex();
    if (entry < 0) return;
    const double amps =
        slot == 0 ? standwise::controller_current(panel, entry) : standwise::card_current(panel, entry);
    cmbslot[slot]->setToolTip(qs("Card Current:" + str_number(amps * 1000) + "mA"));
}

double frmnewfront::calc_sys_current() {
    const standwise::PanelCards cards = count_cards();
    lblcurrent->setText(qs(cards.total_current_text));
    return cards.total_current;
}

void frmnewfront::update_main_summary() {
    const standwise::SystemModel& m = ctx_.model;
    frmmain& main = ctx_.main();
    main.lblsystem->setText(qs(" " + m.panel().name));
    main.lblcontroller->setText(qs(" " + m.local_controller_types[std::max(0, cmbslot[0]->currentIndex())]));
    main.lblloops->setText(qs(str_number(m.loop_cards)));
    const standwise::CardCounts& cards = m.cards;
    main.lblios->setText(qs(str_number(cards.pth_io_cards + cards.smt_io_cards)));
    main.lblnetworks->setText(qs(str_number(cards.pth_network_cards + cards.smt_copper_network_cards +
                                            cards.smt_fibre_network_cards)));
    main.lblrams->setText(qs(str_number(cards.ram_cards)));
    main.lblamphours->setText(qs("with" + str_number(m.panel().battery_capacity) + "Ah"));
    main.chkflash_back->setChecked(cards.flash_backplanes >= 1);
}

void frmnewfront::show_fitted_slots() {
    const standwise::SystemRecord& panel = ctx_.model.panel();
    for (int s = 0; s < standwise::kSlots; ++s) {
        cmbslot[s]->setVisible(panel.slot_fitted[s]);
        lblslot[s]->setEnabled(panel.slot_fitted[s]);
    }
}

// Every slot takes the panel's default card at once and the panel is worked out once: the defaults
// are a valid panel, so no card limit is checked, whatever the previous panel held.
void frmnewfront::load_default_slots() {
    standwise::SystemRecord& panel = ctx_.model.panel();
    for (int s = 0; s < standwise::kSlots; ++s) {
        select_slot_quietly(s, panel.default_slots[s]);
        slot_selection[s] = panel.default_slots[s];
        panel.slots[s] = panel.default_slots[s];
        show_card_current(s);
    }
    panel_changed();
}

void frmnewfront::select_slot_quietly(int slot, int entry) {
    const QSignalBlocker quiet(cmbslot[slot]);
    cmbslot[slot]->setCurrentIndex(entry);
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

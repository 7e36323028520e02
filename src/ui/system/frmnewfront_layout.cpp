// Building the panel setup window's frames.
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/keyboard.h"
#include "ui/system/frmnewfront.h"
#include "ui/widgets.h"

using standwise::indexed_name;

namespace {

template <std::size_t N>
QGroupBox* option_frame(QWidget* parent, const char* name, const char* title, const char* option_name,
                        const char* const (&captions)[N], std::array<QRadioButton*, N>& buttons) {
    auto* frame = new QGroupBox(QString::fromUtf8(title), parent);
    frame->setObjectName(QString::fromUtf8(name));
    auto* layout = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(frame);
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = new QRadioButton(QString::fromUtf8(captions[i]), frame);
        buttons[i]->setObjectName(indexed_name(option_name, static_cast<int>(i)));
        group->addButton(buttons[i], static_cast<int>(i));
        layout->addWidget(buttons[i]);
    }
    standwise::choose_options_with_space(frame);
    return frame;
}

}  // namespace

QGroupBox* frmnewfront::build_power_frame() {
    static const char* const captions[] = {"Legacy PSU", "PSU Single 21Ah", "PSU Dual 42Ah", "PSU Dual 84Ah"};
    frmPower = option_frame(this, "frmPower", "Power Supply Type", "optPSU", captions, optPSU);
    return frmPower;
}

QGroupBox* frmnewfront::build_system_frame() {
    static const char* const captions[] = {"R210", "R220", "R500", "Caldris", "Caldris Zonal", "CalXX"};
    Frame2 = option_frame(this, "Frame2", "System Type", "optsystem", captions, optsystem);
    return Frame2;
}

QGroupBox* frmnewfront::build_slot_frame() {
    Frame1 = new QGroupBox(QStringLiteral("Slot Configuration"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    for (int s = 0; s < standwise::kSlots; ++s) {
        lblslot[s] = new QLabel(QStringLiteral("Slot %1").arg(s), Frame1);
        lblslot[s]->setObjectName(indexed_name("lblslot", s));
        cmbslot[s] = new QComboBox(Frame1);
        cmbslot[s]->setObjectName(indexed_name("cmbslot", s));
        cmbslot[s]->setMinimumWidth(standwise::font_scaled(cmbslot[s], 250));
        cmbslot[s]->setAccessibleName(QStringLiteral("Slot %1 card").arg(s));
        lblslot[s]->setBuddy(cmbslot[s]);
        // A hidden (unfitted) slot keeps its row, so the slots stay evenly spaced.
        QSizePolicy keep = cmbslot[s]->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        cmbslot[s]->setSizePolicy(keep);
        grid->addWidget(lblslot[s], s, 0);
        grid->addWidget(cmbslot[s], s, 1);
    }
    return Frame1;
}

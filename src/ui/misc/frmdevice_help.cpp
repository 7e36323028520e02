#include "ui/misc/frmdevice_help.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/numbers.h"
#include "ui/app_context.h"
#include "ui/widgets.h"

using standwise::qs;
using standwise::str_number;

namespace {

struct HelpRow {
    const char* caption_name;
    const char* caption;
    const char* value_name;
    QLabel* frmdevice_help::*value;
};

QGroupBox* help_frame(frmdevice_help* window, const char* name, const char* title,
                      std::initializer_list<HelpRow> rows) {
    auto* frame = new QGroupBox(QString::fromUtf8(title), window);
    frame->setObjectName(QString::fromUtf8(name));
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    int row = 0;
    for (const HelpRow& r : rows) {
        auto* caption = new QLabel(QString::fromUtf8(r.caption), frame);
        caption->setObjectName(QString::fromUtf8(r.caption_name));
        QLabel* value = standwise::value_label(QString::fromUtf8(r.value_name), frame, 220);
        value->setAccessibleName(caption->text().chopped(1));  // without the colon
        window->*r.value = value;
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        ++row;
    }
    return frame;
}

}  // namespace

frmdevice_help::frmdevice_help(standwise::AppContext& ctx) : ctx_(ctx) {
    setObjectName(QStringLiteral("frmdevice_help"));
    setWindowTitle(QStringLiteral("Device Help"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    QGroupBox* frames[] = {
        help_frame(this, "Frame1", "Device Properties",
                   {{"Label1", "Device Type:", "lbldevice_help", &frmdevice_help::lbldevice_help},
                    {"Label2", "Psuedo Device Count:", "lblpsuedo_help", &frmdevice_help::lblpsuedo_help},
                    {"Label7", "Loop Maximum Limit:", "lblmax_help", &frmdevice_help::lblmax_help},
                    {"Label8", "Maximum In Fire:", "lblmax_fire_help", &frmdevice_help::lblmax_fire_help}}),
        help_frame(this, "Frame2", "Load Units",
                   {{"Label3", "Quiescent Load Units:", "lbl_q_load_help", &frmdevice_help::lbl_q_load_help},
                    {"Label4", "Alarm Load Units:", "lbl_a_load_help", &frmdevice_help::lbl_a_load_help}}),
        help_frame(
            this, "Frame3", "Device Currents",
            {{"Label5", "Quiescent Current:", "lbl_q_current_help", &frmdevice_help::lbl_q_current_help},
             {"Label6", "Alarm Current:", "lbl_a_current_help", &frmdevice_help::lbl_a_current_help}}),
    };
    for (QGroupBox* frame : frames)
        layout->addWidget(frame);
    auto grid = [](QGroupBox* frame) { return static_cast<QGridLayout*>(frame->layout()); };
    standwise::align_captions({grid(frames[0]), grid(frames[1]), grid(frames[2])});
    cmdExit = new QPushButton(QStringLiteral("Exit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    connect(cmdExit, &QPushButton::clicked, this, &frmdevice_help::cmdExit_Click);
    layout->addWidget(cmdExit, 0, Qt::AlignRight);
}

void frmdevice_help::fill(const standwise::SystemModel& model, int t) {
    const standwise::DeviceCurrents& currents = model.device_currents[t];
    lbldevice_help->setText(qs(model.device_name[t]));
    lblpsuedo_help->setText(qs(str_number(model.device_pseudo_count[t])));
    lblmax_help->setText(qs(str_number(model.device_loop_max[t])));
    lblmax_fire_help->setText(qs(str_number(model.device_max_in_fire[t])));
    lbl_q_load_help->setText(qs(str_number(currents.quiescent_units) + " units"));
    lbl_a_load_help->setText(qs(str_number(currents.alarm_units) + " units"));
    lbl_q_current_help->setText(qs(str_number(currents.quiescent_current * 1000) + "mA"));
    lbl_a_current_help->setText(qs(str_number(currents.alarm_current * 1000) + "mA"));
}

void frmdevice_help::cmdExit_Click() {
    hide();
}

// Closed with its close box the window is discarded once its modal display has ended.
void frmdevice_help::closeEvent(QCloseEvent* event) {
    event->accept();
    ctx_.discard_device_help();
}

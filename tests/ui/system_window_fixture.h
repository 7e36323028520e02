// The system workspace after a full start-up on a scripted platform, with the shipped devices.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <memory>
#include <string>
#include <vector>

#include "support/scripted_platform.h"
#include "ui/app_context.h"
#include "ui/system/frmloopx.h"
#include "ui/system/frmmain.h"
#include "ui/system/frmnewfront.h"
#include "ui/system/units/frmmxunits.h"
#include "ui/widgets.h"

namespace standwise::test {

inline std::string text(const QLabel* label) {
    return label->text().toStdString();
}
inline std::string text(const QLineEdit* field) {
    return field->text().toStdString();
}
inline std::string text(const QComboBox* list) {
    return list->currentText().toStdString();
}
/// What a caption shows: its text without the "&" that marks its access key ("&&" shows as "&").
inline std::string shown(const QString& caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i == caption.size()) break;
        out += caption[i];
    }
    return out.toStdString();
}
using Texts = std::vector<std::string>;
/// The texts of several controls at once, for one comparison.
template <typename... Widget>
Texts texts(const Widget*... widgets) {
    return {text(widgets)...};
}

class SystemWindowTest : public ::testing::Test {
protected:
    SystemWindowTest() : platform(QCoreApplication::applicationDirPath().toStdString()) {
        ctx = std::make_unique<AppContext>(platform);
        main().Form_Load();
        main().show();
    }

    frmmain& main() { return ctx->main(); }
    frmnewfront& setup() { return ctx->newfront(); }
    frmloopx& loop_window() { return ctx->loopx(); }
    SystemModel& model() { return ctx->model; }

    /// Puts a card in a slot of the panel setup window as the user picks it.
    void fit(int slot, int card) { setup().cmbslot[slot]->setCurrentIndex(card); }

    /// Types a count into the open loop window's field of one device type.
    void type_count(int device_type, const QString& count) {
        loop_window().cmb_viewdata[device_type]->setEditText(count);
    }

    /// Opens a model's unit window from the open loop window with its Change button.
    frmMXunits& open_units(UnitModel unit_model) {
        frmloopx& loop = loop_window();
        (unit_model == UnitModel::MX210   ? loop.cmdMX210
         : unit_model == UnitModel::MX220 ? loop.cmdMX220
                                          : loop.cmdMX240)
            ->click();
        return ctx->unit_window(unit_model);
    }

    ScriptedPlatform platform;
    std::unique_ptr<AppContext> ctx;
};

}  // namespace standwise::test

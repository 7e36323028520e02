// The system workspace after a full start-up on a scripted platform, with the shipped devices.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <memory>
#include <string>

#include "support/scripted_platform.h"
#include "ui/app_context.h"
#include "ui/system/frmloopx.h"
#include "ui/system/frmmain.h"
#include "ui/system/frmnewfront.h"
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

    /// The first device type whose loop maximum is at least `at_least`.
    int device_type_with_max(int at_least) {
        for (int t = kFirstDevice; t <= kLastDevice; ++t)
            if (model().device_loop_max[t] >= at_least) return t;
        return 0;
    }

    ScriptedPlatform platform;
    std::unique_ptr<AppContext> ctx;
};

}  // namespace standwise::test

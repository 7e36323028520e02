// The interface window on a scripted platform, with the reference tables filled as at start-up.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <string>

#include "model/reference_tables.h"
#include "support/scripted_platform.h"
#include "ui/app_context.h"
#include "ui/interface/frminterface.h"

namespace standwise::test {

inline std::string text_of(const QLineEdit* field) {
    return field->text().toStdString();
}
inline std::string text_of(const QLabel* label) {
    return label->text().toStdString();
}

class InterfaceWindowTest : public ::testing::Test {
protected:
    InterfaceWindowTest() : platform(folder.path()), ctx(platform) { fill_reference_tables(ctx.model); }

    frminterface& window() { return ctx.interface_window(); }

    /// Enters a value as the user would; the field's change handling runs.
    void type(QLineEdit* field, const char* text) { field->setText(QString::fromUtf8(text)); }

    /// Sets a channel's function by clicking its option.
    void choose(int channel, ChannelFunction function) {
        frminterface& w = window();
        QRadioButton* option = function == ChannelFunction::Zone     ? w.optzone[channel]
                               : function == ChannelFunction::Sector ? w.optsector[channel]
                                                                     : w.optnc[channel];
        option->click();
    }

    TempFolder folder;
    ScriptedPlatform platform;
    AppContext ctx;
};

}  // namespace standwise::test

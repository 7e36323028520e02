// The interface window on a scripted platform, with the reference tables filled as at start-up.
#pragma once

#include <QRadioButton>

#include "model/reference_tables.h"
#include "system_window_fixture.h"
#include "ui/interface/frminterface.h"

namespace standwise::test {

class InterfaceWindowTest : public ::testing::Test {
protected:
    InterfaceWindowTest() : platform(folder.path()), ctx(platform) { fill_reference_tables(ctx.model); }

    frminterface& window() { return ctx.interface_window(); }

    /// Enters a value as the user would; the field's change handling runs.
    void type(QLineEdit* field, const char* text) { field->setText(QString::fromUtf8(text)); }

    /// Sets a channel's function by clicking its option.
    void choose(int channel, ChannelFunction function) {
        frminterface& w = window();
        (function == ChannelFunction::Zone     ? w.optzone[channel]
         : function == ChannelFunction::Sector ? w.optsector[channel]
                                               : w.optnc[channel])
            ->click();
    }

    /// Enters the sample setup that the file tests save (see mixed_interface_setup).
    void enter_mixed_setup() {
        frminterface& w = window();
        w.cmbaddress->setCurrentIndex(13);
        type(w.txtlabel, "\"Plant\" room, east");
        choose(1, ChannelFunction::Zone);
        type(w.txtzone_current[1], "2.5");
        choose(2, ChannelFunction::Zone);
        type(w.txtzone_current[2], "1.0");
        type(w.txtsector_current[3], "400");
        choose(4, ChannelFunction::NotConnected);
        type(w.txtaux_current, "250");
        w.cmbalarm_time_interface->setCurrentIndex(3);
    }

    TempFolder folder;
    ScriptedPlatform platform;
    AppContext ctx;
};

}  // namespace standwise::test

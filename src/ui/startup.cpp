#include "ui/startup.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QSignalBlocker>

#include "model/reference_tables.h"
#include "platform/qt_window_placement.h"
#include "ui/app_context.h"
#include "ui/misc/frmabout.h"
#include "ui/misc/pictures.h"
#include "ui/system/frmloopx.h"
#include "ui/system/frmmain.h"
#include "ui/widgets.h"
#include "workspace/startup.h"

namespace standwise {
namespace {

// The list is filled quietly; its selection follows the workspace.
void fill_alarm_time_list(AppContext& ctx, const SystemModel& model) {
    QComboBox* list = ctx.main().cmbalarm_time;
    const QSignalBlocker quiet(list);
    list->clear();
    for (int i = 0; i < 4; ++i)
        list->addItem(qs(model.alarm_times[i]));
    list->setCurrentIndex(-1);
}

}  // namespace

void run_startup(AppContext& ctx) {
    QApplication::setWindowIcon(program_icon());
    frmmain& main = ctx.main();
    make_data_folders(ctx.platform);

    frmabout& splash = ctx.about();
    place_over(&splash, nullptr);
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    const SystemModel started = start_model(ctx.platform);
    fill_alarm_time_list(ctx, started);
    ctx.platform.pause(2);
    splash.hide();

    main.StatusBar1->panel(2)->setText(QString::fromLatin1(kStatusVersion));
    ctx.started(started);
    // The loop window's count lists and captions come from the device library.
    ctx.loopx().initialiseForm();
}

}  // namespace standwise

#include "ui/startup.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QSignalBlocker>

#include "calc/battery_choice.h"
#include "model/device_library.h"
#include "model/reference_tables.h"
#include "ui/app_context.h"
#include "ui/misc/frmabout.h"
#include "ui/misc/pictures.h"
#include "ui/system/frmloopx.h"
#include "ui/system/frmmain.h"
#include "ui/system/frmnewfront.h"
#include "ui/widgets.h"
#include "platform/qt_window_placement.h"

namespace standwise {
namespace {

// The list is filled quietly; the first selection comes with the main window's reset.
void fill_alarm_time_list(AppContext& ctx) {
    QComboBox* list = ctx.main().cmbalarm_time;
    const QSignalBlocker quiet(list);
    list->clear();
    for (int i = 0; i < 4; ++i)
        list->addItem(qs(ctx.model.alarm_times[i]));
    list->setCurrentIndex(-1);
}

}  // namespace

void run_startup(AppContext& ctx, StartupMode mode) {
    const bool windowed = mode == StartupMode::Windowed;
    if (windowed) QApplication::setWindowIcon(program_icon());
    frmmain& main = ctx.main();
    // Command-line reports write only where they are told: no data folder is made for them.
    if (windowed) main.make_data_folders();

    frmabout* splash = windowed ? &ctx.about() : nullptr;
    if (splash) {
        place_over(splash, nullptr);
        splash->show();
        splash->repaint();
        QApplication::processEvents();
    }

    // The loop window exists before the library is read, so its count lists are built from it.
    frmloopx& loop_window = ctx.loopx();
    const DeviceLibraryReport report = read_windows_dir(ctx.model, ctx.platform);
    loop_window.initialiseForm();
    report_device_library(report, ctx.platform);
    load_stock_batteries(ctx.model, ctx.platform);
    if (splash) splash->show_battery_source();

    fill_alarm_time_list(ctx);
    if (splash) {
        ctx.platform.pause(2);
        splash->hide();
    }

    main.StatusBar1->panel(2)->setText(QString::fromLatin1(kStatusVersion));
    main.clear_system_window();
    ctx.newfront().Form_Load();
}

}  // namespace standwise

#include "ui/workspace_router.h"

#include <QTabWidget>

#include "platform/qt_window_placement.h"
#include "ui/app_context.h"
#include "ui/interface/frminterface.h"
#include "ui/system/frmmain.h"

namespace standwise {

void show_workspace(AppContext& ctx, Workspace workspace, QWidget* leaving) {
    if (leaving != nullptr) leaving->hide();
    if (workspace == Workspace::Interface) {
        frminterface& window = ctx.interface_window();
        place_over(&window, leaving);
        window.show();
        window.SSTab1->setCurrentIndex(0);
    } else {
        frmmain& main = ctx.main();
        place_over(&main, leaving);
        main.show();
        main.SSTabentry->setCurrentIndex(frmmain::kSiteDetailsTab);
    }
}

bool workspace_shown(AppContext& ctx, Workspace workspace) {
    if (workspace == Workspace::Interface)
        return ctx.has_interface_window() && ctx.interface_window().isVisible();
    return ctx.main().isVisible();
}

}  // namespace standwise

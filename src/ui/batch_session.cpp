#include "ui/batch_session.h"

#include <QCoreApplication>
#include <QEvent>

#include "ui/interface/frminterface.h"
#include "ui/open_configuration.h"
#include "ui/startup.h"
#include "ui/system/frmmain.h"
#include "ui/system/frmnewfront.h"

namespace standwise {

BatchSession::BatchSession(const DataFolders& folders, std::ostream& messages)
    : platform_(folders, messages), ctx_(platform_) {
    run_startup(ctx_, StartupMode::Batch);
    fresh_ = ctx_.model;
}

// The same steps as the end of start-up, over the model as start-up left it: the main window's
// reset, the panel setup's default system, and the interface window's own reset.
void BatchSession::reset() {
    ctx_.model = fresh_;
    ctx_.main().clear_system_window();
    ctx_.newfront().Form_Load();
    if (ctx_.has_interface_window()) ctx_.interface_window().Form_Load();
    // Nothing runs an event loop here: objects let go of since the last load go now, so the queue
    // of posted events does not grow with every configuration.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ConfigLoad BatchSession::load(const std::string& path, Workspace workspace) {
    return load(platform_.read_lines(path), workspace);
}

ConfigLoad BatchSession::load(const TextLines& file, Workspace workspace) {
    if (used_) reset();
    used_ = true;
    platform_.shown.clear();
    return workspace == Workspace::Interface ? ctx_.interface_window().apply_configuration(file)
                                             : ctx_.main().apply_configuration(file);
}

}  // namespace standwise

// One start-up serving many configurations without a window shown: the command-line reports and
// the project summary load each configuration into windows brought back to the state of a fresh
// start, rather than building every window again.
#pragma once

#include <ostream>
#include <string>

#include "files/config_fields.h"
#include "platform/std_batch_platform.h"
#include "platform/std_data_folders.h"
#include "ui/app_context.h"

namespace standwise {

enum class Workspace;

class BatchSession {
public:
    /// Starts up once, as the program does, without the splash; start-up messages go to `messages`.
    BatchSession(const DataFolders& folders, std::ostream& messages);

    /// Loads a configuration as the workspace's Load command does after a fresh start. Messages
    /// shown while it loads are in `platform().shown`, which starts empty for each load.
    ConfigLoad load(const std::string& path, Workspace workspace);
    /// The same for a file already read.
    ConfigLoad load(const TextLines& file, Workspace workspace);

    AppContext& context() { return ctx_; }
    BatchPlatform& platform() { return platform_; }

private:
    /// Brings the model and every window back to how start-up left them.
    void reset();

    BatchPlatform platform_;
    AppContext ctx_;
    SystemModel fresh_;
    bool used_ = false;
};

}  // namespace standwise

// Recovery copies: while a workspace has unsaved changes it is written every two minutes to the
// user's application data folder, so a crash loses at most those two minutes; the next start
// offers what a run that did not end normally left there.
#pragma once

#include <QObject>
#include <QTimer>
#include <string>

#include "ui/workspace_router.h"

namespace standwise {

class AppContext;

/// Where the recovery copy of a workspace goes; empty when the platform has no such folder.
std::string recovery_copy_path(AppContext& ctx, Workspace workspace);

class RecoveryCopies : public QObject {
public:
    static constexpr int kIntervalMs = 2 * 60 * 1000;

    RecoveryCopies(AppContext& ctx, QObject* parent);

    /// Writes a copy of each workspace with unsaved changes, through the safe writer, and removes the
    /// copy of one without.
    void write_copies();
    /// Removes both copies: the program ends normally.
    void remove_copies();
    /// At start-up: copies a run left behind are offered ("Standwise did not close normally. Open the
    /// configurations it was working on?"); Yes opens each in its workspace as unsaved changes.
    void offer_left_copies();

private:
    AppContext& ctx_;
    QTimer timer_;
};

}  // namespace standwise

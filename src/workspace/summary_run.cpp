#include "workspace/summary_run.h"

#include <algorithm>
#include <sstream>

#include "platform/std_batch_platform.h"
#include "workspace/project_summary.h"

namespace standwise {

SummaryRun::SummaryRun(std::vector<std::string> paths, const SystemModel& started, const DataFolders& folders,
                       unsigned threads, bool start_now)
    : paths_(std::move(paths)),
      started_(started),
      folders_(folders),
      rows_(paths_.size()),
      row_done_(paths_.size(), 0) {
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    thread_count_ =
        static_cast<unsigned>(std::min<std::size_t>(threads, std::max<std::size_t>(1, paths_.size())));
    running_ = thread_count_;
    if (start_now) start();
}

void SummaryRun::start() {
    if (!threads_.empty()) return;
    for (unsigned t = 0; t < thread_count_; ++t)
        threads_.emplace_back([this] { work(); });
}

SummaryRun::~SummaryRun() {
    cancel();
    for (std::thread& thread : threads_)
        if (thread.joinable()) thread.join();
}

// Each thread has its own platform, so the messages of a load go into its own row only.
void SummaryRun::work() {
    std::ostringstream unused;
    BatchPlatform platform(folders_, unused);
    platform.echo = false;
    for (;;) {
        if (cancelled_) break;
        const std::size_t i = next_++;
        if (i >= paths_.size()) break;
        rows_[i] = summarise(started_, platform, paths_[i]);
        row_done_[i] = 1;
        ++done_;
    }
    --running_;
}

std::vector<SummaryRow> SummaryRun::rows() {
    for (std::thread& thread : threads_)
        if (thread.joinable()) thread.join();
    std::vector<SummaryRow> done;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (row_done_[i]) done.push_back(rows_[i]);
    return done;
}

}  // namespace standwise

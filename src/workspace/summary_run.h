// The project summary worked out on several threads, each loading its configurations into
// workspaces of its own, while the caller goes on: progress can be asked and the run cancelled.
#pragma once

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "files/summary_table.h"
#include "model/system_model.h"
#include "platform/std_data_folders.h"

namespace standwise {

class SummaryRun {
public:
    /// Starts working out the rows of `paths` over the started model, on `threads` threads (all
    /// cores when 0); with `start_now` false the threads start with start().
    SummaryRun(std::vector<std::string> paths, const SystemModel& started, const DataFolders& folders,
               unsigned threads = 0, bool start_now = true);
    /// Cancels the run and waits for its threads.
    ~SummaryRun();
    SummaryRun(const SummaryRun&) = delete;
    SummaryRun& operator=(const SummaryRun&) = delete;

    void start();

    std::size_t total() const { return paths_.size(); }
    std::size_t done() const { return done_.load(); }
    /// Whether every thread has stopped: all rows done, or the run cancelled.
    bool finished() const { return running_.load() == 0; }
    /// No further row is begun; rows being worked out are finished.
    void cancel() { cancelled_ = true; }
    bool cancelled() const { return cancelled_.load(); }

    /// Waits for the threads and gives the rows done, in the order of the paths.
    std::vector<SummaryRow> rows();

private:
    void work();

    std::vector<std::string> paths_;
    const SystemModel started_;
    const DataFolders folders_;
    std::vector<SummaryRow> rows_;
    std::vector<char> row_done_;
    std::atomic<std::size_t> next_{0}, done_{0};
    std::atomic<unsigned> running_{0};
    std::atomic<bool> cancelled_{false};
    unsigned thread_count_ = 1;
    std::vector<std::thread> threads_;
};

}  // namespace standwise

// The project summary: a row of figures for each configuration, each loaded into a workspace of
// its own after a fresh start, as the command line's table and the summary window show them.
#pragma once

#include <atomic>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "files/summary_table.h"
#include "model/system_model.h"
#include "platform/platform.h"
#include "platform/std_data_folders.h"

namespace standwise {

class BatchPlatform;

/// Loads one configuration, system or interface as its first line says, over the started model,
/// and gives its row: the figures as its report shows them, or, for a file not read whole, the
/// reason. The messages of the load go into the row's warnings.
SummaryRow summarise(const SystemModel& started, BatchPlatform& platform, const std::string& path);

/// Rows of several configurations after one start-up, whose messages go to `messages` once.
/// `progress` is told each row done; when `cancel` becomes true no further row is begun, and the
/// rows done so far are returned.
std::vector<SummaryRow> summarise_all(const std::vector<std::string>& paths, const DataFolders& folders,
                                      std::ostream& messages,
                                      const std::function<void(std::size_t done)>& progress = {},
                                      const std::atomic<bool>* cancel = nullptr);

/// Whether a file name is a configuration's: it ends in ".cfg", any letter case.
bool is_configuration(const std::string& name);

/// Why a row is marked, a sentence each: not read whole, warnings, a period the standard battery
/// does not cover; empty for a row that is not marked.
std::vector<std::string> marking_reasons(const SummaryRow& row);

/// The configurations (*.cfg, any letter case) of a folder as the platform lists it.
std::vector<std::string> configurations_in(Platform& platform, const std::string& folder);

}  // namespace standwise

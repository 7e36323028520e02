// Sample panels and interface setups shared by the file, report and command-line tests.
#pragma once

#include <cstddef>
#include <vector>

#include "files/system_config.h"
#include "model/interface_model.h"
#include "model/system_model.h"

namespace standwise::test {

/// Turns a model with its tables filled into an R220 on the 84Ah dual charger: PTH loop card in
/// slot 1, I/O card in 2, SMT loop cards in 3 and 8; counts on loops 1, 3 (250 of type 40, above
/// any maximum) and 8; units of all three models, one of them on the I/O card's loop.
void fill_rich_panel(SystemModel& model);

/// Window fields to save with the rich panel: quoted site, date, a master alarm that is no number.
extern const SystemWindowFields kRichFields;

/// Address 12, two zones, a 400 mA sector, an unconnected channel, 250 mA auxiliary, 120 minutes.
InterfaceSetup mixed_interface_setup();

/// The line of a system configuration file after which each loop's block is complete (index 0:
/// the 25 lines before loop 1).
std::vector<std::size_t> loop_block_ends(const SystemModel& model);

}  // namespace standwise::test

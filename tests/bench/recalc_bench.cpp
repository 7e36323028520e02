// One full recalculation: eight loaded loops, each with units of all three interface models, and
// the system figures, as after loading a configuration.
#include <benchmark/benchmark.h>

#include <memory>

#include "calc/loop_calc.h"
#include "calc/panel_cards.h"
#include "calc/system_calc.h"
#include "calc/unit_sums.h"
#include "model/reference_tables.h"
#include "support/scripted_platform.h"

namespace standwise {
namespace {

std::unique_ptr<SystemModel> loaded_panel(Platform& platform) {
    auto model = std::make_unique<SystemModel>();
    init_reference_tables(*model, platform);
    // R220 on the legacy PSU, loop cards in slots 1..8.
    model->psu_type = 0;
    model->system_type = 1;
    for (int slot = 1; slot <= kLoops; ++slot)
        model->panel().slots[slot] = kPthLoop;
    model->cards = count_panel_cards(model->panel(), model->panel().slots).counts;
    model->loop_cards = kLoops;
    for (int loop = 1; loop <= kLoops; ++loop) {
        for (int type = 1; type <= 20; ++type)
            model->loop_device_count[loop][type] = 2;
        for (UnitModel unit_model : kUnitModels) {
            UnitLoopRecord& record = model->units_of(unit_model)[loop];
            record.unit_count = 3;
            for (int u = 1; u <= 3; ++u)
                record.units[u] = {1, static_cast<std::int16_t>(u == 1 ? 1 : 0), 1, 1};
            model->loop_device_count[loop][device_type_of(unit_model)] = 3;
        }
    }
    return model;
}

void BM_FullRecalculation(benchmark::State& state) {
    test::ScriptedPlatform platform(std::string(STANDWISE_SOURCE_DIR));
    std::unique_ptr<SystemModel> model = loaded_panel(platform);
    for (auto _ : state) {
        for (int loop = 1; loop <= kLoops; ++loop) {
            for (UnitModel unit_model : kUnitModels)
                calcConsumptions(*model, unit_model, loop);
            benchmark::DoNotOptimize(calc_loop(*model, platform, loop));
        }
        benchmark::DoNotOptimize(calc_system_standby(*model, platform, "120", "80", "30"));
    }
    if (!platform.messages.empty()) state.SkipWithError("the panel should calculate without warnings");
}
BENCHMARK(BM_FullRecalculation);

}  // namespace
}  // namespace standwise

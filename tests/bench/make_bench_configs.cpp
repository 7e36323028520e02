// Writes N system configurations of eight full loops each (200 devices a loop, units of all three
// interface models), for timing the project summary:
//   make_bench_configs FOLDER N
#include <filesystem>
#include <iostream>
#include <string>

#include "files/system_config.h"
#include "model/reference_tables.h"
#include "platform/text_files.h"

using namespace standwise;

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: make_bench_configs FOLDER N\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    const int count = std::stoi(argv[2]);

    SystemModel model;
    fill_reference_tables(model);
    model.psu_type = model.last_psu_type = 1;
    model.system_type = 1;  // R220: eight loop cards
    SystemRecord& panel = model.panel();
    panel.slots = panel.default_slots;
    for (int loop = 1; loop <= kLoops; ++loop)
        panel.slots[loop] = loop % 2 == 0 ? kSmtLoop : kPthLoop;
    for (int loop = 1; loop <= kLoops; ++loop) {
        for (int type = 1; type <= 19; ++type)
            model.loop_device_count[loop][type] = 10;
        for (UnitModel unit_model : kUnitModels) {
            UnitLoopRecord& record = model.units_of(unit_model)[loop];
            record.unit_count = unit_model == UnitModel::MX240 ? 4 : 3;
            for (int u = 1; u <= record.unit_count; ++u)
                record.units[u] =
                    unit_model == UnitModel::MX240 ? UnitChannels{2, 1, 1, 0} : UnitChannels{1, 0, 0, 0};
            model.loop_device_count[loop][device_type_of(unit_model)] = record.unit_count;
        }
    }
    for (int n = 0; n < count; ++n) {
        const SystemWindowFields fields{"Site " + std::to_string(n),
                                        "B" + std::to_string(n),
                                        "07/12/2026",
                                        std::to_string(n % 200),
                                        "100",
                                        n % 4};
        const std::string path = (folder / ("panel" + std::to_string(n) + ".cfg")).string();
        if (auto failure = write_text_lines(path, system_configuration_lines(model, fields))) {
            std::cerr << path << ": " << *failure << "\n";
            return 1;
        }
    }
    return 0;
}

// Writes the fuzz targets' seed files with the program's own writers:
//   make_fuzz_seeds CORPUS_FOLDER
// gives CORPUS_FOLDER/system_config, interface_config and device_file.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "files/interface_config.h"
#include "files/system_config.h"
#include "platform/text_files.h"
#include "model/reference_tables.h"
#include "support/samples.h"
#include "support/scripted_platform.h"

namespace fs = std::filesystem;
using namespace standwise;

namespace {

bool write(const fs::path& path, const std::vector<std::string>& lines) {
    fs::create_directories(path.parent_path());
    if (auto error = write_text_lines(path.string(), lines)) {
        std::cerr << path.string() << ": " << *error << "\n";
        return false;
    }
    return true;
}

// The device-file target reads its first byte as the choice of file name.
bool write_device_seed(const fs::path& seed, const std::string& name, char kind) {
    std::ifstream in(test::shipped_devices_folder() + "/" + name, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fs::create_directories(seed.parent_path());
    std::ofstream(seed, std::ios::binary) << kind << bytes;
    return !bytes.empty();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: make_fuzz_seeds CORPUS_FOLDER\n";
        return 2;
    }
    const fs::path corpus(argv[1]);
    SystemModel model;
    test::ScriptedPlatform platform(STANDWISE_SOURCE_DIR);
    init_reference_tables(model, platform);
    const SystemModel started = model;

    bool ok = true;
    model.panel().slots = model.panel().default_slots;
    ok &= write(corpus / "system_config/default.cfg",
                system_configuration_lines(model, {"", "", "07/12/2026", "0", "0", 0}));
    test::fill_rich_panel(model);
    ok &= write(corpus / "system_config/rich.cfg", system_configuration_lines(model, test::kRichFields));
    model = started;
    model.psu_type = model.last_psu_type = 0;
    model.system_type = 2;
    model.panel().slots = model.panel().default_slots;
    model.loop_device_count[1][21] = 20;
    model.mx240_units[1].unit_count = 1;
    model.mx240_units[1].units[1] = {1, 1, 1, 1};
    ok &= write(corpus / "system_config/legacy_r500.cfg",
                system_configuration_lines(model, {"Depot", "D1", "01/01/2025", "120", "80", 1}));

    ok &= write(corpus / "interface_config/default.cfg", interface_configuration_lines(InterfaceSetup{}));
    ok &= write(corpus / "interface_config/mixed.cfg", interface_configuration_lines(test::mixed_interface_setup()));

    struct DeviceSeed {
        const char* seed;
        const char* name;
        char kind;
    };
    const DeviceSeed devices[] = {{"smoke_detector", "01 optical smoke detector.txt", 0},
                                  {"call_point", "21 manual call point.txt", 0},
                                  {"mx210", "75 Q7-MX210 single channel interface.txt", 1},
                                  {"mx220", "76 Q7-MX220 single channel interface with relay.txt", 2},
                                  {"mx240", "77 Q7-MX240 four channel interface.txt", 3}};
    for (const DeviceSeed& d : devices) ok &= write_device_seed(corpus / "device_file" / d.seed, d.name, d.kind);
    return ok ? 0 : 1;
}

#include "support/samples.h"

namespace standwise::test {

void fill_rich_panel(SystemModel& model) {
    model.system_type = 1;
    model.psu_type = 2;
    model.last_psu_type = 3;
    model.panel().slots = {1, 3, 2, 8, 0, 5, 0, 9, 8, 0, 0, 0, 0, 12, 10, 7};
    for (int t = kFirstDevice; t <= kLastDevice; ++t)
        model.loop_device_count[1][t] = static_cast<std::int16_t>(t % 7);
    model.loop_device_count[3][40] = 250;
    model.loop_device_count[8][79] = 1;
    model.mx210_units[1].unit_count = 2;
    model.mx210_units[1].units[1] = {1, 0, 0, 0};
    model.mx210_units[1].units[2] = {0, 1, 0, 0};
    model.mx220_units[3].unit_count = 1;
    model.mx220_units[3].units[1] = {1, 0, 0, 0};
    model.mx240_units[3].unit_count = 2;
    model.mx240_units[3].units[1] = {2, 1, 1, 0};
    model.mx240_units[3].units[2] = {0, 0, 4, 4};
    model.mx240_units[2].unit_count = 1;
    model.mx240_units[2].units[1] = {1, 0, 0, 0};
}

const SystemWindowFields kRichFields{"\"North\" wing, block 2", "ID 7, B", "01/02/2024", "abc", "150", 2};

InterfaceSetup mixed_interface_setup() {
    InterfaceSetup setup;
    setup.address_index = 13;
    setup.label = "\"Plant\" room, east";
    setup.channels[1] = {ChannelFunction::Zone, "2.5", ""};
    setup.channels[2] = {ChannelFunction::Zone, "1.0", ""};
    setup.channels[3] = {ChannelFunction::Sector, "", "400"};
    setup.channels[4] = {ChannelFunction::NotConnected, "", ""};
    setup.aux_current = "250";
    setup.alarm_time_index = 3;
    return setup;
}

std::vector<std::size_t> loop_block_ends(const SystemModel& model) {
    std::vector<std::size_t> ends{25};
    for (int n = 1; n <= kLoops; ++n)
        ends.push_back(ends.back() + (model.loop_on_loop_card(n) ? 80 : 0) + 3 +
                       2u * model.mx210_units[n].unit_count + 2u * model.mx220_units[n].unit_count +
                       4u * model.mx240_units[n].unit_count);
    return ends;
}

}  // namespace standwise::test

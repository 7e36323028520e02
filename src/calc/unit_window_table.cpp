#include "calc/unit_window_table.h"

#include "calc/unit_sums.h"
#include "model/numbers.h"

namespace standwise {
namespace {

constexpr std::array<ChannelKindInfo, 4> kKindInfo{{
    {"Input", "Input", &UnitChannels::inputs, "cmdAddInput", "Add Input"},
    {"Detection Zone", "Squad", &UnitChannels::zones, "cmdAddZone", "Add Detection Zone"},
    {"Visible LED", "LED", &UnitChannels::leds, "cmdLED", "Add Visible LED"},
    {"Output Relay", "Output", &UnitChannels::relays, "cmdAddRelay", "Add Output Relay"},
}};

constexpr std::array<UnitWindowTable, 3> kWindows{{
    {UnitModel::MX210,
     "frmMX210",
     "cmbMX210Interfaces",
     "Loop Configuration - MX210 Single Channel I/P Interfaces",
     " Configuration - MX210 Single Channel I/P Interfaces",
     "MX210 Interfaces",
     "Remove Input / Zone",
     1,
     false,
     {1, 1, 0, 0},
     {NodeKind::Input, NodeKind::Zone, NodeKind::None, NodeKind::None}},
    {UnitModel::MX220,
     "frmMX220",
     "cmbMX220Interfaces",
     "Loop Configuration - MX220 Single Channel I/O Interfaces",
     " Configuration - MX220 Single Channel I/O Interfaces",
     "MX220 Interfaces",
     "Remove Input / Zone",
     2,
     true,
     {1, 1, 0, 0},
     {NodeKind::Input, NodeKind::Zone, NodeKind::None, NodeKind::None}},
    {UnitModel::MX240,
     "frmMX240",
     "cmbMX240Interfaces",
     "Loop Configuration - MX240 Four Channel I/O Interfaces",
     " Configuration - MX240 Four Channel I/O Interfaces",
     "MX240 Interfaces",
     "Remove",
     4,
     false,
     {4, 1, 4, 4},
     {NodeKind::Input, NodeKind::Led, NodeKind::Relay, NodeKind::Zone}},
}};

int kind_index(NodeKind kind) {
    for (std::size_t i = 0; i < kChannelKinds.size(); ++i)
        if (kChannelKinds[i] == kind) return static_cast<int>(i);
    return -1;
}

}  // namespace

const ChannelKindInfo& channel_kind(NodeKind kind) {
    return kKindInfo.at(kind_index(kind));
}

const UnitWindowTable& unit_window_table(UnitModel model) {
    return kWindows.at(static_cast<int>(model));
}

int channel_limit(const UnitWindowTable& window, NodeKind kind) {
    const int index = kind_index(kind);
    return index < 0 ? 0 : window.limits[index];
}

NodeKind node_kind(std::string_view text) {
    const std::string_view head = text.substr(0, 5);
    if (head == "Input") return NodeKind::Input;
    if (head == "Visib") return NodeKind::Led;
    if (head == "Detec") return NodeKind::Zone;
    if (head == "Outpu") return NodeKind::Relay;
    if (head == "Inter") return NodeKind::Unit;
    return NodeKind::None;
}

int node_number(std::string_view text) {
    const std::string_view tail = text.size() > 2 ? text.substr(text.size() - 2) : text;
    return static_cast<int>(text_value(tail));
}

std::string unit_text(int unit) {
    return "Interface " + std::to_string(unit);
}

std::string channel_text(NodeKind kind, int number) {
    return std::string(channel_kind(kind).word) + " " + std::to_string(number);
}

std::string channel_key(int unit, NodeKind kind, int number) {
    return unit_text(unit) + " " + channel_text(kind, number);
}

std::string fixed_output_key(int unit) {
    return unit_text(unit) + " Output";
}

std::pair<double, double> feature_currents(const InterfaceConstants& constants, UnitModel model,
                                           NodeKind kind) {
    const ChannelCurrents c = currents_of(constants, model);
    switch (kind) {
        case NodeKind::Unit:
            return {c.unit, c.unit};
        case NodeKind::Input:
            return {c.input_q, c.input_a};
        case NodeKind::Zone:
            return {c.zone_q, c.zone_a};
        case NodeKind::Led:
            return {c.led_q, c.led_a};
        case NodeKind::Relay:
            if (model == UnitModel::MX220) return {c.output_q, c.output_a};
            return {c.relay_q, c.relay_a};
        case NodeKind::None:
            break;
    }
    return {0, 0};
}

}  // namespace standwise

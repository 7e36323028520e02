// The table of the three interface-unit windows: what sets them apart (names, captions, the channel
// kinds each model's units carry with their limits), how their tree nodes are named and read, and
// the currents of one item of a kind. The window itself is one class for all three.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "model/interface_model.h"

namespace standwise {

/// What a tree node stands for. Relay covers the MX240's output relays and the fixed one of an MX220.
enum class NodeKind { None, Unit, Input, Zone, Led, Relay };

/// The four channel kinds in the order of their add buttons.
inline constexpr std::array<NodeKind, 4> kChannelKinds{NodeKind::Input, NodeKind::Zone, NodeKind::Led,
                                                       NodeKind::Relay};

struct ChannelKindInfo {
    const char* word;                   // node text before the number: "Detection Zone"
    const char* icon;                   // image list key: "Squad"
    std::int16_t UnitChannels::*count;  // the unit record's count of the kind
    const char* add_button;             // objectName of its add button
    const char* add_caption;
};

/// Words, icons, count fields and add buttons of the channel kinds (Input, Zone, Led or Relay).
const ChannelKindInfo& channel_kind(NodeKind kind);

struct UnitWindowTable {
    UnitModel model;
    const char* window_name;   // "frmMX240"
    const char* list_name;     // the unit-count list
    const char* design_title;  // before the first populateForm
    const char* title_tail;    // after "Loop" and the loop number
    const char* root_text;     // "MX240 Interfaces"
    const char* remove_caption;
    int max_children;   // add buttons are offered while a unit node has fewer children
    bool fixed_output;  // every unit carries one output relay that is not a channel
    /// The most channels of each kind on one unit, indexed like kChannelKinds; 0 when the model
    /// lacks the kind (no add button, never removed).
    std::array<int, 4> limits;
    /// The order in which a unit's channel nodes are built; None ends the list early.
    std::array<NodeKind, 4> build_order;
};

const UnitWindowTable& unit_window_table(UnitModel model);

/// Limit of a channel kind on one unit of the model (0 when the model has no such channel).
int channel_limit(const UnitWindowTable& window, NodeKind kind);

/// The kind of a node from the first five characters of its text; the root has none.
NodeKind node_kind(std::string_view text);

/// A node's number: the value of the last two characters of its text ("Interface 12" gives 12).
int node_number(std::string_view text);

/// "Interface 3"; also the unit node's key.
std::string unit_text(int unit);
/// "Input 2".
std::string channel_text(NodeKind kind, int number);
/// "Interface 3 Input 2".
std::string channel_key(int unit, NodeKind kind, int number);
/// The MX220's fixed relay: text "Output Relay", key "Interface 3 Output".
inline constexpr const char* kFixedOutputText = "Output Relay";
std::string fixed_output_key(int unit);

/// Quiescent and alarm current in amperes of one item of a kind, as the feature labels show them.
std::pair<double, double> feature_currents(const InterfaceConstants& constants, UnitModel model,
                                           NodeKind kind);

}  // namespace standwise

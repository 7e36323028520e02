// The system workspace's loop window and interface-unit windows: device counts on the open loop,
// unit counts and the channels of each unit.
#include <algorithm>

#include "calc/unit_sums.h"
#include "model/numbers.h"
#include "workspace/system_workspace.h"

namespace standwise {

// ---------------------------------------------------------------------------------------------
// Loop window

void SystemWorkspace::show_counts(int loop) {
    for (int t = kFirstDevice; t <= kLastDevice; ++t)
        loop_window.counts[t] = std::to_string(model.loop_device_count[loop][t]);
}

// An entry the validation changes is put back, which runs this handling again: an emptied count
// then stores 0 and recalculates.
void SystemWorkspace::cmb_viewdata_Change(int t, const std::string& text) {
    loop_window.counts[t] = text;
    if (!model.loop_form_ready) return;
    // A unit count never stands without its units: the unit window changes both.
    if (const std::optional<UnitModel> unit_model = unit_model_of(t)) {
        count_typed_in_loop_window(*unit_model, loop_window.loop_number, text);
        return;
    }
    const CountValidation result = validate_device_count(text, loop_window.loop_number, t);
    if (result.text != text) cmb_viewdata_Change(t, result.text);
}

void SystemWorkspace::count_finished(int t) {
    const int loop = loop_window.loop_number;
    if (loop < 1 || loop > kLoops || unit_model_of(t)) return;
    loop_window.counts[t] = std::to_string(model.loop_device_count[loop][t]);
}

// The counts are set back quietly and the loop is worked out once, so clearing an overloaded
// loop does not report the overload again on the way down.
void SystemWorkspace::clear_configuration(int loop) {
    for (int t = kFirstDevice; t <= kLastDevice; ++t) {
        loop_window.counts[t] = "0";
        model.loop_device_count[loop][t] = 0;
    }
    for (UnitModel unit : kUnitModels)
        clearLoop(model, unit, loop);
    calc_loop(loop);
}

void SystemWorkspace::leave_loop_window() {
    const int loop = loop_window.loop_number;
    if (loop < 1 || loop > kLoops) return;
    calc_loop(loop);
    calc_system_standby();
}

// ---------------------------------------------------------------------------------------------
// Interface-unit windows

UnitChannels& SystemWorkspace::unit(UnitModel unit_model, int number) {
    return model.units_of(unit_model)[unit_window(unit_model).loop].units.at(
        std::clamp(number, 0, kMaxUnitsPerLoop));
}

void SystemWorkspace::unit_Form_Load(UnitModel unit_model) {
    UnitWindowView& view = unit_window(unit_model);
    view.title = unit_window_table(unit_model).design_title;
    view.list_size = max_units_per_loop(model, unit_model) + 1;
    view.count_position = 0;
}

// The list may stand at another count than the loop's, and choosing it there runs the count change.
void SystemWorkspace::populateForm(UnitModel unit_model, int loop) {
    UnitWindowView& view = unit_window(unit_model);
    view.loop = loop;
    view.title = "Loop" + str_number(loop) + unit_window_table(unit_model).title_tail;
    const int count = std::clamp<int>(model.units_of(unit_model)[loop].unit_count, 0, kMaxUnitsPerLoop);
    // A loaded file may hold more units than the list offers; the list grows so that the count shows.
    view.list_size = std::max(view.list_size, count + 1);
    if (view.count_position != count) cmbInterfaces_Change(unit_model, count);
    calcConsumptions(model, unit_model, loop);
}

// The record takes the new count before the validation works the loop out, so the loop's figures
// carry the units at once; a refused count gets the record back as it was.
void SystemWorkspace::cmbInterfaces_Change(UnitModel unit_model, int position) {
    UnitWindowView& view = unit_window(unit_model);
    view.count_position = position;
    if (position < 0 || view.loop < 1) return;
    UnitLoopRecord& record = model.units_of(unit_model)[view.loop];
    const UnitLoopRecord before = record;
    const int shown = std::clamp<int>(record.unit_count, 0, kMaxUnitsPerLoop);
    // Removed units are cleared, and a unit that comes into use starts empty, whatever a file left
    // beyond the old count.
    for (int number = std::min(shown, position) + 1; number <= std::max(shown, position); ++number)
        unit(unit_model, number) = {};
    record.unit_count = static_cast<std::int16_t>(position);
    calcConsumptions(model, unit_model, view.loop);

    const int device_type = device_type_of(unit_model);
    if (validate_device_count(std::to_string(position), view.loop, device_type).text.empty()) {
        // Refused and already reported: going back validates the previous count again.
        record = before;
        calcConsumptions(model, unit_model, view.loop);
        if (view.previous_count != position) cmbInterfaces_Change(unit_model, view.previous_count);
        return;
    }
    view.previous_count = position;
    show_unit_count_in_loop_window(unit_model, position);
}

void SystemWorkspace::count_typed_in_loop_window(UnitModel unit_model, int loop, const std::string& text) {
    UnitWindowView& view = unit_window(unit_model);
    // The window may show another loop, or this one as it was before a file or a clear; it is
    // filled without running its count change.
    view.loop = loop;
    view.title = "Loop" + str_number(loop) + unit_window_table(unit_model).title_tail;
    const int count = std::clamp<int>(model.units_of(unit_model)[loop].unit_count, 0, kMaxUnitsPerLoop);
    view.list_size = std::max(view.list_size, count + 1);
    view.count_position = count;
    calcConsumptions(model, unit_model, loop);

    view.previous_count = count;
    const std::optional<int> typed = typed_unit_count(text);
    const int device_type = device_type_of(unit_model);
    if (!typed) {
        show_unit_count_in_loop_window(unit_model, view.previous_count);
    } else if (*typed >= view.list_size) {
        // Beyond the list, so beyond the model's maximum: the validation says so, and the previous
        // count is validated and stored again, as when the list goes back.
        validate_device_count(text, loop, device_type);
        validate_device_count(std::to_string(view.previous_count), loop, device_type);
        show_unit_count_in_loop_window(unit_model, view.previous_count);
    } else if (*typed == view.previous_count) {
        show_unit_count_in_loop_window(unit_model, *typed);
    } else {
        cmbInterfaces_Change(unit_model, *typed);
    }
}

// The count is already validated and the loop recalculated, so the loop window only shows it.
void SystemWorkspace::show_unit_count_in_loop_window(UnitModel unit_model, int position) {
    loop_window.counts[device_type_of(unit_model)] = std::to_string(position);
}

bool SystemWorkspace::add_channel(UnitModel unit_model, int number, NodeKind kind) {
    const UnitWindowTable& table = unit_window_table(unit_model);
    UnitChannels& channels = unit(unit_model, number);
    const int children =
        channels.inputs + channels.zones + channels.leds + channels.relays + (table.fixed_output ? 1 : 0);
    std::int16_t& count = channels.*channel_kind(kind).count;
    if (count >= channel_limit(table, kind) || children >= table.max_children) return false;
    ++count;
    calcConsumptions(model, unit_model, unit_window(unit_model).loop);
    return true;
}

// Only the last channel of a kind goes, so a unit's channel numbers never have gaps.
bool SystemWorkspace::remove_channel(UnitModel unit_model, int number, NodeKind kind, int channel) {
    if (channel_limit(unit_window_table(unit_model), kind) == 0) return false;
    std::int16_t& count = unit(unit_model, number).*channel_kind(kind).count;
    if (channel != count) return false;
    --count;
    calcConsumptions(model, unit_model, unit_window(unit_model).loop);
    return true;
}

void SystemWorkspace::unit_exit(UnitModel unit_model) {
    const int loop = unit_window(unit_model).loop;
    if (loop >= 1) calc_loop(loop);
}

// ---------------------------------------------------------------------------------------------
// Device types without a definition: the count stands but draws nothing, so the figures say so.

std::vector<std::string> SystemWorkspace::undefined_device_warnings() const {
    std::vector<std::string> warnings;
    for (int n = 1; n <= kLoops; ++n) {
        if (!model.loop_on_loop_card(n)) continue;
        for (int t = kFirstDevice; t <= kLastDevice; ++t) {
            const int count = model.loop_device_count[n][t];
            if (count == 0 || model.device_defined[t]) continue;
            warnings.push_back("Loop" + str_number(n) + " counts" + str_number(count) +
                               (count == 1 ? " device" : " devices") + " of type" + str_number(t) +
                               ", which has no device file: " + (count == 1 ? "its" : "their") +
                               " current is not included.");
        }
    }
    return warnings;
}

}  // namespace standwise

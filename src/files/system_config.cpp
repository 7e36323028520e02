#include "files/system_config.h"

#include <cstdint>
#include <optional>

#include "calc/unit_sums.h"
#include "model/numbers.h"

namespace standwise {
namespace {

constexpr int kControllerKinds = 2;
constexpr int kAlarmPositions = 4;

// Hands out the fields after the marker line one by one; every getter is empty once a field
// cannot be read, which ends the loading.
class FieldReader {
public:
    explicit FieldReader(const std::vector<std::string>& lines) : lines_(lines) {}

    std::optional<std::string> text() {
        if (next_ >= lines_.size()) {
            stop_ = {next_ + 1, "the file ends early"};
            return std::nullopt;
        }
        return config_text_field(lines_[next_++]);
    }

    bool skip() { return text().has_value(); }

    /// A whole 16-bit number within lo..hi; a fraction (hand-edited files only) rounds half to even.
    std::optional<std::int16_t> number(int lo, int hi) {
        std::optional<std::string> field = text();
        if (!field) return std::nullopt;
        std::optional<double> value = parse_number(*field);
        std::optional<std::int16_t> count = value ? to_count(*value) : std::nullopt;
        if (!count || *count < lo || *count > hi) {
            refuse_last();
            return std::nullopt;
        }
        return count;
    }

    /// The field just read holds a value that cannot be used.
    void refuse_last() { stop_ = {next_, "the value cannot be read"}; }
    const ReadStop& stop() const { return stop_; }

    std::optional<std::int16_t> count() { return number(0, INT16_MAX); }

private:
    const std::vector<std::string>& lines_;
    std::size_t next_ = 1;
    ReadStop stop_;
};

bool slot_code_valid(int slot, int code) {
    if (slot == 0) return code >= 0 && code < kControllerKinds;
    return code >= 0 && code < kCardTypes && !is_separator_card(code);
}

bool read_slots(FieldReader& reader, SystemModel& model, SystemConfigTarget& target) {
    for (int slot = 0; slot < kSlots; ++slot) {
        std::optional<std::int16_t> code = reader.number(INT16_MIN, INT16_MAX);
        if (!code) return false;
        if (!slot_code_valid(slot, *code)) {
            reader.refuse_last();
            return false;
        }
        model.panel().slots[slot] = *code;
        target.select_slot(slot, *code);
    }
    return true;
}

// A unit count replaces the whole record: units above it stay empty, so a later, larger count
// never brings back channels of an earlier configuration.
bool read_units(FieldReader& reader, UnitLoopRecord& record, UnitModel unit_model) {
    std::optional<std::int16_t> unit_count = reader.number(0, kMaxUnitsPerLoop);
    if (!unit_count) return false;
    record.unit_count = *unit_count;
    record.units.fill(UnitChannels{});
    for (int u = 1; u <= *unit_count; ++u) {
        UnitChannels& unit = record.units[u];
        std::int16_t* fields[] = {&unit.inputs, &unit.zones, &unit.leds, &unit.relays};
        const int field_count = unit_model == UnitModel::MX240 ? 4 : 2;
        for (int f = 0; f < field_count; ++f) {
            std::optional<std::int16_t> value = reader.count();
            if (!value) return false;
            *fields[f] = *value;
        }
    }
    return true;
}

bool read_loops(FieldReader& reader, SystemModel& model, SystemConfigTarget& target) {
    std::array<bool, kLoops + 1> on_card{};
    for (int loop = 1; loop <= kLoops; ++loop)
        on_card[loop] = model.loop_on_loop_card(loop);

    for (int loop = 1; loop <= kLoops; ++loop) {
        if (on_card[loop]) {
            if (!reader.skip()) return false;  // the line naming the loop
            for (int type = kFirstDevice; type <= kLastDevice; ++type) {
                std::optional<std::int16_t> count = reader.count();
                if (!count) return false;
                model.loop_device_count[loop][type] = *count;
            }
        }
        for (UnitModel unit_model : kUnitModels)
            if (!read_units(reader, model.units_of(unit_model)[loop], unit_model)) return false;
        if (on_card[loop]) {
            for (UnitModel unit_model : kUnitModels)
                calcConsumptions(model, unit_model, loop);
            target.loop_read(loop);
        }
    }
    return true;
}

// Applies the fields in file order; false at the first field that cannot be read.
bool apply_fields(FieldReader& reader, SystemModel& model, SystemConfigTarget& target) {
    // The site is applied after the system type and PSU so the title shows the loaded panel.
    std::optional<std::string> site = reader.text();
    if (!site) return false;
    std::optional<std::int16_t> system_type = reader.number(0, kSystemTypes - 1);
    if (!system_type) return false;
    target.select_system_type(*system_type);
    std::optional<std::int16_t> psu_option = reader.number(0, 3);
    if (!psu_option) return false;
    target.select_psu_option(*psu_option);
    target.set_site(*site);

    std::optional<std::string> site_id = reader.text();
    if (!site_id) return false;
    target.set_site_id(*site_id);
    std::optional<std::string> date = reader.text();
    if (!date) return false;
    target.set_date(*date);

    target.begin_slots();
    bool slots_read = read_slots(reader, model, target);
    target.end_slots();
    if (!slots_read) return false;

    std::optional<std::string> master_alarm_1 = reader.text();
    if (!master_alarm_1) return false;
    target.set_master_alarm_1(*master_alarm_1);
    std::optional<std::string> master_alarm_2 = reader.text();
    if (!master_alarm_2) return false;
    target.set_master_alarm_2(*master_alarm_2);
    std::optional<std::int16_t> alarm_position = reader.number(0, kAlarmPositions - 1);
    if (!alarm_position) return false;
    target.select_alarm_time(*alarm_position);

    return read_loops(reader, model, target);
}

}  // namespace

std::vector<std::string> system_configuration_lines(const SystemModel& model,
                                                    const SystemWindowFields& fields) {
    const SystemRecord& panel = model.panel();
    std::vector<std::string> lines{
        kSystemConfigMarker, fields.site, number_field(model.system_type), number_field(model.last_psu_type),
        fields.site_id,      fields.date};
    for (int slot = 0; slot < kSlots; ++slot)
        lines.push_back(number_field(panel.slots[slot]));
    lines.push_back(fields.master_alarm_1);
    lines.push_back(fields.master_alarm_2);
    lines.push_back(number_field(fields.alarm_time_index));

    for (int loop = 1; loop <= kLoops; ++loop) {
        if (model.loop_on_loop_card(loop)) {
            lines.push_back(model.card_types[panel.slots[loop]] + " - Loop" + str_number(loop));
            for (int type = kFirstDevice; type <= kLastDevice; ++type)
                lines.push_back(number_field(model.loop_device_count[loop][type]));
        }
        for (UnitModel unit_model : kUnitModels) {
            const UnitLoopRecord& record = model.units_of(unit_model)[loop];
            lines.push_back(number_field(record.unit_count));
            for (int u = 1; u <= record.unit_count && u <= kMaxUnitsPerLoop; ++u) {
                const UnitChannels& unit = record.units[u];
                lines.push_back(number_field(unit.inputs));
                lines.push_back(number_field(unit.zones));
                if (unit_model == UnitModel::MX240) {
                    lines.push_back(number_field(unit.leds));
                    lines.push_back(number_field(unit.relays));
                }
            }
        }
    }
    return lines;
}

ConfigReadStatus read_system_configuration(const std::vector<std::string>& lines, SystemModel& model,
                                           SystemConfigTarget& target, Platform& platform, ReadStop* stop) {
    // An empty file carries no marker either, so it is refused as the interface workspace refuses it.
    if (lines.empty() || lines.front() != kSystemConfigMarker) {
        platform.ask_user("Not a valid system configuration", "Incorrect File Type",
                          MessageStyle::OkExclamation);
        return ConfigReadStatus::NotAConfiguration;
    }
    platform.set_busy(true);
    FieldReader reader(lines);
    bool complete = apply_fields(reader, model, target);
    if (!complete && stop != nullptr) *stop = reader.stop();
    target.finish();
    platform.set_busy(false);
    return complete ? ConfigReadStatus::Complete : ConfigReadStatus::Stopped;
}

}  // namespace standwise

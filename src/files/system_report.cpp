#include "files/system_report.h"

#include <string_view>

#include "model/numbers.h"

namespace standwise {
namespace {

constexpr std::size_t kLabelWidth = 50;
const std::string kRule(58, '-');
const std::string kShortRule(10, '-');

// Builds a report line by line.
class ReportWriter {
public:
    ReportWriter(const SystemModel& model, const SystemReportInputs& inputs) : model_(model), in_(inputs) {}

    void line(std::string text) { lines_.push_back(std::move(text)); }
    void blank() { line({}); }
    void padded(std::string_view label, const std::string& value) {
        line(makeuplength(label, kLabelWidth) + value);
    }
    void milliamps(std::string_view label, double amps) { padded(label, plain_number(amps * 1000) + "mA"); }

    void head(ReportKind kind, const DateTime& when);
    void card_counts();
    void miscellaneous();
    void slot_configuration();
    void loop_currents(int loop);
    void full_loop(int loop);
    void short_loop(int loop);
    void totals(ReportKind kind);

    std::vector<std::string> take() { return std::move(lines_); }

private:
    const SystemModel& model_;
    const SystemReportInputs& in_;
    std::vector<std::string> lines_;
};

// "Loop" followed by the number with its leading blank: "Loop 3".
std::string loop_name(int loop) {
    return "Loop" + str_number(loop);
}

template <typename Table>
std::string entry(const Table& table, int index) {
    return index >= 0 && index < static_cast<int>(table.size()) ? table[index] : std::string();
}

void ReportWriter::head(ReportKind kind, const DateTime& when) {
    line("Ostrel Limited - Standwise");
    line("System Calculation");
    blank();
    line(std::string(kind == ReportKind::Full ? "Full" : "Short") + " report generated on " +
         report_time_stamp(when));
    blank();
    line(kRule);
    blank();
    line("Site: " + in_.site);
    line("Site Id: " + in_.site_id);
    line("System type: " + model_.panel().name);
    line("PSU type: " + model_.psu().name);
    blank();
    line(kRule);
    if (kind == ReportKind::Full) line("Card Counts");
    blank();
}

void ReportWriter::card_counts() {
    const std::pair<const char*, std::int16_t> counts[] = {
        {"PTH Loop cards:", model_.cards.pth_loop_cards},
        {"SMT Loop cards:", model_.cards.smt_loop_cards},
        {"PTH I/O cards:", model_.cards.pth_io_cards},
        {"SMT I/O cards:", model_.cards.smt_io_cards},
        {"PTH Copper Network cards:", model_.cards.pth_network_cards},
        {"SMT Copper Network cards:", model_.cards.smt_copper_network_cards},
        {"SMT Fibre Network cards:", model_.cards.smt_fibre_network_cards},
        {"RAM cards:", model_.cards.ram_cards},
        {"Flashback plane:", model_.cards.flash_backplanes},
    };
    for (const auto& [label, count] : counts)
        padded(label, std::to_string(count));
}

void ReportWriter::miscellaneous() {
    blank();
    line(kRule);
    line("Miscellaneous");
    blank();
    padded("Total devices:", in_.devices);
    padded("Alarm duration:", in_.alarm_time + "min");
}

void ReportWriter::slot_configuration() {
    const SystemRecord& panel = model_.panel();
    blank();
    line(kRule);
    line("Slot Configuration");
    blank();
    line(" 0" + entry(model_.local_controller_types, panel.slots[0]));
    for (int slot = 1; slot < kSlots; ++slot)
        if (panel.slot_fitted[slot]) line(str_number(slot) + entry(model_.card_types, panel.slots[slot]));
}

void ReportWriter::loop_currents(int loop) {
    const LoopCaptions& captions = in_.loops[loop];
    padded(loop_name(loop) + " quiescent current:", captions.current_s);
    padded(loop_name(loop) + " alarm current:", captions.current_a);
    milliamps("Loop card loop overhead current", model_.psu().loop_overhead_current);
    padded(loop_name(loop) + " total current:", captions.loop_curr);
    if (captions.loop_curr_red) {
        blank();
        line("WARNING -  LOOP" + str_number(loop) + " IS OVERLOADED PLEASE REVISE");
    }
}

void ReportWriter::full_loop(int loop) {
    blank();
    blank();
    line(kShortRule);
    line(loop_name(loop));
    line(kShortRule);
    blank();
    padded(loop_name(loop) + " device count:", in_.loops[loop].total_devices);
    blank();
    line("Device List");
    blank();
    for (int type = kFirstDevice; type <= kLastDevice; ++type)
        padded(model_.device_name[type], std::to_string(model_.loop_device_count[loop][type]));
    blank();
    line("Current Consumptions For " + loop_name(loop));
    blank();
    loop_currents(loop);
}

void ReportWriter::short_loop(int loop) {
    blank();
    padded(loop_name(loop) + " outstation count:", in_.loops[loop].total_devices);
    loop_currents(loop);
}

void ReportWriter::totals(ReportKind kind) {
    const SystemModel& m = model_;
    blank();
    line(kRule);
    if (m.cards.total_loop_cards > 0) {
        blank();
        padded("All loops total quiescent current", in_.loops_total_q);
        padded("All loops total alarm current", in_.loops_total_a);
    }
    blank();
    if (m.cards.total_loop_cards > 0)
        milliamps("Loop card supply current", m.cards.smt_loop_current + m.cards.pth_loop_current);
    milliamps("I/O card supply current", m.cards.smt_io_current + m.cards.pth_io_current);
    milliamps(
        "Network card supply current",
        m.cards.smt_copper_network_current + m.cards.pth_network_current + m.cards.smt_fibre_network_current);
    blank();
    padded("Total system quiescent current", in_.system_total_q);
    padded("Total system alarm current", in_.system_total_a);
    blank();
    padded("Master alarm circuit 1 current:", in_.master_alarm_1 + "mA");
    padded("Master alarm circuit 2 current:", in_.master_alarm_2 + "mA");
    blank();
    line(kRule);
    blank();
    line("Standby time is " + in_.standby + "hrs " + in_.amphours + " batteries.");
    blank();
    line("For 24hr standby: " + in_.capacity_24h + " required.");
    line("For 72hr standby: " + in_.capacity_72h + " required.");
    blank();
    line(kind == ReportKind::Full ? "End of full report" : "End of short report");
}

}  // namespace

std::vector<std::string> full_report_lines(const SystemModel& model, const SystemReportInputs& inputs,
                                           const DateTime& when) {
    ReportWriter report(model, inputs);
    report.head(ReportKind::Full, when);
    report.card_counts();
    report.miscellaneous();
    report.slot_configuration();
    report.blank();
    report.line(kRule);
    for (int loop = 1; loop <= kLoops; ++loop)
        if (model.loop_on_loop_card(loop)) report.full_loop(loop);
    report.totals(ReportKind::Full);
    return report.take();
}

std::vector<std::string> short_report_lines(const SystemModel& model, const SystemReportInputs& inputs,
                                            const DateTime& when) {
    ReportWriter report(model, inputs);
    report.head(ReportKind::Short, when);
    report.card_counts();
    report.miscellaneous();
    report.blank();
    report.line(kRule);
    for (int loop = 1; loop <= kLoops; ++loop)
        if (model.loop_on_loop_card(loop)) report.short_loop(loop);
    report.totals(ReportKind::Short);
    return report.take();
}

}  // namespace standwise

#include "files/system_report.h"

#include <gtest/gtest.h>

#include "calc/panel_cards.h"
#include "model/reference_tables.h"
#include "support/golden.h"

namespace standwise {
namespace {

using test::expect_golden;

const DateTime kWhen{2026, 3, 7, 9, 5, 2};

void name_devices(SystemModel& model) {
    for (int t = kFirstDevice; t <= kLastDevice; ++t)
        model.device_name[t] = "Device type " + std::to_string(t);
    model.device_name[1] = "Multi-sensor optical heat detector with sounder base";  // 52 characters
    model.device_name[2] = "";
    model.device_name[3] = "Sounder \xC3\xA9tage";  // an accent counts as one column
}

// R220 on the legacy PSU with a PTH and an SMT loop card; loop 2 is overloaded.
SystemModel overloaded_model() {
    SystemModel model;
    fill_reference_tables(model);
    name_devices(model);
    model.psu_type = model.last_psu_type = 0;
    model.system_type = 1;
    model.panel().slots = {0, 3, 8, 2, 9, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0, 12};
    model.cards = count_panel_cards(model.panel(), model.panel().slots).counts;
    model.loop_cards = 2;
    model.loop_device_count[1][1] = 3;
    model.loop_device_count[1][2] = 1;
    model.loop_device_count[1][10] = 20;
    model.loop_device_count[2][5] = 150;
    model.loop_device_count[2][75] = 2;
    model.loop_device_count[4][6] = 9;  // loop 4 has no loop card: never reported
    return model;
}

const SystemReportInputs kOverloadedInputs{.site = "\"North\" wing, block 2",
                                           .site_id = "ID 7",
                                           .master_alarm_1 = "150",
                                           .master_alarm_2 = "abc",
                                           .alarm_time = "60",
                                           .devices = "176",
                                           .loops_total_q = "030.20mA",
                                           .loops_total_a = "412.75mA",
                                           .system_total_q = "0.512A",
                                           .system_total_a = "1.276A",
                                           .standby = "37:22",
                                           .amphours = "with 48Ah",
                                           .capacity_24h = "33.05Ah",
                                           .capacity_72h = "87.40Ah",
                                           .loops = {{{},
                                                      {"24", "012.35mA", "045.00mA", "057.35mA", false},
                                                      {"152", "017.85mA", "367.75mA", "385.60mA", true}}}};

// R500 on the single-charger PSU with no loop card.
SystemModel no_loop_card_model() {
    SystemModel model;
    fill_reference_tables(model);
    name_devices(model);
    model.system_type = 2;
    model.panel().slots = {1, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2};
    model.cards = count_panel_cards(model.panel(), model.panel().slots).counts;
    model.loop_device_count[1][4] = 12;
    return model;
}

// Figures never calculated are written empty.
SystemReportInputs no_loop_card_inputs() {
    SystemReportInputs in;
    in.master_alarm_1 = in.master_alarm_2 = in.devices = "0";
    in.alarm_time = "30";
    in.amphours = "with 24Ah";
    return in;
}

TEST(SystemReport, OverloadedLoops) {
    expect_golden(full_report_lines(overloaded_model(), kOverloadedInputs, kWhen),
                  "core/overloaded_full.txt");
    expect_golden(short_report_lines(overloaded_model(), kOverloadedInputs, kWhen),
                  "core/overloaded_short.txt");
}

TEST(SystemReport, NoLoopCard) {
    expect_golden(full_report_lines(no_loop_card_model(), no_loop_card_inputs(), kWhen),
                  "core/no_loop_card_full.txt");
    expect_golden(short_report_lines(no_loop_card_model(), no_loop_card_inputs(), kWhen),
                  "core/no_loop_card_short.txt");
}

}  // namespace
}  // namespace standwise

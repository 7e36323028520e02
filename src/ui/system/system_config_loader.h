// Puts a read system configuration into the windows: every stored choice is made through the
// panel setup window and the main window as a user would make it, so their own handling runs.
#pragma once

#include <cstdint>
#include <string>

#include "files/system_config.h"

namespace standwise {

class AppContext;

class SystemConfigLoader : public SystemConfigTarget {
public:
    explicit SystemConfigLoader(AppContext& ctx) : ctx_(ctx) {}

    void select_system_type(std::int16_t system_type) override;
    void select_psu_option(std::int16_t option) override;
    void set_site(const std::string& text) override;
    void set_site_id(const std::string& text) override;
    void set_date(const std::string& text) override;
    void begin_slots() override {}
    void select_slot(int slot, std::int16_t code) override;
    void end_slots() override {}
    void set_master_alarm_1(const std::string& text) override;
    void set_master_alarm_2(const std::string& text) override;
    void select_alarm_time(std::int16_t position) override;
    void loop_read(int loop) override;
    void finish() override;

private:
    AppContext& ctx_;
};

}  // namespace standwise

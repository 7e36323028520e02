// What the fuzz targets share: a platform that serves the input bytes as a file and keeps nothing,
// and toolkit-free stand-ins for the windows that the readers apply their values through. The
// stand-ins apply each value as the windows do (and show the figures as they show them), so the
// calculations and report writers after a load see what they would see in the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/interface_calc.h"
#include "calc/loop_calc.h"
#include "calc/system_calc.h"
#include "files/interface_config.h"
#include "files/system_config.h"
#include "files/system_report.h"
#include "platform/platform.h"

namespace standwise::fuzz {

/// Stops the run when a property of the program does not hold; libFuzzer keeps the input.
void require(bool holds, const char* what);

/// The lines of input bytes exactly as the program reads a file: size limit, decoding, line breaks.
TextLines lines_of(const std::uint8_t* data, std::size_t size);

/// Answers every question with its first button, serves one folder holding one file, and keeps
/// no message: the fuzz targets run millions of times.
class QuietPlatform : public Platform {
public:
    QuietPlatform() = default;
    QuietPlatform(std::string file_name, TextLines file)
        : file_name_(std::move(file_name)), file_(std::move(file)) {}

    Answer ask_user(const std::string& prompt, const std::string& caption, MessageStyle style) override;
    std::optional<std::size_t> ask_choice(const std::string&, const std::string&,
                                          const std::vector<std::string>& choices) override {
        return choices.empty() ? std::nullopt : std::optional<std::size_t>(0);
    }
    PrintOutcome print_report(const ReportDocument&) override { return PrintOutcome::NoPrinter; }
    std::string choose_file(FileMode, const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::string program_folder() override { return "program"; }
    std::string user_folder() override { return "program"; }
    void make_folder(const std::string&) override {}
    std::string windows_folder() override { return {}; }
    void open_in_editor(const std::string&) override {}
    std::optional<std::vector<FolderEntry>> list_folder(const std::string& path) override;
    TextLines read_lines(const std::string&) override { return file_; }
    std::optional<std::string> write_file(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void pause(float) override {}
    void set_busy(bool) override {}
    DateTime now() override { return {2026, 12, 7, 9, 30, 0}; }

    std::size_t message_characters = 0;  // every text shown is built and measured

private:
    std::string file_name_;
    TextLines file_;
};

/// The system workspace without windows: takes the stored panel choices as the panel setup window
/// does, works each loop out as it is read, and keeps the captions the main window would show.
class SystemStandIn : public SystemConfigTarget {
public:
    SystemStandIn(SystemModel& model, Platform& platform) : model_(model), platform_(platform) {}

    void select_system_type(std::int16_t system_type) override;
    void select_psu_option(std::int16_t option) override;
    void set_site(const std::string& text) override { fields.site = text; }
    void set_site_id(const std::string& text) override { fields.site_id = text; }
    void set_date(const std::string& text) override { fields.date = text; }
    void begin_slots() override {}
    void select_slot(int, std::int16_t) override {}
    void end_slots() override { panel_changed(); }
    void set_master_alarm_1(const std::string& text) override { fields.master_alarm_1 = text; }
    void set_master_alarm_2(const std::string& text) override { fields.master_alarm_2 = text; }
    void select_alarm_time(std::int16_t position) override { fields.alarm_time_index = position; }
    void loop_read(int loop) override { show(calc_loop(model_, platform_, loop)); }
    void finish() override;

    /// Counts the cards of the fitted slots, their currents, and works every loop out again.
    void panel_changed();
    void show(const LoopResult& result);
    /// The report inputs as the main window would hand them over.
    SystemReportInputs shown() const;

    SystemWindowFields fields;

private:
    SystemModel& model_;
    Platform& platform_;
    SystemReportInputs captions_;
};

/// The interface window without widgets: an option that changes empties the channel's currents,
/// every current passes its entry check and, for sectors, the sector total, as when typed.
class InterfaceStandIn : public InterfaceConfigTarget {
public:
    void select_address(std::int16_t position) override { setup.address_index = position; }
    void set_label(const std::string& text) override { setup.label = text; }
    void set_zone_option(int channel, bool on) override { choose(channel, on, ChannelFunction::Zone); }
    void set_sector_option(int channel, bool on) override { choose(channel, on, ChannelFunction::Sector); }
    void set_nc_option(int channel, bool on) override { choose(channel, on, ChannelFunction::NotConnected); }
    void set_sector_current(int channel, const std::string& text) override;
    void set_zone_current(int channel, const std::string& text) override;
    void set_aux_current(const std::string& text) override;
    void select_alarm_time(std::int16_t position) override { setup.alarm_time_index = position; }

    InterfaceSetup setup;

private:
    void choose(int channel, bool on, ChannelFunction function);
};

}  // namespace standwise::fuzz

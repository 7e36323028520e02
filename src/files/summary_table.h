// The project table: one row a configuration, written as CSV (RFC 4180, UTF-8, a header row, lines
// ending in CR LF). Its figures are plain numbers a spreadsheet can compute with, rounded as the
// windows show them; the text form keeps the shown strings ("0.087A", "09.31Ah") in the older
// column layout for anyone who reads the table as text.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace standwise {

struct SummaryRow {
    std::string path;  // where the configuration was read, to open it again
    std::string file;  // as the table names it: relative to the folder named, or as given
    std::string kind;  // "System", "Interface", or empty when the file is neither
    std::string site, site_id, system_type, psu;
    std::string address;                         // an interface's loop address; empty for a system
    std::string quiescent, alarm;                // "0.087A", as the totals show them
    std::string standby;                         // "37:22"
    std::string capacity_24h, capacity_72h;      // "09.31Ah" or "Not possible"
    std::string fit_24h, fit_72h;                // "12Ah", "Larger than any stock size" or "—"
    std::string verdict_24h, verdict_72h;        // "The 21Ah battery covers 24hr standby", ... or "—"
    std::optional<bool> covers_24h, covers_72h;  // the verdicts; none where no capacity can be given
    std::string design_check;                    // the design check's status; empty until it is made
    std::string warnings;   // the messages the load showed, joined by " | "; or why it was not read whole
    bool complete = false;  // read whole, so the figures stand
    bool marked = false;    // warnings, a failing verdict, or not read whole
    bool fields_emptied = false;    // a value of the file was emptied by its field's check
    bool devices_left_out = false;  // counted devices of a type without a definition
};

/// The columns of the table, in the order the CSV and the summary window give them.
enum class SummaryColumn {
    File,
    Kind,
    Site,
    StandbyText,
    Fit24h,
    Fit72h,
    Covers24h,
    Covers72h,
    DesignCheck,
    Warnings,
    SiteId,
    Address,
    SystemType,
    Psu,
    Quiescent,
    Alarm,
    StandbyHours,
    Capacity24h,
    Capacity72h,
};
inline constexpr std::size_t kSummaryColumns = 19;

/// The header row's captions, in column order; each figure's caption names its unit.
const std::array<const char*, kSummaryColumns>& summary_header();

/// Whether the column holds a figure (a plain number or empty), which is never prefixed.
bool is_figure_column(SummaryColumn column);

/// A row's cells in column order, as the window shows them: figures as plain numbers ("0.848",
/// "9.95", "12", standby "37.37" beside "37:22"), verdicts "yes" or "no", and an empty cell for a
/// figure that cannot be given, whose reason is added to the warnings.
std::array<std::string, kSummaryColumns> summary_cells(const SummaryRow& row);

/// One field as CSV writes it: in double quotes (inner ones doubled) when it holds a comma, a
/// double quote, a line break or a blank at either end.
std::string csv_field(const std::string& text);

/// A text cell made safe for a spreadsheet: one that begins with "=", "+", "-", "@", a tab or a
/// carriage return, which a spreadsheet would take for a formula, gets a leading apostrophe.
std::string inert_text(const std::string& text);

/// The table's records: the header, then a record each row (write them with write_text_lines).
std::vector<std::string> summary_csv_lines(const std::vector<SummaryRow>& rows);

/// The whole table: header and rows, each record ending in CR LF.
std::string summary_csv(const std::vector<SummaryRow>& rows);

/// The text form's records: the older sixteen columns with the figures as shown ("0.087A",
/// "09.31Ah", "The 21Ah battery covers 24hr standby"), an interface's address under "Site ID".
std::vector<std::string> summary_text_csv_lines(const std::vector<SummaryRow>& rows);

/// The whole table in the text form, each record ending in CR LF.
std::string summary_text_csv(const std::vector<SummaryRow>& rows);

}  // namespace standwise

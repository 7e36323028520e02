// The project table: one row a configuration with its figures as its report shows them, written
// as CSV (RFC 4180, UTF-8, a header row, lines ending in CR LF).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace standwise {

struct SummaryRow {
    std::string file;
    std::string kind;  // "System", "Interface", or empty when the file is neither
    std::string site, site_id, system_type, psu;
    std::string quiescent, alarm;            // "0.087A", as the totals show them
    std::string standby;                     // "37:22"
    std::string capacity_24h, capacity_72h;  // "09.31Ah" or "Not possible"
    std::string fit_24h, fit_72h;            // "12Ah", "Larger than any stock size" or "—"
    std::string verdict_24h, verdict_72h;    // "The 21Ah battery covers 24hr standby", ... or "—"
    std::string design_check;
    std::string warnings;   // the messages the load showed, joined by " | "; or why it was not read whole
    bool complete = false;  // read whole, so the figures stand
    bool marked = false;    // warnings, a failing verdict, or not read whole
};

inline constexpr std::size_t kSummaryColumns = 16;

/// The header row's captions, in column order.
const std::array<const char*, kSummaryColumns>& summary_header();

/// A row's cells in column order.
std::array<std::string, kSummaryColumns> summary_cells(const SummaryRow& row);

/// One field as CSV writes it: in double quotes (inner ones doubled) when it holds a comma, a
/// double quote, a line break or a blank at either end.
std::string csv_field(const std::string& text);

/// The table's records: the header, then a record each row (write them with write_text_lines).
std::vector<std::string> summary_csv_lines(const std::vector<SummaryRow>& rows);

/// The whole table: header and rows, each record ending in CR LF.
std::string summary_csv(const std::vector<SummaryRow>& rows);

}  // namespace standwise

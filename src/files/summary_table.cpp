#include "files/summary_table.h"

#include "model/numbers.h"
#include "platform/text_files.h"

namespace standwise {
namespace {

constexpr std::size_t kTextColumns = 16;

constexpr const char* kNoFigure = "\u2014";  // the em dash the windows show where no figure follows

// The number a shown figure holds once its unit is taken off ("09.31Ah" gives 9.31); none for a
// text that is not a figure ("Not possible", "Larger than any stock size").
std::optional<double> shown_value(const std::string& text, const std::string& unit) {
    if (text.size() <= unit.size() || text.compare(text.size() - unit.size(), unit.size(), unit) != 0)
        return std::nullopt;
    return parse_number(std::string_view(text).substr(0, text.size() - unit.size()));
}

// "37:22" gives 37 + 22/60 hours: worked out from the minutes shown, so the two columns agree.
std::optional<double> shown_hours(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const std::optional<double> hours = parse_number(std::string_view(text).substr(0, colon));
    const std::optional<double> minutes = parse_number(std::string_view(text).substr(colon + 1));
    if (!hours || !minutes) return std::nullopt;
    return *hours + *minutes / 60;
}

std::string yes_no(const std::optional<bool>& covers) {
    if (!covers) return {};
    return *covers ? "yes" : "no";
}

template <std::size_t N>
std::vector<std::string> csv_lines(const std::array<const char*, N>& header,
                                   const std::vector<std::array<std::string, N>>& records) {
    std::vector<std::string> lines;
    auto add_line = [&lines](const auto& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) line += ',';
            line += csv_field(cells[i]);
        }
        lines.push_back(std::move(line));
    };
    add_line(header);
    for (const auto& record : records)
        add_line(record);
    return lines;
}

}  // namespace

const std::array<const char*, kSummaryColumns>& summary_header() {
    static const std::array<const char*, kSummaryColumns> header{
        "File",
        "Kind",
        "Site",
        "Standby time (hh:mm)",
        "Battery to fit, 24hr (Ah)",
        "Battery to fit, 72hr (Ah)",
        "Standard battery covers 24hr (yes/no)",
        "Standard battery covers 72hr (yes/no)",
        "Design check",
        "Warnings",
        "Site ID",
        "Address",
        "System type",
        "PSU",
        "Total quiescent current (A)",
        "Total alarm current (A)",
        "Standby time (h)",
        "Capacity for 24hr standby (Ah)",
        "Capacity for 72hr standby (Ah)",
    };
    return header;
}

bool is_figure_column(SummaryColumn column) {
    switch (column) {
        case SummaryColumn::Fit24h:
        case SummaryColumn::Fit72h:
        case SummaryColumn::Quiescent:
        case SummaryColumn::Alarm:
        case SummaryColumn::StandbyHours:
        case SummaryColumn::Capacity24h:
        case SummaryColumn::Capacity72h:
            return true;
        default:
            return false;
    }
}

std::array<std::string, kSummaryColumns> summary_cells(const SummaryRow& r) {
    std::array<std::string, kSummaryColumns> cells;
    auto cell = [&cells](SummaryColumn column) -> std::string& {
        return cells[static_cast<std::size_t>(column)];
    };
    std::string warnings = r.warnings;
    // A figure that cannot be given leaves its cell empty and says why among the warnings.
    auto figure = [&](SummaryColumn column, const std::string& shown, const std::optional<double>& value,
                      const char* pattern) {
        if (value) {
            cell(column) = pattern != nullptr ? format_fixed(*value, pattern) : plain_number(*value);
            return;
        }
        if (!r.complete || shown.empty() || shown == kNoFigure) return;
        warnings += (warnings.empty() ? "" : " | ") +
                    std::string(summary_header()[static_cast<std::size_t>(column)]) + ": " + shown;
    };
    cell(SummaryColumn::File) = r.file;
    cell(SummaryColumn::Kind) = r.kind;
    cell(SummaryColumn::Site) = r.site;
    cell(SummaryColumn::StandbyText) = r.standby;
    figure(SummaryColumn::Fit24h, r.fit_24h, shown_value(r.fit_24h, "Ah"), nullptr);
    figure(SummaryColumn::Fit72h, r.fit_72h, shown_value(r.fit_72h, "Ah"), nullptr);
    cell(SummaryColumn::Covers24h) = yes_no(r.covers_24h);
    cell(SummaryColumn::Covers72h) = yes_no(r.covers_72h);
    cell(SummaryColumn::DesignCheck) = r.design_check;
    cell(SummaryColumn::SiteId) = r.site_id;
    cell(SummaryColumn::Address) = r.address;
    cell(SummaryColumn::SystemType) = r.system_type;
    cell(SummaryColumn::Psu) = r.psu;
    // The totals show nothing for exactly no current.
    auto current = [&r](const std::string& shown) -> std::optional<double> {
        if (r.complete && shown.empty()) return 0.0;
        return shown_value(shown, "A");
    };
    figure(SummaryColumn::Quiescent, r.quiescent, current(r.quiescent), "0.000");
    figure(SummaryColumn::Alarm, r.alarm, current(r.alarm), "0.000");
    figure(SummaryColumn::StandbyHours, r.standby, shown_hours(r.standby), "0.00");
    figure(SummaryColumn::Capacity24h, r.capacity_24h, shown_value(r.capacity_24h, "Ah"), "0.00");
    figure(SummaryColumn::Capacity72h, r.capacity_72h, shown_value(r.capacity_72h, "Ah"), "0.00");
    cell(SummaryColumn::Warnings) = warnings;
    return cells;
}

std::string csv_field(const std::string& text) {
    const bool quoted = text.find_first_of(",\"\r\n") != std::string::npos ||
                        (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quoted) return text;
    std::string field = "\"";
    for (char c : text) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + '"';
}

std::string inert_text(const std::string& text) {
    if (text.empty() || std::string_view("=+-@\t\r").find(text.front()) == std::string_view::npos)
        return text;
    return "'" + text;
}

std::vector<std::string> summary_csv_lines(const std::vector<SummaryRow>& rows) {
    std::vector<std::array<std::string, kSummaryColumns>> records;
    records.reserve(rows.size());
    for (const SummaryRow& row : rows) {
        std::array<std::string, kSummaryColumns> cells = summary_cells(row);
        for (std::size_t c = 0; c < cells.size(); ++c)
            if (!is_figure_column(static_cast<SummaryColumn>(c))) cells[c] = inert_text(cells[c]);
        records.push_back(std::move(cells));
    }
    return csv_lines(summary_header(), records);
}

std::string summary_csv(const std::vector<SummaryRow>& rows) {
    return crlf_text(summary_csv_lines(rows));
}

// No shown figure begins with a formula's character, so every cell is made inert alike.
std::vector<std::string> summary_text_csv_lines(const std::vector<SummaryRow>& rows) {
    static const std::array<const char*, kTextColumns> header{
        "File",
        "Kind",
        "Site",
        "Site ID",
        "System type",
        "PSU",
        "Total quiescent current (A)",
        "Total alarm current (A)",
        "Standby time (hrs:mins)",
        "24hr standby (Ah)",
        "72hr standby (Ah)",
        "Battery to fit, 24hr",
        "Battery to fit, 72hr",
        "Standard battery, 24hr",
        "Standard battery, 72hr",
        "Warnings",
    };
    std::vector<std::array<std::string, kTextColumns>> records;
    records.reserve(rows.size());
    for (const SummaryRow& r : rows) {
        std::array<std::string, kTextColumns> cells{
            r.file,        r.kind,         r.site,         r.kind == "Interface" ? r.address : r.site_id,
            r.system_type, r.psu,          r.quiescent,    r.alarm,
            r.standby,     r.capacity_24h, r.capacity_72h, r.fit_24h,
            r.fit_72h,     r.verdict_24h,  r.verdict_72h,  r.warnings};
        for (std::string& cell : cells)
            cell = inert_text(cell);
        records.push_back(std::move(cells));
    }
    return csv_lines(header, records);
}

std::string summary_text_csv(const std::vector<SummaryRow>& rows) {
    return crlf_text(summary_text_csv_lines(rows));
}

}  // namespace standwise

#include "files/summary_table.h"

#include "platform/text_files.h"

namespace standwise {

const std::array<const char*, kSummaryColumns>& summary_header() {
    static const std::array<const char*, kSummaryColumns> header{
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
    return header;
}

std::array<std::string, kSummaryColumns> summary_cells(const SummaryRow& r) {
    return {r.file,      r.kind,        r.site,        r.site_id,      r.system_type,  r.psu,
            r.quiescent, r.alarm,       r.standby,     r.capacity_24h, r.capacity_72h, r.fit_24h,
            r.fit_72h,   r.verdict_24h, r.verdict_72h, r.warnings};
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

std::vector<std::string> summary_csv_lines(const std::vector<SummaryRow>& rows) {
    std::vector<std::string> lines;
    auto add_line = [&lines](const auto& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) line += ',';
            line += csv_field(cells[i]);
        }
        lines.push_back(std::move(line));
    };
    add_line(summary_header());
    for (const SummaryRow& row : rows)
        add_line(summary_cells(row));
    return lines;
}

std::string summary_csv(const std::vector<SummaryRow>& rows) {
    return crlf_text(summary_csv_lines(rows));
}

}  // namespace standwise

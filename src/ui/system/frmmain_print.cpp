// The main window's reports on paper and in PDF: the full or the short report, exactly as its text
// file holds it, under a header with the site.
#include <QLineEdit>

#include "calc/battery_choice.h"
#include "platform/platform.h"
#include "ui/app_context.h"
#include "ui/report_output.h"
#include "ui/system/frmmain.h"
#include "ui/widgets.h"

using standwise::ss;

standwise::ReportDocument frmmain::report_document(const std::string& title,
                                                   std::vector<std::string> lines) const {
    const std::string site = ss(txtsite->text()), site_id = ss(txtsiteid->text());
    standwise::ReportDocument document;
    document.title = site.empty() ? title : title + " - " + site;
    if (!site.empty() || !site_id.empty())
        document.header = "Site: " + site + (site_id.empty() ? "" : "   Site Id: " + site_id);
    document.lines = std::move(lines);
    // On paper and in PDF the report ends with the batteries to buy; the text file stays as it is.
    document.sections.push_back(
        {"Battery selection", standwise::battery_selection_lines(shown_result().batteries)});
    return document;
}

standwise::ReportDocument frmmain::full_report_document() {
    return report_document("Full report", full_report_lines());
}

standwise::ReportDocument frmmain::short_report_document() {
    return report_document("Short report", short_report_lines());
}

void frmmain::mnuprintreport_Click() {
    const auto kind = standwise::ask_which_system_report(ctx_.platform, "Which report do you want to print?",
                                                         "Print Report");
    if (!kind) return;
    standwise::print_document(ctx_.platform, *kind == standwise::ReportKind::Full ? full_report_document()
                                                                                  : short_report_document());
}

void frmmain::mnuexportpdf_Click() {
    const auto kind = standwise::ask_which_system_report(
        ctx_.platform, "Which report do you want to export as PDF?", "Export Report as PDF");
    if (!kind) return;
    if (*kind == standwise::ReportKind::Full) {
        standwise::export_pdf(
            ctx_.platform,
            {"Export Full Report as PDF", standwise::kPdfFilter,
             standwise::user_data_path(ctx_.platform, "full_reports"), "Export Full Report - File Exists"},
            [this] { return full_report_document(); });
    } else {
        standwise::export_pdf(
            ctx_.platform,
            {"Export Short Report as PDF", standwise::kPdfFilter,
             standwise::user_data_path(ctx_.platform, "short_reports"), "Export Short Report - File Exists"},
            [this] { return short_report_document(); });
    }
}

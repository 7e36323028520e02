// The main window's reports on paper and in PDF: the full or the short report, exactly as its text
// file holds it, under a header with the site.
#include "platform/platform.h"
#include "ui/app_context.h"
#include "ui/report_output.h"
#include "ui/system/frmmain.h"
#include "ui/widgets.h"

standwise::ReportDocument frmmain::full_report_document() {
    return ctx_.system.full_report_document();
}

standwise::ReportDocument frmmain::short_report_document() {
    return ctx_.system.short_report_document();
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

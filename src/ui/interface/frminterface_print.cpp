// The interface window's report on paper and in PDF, exactly as its text file holds it, under a
// header with the interface's label. There is one report, so nothing asks which.
#include "platform/platform.h"
#include "ui/app_context.h"
#include "ui/interface/frminterface.h"
#include "ui/report_output.h"

standwise::ReportDocument frminterface::report_document() const {
    return ctx_.interface_workspace().report_document();
}

void frminterface::mnuprintreport_Click() {
    standwise::print_document(ctx_.platform, report_document());
}

// Exported beside the text reports, so the choosers of both follow each other.
void frminterface::mnuexportpdf_Click() {
    using standwise::FileKind;
    const standwise::SaveCommand command{"Export Interface Report as PDF", standwise::kPdfFilter,
                                         ctx_.folder_for(FileKind::InterfaceReport), "File Exists"};
    if (auto path = standwise::export_pdf(ctx_.platform, command, [this] { return report_document(); }))
        ctx_.used_file(FileKind::InterfaceReport, *path);
}

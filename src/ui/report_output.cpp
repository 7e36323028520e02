#include "ui/report_output.h"

#include "platform/file_io.h"
#include "platform/qt_report_pages.h"

namespace standwise {

std::optional<ReportKind> ask_which_system_report(Platform& platform, const std::string& prompt,
                                                  const std::string& caption) {
    const std::optional<std::size_t> choice =
        platform.ask_choice(prompt, caption, {"Full report", "Short report"});
    if (!choice) return std::nullopt;
    return *choice == 0 ? ReportKind::Full : ReportKind::Short;
}

void print_document(Platform& platform, const ReportDocument& document) {
    switch (platform.print_report(document)) {
        case PrintOutcome::Printed:
        case PrintOutcome::Cancelled:
            return;
        case PrintOutcome::NoPrinter:
            platform.ask_user(std::string("No printer is set up on this computer.") + kCrLf +
                                  "Set one up in the system's printer settings, or use \"Export report as "
                                  "PDF…\" and print the PDF elsewhere.",
                              "Print Report", MessageStyle::OkExclamation);
            return;
        case PrintOutcome::Failed:
            platform.ask_user(std::string("The report could not be sent to the printer.") + kCrLf +
                                  "Check that the printer is ready and try again.",
                              "Print Report", MessageStyle::OkExclamation);
            return;
    }
}

std::optional<std::string> write_pdf(const std::string& path, const ReportDocument& document) {
    const std::string pdf = report_pdf(document);
    if (pdf.empty()) return std::string("the PDF could not be made");
    return write_file_atomically(path, pdf);
}

std::optional<std::string> export_pdf(Platform& platform, const SaveCommand& command,
                                      const std::function<ReportDocument()>& make_document) {
    return save_chosen_file(platform, command, [&](const std::string& path) -> std::optional<std::string> {
        const std::string pdf = report_pdf(make_document());
        if (pdf.empty()) return std::string("the PDF could not be made");
        return platform.write_file(path, pdf);
    });
}

}  // namespace standwise

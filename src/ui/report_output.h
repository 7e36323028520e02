// Reports on paper and in PDF from both workspaces' Report menus: which report, the print dialog,
// and the PDF saved as the text reports are, through the save chooser and in one step.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "cli/command_line.h"
#include "platform/platform.h"
#include "ui/file_commands.h"

namespace standwise {

inline constexpr const char* kPdfFilter = "PDF files (*.pdf)|*.pdf";

/// Asks whether the full or the short report is meant; nothing when cancelled.
std::optional<ReportKind> ask_which_system_report(Platform& platform, const std::string& prompt,
                                                  const std::string& caption);

/// Prints the document on the printer chosen in the print dialog. Without a printer, or when the
/// printing fails, a message says so; a cancelled dialog does nothing.
void print_document(Platform& platform, const ReportDocument& document);

/// Saves the document as a PDF in a file chosen as a save command chooses it (".pdf" added to a
/// name typed without an extension, the overwrite question), made in memory and then written in one
/// step, so a failure leaves an existing file as it was and names the file in a message. Returns the
/// path written.
std::optional<std::string> export_pdf(Platform& platform, const SaveCommand& command,
                                      const std::function<ReportDocument()>& make_document);

/// Writes the document as a PDF in one step; the reason when it could not.
std::optional<std::string> write_pdf(const std::string& path, const ReportDocument& document);

}  // namespace standwise

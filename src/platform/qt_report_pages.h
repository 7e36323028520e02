// Reports on paper and in PDF: the lines of the report file in a fixed-pitch font, so that its
// columns line up, sized so that the longest line fits the page's width, under a header with the
// site and "Page n of m" on every page.
#pragma once

#include <string>

#include "platform/platform.h"

class QPageSize;
class QPagedPaintDevice;

namespace standwise {

/// The pages of a print job to paint, counted from 1; 0 for both paints them all.
struct PageRange {
    int first = 0;
    int last = 0;
};

/// Paints the document onto a PDF writer or a printer, whose page size it keeps and whose margins it
/// sets. The font is 10 pt, or smaller down to 6 pt when the longest line needs it; a line too long
/// even then is wrapped, each continuation marked in the left margin. False when the device cannot
/// be painted on.
bool paint_report_pages(QPagedPaintDevice& device, const ReportDocument& document, PageRange range = {});

/// A4, or Letter where the system's locale measures in US units.
QPageSize default_page_size();

/// The document as the bytes of a PDF file on the default page size, or on the given one; empty when
/// it cannot be made.
std::string report_pdf(const ReportDocument& document);
std::string report_pdf(const ReportDocument& document, const QPageSize& page_size);

}  // namespace standwise

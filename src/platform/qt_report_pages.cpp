#include "platform/qt_report_pages.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/qt_strings.h"

namespace standwise {
namespace {

constexpr double kMarginMillimetres = 15;
constexpr double kLargestPoints = 10;  // a report of the usual width fits A4 and Letter at this size
constexpr double kSmallestPoints = 6;  // smaller is hard to read on paper: long lines wrap instead
constexpr double kHeaderPoints = 8;
// A heading, the blank below it and its first line stay together on one page.
constexpr int kRowsKeptWithHeading = 3;

struct Row {
    QString text;
    bool heading = false;
    bool continued = false;  // the rest of a line too long for the page
};

QFont fixed_pitch_font(double points, bool bold = false) {
    QFont font(QStringList{QStringLiteral("monospace"), QStringLiteral("DejaVu Sans Mono"),
                           QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setKerning(false);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

std::vector<Row> document_rows(const ReportDocument& document) {
    std::vector<Row> rows;
    for (const std::string& line : document.lines)
        rows.push_back({qs(line)});
    for (const ReportSection& section : document.sections) {
        rows.push_back({});
        rows.push_back({qs(section.heading), true});
        rows.push_back({});
        for (const std::string& line : section.lines)
            rows.push_back({qs(line)});
    }
    return rows;
}

double widest_row(const std::vector<Row>& rows, double points, QPaintDevice& device) {
    const QFontMetricsF plain(fixed_pitch_font(points), &device),
        bold(fixed_pitch_font(points, true), &device);
    double widest = 0;
    for (const Row& row : rows)
        widest = std::max(widest, (row.heading ? bold : plain).horizontalAdvance(row.text));
    return widest;
}

// The largest size up to kLargestPoints at which every row fits the width, but not below
// kSmallestPoints.
double font_points(const std::vector<Row>& rows, double width, QPaintDevice& device) {
    const double at_largest = widest_row(rows, kLargestPoints, device);
    if (at_largest <= width) return kLargestPoints;
    double points = std::max(kSmallestPoints, std::floor(kLargestPoints * width / at_largest * 10) / 10);
    // Advances do not grow exactly in proportion to the size: step down until the widest row fits.
    while (points > kSmallestPoints && widest_row(rows, points, device) > width)
        points = std::max(kSmallestPoints, points - 0.1);
    return points;
}

// How much of the text goes on one row: the longest start that fits, at least one character and
// never half of a surrogate pair, ended after a blank when one lies in its second half.
qsizetype fitting_length(const QString& text, const QFontMetricsF& metrics, double width) {
    qsizetype low = 1, high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(middle)) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    if (low > 1 && text[low - 1].isHighSurrogate()) --low;
    if (text[low] != QLatin1Char(' ')) {
        const qsizetype blank = text.lastIndexOf(QLatin1Char(' '), low - 1);
        if (blank >= low / 2) low = blank + 1;
    }
    return low;
}

std::vector<Row> wrapped(std::vector<Row> rows, const QFont& plain, const QFont& bold, double width,
                         QPaintDevice& device) {
    const QFontMetricsF plain_metrics(plain, &device), bold_metrics(bold, &device);
    std::vector<Row> result;
    for (Row& row : rows) {
        const QFontMetricsF& metrics = row.heading ? bold_metrics : plain_metrics;
        bool continued = false;
        while (row.text.size() > 1 && metrics.horizontalAdvance(row.text) > width) {
            const qsizetype length = fitting_length(row.text, metrics, width);
            result.push_back({row.text.left(length), row.heading, continued});
            row.text = row.text.mid(length);
            continued = true;
        }
        row.continued = continued;
        result.push_back(std::move(row));
    }
    return result;
}

// The first row of each page.
std::vector<std::size_t> page_starts(const std::vector<Row>& rows, int rows_per_page) {
    std::vector<std::size_t> starts{0};
    int used = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool heading_at_foot =
            rows[i].heading && used > 0 && rows_per_page - used < kRowsKeptWithHeading;
        if (used == rows_per_page || heading_at_foot) {
            starts.push_back(i);
            used = 0;
        }
        ++used;
    }
    return starts;
}

// A hooked arrow in the left margin: this row goes on with the line above.
void mark_continuation(QPainter& painter, double baseline, const QFontMetricsF& metrics, double millimetre) {
    const double top = baseline - metrics.ascent() * 0.8, middle = baseline - metrics.xHeight() / 2;
    const double left = -3 * millimetre, right = -millimetre, barb = 0.6 * millimetre;
    QPainterPath path;
    path.moveTo(left, top);
    path.lineTo(left, middle);
    path.lineTo(right, middle);
    path.moveTo(right - barb, middle - barb);
    path.lineTo(right, middle);
    path.lineTo(right - barb, middle + barb);
    QPen pen(Qt::black);
    pen.setWidthF(millimetre / 5);
    painter.strokePath(path, pen);
}

}  // namespace

bool paint_report_pages(QPagedPaintDevice& device, const ReportDocument& document, PageRange range) {
    const double margin = kMarginMillimetres;
    device.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    const double width = device.width(), height = device.height();
    const double millimetre = device.logicalDpiX() / 25.4;

    std::vector<Row> rows = document_rows(document);
    const double points = font_points(rows, width, device);
    const QFont plain = fixed_pitch_font(points), bold = fixed_pitch_font(points, true);
    const QFont header = fixed_pitch_font(kHeaderPoints);
    rows = wrapped(std::move(rows), plain, bold, width, device);

    const QFontMetricsF body(plain, &device), top(header, &device);
    const double line = body.lineSpacing();
    const double rule_y = top.height() + millimetre;
    const double body_top = rule_y + line;
    const int rows_per_page = std::max(1, static_cast<int>(std::floor((height - body_top) / line)));
    const std::vector<std::size_t> starts = page_starts(rows, rows_per_page);
    const int pages = static_cast<int>(starts.size());
    const int first = std::clamp(range.first > 0 ? range.first : 1, 1, pages);
    const int last = std::clamp(range.last > 0 ? range.last : pages, first, pages);

    QPainter painter;
    if (!painter.begin(&device)) return false;
    QPen rule(Qt::black);
    rule.setWidthF(millimetre / 5);
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.setPen(Qt::black);
        painter.setFont(header);
        const QString number = QStringLiteral("Page %1 of %2").arg(page).arg(pages);
        const double number_width = top.horizontalAdvance(number);
        painter.drawText(QPointF(width - number_width, top.ascent()), number);
        const double room = width - number_width - top.horizontalAdvance(QStringLiteral("    "));
        painter.drawText(QPointF(0, top.ascent()), top.elidedText(qs(document.header), Qt::ElideRight, room));
        painter.setPen(rule);
        painter.drawLine(QPointF(0, rule_y), QPointF(width, rule_y));

        painter.setPen(Qt::black);
        const std::size_t end = page < pages ? starts[static_cast<std::size_t>(page)] : rows.size();
        double baseline = body_top + body.ascent();
        for (std::size_t i = starts[static_cast<std::size_t>(page - 1)]; i < end; ++i, baseline += line) {
            painter.setFont(rows[i].heading ? bold : plain);
            painter.drawText(QPointF(0, baseline), rows[i].text);
            if (rows[i].continued) mark_continuation(painter, baseline, body, millimetre);
        }
    }
    return painter.end();
}

QPageSize default_page_size() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

std::string report_pdf(const ReportDocument& document, const QPageSize& page_size) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly)) return {};
        QPdfWriter writer(&buffer);
        writer.setPageSize(page_size);
        writer.setTitle(qs(document.title));
        writer.setCreator(QStringLiteral("Standwise"));
        if (!paint_report_pages(writer, document)) return {};
    }
    return bytes.toStdString();
}

std::string report_pdf(const ReportDocument& document) {
    return report_pdf(document, default_page_size());
}

}  // namespace standwise

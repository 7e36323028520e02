// Reports on paper and in PDF from both workspaces' Report menus: which report, the choosers, the
// pages as a reader extracts them, long lines on A4 and Letter, failed exports and the printer.
#include <QAction>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>
#include <filesystem>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include "calc/battery_choice.h"
#include "files/report_text.h"
#include "pdf_text.h"
#include "platform/file_io.h"
#include "platform/qt_platform.h"
#include "platform/qt_report_pages.h"
#include "system_files_fixture.h"
#include "ui/interface/frminterface.h"

namespace standwise::test {
namespace {

constexpr const char* kPdfFilter = "PDF files (*.pdf)|*.pdf";

using ReportPdfTest = SystemFilesTest;

// The words of the lines that hold text, each page's header checked and left out.
Texts body_of(const std::vector<Texts>& pages, const std::string& header) {
    Texts body;
    for (std::size_t k = 0; k < pages.size(); ++k) {
        EXPECT_EQ(pages[k].front(), words_of(header + " Page " + std::to_string(k + 1) + " of " +
                                             std::to_string(pages.size())));
        body.insert(body.end(), pages[k].begin() + 1, pages[k].end());
    }
    return body;
}

Texts words_of_lines(const Texts& lines) {
    Texts words;
    for (const std::string& line : lines)
        if (!words_of(line).empty()) words.push_back(words_of(line));
    return words;
}

// A report's lines followed by the closing section that only paper and PDF carry.
Texts words_with_batteries(const Texts& report, const BatterySelection& selection, const DesignCheck& check) {
    Texts words = words_of_lines(report);
    words.push_back("Battery selection");
    Texts closing = battery_selection_lines(selection);
    closing.push_back(design_check_line(check));
    for (const std::string& line : words_of_lines(closing))
        words.push_back(line);
    return words;
}

// Numbered rows show how many rows a page holds, within its margins, and that sections follow the
// report's lines; the full report then takes the pages its lines need.
TEST_F(ReportPdfTest, PagesFillInOrderAndTheFullReportTakesThePagesItsLinesNeed) {
    ReportDocument numbered{"Rows", "Site: Harbour", {}, {{"Battery selection", {"2 x 12V 17Ah"}}}};
    for (int row = 1; row <= 150; ++row)
        numbered.lines.push_back("Row " + std::to_string(row));
    const std::string rows_pdf = folder.file("rows.pdf");
    ASSERT_FALSE(write_file_atomically(rows_pdf, report_pdf(numbered)).has_value());
    const std::vector<Texts> pages = pdf_pages(rows_pdf);
    ASSERT_GE(pages.size(), 2u);
    const std::size_t rows = pages[0].size() - 1;
    for (std::size_t k = 0; k + 1 < pages.size(); ++k)
        EXPECT_EQ(pages[k].size() - 1, rows) << "page " << k + 1;
    EXPECT_EQ(pages.size(), (150 + 4 + rows - 1) / rows);  // a blank, the heading, a blank, its line
    Texts expected = numbered.lines;
    expected.insert(expected.end(), {"Battery selection", "2 x 12V 17Ah"});
    EXPECT_EQ(body_of(pages, "Site: Harbour"), expected);
    const PdfWords words = pdf_words(rows_pdf);
    for (const PdfWord& word : words.words) {
        EXPECT_GE(word.y_min, 14 * 72 / 25.4) << word.text;
        EXPECT_LE(word.y_max, words.page_height - 14 * 72 / 25.4) << word.text;
    }

    enter_rich_panel();
    platform.clear_messages();
    platform.choose_next(folder.file("rich"));
    main().mnuexportpdf->trigger();
    EXPECT_EQ(platform.choice_questions, (Choices{{"Which report do you want to export as PDF?",
                                                   "Export Report as PDF",
                                                   {"Full report", "Short report"}}}));
    EXPECT_EQ(platform.choosers, (Choosers{{FileMode::Save, "Export Full Report as PDF", kPdfFilter,
                                            user_data_path(platform, "full_reports")}}));
    EXPECT_TRUE(platform.messages.empty());
    const Texts report = main().full_report_lines();
    const std::vector<Texts> rich = pdf_pages(folder.file("rich.pdf"));
    EXPECT_EQ(body_of(rich, "Site: \"North\" wing, block 2 Site Id: ID 7, B"),
              words_with_batteries(report, ctx->system.main.result->batteries, ctx->system.design_check()));
    EXPECT_EQ(rich.size(), (report.size() + 8 + rows - 1) / rows);
    EXPECT_EQ(rich.back().back(), "Design check: Loop 3: 1254.0 of 1000 load units in alarm");
}

// The longest line sets the font size; only a line too long even at the smallest size wraps. On A4
// through the PDF writer and on Letter through the printer's own device, every word lies within the
// margins and starts on the grid of a fixed-pitch font.
TEST_F(ReportPdfTest, LongLinesShrinkTheFontAndWrapOnlyBeyondTheSmallestOnA4AndLetter) {
    const std::string wide = "Total devices:" + std::string(36, ' ') +
                             "513 EN & BS Input/Detection count may have been exceeded for panel: 513";
    std::string endless;
    for (int word = 1; word <= 40; ++word)
        endless += "site" + std::to_string(word) + "-block ";
    const ReportDocument document{"Wide", "Site: Harbour", {"Ostrel Limited - Standwise", wide, endless}, {}};

    const std::string a4 = folder.file("a4.pdf"), letter = folder.file("letter.pdf");
    ASSERT_FALSE(write_file_atomically(a4, report_pdf(document, QPageSize(QPageSize::A4))).has_value());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(letter));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    ASSERT_TRUE(paint_report_pages(printer, document));

    for (const std::string& path : {a4, letter}) {
        SCOPED_TRACE(path);
        const PdfWords words = pdf_words(path);
        ASSERT_FALSE(words.words.empty());
        const auto ostrel = std::find_if(words.words.begin(), words.words.end(),
                                         [](const PdfWord& word) { return word.text == "Ostrel"; });
        ASSERT_NE(ostrel, words.words.end());
        const PdfWord& first = *ostrel;
        const double advance = (first.x_max - first.x_min) / 6, margin = 14 * 72 / 25.4;
        EXPECT_LT(advance, 5.5);  // 10 pt would be 6 pt wide
        for (const PdfWord& word : words.words) {
            EXPECT_GE(word.x_min, margin) << word.text;
            EXPECT_LE(word.x_max, words.page_width - margin) << word.text;
            if (word.y_min < first.y_min) continue;  // the header is set in a size of its own
            const double column = (word.x_min - first.x_min) / advance;
            EXPECT_NEAR(column, std::round(column), 0.05) << word.text;
        }
        const Texts body = body_of(pdf_pages(path), "Site: Harbour");
        ASSERT_GE(body.size(), 4u);
        EXPECT_EQ(body[1], words_of(wide));
        std::string rejoined;
        for (std::size_t i = 2; i < body.size(); ++i)
            rejoined += body[i] + " ";
        EXPECT_EQ(words_of(rejoined), words_of(endless));
    }
}

TEST_F(ReportPdfTest, ExportAsksWhichAndWhereAndNeverLeavesAHalfWrittenFile) {
    platform.pick_next(std::nullopt);
    main().mnuexportpdf->trigger();
    EXPECT_TRUE(platform.choosers.empty());
    platform.pick_next(1);
    main().mnuexportpdf->trigger();
    frminterface& interface = ctx->interface_window();
    interface.mnuexportpdf->trigger();  // one report there: nothing to ask
    EXPECT_EQ(platform.choice_questions.size(), 2u);
    EXPECT_EQ(platform.choosers, (Choosers{{FileMode::Save, "Export Short Report as PDF", kPdfFilter,
                                            user_data_path(platform, "short_reports")},
                                           {FileMode::Save, "Export Interface Report as PDF", kPdfFilter,
                                            user_data_path(platform, "interface_reports")}}));
    EXPECT_TRUE(platform.messages.empty());

    const std::string interface_pdf = folder.file("interface.pdf");
    platform.choose_next(interface_pdf);
    interface.mnuexportpdf->trigger();
    EXPECT_EQ(body_of(pdf_pages(interface_pdf), ""),
              words_with_batteries(interface.report_lines(), interface.shown_result().batteries,
                                   ctx->interface_workspace().design_check()));

    const std::string earlier = "%PDF-1.4 an earlier report\n";
    const std::string existing = folder.write("kept.pdf", earlier);
    platform.choose_next(existing);
    platform.answer_next(Answer::No);
    main().mnuexportpdf->trigger();
    EXPECT_EQ(bytes_of(existing), earlier);
    EXPECT_EQ(platform.captions(), Texts{"Export Full Report - File Exists"});

#ifndef _WIN32
    // A disk that fills up while the PDF is written, even for a user who may write anywhere.
    platform.clear_messages();
    platform.choose_next(existing);
    rlimit old_limit{}, small_limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    small_limit = old_limit;
    small_limit.rlim_cur = 4096;
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small_limit), 0);
    main().mnuexportpdf->trigger();
    ::setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_EQ(bytes_of(existing), earlier);
    ASSERT_EQ(platform.messages.size(), 2u);  // the overwrite question, then the failure
    EXPECT_EQ(platform.messages[1],
              (RecordedMessage{write_failure_message(existing, "File too large"), "Export Full Report as PDF",
                               MessageStyle::OkExclamation}));
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (Texts{"interface.pdf", "kept.pdf"}));
#endif
}

TEST_F(ReportPdfTest, PrintAsksWhichReportAndSaysWhenItCannotPrint) {
    platform.pick_next(std::nullopt);
    main().mnuprintreport->trigger();
    EXPECT_TRUE(platform.printed.empty());
    platform.pick_next(1);
    main().mnuprintreport->trigger();
    ASSERT_EQ(platform.printed.size(), 1u);
    EXPECT_EQ(platform.printed[0].lines, main().short_report_lines());
    EXPECT_EQ(platform.choice_questions.back(),
              (RecordedChoice{
                  "Which report do you want to print?", "Print Report", {"Full report", "Short report"}}));

    frminterface& interface = ctx->interface_window();
    platform.print_next(PrintOutcome::NoPrinter);
    interface.mnuprintreport->trigger();
    EXPECT_EQ(platform.choice_questions.size(), 2u);
    EXPECT_EQ(platform.printed.back().lines, interface.report_lines());
    platform.print_next(PrintOutcome::Failed);
    platform.print_next(PrintOutcome::Cancelled);
    main().mnuprintreport->trigger();
    main().mnuprintreport->trigger();
    EXPECT_EQ(
        platform.messages,
        (Messages{{"No printer is set up on this computer.\r\nSet one up in the system's printer settings, "
                   "or use \"Export report as PDF…\" and print the PDF elsewhere.",
                   "Print Report", MessageStyle::OkExclamation},
                  {"The report could not be sent to the printer.\r\nCheck that the printer is ready and "
                   "try again.",
                   "Print Report", MessageStyle::OkExclamation}}));
}

// Build machines have no printer: the program says so instead of showing an empty print dialog.
TEST(QtPlatformPrintTest, WithoutAPrinterNoDialogIsShown) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is set up here";
    QtPlatform platform;
    EXPECT_EQ(platform.print_report({"Report", "", {"line"}, {}}), PrintOutcome::NoPrinter);
}

}  // namespace
}  // namespace standwise::test

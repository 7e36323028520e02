// The project summary of a folder: a normal, an overloaded, a cut and an interface configuration,
// their rows against their reports, and the window that shows them.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <sstream>

#include "calc/battery_choice.h"
#include "files/interface_config.h"
#include "support/samples.h"
#include "system_files_fixture.h"
#include "ui/interface/frminterface.h"
#include "ui/system/frmsummary.h"
#include "workspace/project_summary.h"

namespace standwise::test {
namespace {

// The text of a report line between `before` and `after` (to the end when `after` is empty).
std::string between(const Texts& report, const std::string& before, const std::string& after = {}) {
    for (const std::string& line : report) {
        if (line.rfind(before, 0) != 0) continue;
        std::string rest = line.substr(before.size());
        return after.empty() ? rest : rest.substr(0, rest.find(after));
    }
    return "(no line " + before + ")";
}

std::string padded(const std::string& label) {
    return label + std::string(50 - label.size(), ' ');
}

class ProjectSummaryTest : public SystemFilesTest {
protected:
    ProjectSummaryTest() {
        enter_counts(1, {{1, 20}, {21, 4}});
        main().txtsite->setText(QStringLiteral("Depot, \"east\""));
        normal = save("a_normal.cfg");
        enter_rich_panel();
        overloaded = save("b_overloaded.cfg");
        Texts lines = lines_of(overloaded);
        lines.resize(40);
        cut = folder.file("c_cut.cfg");
        write_text_lines(cut, lines);
        interface = folder.file("d_interface.cfg");
        write_text_lines(interface, interface_configuration_lines(mixed_interface_setup()));
        folder.write("notes.txt", "not a configuration\r\n");
        platform.clear_messages();
    }

    // A shown figure as a spreadsheet wants it: the unit and leading zeros off ("09.95Ah" gives "9.95").
    static std::string plain(std::string shown, const std::string& unit) {
        if (shown.size() < unit.size() || shown.substr(shown.size() - unit.size()) != unit)
            return "(" + shown + ")";
        shown.resize(shown.size() - unit.size());
        while (shown.size() > 1 && shown[0] == '0' && shown[1] != '.')
            shown.erase(0, 1);
        return shown;
    }
    static std::string decimal_hours(const std::string& shown) {
        const std::size_t colon = shown.find(':');
        char text[32];
        std::snprintf(text, sizeof text, "%.2f",
                      std::stod(shown.substr(0, colon)) + std::stod(shown.substr(colon + 1)) / 60);
        return text;
    }
    // The Standby tab's design check, one limit a line, as the table joins it.
    static std::string design(const QLabel* check) {
        return text(check) == "" ? std::string("(empty)")
                                 : QString::fromStdString(text(check))
                                       .replace(QStringLiteral("\n"), QStringLiteral("; "))
                                       .toStdString();
    }
    static std::string yes_no(const QLabel* verdict) {
        return back_colour(verdict) == Colour::Green ? "yes"
               : back_colour(verdict) == Colour::Red ? "no"
                                                     : "?";
    }

    // Every cell of a row against what the windows show after loading its file: the report's texts,
    // the Standby tab's battery selection, and the messages the load showed.
    using Cells = std::array<std::string, kSummaryColumns>;
    void expect_cells(const SummaryRow& row, const Cells& expected) {
        const Cells cells = summary_cells(row);
        for (std::size_t c = 0; c < kSummaryColumns; ++c)
            EXPECT_EQ(cells[c], expected[c]) << row.file << ": " << summary_header()[c];
    }
    void expect_system_row(const SummaryRow& row, const std::string& path) {
        load(path);
        const Texts report = main().full_report_lines();
        const std::string standby = between(report, "Standby time is ", "hrs");
        const BatteryReadouts& b = main().batteries;
        expect_cells(
            row, {path, "System", between(report, "Site: "), standby, plain(text(b.fit_24h).substr(16), "Ah"),
                  plain(text(b.fit_72h).substr(16), "Ah"), yes_no(b.verdict_24h), yes_no(b.verdict_72h),
                  design(b.design_check), row.warnings, between(report, "Site Id: "), "",
                  between(report, "System type: "), between(report, "PSU type: "),
                  plain(between(report, padded("Total system quiescent current")), "A"),
                  plain(between(report, padded("Total system alarm current")), "A"), decimal_hours(standby),
                  plain(between(report, "For 24hr standby: ", " required."), "Ah"),
                  plain(between(report, "For 72hr standby: ", " required."), "Ah")});
    }

    // The rows the summary window shows for the folder, once its run is over.
    std::vector<SummaryRow> window_rows() {
        platform.choose_next(folder.path());
        main().mnusummary->trigger();
        auto* window = main().findChild<frmsummary*>();
        EXPECT_NE(window, nullptr);
        while (window != nullptr && window->running())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return window != nullptr ? window->rows() : std::vector<SummaryRow>{};
    }

    // The rows as the command line's table gives them, each after a fresh start.
    std::vector<SummaryRow> summarise_folder() {
        std::ostringstream start_up;
        return summarise_all(configurations_in(platform, folder.path()),
                             {platform.program_folder(), platform.user_folder()}, start_up);
    }

    std::string normal, overloaded, cut, interface;
};

TEST_F(ProjectSummaryTest, RowsCarryTheFiguresTheWindowsShow) {
    const std::vector<SummaryRow> rows = summarise_folder();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_TRUE(platform.messages.empty());  // the summary shows nothing of its own loads

    expect_system_row(rows[0], normal);
    EXPECT_EQ(back_colour(main().batteries.verdict_72h), Colour::Green);
    EXPECT_EQ(rows[0].warnings, "");
    EXPECT_FALSE(rows[0].marked);
    expect_system_row(rows[1], overloaded);
    EXPECT_EQ(rows[1].warnings,
              "Loop Overloaded: The maximum load has been exceeded on loop 3. Please reduce this loading.");
    EXPECT_TRUE(rows[1].marked);

    Cells cut_cells{};
    cut_cells[0] = cut;
    cut_cells[1] = "System";
    cut_cells[static_cast<std::size_t>(SummaryColumn::Warnings)] =
        "the file ends early or holds a value that cannot be read";
    expect_cells(rows[2], cut_cells);
    EXPECT_FALSE(rows[2].complete);

    frminterface& window = ctx->interface_window();
    window.load_configuration(interface);
    const Texts report = window.report_lines();
    const std::string standby = between(report, "Standby time is ", " with");
    const BatteryReadouts& b = window.batteries;
    expect_cells(rows[3],
                 {interface, "Interface", between(report, "Interface label:     "), standby,
                  plain(text(b.fit_24h).substr(16), "Ah"), plain(text(b.fit_72h).substr(16), "Ah"),
                  yes_no(b.verdict_24h), yes_no(b.verdict_72h), design(b.design_check), "", "",
                  between(report, "Interface address:   "), "", "", plain(text(window.lblinterface_q), "A"),
                  plain(text(window.lblinterface_a), "A"), decimal_hours(standby),
                  plain(between(report, "For 24hr standby: ", " required."), "Ah"),
                  plain(between(report, "For 72hr standby: ", " required."), "Ah")});
    EXPECT_EQ(yes_no(b.verdict_24h), "no");
    EXPECT_TRUE(rows[3].marked);
}

// The table's configurations are loaded by a start-up of their own, which must find the same
// stock sizes as the windows: here the user's own, not the shipped ones.
TEST_F(ProjectSummaryTest, RowsUseTheStockSizesTheWindowsUse) {
    const TempFolder settings;
    settings.write("batteries.txt", "# what we buy\n18\n26\n90\n");
    platform.set_settings_folders({settings.path()});
    main().Form_Load();  // a start-up that finds the user's sizes
    ASSERT_EQ(model().stock_batteries, (std::vector<double>{18, 26, 90}));
    const std::vector<SummaryRow> rows = window_rows();
    ASSERT_EQ(rows.size(), 4u);
    for (const auto& [row, path] : {std::pair{&rows[0], normal}, std::pair{&rows[1], overloaded}}) {
        load(path);
        EXPECT_EQ("Battery to fit: " + row->fit_24h, text(main().batteries.fit_24h)) << path;
        EXPECT_EQ("Battery to fit: " + row->fit_72h, text(main().batteries.fit_72h)) << path;
        for (const std::string& fit : {row->fit_24h, row->fit_72h})
            EXPECT_TRUE(fit == "18Ah" || fit == "26Ah" || fit == "90Ah") << path << ": " << fit;
    }
}

// The columns that matter first, each cell as the table gives it, the file's name with its path
// in the tooltip; a failing verdict red on its own; the filter; a save in the order shown.
TEST_F(ProjectSummaryTest, WindowShowsTheRowsFiltersThemAndSavesThemAsShown) {
    std::vector<SummaryRow> rows = summarise_folder();
    platform.choose_next(folder.path());
    main().mnusummary->trigger();
    auto* window = main().findChild<frmsummary*>();
    ASSERT_NE(window, nullptr);
    // The rows are worked out off the window's thread while its events go on.
    while (window->running())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QTableWidget* table = window->grdsummary;
    Texts first;
    for (int c = 0; c < 10; ++c)
        first.push_back(table->horizontalHeaderItem(c)->toolTip().toStdString());
    EXPECT_EQ(first, (Texts{"File", "Kind", "Site", "Standby time (hh:mm)", "Battery to fit, 24hr (Ah)",
                            "Battery to fit, 72hr (Ah)", "Standard battery covers 24hr (yes/no)",
                            "Standard battery covers 72hr (yes/no)", "Design check", "Warnings"}));
    ASSERT_EQ(table->rowCount(), 4);
    const Texts names{"a_normal.cfg", "b_overloaded.cfg", "c_cut.cfg", "d_interface.cfg"};
    for (int r = 0; r < 4; ++r) {
        SummaryRow& row = rows[static_cast<std::size_t>(r)];
        EXPECT_EQ(table->item(r, 0)->toolTip().toStdString().substr(0, row.path.size()), row.path);
        row.file = names[static_cast<std::size_t>(r)];
        const auto cells = summary_cells(row);
        for (int c = 0; c < table->columnCount(); ++c)
            EXPECT_EQ(table->item(r, c)->text().toStdString(), cells[static_cast<std::size_t>(c)]) << r << c;
    }
    const int file = 0, warnings = static_cast<int>(SummaryColumn::Warnings),
              covers = static_cast<int>(SummaryColumn::Covers24h);
    EXPECT_EQ(table->item(0, file)->background().style(), Qt::NoBrush);
    EXPECT_NE(table->item(1, file)->background().style(), Qt::NoBrush);
    EXPECT_NE(table->item(1, file)->toolTip().indexOf(QStringLiteral("Warnings: Loop Overloaded")), -1);
    EXPECT_NE(table->item(1, warnings)->background().style(), Qt::NoBrush);
    EXPECT_EQ(table->item(1, covers)->background().style(), Qt::NoBrush);  // it covers
    EXPECT_EQ(table->item(3, covers)->text(), QStringLiteral("no"));
    EXPECT_EQ(table->item(3, covers)->background().color(), QColor(200, 30, 30));
    EXPECT_NE(
        table->item(3, file)->toolTip().indexOf(QStringLiteral("The standard battery does not cover 24hr")),
        -1);
    EXPECT_EQ(table->item(3, warnings)->background().style(), Qt::NoBrush);

    const auto shown_files = [window] {
        Texts files;
        for (const SummaryRow& row : window->shown_rows())
            files.push_back(row.file);
        return files;
    };
    window->txtfilter->setText(QStringLiteral("OVERLOADED: the"));
    EXPECT_EQ(shown_files(), (Texts{"b_overloaded.cfg"}));
    window->txtfilter->setText(QStringLiteral("Interface"));
    EXPECT_EQ(shown_files(), (Texts{"d_interface.cfg"}));
    window->txtfilter->clear();

    // Figures sort by value, a row without them last in either order.
    table->sortByColumn(static_cast<int>(SummaryColumn::Quiescent), Qt::DescendingOrder);
    EXPECT_EQ(shown_files(), (Texts{"b_overloaded.cfg", "d_interface.cfg", "a_normal.cfg", "c_cut.cfg"}));
    table->sortByColumn(static_cast<int>(SummaryColumn::Quiescent), Qt::AscendingOrder);
    EXPECT_EQ(shown_files(), (Texts{"a_normal.cfg", "d_interface.cfg", "b_overloaded.cfg", "c_cut.cfg"}));
    platform.choose_next(folder.file("project"));
    window->cmdsave->click();
    EXPECT_EQ(bytes_of(folder.file("project.csv")), summary_csv({rows[0], rows[3], rows[1], rows[2]}));

    // Enter opens the current row, as Open does.
    table->setCurrentCell(1, 0);
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(text(ctx->interface_window().txtlabel), "\"Plant\" room, east");
    EXPECT_TRUE(ctx->interface_window().isVisible());
}

// At 150 % text the window fits the 1280x800 screen, and the columns that matter show without
// scrolling sideways even with a long site and long warnings, which are cut with tooltips.
TEST_F(ProjectSummaryTest, ColumnsThatMatterFitAt150PercentText) {
    const QFont standard = QApplication::font();
    QFont large = standard;
    large.setPointSizeF(standard.pointSizeF() * 1.5);
    QApplication::setFont(large);
    std::vector<SummaryRow> rows = summarise_folder();
    rows[0].site = std::string(80, 'W');
    rows[0].path = folder.file(std::string(60, 'n') + ".cfg");
    frmsummary window(*ctx, &main());
    window.show_rows(folder.path(), rows);
    window.show();
    QCoreApplication::processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(window.frameGeometry().width(), screen.width());
    EXPECT_LE(window.frameGeometry().height(), screen.height());
    QTableWidget* table = window.grdsummary;
    const int warnings = static_cast<int>(SummaryColumn::Warnings);
    EXPECT_LE(table->columnViewportPosition(warnings) + table->columnWidth(warnings),
              table->viewport()->width());
    EXPECT_EQ(table->item(0, 2)->toolTip().toStdString(), rows[0].site);
    EXPECT_LT(table->columnWidth(2), table->fontMetrics().horizontalAdvance(QString(80, QLatin1Char('W'))));
    window.close();
    QApplication::setFont(standard);
}

// A long run goes on off the window's thread: its progress shows, the window's events go on, and
// Cancel keeps the rows done so far.
TEST_F(ProjectSummaryTest, LongRunShowsProgressAndCanBeCancelled) {
    const TempFolder many;
    const Texts lines = lines_of(overloaded);
    for (int i = 0; i < 400; ++i)
        write_text_lines(many.file("site_" + std::to_string(1000 + i) + ".cfg"), lines);
    platform.choose_next(many.path());
    main().mnusummary->trigger();
    auto* window = main().findChild<frmsummary*>();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->running());
    EXPECT_TRUE(window->prgsummary->isVisible());
    EXPECT_TRUE(window->cmdcancel->isVisible());
    EXPECT_EQ(window->prgsummary->maximum(), 400);

    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
    tick.start(1);
    while (window->running())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_GT(ticks, 0);  // the event loop ran while rows were worked out
    EXPECT_FALSE(window->prgsummary->isVisible());
    EXPECT_EQ(window->grdsummary->rowCount(), 400);

    // Cancel keeps what was done; which rows those are is the core's (SummaryRun) to test.
    window->summarise(many.path());
    window->cmdcancel->click();
    EXPECT_FALSE(window->cmdcancel->isEnabled());
    while (window->running())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(window->grdsummary->rowCount(), static_cast<int>(window->rows().size()));
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace standwise::test

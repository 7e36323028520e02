// The project summary of a folder: a normal, an overloaded, a cut and an interface configuration,
// their rows against their reports, and the window that shows them.
#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
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

    // The row's figures against the full report the window writes after loading the file.
    void expect_system_row(const SummaryRow& row, const std::string& path) {
        load(path);
        const Texts report = main().full_report_lines();
        EXPECT_EQ(row.kind, "System");
        EXPECT_EQ(row.site, between(report, "Site: "));
        EXPECT_EQ(row.site_id, between(report, "Site Id: "));
        EXPECT_EQ(row.system_type, between(report, "System type: "));
        EXPECT_EQ(row.psu, between(report, "PSU type: "));
        EXPECT_EQ(row.quiescent, between(report, padded("Total system quiescent current")));
        EXPECT_EQ(row.alarm, between(report, padded("Total system alarm current")));
        EXPECT_EQ(row.standby, between(report, "Standby time is ", "hrs"));
        EXPECT_EQ(row.capacity_24h, between(report, "For 24hr standby: ", " required."));
        EXPECT_EQ(row.capacity_72h, between(report, "For 72hr standby: ", " required."));
        EXPECT_EQ(row.verdict_24h, text(main().batteries.verdict_24h));
        EXPECT_EQ("Battery to fit: " + row.fit_72h, text(main().batteries.fit_72h));
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

TEST_F(ProjectSummaryTest, RowsCarryTheFiguresTheReportsShow) {
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

    EXPECT_EQ(rows[2].file, cut);
    EXPECT_EQ(rows[2].kind, "System");
    EXPECT_EQ(rows[2].warnings, "the file ends early or holds a value that cannot be read");
    EXPECT_EQ(rows[2].quiescent + rows[2].standby + rows[2].verdict_24h, "");
    EXPECT_FALSE(rows[2].complete);

    frminterface& window = ctx->interface_window();
    window.load_configuration(interface);
    const Texts report = window.report_lines();
    EXPECT_EQ(rows[3].kind, "Interface");
    EXPECT_EQ(rows[3].site, between(report, "Interface label:     "));
    EXPECT_EQ(rows[3].standby, between(report, "Standby time is ", " with"));
    EXPECT_EQ(rows[3].capacity_72h, between(report, "For 72hr standby: ", " required."));
    EXPECT_EQ(rows[3].verdict_24h, "The 2.1Ah battery does not cover 24hr standby");
    EXPECT_EQ(back_colour(window.batteries.verdict_24h), Colour::Red);
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

TEST_F(ProjectSummaryTest, WindowShowsTheRowsSavesThemAsCsvAndOpensOne) {
    const std::vector<SummaryRow> rows = summarise_folder();
    platform.choose_next(folder.path());
    main().mnusummary->trigger();
    auto* window = main().findChild<frmsummary*>();
    ASSERT_NE(window, nullptr);
    // The rows are worked out off the window's thread while its events go on.
    while (window->running())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QTableWidget* table = window->grdsummary;
    ASSERT_EQ(table->rowCount(), 4);
    for (int r = 0; r < 4; ++r) {
        const auto cells = summary_cells(rows[static_cast<std::size_t>(r)]);
        for (int c = 0; c < table->columnCount(); ++c)
            EXPECT_EQ(table->item(r, c)->text().toStdString(), cells[static_cast<std::size_t>(c)]) << r << c;
    }

    platform.choose_next(folder.file("project"));
    window->cmdsave->click();
    EXPECT_EQ(bytes_of(folder.file("project.csv")), summary_csv(rows));

    // Figures sort by value, a row without them last in either order: the panel, the interface,
    // the overloaded panel.
    const auto sorted_files = [table](Qt::SortOrder order) {
        table->sortByColumn(6, order);
        Texts files;
        for (int r = 0; r < table->rowCount(); ++r)
            files.push_back(table->item(r, 0)->text().toStdString());
        return files;
    };
    EXPECT_EQ(sorted_files(Qt::DescendingOrder), (Texts{overloaded, interface, normal, cut}));
    EXPECT_EQ(sorted_files(Qt::AscendingOrder), (Texts{normal, interface, overloaded, cut}));
    table->setCurrentCell(1, 0);
    window->cmdopen->click();
    EXPECT_EQ(text(ctx->interface_window().txtlabel), "\"Plant\" room, east");
    EXPECT_TRUE(ctx->interface_window().isVisible());
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

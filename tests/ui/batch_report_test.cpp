// The command-line reports, run on the real program: the same report as the menu after the same
// load, messages on standard error, exit statuses and output places.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <sstream>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "files/interface_config.h"
#include "files/system_config.h"
#include "pdf_text.h"
#include "platform/text_files.h"
#include "support/golden.h"
#include "support/samples.h"
#include "system_window_fixture.h"
#include "ui/interface/frminterface.h"
#include "workspace/project_summary.h"

namespace standwise::test {
namespace {

struct ProcessRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the program without a display, as over SSH, and away from the user's settings.
ProcessRun run_standwise(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QTemporaryDir settings;
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(STANDWISE_EXECUTABLE), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

// Reports compared line by line, the time stamp (line 4) aside.
void expect_same_report(Texts expected, Texts actual) {
    ASSERT_EQ(expected.size(), actual.size());
    ASSERT_GT(expected.size(), 4u);
    expected[3] = actual[3] = "";
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], actual[i]) << "line " << i + 1;
}

class BatchReportTest : public SystemWindowTest {
protected:
    // The rich sample panel, its loop 3 overloaded, loaded over the started-up library; its master
    // alarms pass their check, so the load leaves nothing out (the core tests cover one that does not).
    std::string write_rich_configuration(const std::string& name) {
        fill_rich_panel(model());
        SystemWindowFields fields = kRichFields;
        fields.master_alarm_1 = "100";
        return write_lines(name, system_configuration_lines(model(), fields));
    }

    std::string write_lines(const std::string& name, const Texts& lines) {
        std::string path = folder.file(name);
        EXPECT_FALSE(write_text_lines(path, lines).has_value());
        return path;
    }

    TempFolder folder;
};

TEST_F(BatchReportTest, FullAndShortReportsEqualTheMenusAfterTheSameLoad) {
    const std::string config = write_rich_configuration("rich.cfg");
    ASSERT_EQ(main().load_configuration(config).status, ConfigReadStatus::Complete);
    const std::string full = folder.file("menu-full.txt"), brief = folder.file("menu-short.txt");
    platform.choose_next(full);
    main().mnufull_Click();
    platform.choose_next(brief);
    main().mnushort_Click();

    ProcessRun run = run_standwise({"--report", "full", QString::fromStdString(config)});
    EXPECT_EQ(run.status, 0) << run.err;
    expect_same_report(lines_of(full), split_lines(run.out));
    EXPECT_NE(run.out.find("\r\n"), std::string::npos);

    run = run_standwise({"--report", "short", "-o", QString::fromStdString(folder.file("cli-short.txt")),
                         QString::fromStdString(config)});
    EXPECT_EQ(run.status, 0) << run.err;
    expect_same_report(lines_of(brief), lines_of(folder.file("cli-short.txt")));
}

TEST_F(BatchReportTest, InterfaceReportEqualsTheMenusAfterTheSameLoad) {
    const std::string config =
        write_lines("iface.cfg", interface_configuration_lines(mixed_interface_setup()));

    frminterface& window = ctx->interface_window();
    ASSERT_EQ(window.load_configuration(config).status, ConfigReadStatus::Complete);
    const std::string menu = folder.file("menu-iface.txt");
    platform.choose_next(menu);
    window.mnureport_Click();

    ProcessRun run = run_standwise({"--report", "interface", QString::fromStdString(config)});
    EXPECT_EQ(run.status, 0) << run.err;
    expect_same_report(lines_of(menu), split_lines(run.out));
}

TEST_F(BatchReportTest, MessagesGoToStandardErrorInOrder) {
    const std::string config = write_rich_configuration("overloaded.cfg");
    ProcessRun run = run_standwise({"--report", "short", QString::fromStdString(config)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        split_lines(run.err),
        (Texts{
            "Loop Overloaded: The maximum load has been exceeded on loop 1. Please reduce this loading.",
            "Loop Overloaded: The maximum load has been exceeded on loop 3. Please reduce this loading."}));
    // The warning lines stand in the report as the window shows them.
    for (const char* warning :
         {"WARNING -  LOOP 1 IS OVERLOADED", "WARNING -  LOOP 3 IS OVERLOADED PLEASE REVISE"})
        EXPECT_NE(run.out.find(warning), std::string::npos) << warning;
}

TEST_F(BatchReportTest, FilesThatCannotBeUsedGiveStatusOneAndNoReport) {
    const std::string wrong = folder.write("wrong.cfg", "Interface Configuration\r\n 1 \r\n");
    const std::string good = write_rich_configuration("good.cfg");
    const std::string cut = write_lines("cut.cfg", {"System Configuration", "Site", " 5 "});
    const std::string reports = folder.file("reports");

    ProcessRun run =
        run_standwise({"--report", "full", "-o", QString::fromStdString(reports),
                       QString::fromStdString(wrong), QString::fromStdString(good),
                       QString::fromStdString(cut), QString::fromStdString(folder.file("missing.cfg"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Incorrect File Type: Not a valid system configuration"), std::string::npos);
    EXPECT_NE(run.err.find("missing.cfg: it cannot be opened for reading"), std::string::npos);
    EXPECT_NE(run.err.find("cut.cfg: the file ends early"), std::string::npos);
    namespace fs = std::filesystem;
    EXPECT_TRUE(fs::exists(fs::path(reports) / "good.txt"));
    EXPECT_FALSE(fs::exists(fs::path(reports) / "wrong.txt"));
    EXPECT_FALSE(fs::exists(fs::path(reports) / "cut.txt"));

    // An existing report survives a configuration that cannot be used.
    const std::string kept = folder.write("kept.txt", "earlier report\r\n");
    run = run_standwise(
        {"--report", "full", "-o", QString::fromStdString(kept), QString::fromStdString(wrong)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(lines_of(kept), Texts{"earlier report"});

    run = run_standwise({"--report", "interface", QString::fromStdString(good)});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("good.cfg: not an interface configuration; no report written"), std::string::npos);
}

// Nothing is written when two reports would share a name or a report would replace its input; inputs
// that are no configuration file at all are refused without waiting on them.
TEST_F(BatchReportTest, ReportsNeverReplaceEachOtherOrTheirInputs) {
    namespace fs = std::filesystem;
    fs::create_directories(folder.file("a"));
    fs::create_directories(folder.file("b"));
    const std::string a = write_rich_configuration("a/site.cfg");
    const std::string b = write_rich_configuration("b/Site.cfg");
    const QString reports = QString::fromStdString(folder.file("reports"));
    ProcessRun run = run_standwise(
        {"--report", "full", "-o", reports, QString::fromStdString(a), QString::fromStdString(b)});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "standwise: the reports of " + a + " and " + b +
                           " would both be named Site.txt; --unique-names names them after their folders\n");
    EXPECT_FALSE(fs::exists(folder.file("reports")));

    run = run_standwise({"--report", "full", "--unique-names", "-o", reports, QString::fromStdString(a),
                         QString::fromStdString(b)});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(folder.file("reports/a_site.txt")));
    EXPECT_TRUE(fs::exists(folder.file("reports/b_Site.txt")));

    const std::string before = bytes_of(a);
    fs::create_symlink(a, folder.file("alias.cfg"));
    for (const std::string& output : {a, folder.file("alias.cfg")}) {
        run = run_standwise(
            {"--report", "full", "-o", QString::fromStdString(output), QString::fromStdString(a)});
        EXPECT_EQ(run.status, 2) << output;
        EXPECT_NE(run.err.find("would replace the configuration " + a), std::string::npos) << run.err;
    }
    EXPECT_EQ(bytes_of(a), before);

#ifndef _WIN32
    const std::string pipe = folder.file("pipe.cfg");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string large =
        folder.write("large.cfg", "System Configuration\r\n" + std::string(5 << 20, ' '));
    run = run_standwise(
        {"--report", "full", "-o", reports, QString::fromStdString(pipe), QString::fromStdString(large)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(split_lines(run.err),
              (Texts{"standwise: " + pipe + ": it is not a regular file; no report written",
                     "standwise: " + large +
                         ": it is too large to be a configuration (over 4 MiB); no report written"}));
#endif
}

// The table of the command line is the one the window shows; a configuration not read whole keeps
// its row and makes the status 1.
TEST_F(BatchReportTest, SummaryTableOfSeveralConfigurations) {
    const std::string rich = write_rich_configuration("rich.cfg");
    const std::string cut = write_lines("cut.cfg", {"System Configuration", "Site", " 5 "});
    const std::string iface =
        write_lines("iface.cfg", interface_configuration_lines(mixed_interface_setup()));
    const std::string table = folder.file("project.csv");
    const ProcessRun run =
        run_standwise({"--summary", "-o", QString::fromStdString(table), QString::fromStdString(rich),
                       QString::fromStdString(cut), QString::fromStdString(iface)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "standwise: " + cut + ": the file ends early or holds a value that cannot be read\n");
    std::ostringstream ignored;
    const std::string folder_here = QCoreApplication::applicationDirPath().toStdString();
    EXPECT_EQ(bytes_of(table),
              summary_csv(summarise_all({rich, cut, iface}, {folder_here, folder_here}, ignored)));
}

// PDFs carry the moment they were made: the pages' text and their number are compared.
TEST_F(BatchReportTest, PdfFormWritesTheMenusPdf) {
    const std::string config = write_rich_configuration("rich.cfg");
    ASSERT_EQ(main().load_configuration(config).status, ConfigReadStatus::Complete);
    platform.choose_next(folder.file("menu.pdf"));
    main().mnuexportpdf_Click();  // answered with the first choice, the full report

    ProcessRun run =
        run_standwise({"--report", "full", "--pdf", "-o", QString::fromStdString(folder.file("cli.pdf")),
                       QString::fromStdString(config)});
    EXPECT_EQ(run.status, 0) << run.err;
    const auto stamped = [](std::vector<Texts> pages) {
        for (Texts& page : pages)
            for (std::string& line : page)
                if (line.find(" report generated on ") != std::string::npos) line = "(time stamp)";
        return pages;
    };
    const std::vector<Texts> menu = stamped(pdf_pages(folder.file("menu.pdf")));
    ASSERT_GT(menu.size(), 1u);
    EXPECT_EQ(stamped(pdf_pages(folder.file("cli.pdf"))), menu);

    const std::string other = write_rich_configuration("other.cfg");
    const std::string reports = folder.file("reports");
    run = run_standwise({"--report", "short", "--pdf", "-o", QString::fromStdString(reports),
                         QString::fromStdString(config), QString::fromStdString(other)});
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* name : {"rich.pdf", "other.pdf"}) {
        const std::vector<Texts> pages = pdf_pages(reports + "/" + name);
        ASSERT_FALSE(pages.empty()) << name;
        EXPECT_EQ(pages[0][1], "Ostrel Limited - Standwise");
    }
}

TEST_F(BatchReportTest, UsageErrorsHelpAndVersion) {
    for (const QStringList& args :
         {QStringList{"--report"}, QStringList{"--report", "long", "a.cfg"}, QStringList{"--report", "full"},
          QStringList{"--report", "full", "--bogus", "a"}, QStringList{"--report", "full", "a.cfg", "b.cfg"},
          QStringList{"--bogus"}, QStringList{"-platform", "offscreen", "--bogus"},
          QStringList{"a.cfg", "b.cfg"}, QStringList{"-o", "out.txt", "a.cfg"},
          QStringList{"--report", "full", "--pdf", "a.cfg"}, QStringList{"--pdf", "a.cfg"}}) {
        ProcessRun run = run_standwise(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        // One line that says what is wrong, not the whole usage.
        EXPECT_EQ(split_lines(run.err).size(), 1u) << run.err;
        EXPECT_NE(run.err.find(" (standwise --help for more)\n"), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_EQ(run_standwise({"--sumary", "a.cfg"}).err,
              "standwise: unknown option --sumary; did you mean --summary? (standwise --help for more)\n");
    ProcessRun help = run_standwise({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--report full|short|interface"), std::string::npos);
    EXPECT_NE(help.out.find("standwise CONFIG "), std::string::npos);
    // The windows, with or without a configuration to open, need a display and say so in one line.
    for (const QStringList& args : {QStringList{}, QStringList{"harbour.cfg"}}) {
        ProcessRun windows = run_standwise(args);
        EXPECT_EQ(windows.status, 2);
        EXPECT_EQ(
            windows.err,
            "standwise: the windows need a display; --report writes reports without one (see --help)\n");
    }
    ProcessRun version = run_standwise({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("Standwise ") + STANDWISE_RELEASE +
                               "\nOstrel Standwise V1.0.000, status bar V1.04\n");
}

}  // namespace
}  // namespace standwise::test

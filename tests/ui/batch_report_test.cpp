// The command-line reports, run on the real program: the same report as the menu after the same
// load, messages on standard error, exit statuses and output places.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>

#include "files/interface_config.h"
#include "files/system_config.h"
#include "files/text_file.h"
#include "support/golden.h"
#include "support/samples.h"
#include "system_window_fixture.h"
#include "ui/interface/frminterface.h"

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
    // The rich sample panel, its loop 3 overloaded, loaded over the started-up library.
    std::string write_rich_configuration(const std::string& name) {
        fill_rich_panel(model());
        return write_lines(name, system_configuration_lines(model(), kRichFields));
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
    ASSERT_EQ(main().load_configuration(config), ConfigReadStatus::Complete);
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
    ASSERT_EQ(window.load_configuration(config), ConfigReadStatus::Complete);
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
    EXPECT_NE(run.err.find("missing.cfg: the file cannot be opened for reading"), std::string::npos);
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

TEST_F(BatchReportTest, UsageErrorsHelpAndVersion) {
    for (const QStringList& args :
         {QStringList{"--report"}, QStringList{"--report", "long", "a.cfg"}, QStringList{"--report", "full"},
          QStringList{"--report", "full", "--bogus", "a"}, QStringList{"--report", "full", "a.cfg", "b.cfg"},
          QStringList{"--bogus"}, QStringList{"-platform", "offscreen", "--bogus"},
          QStringList{"a.cfg", "b.cfg"}, QStringList{"-o", "out.txt", "a.cfg"}}) {
        ProcessRun run = run_standwise(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_NE(run.err.find("Usage: standwise"), std::string::npos);
        EXPECT_TRUE(run.out.empty());
    }
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
    EXPECT_EQ(version.out, "Standwise V1.04 (Ostrel Standwise V1.0.000)\n");
}

}  // namespace
}  // namespace standwise::test

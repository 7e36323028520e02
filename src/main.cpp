// Standwise: starts the system workspace, opening a configuration named on the command line, or
// writes reports from the command line.
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/command_line.h"
#include "model/reference_tables.h"
#include "platform/qt_platform.h"
#include "platform/qt_window_placement.h"
#include "ui/app_context.h"
#include "ui/batch_report.h"
#include "ui/open_configuration.h"
#include "ui/project_summary.h"
#include "ui/system/frmmain.h"
#include "ui/version_info.h"

namespace {

std::vector<std::string> arguments_after_program() {
    std::vector<std::string> args;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i)
        args.push_back(all[i].toStdString());
    return args;
}

// The toolkit's own chatter would mix with the message lines on standard error.
void quiet_messages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::cerr << message.toStdString() << std::endl;
}

constexpr const char* kNeedsDisplay =
    "standwise: the windows need a display; --report writes reports without one (see --help)\n";

// While the toolkit starts for the windows, its failure to reach a display ends the program with
// one line of ours instead of the toolkit's abort.
void display_failure(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg) return;
    std::fputs(kNeedsDisplay, stderr);
    std::fflush(stderr);
    std::_Exit(standwise::kBatchUsageError);
}

// On X11 and Wayland desktops the display is named in the environment; elsewhere there always is one.
bool display_named(const std::vector<std::string>& raw) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (const std::string& arg : raw)
        if (arg == "-platform" || arg == "--platform" || arg.rfind("-platform=", 0) == 0) return true;
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    (void)raw;
    return true;
#endif
}

int run_command_line(const standwise::CommandLine& line) {
    using Action = standwise::CommandLine::Action;
    switch (line.action) {
        case Action::Help:
            std::cout << standwise::usage_text();
            return standwise::kBatchSuccess;
        case Action::Version:
            // The release first; then the about box's product line and the status bar's version.
            std::cout << "Standwise " << standwise::kRelease << "\n"
                      << standwise::product_line() << ", status bar " << standwise::kStatusVersion << "\n";
            return standwise::kBatchSuccess;
        case Action::UsageError:
            std::cerr << "standwise: " << line.error << "\n" << standwise::usage_text();
            return standwise::kBatchUsageError;
        case Action::Report:
        case Action::Summary:
        case Action::Windows:
        case Action::Open:
            break;
    }
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);  // the report's own CR LF, unchanged
#endif
    if (line.action == Action::Summary)
        return standwise::run_summary(line, standwise::program_data_folders(), std::cout, std::cerr);
    return standwise::run_batch_reports(line, standwise::program_data_folders(), std::cout, std::cerr);
}

}  // namespace

int main(int argc, char* argv[]) {
    using Action = standwise::CommandLine::Action;
    const std::vector<std::string> raw(argv + 1, argv + argc);
    // Read before the toolkit starts, so that help and usage errors need no display.
    const standwise::CommandLine early =
        standwise::parse_command_line(standwise::without_toolkit_options(raw));
    const Action action = early.action;
    if (action == Action::Help || action == Action::Version || action == Action::UsageError)
        return run_command_line(early);

    const bool batch = action == Action::Report || action == Action::Summary;
    if (batch) {
        // Reports are written over SSH and on build servers: no display is needed.
        if (std::find(raw.begin(), raw.end(), "-platform") == raw.end())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quiet_messages);
    } else {
        if (!display_named(raw)) {
            std::fputs(kNeedsDisplay, stderr);
            return standwise::kBatchUsageError;
        }
        qInstallMessageHandler(display_failure);
    }

    QApplication app(argc, argv);
    if (!batch) qInstallMessageHandler(nullptr);
    QApplication::setOrganizationName(QString::fromUtf8(standwise::kVersionInfo.company));
    QApplication::setApplicationName(QString::fromUtf8(standwise::kVersionInfo.title));
    // Ties the windows to the installed menu entry, whose icon the desktop then shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("standwise"));

    // Read again from the toolkit, which gives every platform's file names in full.
    const standwise::CommandLine line = standwise::parse_command_line(arguments_after_program());
    if (line.action != Action::Windows && line.action != Action::Open) return run_command_line(line);

    // Windows are hidden and shown in turn; the program ends only through its windows.
    QApplication::setQuitOnLastWindowClosed(false);
    standwise::QtPlatform platform;
    standwise::AppContext ctx(platform);
    frmmain& window = ctx.main();
    window.Form_Load();
    standwise::place_over(&window, nullptr);
    window.show();
    if (line.action == Action::Open)
        standwise::open_configuration_file(ctx, line.configs.front(), standwise::Workspace::System);
    return QApplication::exec();
}

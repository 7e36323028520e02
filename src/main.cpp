// Standwise: starts the system workspace, opening a configuration named on the command line, or
// writes reports from the command line.
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/run_command_line.h"
#include "cli/version_info.h"
#include "model/reference_tables.h"
#include "platform/native.h"
#include "platform/qt_platform.h"
#include "platform/qt_window_placement.h"
#include "ui/app_context.h"
#include "ui/open_configuration.h"
#include "ui/recovery.h"
#include "ui/report_output.h"
#include "ui/system/frmmain.h"

namespace {

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

// PDFs need the toolkit's fonts and painter, never a display: the toolkit starts offscreen and
// none of the command line's options reach it.
int run_pdf_reports(const standwise::CommandLine& line, char* program) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet_messages);
    int argc = 1;
    char* argv[] = {program, nullptr};
    QGuiApplication app(argc, argv);
    return *standwise::run_without_windows(line, standwise::write_pdf);
}

}  // namespace

int main(int argc, char* argv[]) {
    using Action = standwise::CommandLine::Action;
    // File names are taken as the system gives them, bytes that need not be UTF-8 included, and
    // kept so through the windows too: only what is shown is decoded.
    const std::vector<std::string> raw = standwise::utf8_arguments(argc, argv);
    // Everything but the windows runs without the toolkit: help, usage errors, reports and tables
    // need no display.
    const standwise::CommandLine line =
        standwise::parse_command_line(standwise::without_toolkit_options(raw));
    const Action action = line.action;
    if (action == Action::Report && line.pdf) return run_pdf_reports(line, argv[0]);
    if (std::optional<int> status = standwise::run_without_windows(line)) return *status;

    if (!display_named(raw)) {
        std::fputs(kNeedsDisplay, stderr);
        return standwise::kBatchUsageError;
    }
    qInstallMessageHandler(display_failure);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    QApplication::setOrganizationName(QString::fromUtf8(standwise::kVersionInfo.company));
    QApplication::setApplicationName(QString::fromUtf8(standwise::kVersionInfo.title));
    // Ties the windows to the installed menu entry, whose icon the desktop then shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("standwise"));

    // Windows are hidden and shown in turn; the program ends only through its windows.
    QApplication::setQuitOnLastWindowClosed(false);
    standwise::QtPlatform platform;
    standwise::AppContext ctx(platform);
    frmmain& window = ctx.main();
    window.Form_Load();
    standwise::place_over(&window, nullptr);
    window.show();
    auto* recovery = new standwise::RecoveryCopies(ctx, &window);
    recovery->offer_left_copies();
    if (line.action == Action::Open && !line.configs.empty())
        standwise::open_configuration_file(ctx, line.configs.front(), standwise::Workspace::System);
    const int status = QApplication::exec();
    // Ended through its windows: nothing is left to recover.
    recovery->remove_copies();
    return status;
}

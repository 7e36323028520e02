// Standwise: starts the system workspace, or writes reports from the command line.
#include <QApplication>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "model/reference_tables.h"
#include "platform/qt_platform.h"
#include "ui/app_context.h"
#include "ui/batch_report.h"
#include "ui/command_line.h"
#include "ui/system/frmmain.h"
#include "ui/version_info.h"
#include "ui/window_placement.h"

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

int run_command_line(const standwise::CommandLine& line) {
    using Action = standwise::CommandLine::Action;
    switch (line.action) {
        case Action::Help:
            std::cout << standwise::usage_text();
            return standwise::kBatchSuccess;
        case Action::Version:
            std::cout << "Standwise " << standwise::kStatusVersion << " (" << standwise::product_line()
                      << ")\n";
            return standwise::kBatchSuccess;
        case Action::UsageError:
            std::cerr << "standwise: " << line.error << "\n" << standwise::usage_text();
            return standwise::kBatchUsageError;
        case Action::Report:
        case Action::Windows:
            break;
    }
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);  // the report's own CR LF, unchanged
#endif
    return standwise::run_batch_reports(line, QCoreApplication::applicationDirPath().toStdString(), std::cout,
                                        std::cerr);
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> raw(argv + 1, argv + argc);
    const bool batch = standwise::wants_batch(raw);
    if (batch) {
        // Reports are written over SSH and on build servers: no display is needed.
        bool platform_given = false;
        for (const std::string& arg : raw)
            platform_given = platform_given || arg == "-platform";
        if (!platform_given) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quiet_messages);
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromUtf8(standwise::kVersionInfo.company));
    QApplication::setApplicationName(QString::fromUtf8(standwise::kVersionInfo.title));

    const standwise::CommandLine line = standwise::parse_command_line(arguments_after_program());
    if (line.action != standwise::CommandLine::Action::Windows) return run_command_line(line);

    // Windows are hidden and shown in turn; the program ends only through its windows.
    QApplication::setQuitOnLastWindowClosed(false);
    standwise::QtPlatform platform;
    standwise::AppContext ctx(platform);
    frmmain& window = ctx.main();
    window.Form_Load();
    standwise::place_over(&window, nullptr);
    window.show();
    return QApplication::exec();
}

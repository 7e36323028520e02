// Standwise: starts the system workspace.
#include <QApplication>

#include "platform/qt_platform.h"
#include "ui/app_context.h"
#include "ui/system/frmmain.h"
#include "ui/version_info.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromUtf8(standwise::kVersionInfo.company));
    QApplication::setApplicationName(QString::fromUtf8(standwise::kVersionInfo.title));
    // Windows are hidden and shown in turn; the program ends only through the main window.
    QApplication::setQuitOnLastWindowClosed(false);

    standwise::QtPlatform platform;
    standwise::AppContext ctx(platform);
    frmmain& window = ctx.main();
    window.Form_Load();
    window.show();
    return QApplication::exec();
}

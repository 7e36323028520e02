// The window tests run headless unless a display is asked for on purpose (the screenshots).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// The headless platform reports every window feature it lacks; those notes are noise here.
void quiet_platform_notes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Two screens side by side, a 1280x800 primary and a 1024x768 to its left, with window frames
// unless STANDWISE_TEST_FRAMELESS is set.
const char* const kScreens = R"({
    "windowFrameMargins": %1,
    "screens": [
        {"name": "primary", "x": 0, "y": 0, "width": 1280, "height": 800, "logicalDpi": 96, "logicalBpi": 96, "dpr": 1},
        {"name": "second", "x": -1024, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "logicalBpi": 96, "dpr": 1}
    ]
})";

}  // namespace

int main(int argc, char* argv[]) {
    // Settings such as the recent configurations go to a folder of the test run, never the user's.
    QTemporaryDir scratch;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, scratch.path());
    if (!qEnvironmentVariableIsSet("STANDWISE_SCREENSHOTS")) {
        QFile screens(QDir(scratch.path()).filePath(QStringLiteral("screens.json")));
        const bool frames = !qEnvironmentVariableIsSet("STANDWISE_TEST_FRAMELESS");
        if (screens.open(QIODevice::WriteOnly))
            screens.write(QString::fromLatin1(kScreens).arg(frames ? "true" : "false").toLatin1());
        screens.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    qInstallMessageHandler(quiet_platform_notes);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ostrel"));
    QApplication::setApplicationName(QStringLiteral("Standwise tests"));
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

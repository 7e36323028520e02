// The window tests run headless unless a display is asked for on purpose (the screenshots).
#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The headless platform reports every window feature it lacks; those notes are noise here.
void quiet_platform_notes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("STANDWISE_SCREENSHOTS")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet_platform_notes);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Pictures of every system window for the documentation, and the start-up time, taken only when
// STANDWISE_SCREENSHOTS names a folder (run under a real display, e.g. Xvfb at 1024x768).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPixmap>
#include <QTabWidget>
#include <cstdio>

#include "system_window_fixture.h"
#include "ui/misc/frmabout.h"
#include "ui/misc/frmdevice_help.h"
#include "ui/misc/frmpicture.h"

namespace standwise::test {
namespace {

void save(QWidget& window, const QString& folder, const QString& name) {
    window.move(0, 0);
    window.show();
    window.raise();
    QApplication::processEvents();
    window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

TEST(Screenshots, EverySystemWindow) {
    const QString folder = qEnvironmentVariable("STANDWISE_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "STANDWISE_SCREENSHOTS is not set";
    QDir().mkpath(folder);

    ScriptedPlatform platform(QCoreApplication::applicationDirPath().toStdString());
    QElapsedTimer timer;
    timer.start();
    AppContext ctx(platform);
    frmmain& main = ctx.main();
    main.Form_Load();
    main.show();
    QApplication::processEvents();
    std::printf("start-up to main window shown, without the 2-second pause: %lld ms\n",
                static_cast<long long>(timer.elapsed()));

    main.txtsite->setText(QStringLiteral("Riverside Depot"));
    main.txtsiteid->setText(QStringLiteral("RD-0412"));
    ctx.newfront().cmbslot[2]->setCurrentIndex(kSmtLoop);
    main.txtma1->setText(QStringLiteral("150"));
    main.txtma2->setText(QStringLiteral("120"));
    main.cmdview_Click(1);
    frmloopx& loop = ctx.loopx();
    for (auto [type, count] : {std::pair{1, "40"}, {9, "25"}, {21, "12"}, {27, "18"}})
        loop.cmb_viewdata[type]->setEditText(QString::fromUtf8(count));
    save(loop, folder, QStringLiteral("loop-window"));
    for (int tab = 1; tab < loop.SSTab_loop->count(); ++tab) {
        loop.SSTab_loop->setCurrentIndex(tab);
        save(loop, folder, QStringLiteral("loop-window-tab%1").arg(tab));
    }
    loop.cmdExit_Click();

    for (int tab = 0; tab < main.SSTabentry->count(); ++tab) {
        main.SSTabentry->setCurrentIndex(tab);
        save(main, folder, QStringLiteral("main-tab%1").arg(tab));
    }
    main.SSTabentry->setCurrentIndex(11);  // the results, with both status bars
    save(main, folder, QStringLiteral("main-window"));
    save(ctx.newfront(), folder, QStringLiteral("panel-setup"));
    ctx.newfront().hide();
    save(ctx.about(), folder, QStringLiteral("about"));
    save(ctx.picture(), folder, QStringLiteral("card-picture"));
    ctx.device_help().fill(ctx.model, 33);
    save(ctx.device_help(), folder, QStringLiteral("device-help"));
    EXPECT_TRUE(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("main-window.png"))));
}

}  // namespace
}  // namespace standwise::test

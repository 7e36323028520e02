// Pictures of every window for the documentation, and the start-up time, taken only when
// STANDWISE_SCREENSHOTS names a folder (run under a real display, e.g. Xvfb at 1024x768).
#include <sys/resource.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <cstdio>

#include "system_window_fixture.h"
#include "ui/interface/frminterface.h"
#include "ui/misc/frmabout.h"
#include "ui/misc/frmdevice_help.h"
#include "ui/misc/frmpicture.h"
#include "ui/system/frmsummary.h"

namespace standwise::test {
namespace {

void save(QWidget& window, const QString& folder, const QString& name) {
    window.move(0, 0);
    window.show();
    window.raise();
    QApplication::processEvents();
    window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

TEST(Screenshots, EveryWindow) {
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
    ctx.device_help().hide();

    // An MX240 window with channels of every kind on two units.
    main.cmdview_Click(2);
    ctx.loopx().cmdMX240->click();
    frmMXunits& units = ctx.unit_window(UnitModel::MX240);
    units.cmbInterfaces->setCurrentIndex(2);
    for (auto [unit, adds] :
         {std::pair{"Interface 1", std::vector{&frmMXunits::cmdAddInput_Click, &frmMXunits::cmdLED_Click,
                                               &frmMXunits::cmdAddZone_Click}},
          std::pair{"Interface 2",
                    std::vector{&frmMXunits::cmdAddInput_Click, &frmMXunits::cmdAddRelay_Click}}}) {
        units.TreeView1->setCurrentItem(units.node(QString::fromUtf8(unit)));
        for (auto add : adds)
            (units.*add)();
    }
    save(units, folder, QStringLiteral("mx240-window"));
    units.cmdExit_Click();
    ctx.loopx().cmdExit_Click();

    // The interface window's "Interface" and "Standby" tabs side by side.
    frminterface& iface = ctx.interface_window();
    iface.cmbaddress->setCurrentIndex(13);
    iface.txtlabel->setText(QStringLiteral("Plant room, east"));
    iface.optzone[1]->click();
    iface.txtzone_current[1]->setText(QStringLiteral("2.5"));
    iface.txtsector_current[2]->setText(QStringLiteral("150"));
    iface.optnc[4]->click();
    iface.txtaux_current->setText(QStringLiteral("40"));
    QPixmap tabs[2];
    for (int i : {0, 1}) {
        iface.SSTab1->setCurrentIndex(i == 0 ? 0 : 4);
        save(iface, folder, QStringLiteral("interface-tab%1").arg(i));
        tabs[i] = iface.grab();
    }
    QPixmap both(tabs[0].width() + tabs[1].width() + 12, std::max(tabs[0].height(), tabs[1].height()));
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, tabs[0]);
    painter.drawPixmap(tabs[0].width() + 12, 0, tabs[1]);
    painter.end();
    both.save(QDir(folder).filePath(QStringLiteral("interface-window.png")));
    EXPECT_TRUE(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("main-window.png"))));
}

// The project summary in the middle of a long run, with its progress bar and Cancel, and the time
// and memory of the whole run, over the configurations of STANDWISE_SUMMARY_FOLDER.
TEST(Screenshots, SummaryInTheMiddleOfALongRun) {
    const QString folder = qEnvironmentVariable("STANDWISE_SCREENSHOTS");
    const QString configurations = qEnvironmentVariable("STANDWISE_SUMMARY_FOLDER");
    if (folder.isEmpty() || configurations.isEmpty())
        GTEST_SKIP() << "STANDWISE_SCREENSHOTS and STANDWISE_SUMMARY_FOLDER are not both set";
    QDir().mkpath(folder);
    ScriptedPlatform platform(QCoreApplication::applicationDirPath().toStdString());
    AppContext ctx(platform);
    frmmain& main = ctx.main();
    main.Form_Load();
    main.show();
    platform.choose_next(configurations.toStdString());
    QElapsedTimer timer;
    timer.start();
    main.mnusummary->trigger();
    auto* window = main.findChild<frmsummary*>();
    ASSERT_NE(window, nullptr);
    window->move(0, 0);
    bool taken = false;
    while (window->running()) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!taken && window->prgsummary->value() > window->prgsummary->maximum() / 3) {
            window->grab().save(QDir(folder).filePath(QStringLiteral("summary-running.png")));
            taken = true;
        }
    }
    const long long elapsed = timer.elapsed();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("summary window: %d rows in %lld ms, peak resident memory %ld MiB\n",
                window->grdsummary->rowCount(), elapsed, usage.ru_maxrss / 1024);
    save(*window, folder, QStringLiteral("summary-done"));
}

}  // namespace
}  // namespace standwise::test

// Configurations opened from the command line, dropped on a workspace's window, or picked from its
// recent configurations.
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QUrl>
#include <filesystem>

#include "system_files_fixture.h"
#include "ui/interface/frminterface.h"
#include "ui/open_configuration.h"
#include "ui/recent_configurations.h"

namespace standwise::test {
namespace {

class OpenConfigurationTest : public SystemFilesTest {
protected:
    // A system file of site "Harbour" and an interface file labelled "Gate", then both cleared.
    OpenConfigurationTest() {
        QSettings().remove(QStringLiteral("recent"));
        main().txtsite->setText(QStringLiteral("Harbour"));
        system_file = save("harbour.cfg");
        interface().txtlabel->setText(QStringLiteral("Gate"));
        platform.choose_next(interface_file);
        interface().mnusave->trigger();
        start_new();
        interface().Form_Load();
    }

    frminterface& interface() { return ctx->interface_window(); }

    void drop(QWidget& window, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
    }

    static QUrl url(const std::string& path) { return QUrl::fromLocalFile(QString::fromStdString(path)); }

    std::string system_file, interface_file = folder.file("gate.cfg");
};

TEST_F(OpenConfigurationTest, CommandLineFileOpensInTheWorkspaceOfItsMarker) {
    open_configuration_file(*ctx, system_file, Workspace::System);
    EXPECT_EQ(text(main().txtsite), "Harbour");
    open_configuration_file(*ctx, interface_file, Workspace::System);
    EXPECT_EQ(text(interface().txtlabel), "Gate");
    EXPECT_TRUE(interface().isVisible());
    EXPECT_FALSE(main().isVisible());
    EXPECT_TRUE(platform.messages.empty());

    // Neither kind: refused by the receiving workspace; unreadable: named with the reason.
    open_configuration_file(*ctx, folder.write("notes.cfg", "Notes\r\n"), Workspace::System);
    open_configuration_file(*ctx, folder.file("missing.cfg"), Workspace::System);
    open_configuration_file(*ctx, folder.path(), Workspace::System);
    EXPECT_EQ(
        platform.messages,
        (Messages{{"Not a valid system configuration", "Incorrect File Type", MessageStyle::OkExclamation},
                  {"The file " + folder.file("missing.cfg") +
                       " cannot be loaded: it cannot be opened for reading (No such file or directory).",
                   "Open Configuration", MessageStyle::OkExclamation},
                  {"The file " + folder.path() + " cannot be loaded: it is not a regular file.",
                   "Open Configuration", MessageStyle::OkExclamation}}));
    EXPECT_EQ(text(interface().txtlabel), "Gate");
}

TEST_F(OpenConfigurationTest, OneDroppedConfigurationLoadsAsItsLoadCommand) {
    main().mnuswitch_to_interface->trigger();
    drop(interface(), {url(system_file)});
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(text(main().txtsite), "Harbour");

    main().txtsite->setText(QStringLiteral("Kept"));
    drop(main(), {url(folder.write("report.txt", "x\r\n"))});
    drop(main(), {url(system_file), url(interface_file)});
    EXPECT_EQ(platform.messages, Messages(2, {"Drop one configuration file (*.cfg) here to load it.",
                                              "Open Configuration", MessageStyle::OkInformation}));
    EXPECT_EQ(text(main().txtsite), "Kept");
}

TEST_F(OpenConfigurationTest, RecentConfigurationsAreTheLastSavedOrLoadedNewestFirst) {
    RecentConfigurations& recent = main().recent();
    EXPECT_EQ(interface().recent().paths(), Texts{interface_file});
    const std::string a = save("a.cfg"), b = save("b.cfg"), c = save("c.cfg");
    EXPECT_EQ(recent.paths(), (Texts{c, b, a, system_file}));
    EXPECT_EQ(recent.menu()->actions().front()->text().toStdString(), "&1 " + c);
    QMenu menu;  // kept across runs: a list built afresh from the settings reads the same
    EXPECT_EQ(RecentConfigurations(&menu, nullptr, QStringLiteral("system"), {}).paths(), recent.paths());

    std::filesystem::remove(b);
    recent.menu()->actions().at(1)->trigger();
    EXPECT_EQ(
        platform.messages,
        (Messages{{"The file " + b + " no longer exists.\r\nIt has been taken off the recent configurations.",
                   "Recent configurations", MessageStyle::OkExclamation}}));
    recent.menu()->actions().at(2)->trigger();
    EXPECT_EQ(text(main().txtsite), "Harbour");
    EXPECT_EQ(recent.paths(), (Texts{system_file, c, a}));
}

}  // namespace
}  // namespace standwise::test

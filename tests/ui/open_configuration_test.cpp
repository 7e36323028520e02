// Configurations opened from the command line, dropped on a workspace's window, or picked from its
// recent configurations.
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTableWidget>
#include <QUrl>
#include <filesystem>

#include "platform/qt_paths.h"
#include "system_files_fixture.h"
#include "ui/interface/frminterface.h"
#include "ui/open_configuration.h"
#include "ui/recent_configurations.h"
#include "ui/system/frmsummary.h"

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

#ifndef _WIN32
// A Linux file name is bytes, and need not be UTF-8: "caf\xE9.cfg" from an older system is opened,
// listed and opened again as that very file, however the toolkit shows its name.
TEST_F(OpenConfigurationTest, NamesThatAreNotUtf8AreKeptAsBytesThroughEveryWindow) {
    const std::string latin = folder.path() + "/caf\xE9.cfg";
    std::filesystem::copy_file(system_file, latin);
    std::filesystem::remove(system_file);  // no other file the toolkit's name could stand for
    const QString shown = QFile::decodeName(QByteArray::fromStdString(latin));
    ASSERT_TRUE(shown.contains(QChar::ReplacementCharacter));

    // A file chooser gives the name as shown; a file manager drops it percent-encoded.
    EXPECT_EQ(path_of(shown), latin);
    EXPECT_EQ(
        path_of(QUrl::fromEncoded("file://" + QByteArray::fromStdString(folder.path()) + "/caf%E9.cfg")),
        latin);
    drop(main(), {url_of(latin)});
    EXPECT_EQ(text(main().txtsite), "Harbour");
    EXPECT_TRUE(platform.messages.empty());

    // The recent list keeps the bytes across runs and opens the same file.
    RecentConfigurations& recent = main().recent();
    ASSERT_EQ(recent.paths().front(), latin);
    QMenu menu;
    RecentConfigurations again(&menu, nullptr, QStringLiteral("system"), {});
    EXPECT_EQ(again.paths(), recent.paths());
    start_new();
    recent.menu()->actions().front()->trigger();
    EXPECT_EQ(text(main().txtsite), "Harbour");
    EXPECT_TRUE(platform.messages.empty());

    // The project summary lists it and opens it from its row.
    start_new();
    frmsummary window(*ctx, &main());
    window.summarise(folder.path());
    while (window.running())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    ASSERT_EQ(window.rows().size(), 2u);  // and the interface file
    EXPECT_EQ(window.rows().front().path, latin);
    EXPECT_TRUE(window.rows().front().complete);
    window.grdsummary->setCurrentCell(0, 0);
    window.cmdopen_Click();
    EXPECT_EQ(text(main().txtsite), "Harbour");
    EXPECT_TRUE(platform.messages.empty());
}
#endif

}  // namespace
}  // namespace standwise::test

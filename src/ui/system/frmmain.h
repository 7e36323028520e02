// The main system window: one tab per loop with its figures, the site details, the panel summary,
// the master alarm circuits and the standby results, with the menus of the system workspace.
#pragma once

#include <QMainWindow>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "files/system_config.h"
#include "model/system_model.h"
#include "ui/standby_readouts.h"
#include "workspace/system_workspace.h"

class QAction;
class frmsummary;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace standwise {
class AppContext;
class RecentConfigurations;
class StatusBar;
struct LoopResult;
struct SystemReportInputs;
struct ReportDocument;
}  // namespace standwise

class frmmain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kSiteDetailsTab = standwise::kSiteDetailsTab;

    explicit frmmain(standwise::AppContext& ctx);

    void Form_Load();
    /// Shows what the system workspace holds.
    void refresh();

    // Configuration files and reports (frmmain_files.cpp).
    std::vector<std::string> configuration_lines() const;
    /// Reads a configuration file into the windows, as "Load configuration" does once a file is
    /// chosen; nothing when the file cannot be opened for reading.
    standwise::ConfigLoad load_configuration(const std::string& path);
    /// The same for a file already read from `path`.
    standwise::ConfigLoad apply_configuration(const std::string& path, const standwise::TextLines& file);
    /// "Load configuration" once the file is chosen and read: a system configuration read goes to
    /// the top of the recent configurations.
    void open_configuration(const std::string& path, const standwise::TextLines& file);
    standwise::RecentConfigurations& recent() { return *recent_; }
    /// The reports of the current state, from the figures the windows show, time-stamped now.
    std::vector<std::string> full_report_lines();
    std::vector<std::string> short_report_lines();
    /// The reports as they go on paper and into a PDF, under a header with the site (frmmain_print.cpp).
    standwise::ReportDocument full_report_document();
    standwise::ReportDocument short_report_document();

    // Event handlers.
    void SSTabentry_Click();
    void txtsite_Change();
    void txtsiteid_Change();
    void txtma1_Change();
    void txtma2_Change();
    void cmbalarm_time_Change();
    void cmdview_Click(int loop);
    void stb_loadstatus_PanelClick(int panel);
    void cmdconfigure_Click();
    void mnunew_Click();
    void mnuload_Click();
    /// "Save": to the file last loaded or saved, or through the chooser when there is none.
    void mnusavefile_Click();
    /// "Save configuration": always through the chooser.
    void mnusave_Click();
    /// Saves as "Save" does; true when the configuration was written.
    bool save();
    /// Saves as "Save configuration" does; true when the configuration was written.
    bool save_as();
    /// "Project summary…": the table of every configuration in a chosen folder.
    void mnusummary_Click();
    void mnufull_Click();
    void mnushort_Click();
    void mnuopenreport_Click();
    void mnuprintreport_Click();
    void mnuexportpdf_Click();
    void mnuswitch_to_interface_Click();
    void mnuviewrelease_Click();
    void mnuabout_Click();
    void mnuexit_Click();
    /// The close request: true when the user agrees to end the program.
    bool Form_QueryUnload();

    // Controls, indexed by loop 1..8 where they repeat.
    QTabWidget* SSTabentry = nullptr;
    std::array<QPushButton*, standwise::kLoops + 1> cmdview{};
    std::array<QLabel*, standwise::kLoops + 1> lblcurrent_s{}, lblcurrent_a{}, lblload_units_s{},
        lblload_units_a{}, lblloop_curr{}, lbltotal_devices{};
    QLineEdit *txtsite = nullptr, *txtsiteid = nullptr;
    QLabel *lbldate = nullptr, *lbldevices = nullptr;
    QLabel *lblsystem = nullptr, *lblcontroller = nullptr, *lblloops = nullptr, *lblios = nullptr,
           *lblnetworks = nullptr, *lblrams = nullptr;
    QCheckBox* chkflash_back = nullptr;
    QPushButton* cmdconfigure = nullptr;
    QLineEdit *txtma1 = nullptr, *txtma2 = nullptr;
    QLabel* lblmaximum_ma = nullptr;
    QComboBox* cmbalarm_time = nullptr;
    QLabel *lblloops_total_q = nullptr, *lblloops_total_a = nullptr, *lblsystem_total_q = nullptr,
           *lblsystem_total_a = nullptr;
    QGroupBox *frmstandby = nullptr, *frmrequirements = nullptr;
    QLabel *lblstandby = nullptr, *lblamphours = nullptr, *lbl24hr_standby = nullptr,
           *lbl72hr_standby = nullptr;
    standwise::BatteryReadouts batteries;
    standwise::StatusBar* stb_loadstatus = nullptr;
    standwise::StatusBar* StatusBar1 = nullptr;
    QAction* mnusummary = nullptr;
    QAction *mnunew = nullptr, *mnuload = nullptr, *mnusavefile = nullptr, *mnusave = nullptr,
            *mnuswitch_to_interface = nullptr, *mnuexit = nullptr;
    QAction *mnuopenreport = nullptr, *mnushort = nullptr, *mnufull = nullptr;
    QAction *mnuprintreport = nullptr, *mnuexportpdf = nullptr;
    QAction *mnuviewrelease = nullptr, *mnuabout = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Building the window (frmmain_layout.cpp).
    void build_menus();
    QWidget* build_loop_tab(int loop);
    QWidget* build_site_tab();
    QWidget* build_system_tab();
    QWidget* build_master_alarm_tab();
    QWidget* build_standby_tab();
    void build_status_bars(QWidget* central);
    void connect_handlers();

    void refresh_maximum_ma();
    /// The title, with the toolkit's mark while the configuration is unsaved.
    void show_title();

    standwise::AppContext& ctx_;
    frmsummary* summary_ = nullptr;  // the project summary, made on first use
    standwise::RecentConfigurations* recent_ = nullptr;
};

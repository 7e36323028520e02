// The interface workspace: one stand-alone four-channel interface with its own supply and battery,
// its channels, currents and alarm duration, and its standby and battery figures.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/interface_calc.h"
#include "files/system_config.h"
#include "model/interface_model.h"
#include "ui/standby_readouts.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QTabWidget;

namespace standwise {
class AppContext;
class RecentConfigurations;
struct InterfaceReportInputs;
struct ReportDocument;
}  // namespace standwise

class frminterface : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kChannels = 4;

    explicit frminterface(standwise::AppContext& ctx);

    /// Resets every field to the default setup; also run by "New Configuration".
    void Form_Load();
    /// Shows what the interface workspace holds.
    void refresh();

    /// The setup as the workspace holds it.
    standwise::InterfaceSetup interface_setup() const;
    /// The interface calculation whose figures the window shows.
    const standwise::InterfaceResult& shown_result() const;

    // Files (frminterface_files.cpp).
    std::vector<std::string> configuration_lines() const;
    std::vector<std::string> report_lines() const;
    /// The report as it goes on paper and into a PDF, under a header with the interface's label
    /// (frminterface_print.cpp).
    standwise::ReportDocument report_document() const;
    /// Reads a configuration file into the window, as "Load Configuration" does once a file is
    /// chosen; nothing when the file cannot be opened for reading.
    standwise::ConfigLoad load_configuration(const std::string& path);
    /// The same for a file already read from `path`.
    standwise::ConfigLoad apply_configuration(const std::string& path, const standwise::TextLines& file);
    /// "Load interface" once the file is chosen and read: an interface configuration read goes to
    /// the top of the recent configurations.
    void open_configuration(const std::string& path, const standwise::TextLines& file);
    standwise::RecentConfigurations& recent() { return *recent_; }

    // Event handlers; n is the channel 1..4.
    void optzone_Click(int n);
    void optsector_Click(int n);
    void optnc_Click(int n);
    void txtzone_current_Change(int n);
    void txtsector_current_Change(int n);
    void txtaux_current_Change();
    void cmbalarm_time_interface_Change();
    void txtlabel_Change();
    void cmbaddress_Click();

    void mnunew_Click();
    void mnuload_Click();
    /// "Save": to the file last loaded or saved, or through the chooser when there is none.
    void mnusavefile_Click();
    /// "Save interface": always through the chooser.
    void mnusave_Click();
    /// Saves as "Save" does; true when the setup was written.
    bool save();
    /// Saves as "Save interface" does; true when the setup was written.
    bool save_as();
    void mnuswitch_to_system_Click();
    void mnuexit_Click();
    void mnuopenreport_Click();
    void mnureport_Click();
    void mnuprintreport_Click();
    void mnuexportpdf_Click();
    void mnuviewrelease_Click();
    void mnuabout_Click();

    // Controls; channel arrays are indexed 1..4, index 0 unused unless named below.
    QTabWidget* SSTab1 = nullptr;
    QComboBox* cmbaddress = nullptr;
    QLineEdit* txtlabel = nullptr;
    std::array<QRadioButton*, kChannels + 1> optzone{}, optsector{}, optnc{};
    std::array<QLineEdit*, kChannels + 1> txtsector_current{}, txtzone_current{};
    std::array<QLabel*, kChannels + 1> lblma_sector{}, lblzone{}, lblma_zone{};
    std::array<QLabel*, 6> lblsector{};  // 0 "Current:", 1..4 the sectors, 5 "Alarm time:"
    std::array<QLabel*, 7> lblma{};      // 0 "mA" (aux), 5 "(Alarm output duration).", 6 "mins"
    QComboBox* cmbalarm_time_interface = nullptr;
    QLineEdit* txtaux_current = nullptr;
    QLabel *lblinterface_q = nullptr, *lblinterface_a = nullptr, *lblaux_supply = nullptr;
    QGroupBox *frmstandby = nullptr, *frmrequirements = nullptr;
    QLabel *lblstandby = nullptr, *lblamphours = nullptr, *lbl24hr_standby = nullptr,
           *lbl72hr_standby = nullptr;

    standwise::BatteryReadouts batteries;

    QMenu *mnufile = nullptr, *mnugenerate = nullptr, *mnuaboutinterface = nullptr;
    QAction *mnunew = nullptr, *mnuload = nullptr, *mnusavefile = nullptr, *mnusave = nullptr,
            *mnuswitch_to_system = nullptr, *mnuexit = nullptr;
    QAction *mnuopenreport = nullptr, *mnureport = nullptr;
    QAction *mnuprintreport = nullptr, *mnuexportpdf = nullptr;
    QAction *mnuviewrelease = nullptr, *mnuabout = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Building the window (frminterface_layout.cpp).
    void build_menus();
    QWidget* build_interface_tab();
    QWidget* build_sectors_tab();
    QWidget* build_zones_tab();
    QWidget* build_aux_tab();
    QWidget* build_standby_tab();
    void connect_handlers();

    void fill_lists();
    /// The title, with the toolkit's mark while the setup is unsaved.
    void show_title();

    standwise::AppContext& ctx_;
    standwise::RecentConfigurations* recent_ = nullptr;
};

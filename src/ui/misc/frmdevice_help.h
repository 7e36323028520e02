// The properties of one device type of the library, opened from the loop window's device labels.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
namespace standwise {
class AppContext;
struct SystemModel;
}  // namespace standwise

class frmdevice_help : public QDialog {
    Q_OBJECT
public:
    explicit frmdevice_help(standwise::AppContext& ctx);

    /// Writes the library's values of one device type into the labels.
    void fill(const standwise::SystemModel& model, int device_type);
    void cmdExit_Click();

    QLabel* lbldevice_help = nullptr;
    QLabel* lblpsuedo_help = nullptr;
    QLabel* lblmax_help = nullptr;
    QLabel* lblmax_fire_help = nullptr;
    QLabel* lbl_q_load_help = nullptr;
    QLabel* lbl_a_load_help = nullptr;
    QLabel* lbl_q_current_help = nullptr;
    QLabel* lbl_a_current_help = nullptr;
    QPushButton* cmdExit = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    standwise::AppContext& ctx_;
};

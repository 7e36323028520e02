// The about box, also shown as the start-up splash.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
namespace standwise {
class AppContext;
}

class frmabout : public QDialog {
    Q_OBJECT
public:
    explicit frmabout(standwise::AppContext& ctx);

    void Form_Load();
    /// Names the file the stock battery sizes came from; the start-up calls it once they are read,
    /// while the box is up as the splash.
    void show_battery_source(const std::string& file);

    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblProduct = nullptr;
    QLabel* lblRelease = nullptr;  // the release, as the package and --version name it
    QLabel* lblSizes = nullptr;    // where the stock battery sizes came from

protected:
    void closeEvent(QCloseEvent* event) override;
};

// The about box, also shown as the start-up splash.
#pragma once

#include <QDialog>

class QLabel;
namespace standwise {
class AppContext;
}

class frmabout : public QDialog {
    Q_OBJECT
public:
    explicit frmabout(standwise::AppContext& ctx);

    void Form_Load();

    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblProduct = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
};

// The example cards of the two circuit board technologies, opened from the panel setup window.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
namespace standwise {
class AppContext;
}

class frmpicture : public QWidget {
    Q_OBJECT
public:
    explicit frmpicture(standwise::AppContext& ctx);

    void Form_Load();
    void cmdExit_Click();

    QLabel* picPTHSMT = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* cmdExit = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    standwise::AppContext& ctx_;
};

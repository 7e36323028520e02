// The project summary window: every configuration of a folder in one sortable, filterable table,
// with the rows that carry warnings or a failing verdict marked, saved as CSV or opened in its workspace.
#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "files/summary_table.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace standwise {
class AppContext;
class SummaryRun;
}  // namespace standwise

class frmsummary : public QDialog {
    Q_OBJECT
public:
    frmsummary(standwise::AppContext& ctx, QWidget* parent);
    ~frmsummary() override;

    /// Works out the rows of every configuration (*.cfg) of `folder` off the window's thread, each
    /// in workspaces of its own: the user's configurations stay as they are. A progress bar and
    /// Cancel show while it runs; the rows done are shown when it ends or is cancelled.
    void summarise(const std::string& folder);
    /// Whether rows are being worked out.
    bool running() const { return run_ != nullptr; }
    /// The rows, in the order worked out.
    const std::vector<standwise::SummaryRow>& rows() const { return rows_; }
    /// The rows the filter lets through, in the order the table shows them.
    std::vector<standwise::SummaryRow> shown_rows() const;

    /// Shows the rows of the configurations of `folder`.
    void show_rows(const std::string& folder, std::vector<standwise::SummaryRow> rows);

    /// "Save as CSV…": the rows shown, in their order, as the command line writes the table.
    void cmdsave_Click();
    /// Loads the configuration of the current row through its workspace's Load command.
    void cmdopen_Click();
    /// Stops a run: no further row is begun.
    void cmdcancel_Click();
    /// Hides the rows none of whose cells holds `text`.
    void txtfilter_Change(const QString& text);

    QTableWidget* grdsummary = nullptr;
    QLineEdit* txtfilter = nullptr;
    QProgressBar* prgsummary = nullptr;
    QPushButton *cmdsave = nullptr, *cmdopen = nullptr, *cmdcancel = nullptr, *cmdclose = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void poll_run();
    /// Takes the size wanted where the screen of the window it belongs to has room for it.
    void fit_screen(QSize wanted);
    int caption_width(int column) const;
    int cells_width(int column) const;

    standwise::AppContext& ctx_;
    std::string folder_;
    std::vector<standwise::SummaryRow> rows_;
    std::unique_ptr<standwise::SummaryRun> run_;
    QTimer* poll_ = nullptr;
};

// The project summary window: every configuration of a folder in one sortable table, with the rows
// that carry warnings or a failing verdict marked, saved as CSV or opened in its workspace.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "files/summary_table.h"

class QPushButton;
class QTableWidget;

namespace standwise {
class AppContext;
}

class frmsummary : public QDialog {
    Q_OBJECT
public:
    frmsummary(standwise::AppContext& ctx, QWidget* parent);

    /// Shows the rows of the configurations of `folder`.
    void show_rows(const std::string& folder, std::vector<standwise::SummaryRow> rows);

    /// "Save as CSV…": the table as the command line writes it, to a chosen file.
    void cmdsave_Click();
    /// Loads the configuration of the current row through its workspace's Load command.
    void cmdopen_Click();

    QTableWidget* grdsummary = nullptr;
    QPushButton *cmdsave = nullptr, *cmdopen = nullptr, *cmdclose = nullptr;

private:
    /// Takes the size wanted where the screen of the window it belongs to has room for it.
    void fit_screen(QSize wanted);

    standwise::AppContext& ctx_;
    std::string folder_;
    std::vector<standwise::SummaryRow> rows_;
};

/// The rows of every configuration file (*.cfg) in a folder, in name order, each loaded after a fresh
/// start of its own windows, hidden: the user's configurations stay as they are.
std::vector<standwise::SummaryRow> summarise_folder(standwise::AppContext& ctx, const std::string& folder);

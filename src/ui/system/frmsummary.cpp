#include "ui/system/frmsummary.h"

#include <QCloseEvent>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <cctype>

#include "model/numbers.h"
#include "ui/app_context.h"
#include "ui/file_commands.h"
#include "ui/open_configuration.h"
#include "ui/widgets.h"
#include "workspace/project_summary.h"
#include "workspace/summary_run.h"

using standwise::qs;

namespace {

constexpr int kFileRole = Qt::UserRole;
constexpr int kSortRole = Qt::UserRole + 1;

// Figures sort by their value ("9.5A" before "10.2A", "5:07" before "37:22"), other cells by text.
// Rows without figures (a file not read whole) stay at the bottom in either order: Qt sorts a
// descending column by swapping the operands, so the comparison asks the header for the order.
class SummaryItem : public QTableWidgetItem {
public:
    explicit SummaryItem(const std::string& text) : QTableWidgetItem(qs(text)) {
        if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '.')) return;
        const std::size_t colon = text.find(':');
        const double value = colon == std::string::npos ? standwise::text_value(text)
                                                        : standwise::text_value(text) * 60 +
                                                              standwise::text_value(text.substr(colon + 1));
        setData(kSortRole, value);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant mine = data(kSortRole), theirs = other.data(kSortRole);
        if (mine.isValid() && theirs.isValid()) return mine.toDouble() < theirs.toDouble();
        if (mine.isValid() != theirs.isValid()) return mine.isValid() == ascending();
        return text().localeAwareCompare(other.text()) < 0;
    }

private:
    bool ascending() const {
        return tableWidget() == nullptr ||
               tableWidget()->horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder;
    }
};

}  // namespace

frmsummary::frmsummary(standwise::AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmsummary"));
    setWindowTitle(QStringLiteral("Project Summary"));
    grdsummary = new QTableWidget(this);
    grdsummary->setObjectName(QStringLiteral("grdsummary"));
    grdsummary->setAccessibleName(QStringLiteral("Project summary table"));
    grdsummary->setColumnCount(static_cast<int>(standwise::kSummaryColumns));
    QStringList header;
    for (const char* caption : standwise::summary_header())
        header << QString::fromUtf8(caption);
    grdsummary->setHorizontalHeaderLabels(header);
    grdsummary->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdsummary->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdsummary->setSelectionMode(QAbstractItemView::SingleSelection);
    grdsummary->setSortingEnabled(true);
    grdsummary->horizontalHeader()->setStretchLastSection(true);
    connect(grdsummary, &QTableWidget::itemActivated, this, &frmsummary::cmdopen_Click);

    cmdopen = new QPushButton(QStringLiteral("&Open"), this);
    cmdopen->setObjectName(QStringLiteral("cmdopen"));
    cmdsave = new QPushButton(QStringLiteral("&Save as CSV…"), this);
    cmdsave->setObjectName(QStringLiteral("cmdsave"));
    cmdclose = new QPushButton(QStringLiteral("&Close"), this);
    cmdclose->setObjectName(QStringLiteral("cmdclose"));
    connect(cmdopen, &QPushButton::clicked, this, &frmsummary::cmdopen_Click);
    connect(cmdsave, &QPushButton::clicked, this, &frmsummary::cmdsave_Click);
    connect(cmdclose, &QPushButton::clicked, this, &QDialog::close);
    prgsummary = new QProgressBar(this);
    prgsummary->setObjectName(QStringLiteral("prgsummary"));
    prgsummary->setAccessibleName(QStringLiteral("Configurations summarised"));
    prgsummary->setVisible(false);
    cmdcancel = new QPushButton(QStringLiteral("Ca&ncel"), this);
    cmdcancel->setObjectName(QStringLiteral("cmdcancel"));
    cmdcancel->setVisible(false);
    connect(cmdcancel, &QPushButton::clicked, this, &frmsummary::cmdcancel_Click);
    poll_ = new QTimer(this);
    poll_->setInterval(50);
    connect(poll_, &QTimer::timeout, this, &frmsummary::poll_run);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdopen);
    buttons->addWidget(cmdsave);
    buttons->addWidget(prgsummary, 1);
    buttons->addWidget(cmdcancel);
    buttons->addStretch();
    buttons->addWidget(cmdclose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdsummary, 1);
    layout->addLayout(buttons);
    fit_screen(QSize(1100, 420));
}

// The table scrolls where the screen is smaller than the window would like to be; the buttons
// always stay on it.
void frmsummary::fit_screen(QSize wanted) {
    const QWidget* over = parentWidget() != nullptr ? parentWidget()->window() : this;
    const QScreen* screen = over->screen();
    if (screen == nullptr) return;
    const QMargins frame =
        over->windowHandle() != nullptr ? over->windowHandle()->frameMargins() : QMargins();
    resize(wanted.boundedTo(screen->availableSize().shrunkBy(frame)).expandedTo(minimumSizeHint()));
}

// A row is marked by a pale red background and the word in its first cell's tooltip, so the mark
// does not rest on colour alone: the Warnings cell says what it is.
void frmsummary::show_rows(const std::string& folder, std::vector<standwise::SummaryRow> rows) {
    folder_ = folder;
    rows_ = std::move(rows);
    setWindowTitle(qs("Project Summary - " + folder));
    grdsummary->setSortingEnabled(false);
    grdsummary->setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const standwise::SummaryRow& row = rows_[static_cast<std::size_t>(r)];
        const auto cells = standwise::summary_cells(row);
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            auto* item = new SummaryItem(cells[static_cast<std::size_t>(c)]);
            item->setData(kFileRole, qs(row.file));
            if (row.marked) item->setBackground(QColor(255, 215, 215));
            grdsummary->setItem(r, c, item);
        }
        if (row.marked)
            grdsummary->item(r, 0)->setToolTip(QStringLiteral("Warnings, or a battery that does not cover"));
    }
    grdsummary->setSortingEnabled(true);
    grdsummary->resizeColumnsToContents();
    int columns = 0;
    for (int c = 0; c < grdsummary->columnCount(); ++c)
        columns += grdsummary->columnWidth(c);
    const QMargins margins = layout()->contentsMargins();
    fit_screen(QSize(columns + grdsummary->verticalHeader()->width() + 2 * grdsummary->frameWidth() +
                         grdsummary->verticalScrollBar()->sizeHint().width() + margins.left() +
                         margins.right(),
                     height()));
    cmdsave->setEnabled(!rows_.empty());
    cmdopen->setEnabled(!rows_.empty());
    if (!rows_.empty()) grdsummary->selectRow(0);
}

frmsummary::~frmsummary() = default;

void frmsummary::summarise(const std::string& folder) {
    run_.reset();
    folder_ = folder;
    rows_.clear();
    grdsummary->setRowCount(0);
    setWindowTitle(qs("Project Summary - " + folder));
    std::vector<std::string> paths = standwise::configurations_in(ctx_.platform, folder);
    prgsummary->setRange(0, static_cast<int>(paths.size()));
    prgsummary->setValue(0);
    run_ = std::make_unique<standwise::SummaryRun>(
        std::move(paths), ctx_.started_model(),
        standwise::DataFolders{ctx_.platform.program_folder(), ctx_.platform.user_folder()});
    for (QPushButton* button : {cmdsave, cmdopen})
        button->setEnabled(false);
    prgsummary->setVisible(true);
    cmdcancel->setVisible(true);
    cmdcancel->setEnabled(true);
    poll_->start();
    poll_run();
}

// The window's thread only looks at how far the run has got, so the program stays responsive.
void frmsummary::poll_run() {
    if (!run_) return;
    prgsummary->setValue(static_cast<int>(run_->done()));
    if (!run_->finished()) return;
    poll_->stop();
    std::vector<standwise::SummaryRow> rows = run_->rows();
    run_.reset();
    prgsummary->setVisible(false);
    cmdcancel->setVisible(false);
    show_rows(folder_, std::move(rows));
}

void frmsummary::cmdcancel_Click() {
    if (!run_) return;
    run_->cancel();
    cmdcancel->setEnabled(false);
}

// Closing the window stops a run; the rows it has are kept for the next opening.
void frmsummary::closeEvent(QCloseEvent* event) {
    if (run_) {
        run_->cancel();
        poll_run();
        while (run_) {
            QThread::msleep(5);
            poll_run();
        }
    }
    QDialog::closeEvent(event);
}

void frmsummary::cmdsave_Click() {
    standwise::save_to_chosen_file(
        ctx_.platform, {"Save Project Summary", "CSV files (*.csv)|*.csv", folder_, "File Exists"},
        [this] { return standwise::summary_csv_lines(rows_); });
}

void frmsummary::cmdopen_Click() {
    QTableWidgetItem* item = grdsummary->currentItem();
    if (item == nullptr) return;
    standwise::open_configuration_file(ctx_, standwise::ss(item->data(kFileRole).toString()),
                                       standwise::Workspace::System);
}

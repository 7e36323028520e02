#include "ui/system/frmsummary.h"

#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <cctype>
#include <sstream>

#include "model/numbers.h"
#include "ui/app_context.h"
#include "ui/file_commands.h"
#include "ui/open_configuration.h"
#include "ui/project_summary.h"
#include "ui/widgets.h"

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

bool is_configuration(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".cfg";
}

}  // namespace

std::vector<standwise::SummaryRow> summarise_folder(standwise::AppContext& ctx, const std::string& folder) {
    std::vector<std::string> paths;
    if (auto entries = ctx.platform.list_folder(folder))
        for (const standwise::FolderEntry& entry : *entries)
            if (is_configuration(entry.name)) paths.push_back(entry.path);
    std::ostringstream start_up;  // the device library's findings were shown when the program started
    ctx.platform.set_busy(true);
    std::vector<standwise::SummaryRow> rows = standwise::summarise_all(
        paths, {ctx.platform.program_folder(), ctx.platform.user_folder()}, start_up);
    ctx.platform.set_busy(false);
    return rows;
}

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

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdopen);
    buttons->addWidget(cmdsave);
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

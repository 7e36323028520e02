#include "ui/system/frmsummary.h"

#include <QCloseEvent>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cctype>

#include "model/numbers.h"
#include "platform/native.h"
#include "ui/app_context.h"
#include "ui/file_commands.h"
#include "ui/open_configuration.h"
#include "ui/widgets.h"
#include "workspace/project_summary.h"
#include "workspace/summary_run.h"

using standwise::qs;

namespace {

constexpr int kSortRole = Qt::UserRole + 1;
constexpr int kRowRole = Qt::UserRole + 2;  // the row's place in rows(), kept through sorting

// Long cells are cut to this many average characters, with their whole text in the tooltip.
// The file name may take a little more.
constexpr int kWidestColumn = 14;
constexpr int kWidestFile = 20;
constexpr int kHeaderLine = 10;  // a header caption is broken into lines of about this many characters

// "Standard battery covers 24hr (yes/no)" as "Standard\nbattery\ncovers 24hr\n(yes/no)", so that a
// column is as wide as its figures rather than its caption.
QString header_lines(const QString& caption) {
    QString text, line;
    for (const QString& word : caption.split(QLatin1Char(' '))) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > kHeaderLine) {
            text += line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return text + line;
}

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
    for (int c = 0; c < grdsummary->columnCount(); ++c) {
        const QString caption = QString::fromUtf8(standwise::summary_header()[static_cast<std::size_t>(c)]);
        auto* item = new QTableWidgetItem(header_lines(caption));
        item->setToolTip(caption);
        grdsummary->setHorizontalHeaderItem(c, item);
    }
    grdsummary->setTextElideMode(Qt::ElideRight);
    grdsummary->setWordWrap(false);
    grdsummary->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdsummary->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdsummary->setSelectionMode(QAbstractItemView::SingleSelection);
    grdsummary->setSortingEnabled(true);
    connect(grdsummary, &QTableWidget::itemActivated, this, &frmsummary::cmdopen_Click);

    txtfilter = new QLineEdit(this);
    txtfilter->setObjectName(QStringLiteral("txtfilter"));
    txtfilter->setClearButtonEnabled(true);
    txtfilter->setPlaceholderText(QStringLiteral("Any text in a row"));
    auto* lblfilter = new QLabel(QStringLiteral("&Filter:"), this);
    lblfilter->setBuddy(txtfilter);
    connect(txtfilter, &QLineEdit::textChanged, this, &frmsummary::txtfilter_Change);

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
    auto* filter = new QHBoxLayout;
    filter->addWidget(lblfilter);
    filter->addWidget(txtfilter, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filter);
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

// A marked row shows it in its File cell, pale red, whose tooltip says why; a failing verdict is
// red in its own cell and warnings pale red in theirs, so the mark does not rest on colour alone.
void frmsummary::show_rows(const std::string& folder, std::vector<standwise::SummaryRow> rows) {
    folder_ = folder;
    rows_ = std::move(rows);
    // Every row is of this one folder: its name is enough, the path is in the tooltip.
    for (standwise::SummaryRow& row : rows_)
        row.file = standwise::utf8_path(standwise::native_path(row.path).filename());
    setWindowTitle(qs("Project Summary - " + folder));
    grdsummary->setSortingEnabled(false);
    grdsummary->setRowCount(static_cast<int>(rows_.size()));
    const QColor pale(255, 215, 215), failing(200, 30, 30);
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const standwise::SummaryRow& row = rows_[static_cast<std::size_t>(r)];
        const auto cells = standwise::summary_cells(row);
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            const std::string& cell = cells[static_cast<std::size_t>(c)];
            auto* item = new SummaryItem(cell);
            item->setData(kRowRole, r);
            if (!cell.empty()) item->setToolTip(qs(cell));
            grdsummary->setItem(r, c, item);
        }
        auto item = [this, r](standwise::SummaryColumn column) {
            return grdsummary->item(r, static_cast<int>(column));
        };
        QStringList why;
        for (const std::string& reason : standwise::marking_reasons(row))
            why << qs(reason);
        item(standwise::SummaryColumn::File)
            ->setToolTip(qs(row.path) +
                         (why.isEmpty() ? QString() : QStringLiteral("\n") + why.join(QLatin1Char('\n'))));
        if (row.marked) item(standwise::SummaryColumn::File)->setBackground(pale);
        if (!cells[static_cast<std::size_t>(standwise::SummaryColumn::Warnings)].empty())
            item(standwise::SummaryColumn::Warnings)->setBackground(pale);
        for (auto column : {standwise::SummaryColumn::Covers24h, standwise::SummaryColumn::Covers72h}) {
            if (item(column)->text() != QLatin1String("no")) continue;
            item(column)->setBackground(failing);
            item(column)->setForeground(Qt::white);
        }
    }
    grdsummary->setSortingEnabled(true);
    const int character = grdsummary->fontMetrics().averageCharWidth();
    int columns = 0;
    for (int c = 0; c < grdsummary->columnCount(); ++c) {
        // As wide as its cells, up to a limit, and never narrower than its caption's lines.
        const int cells = std::min(cells_width(c), character * (c == 0 ? kWidestFile : kWidestColumn));
        grdsummary->setColumnWidth(c, std::max(cells, caption_width(c)));
        columns += grdsummary->columnWidth(c);
    }
    const QMargins margins = layout()->contentsMargins();
    fit_screen(QSize(columns + grdsummary->verticalHeader()->width() + 2 * grdsummary->frameWidth() +
                         grdsummary->verticalScrollBar()->sizeHint().width() + margins.left() +
                         margins.right(),
                     height()));
    txtfilter_Change(txtfilter->text());
    cmdsave->setEnabled(!rows_.empty());
    cmdopen->setEnabled(!rows_.empty());
    if (!rows_.empty()) grdsummary->selectRow(0);
}

// The widest line of a column's caption, drawn bold as the header draws it, with the header's margins.
int frmsummary::caption_width(int column) const {
    QFont bold = grdsummary->horizontalHeader()->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int widest = 0;
    for (const QString& line : grdsummary->horizontalHeaderItem(column)->text().split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, grdsummary) + 4;
}

int frmsummary::cells_width(int column) const {
    const QFontMetrics metrics(grdsummary->font());
    int widest = 0;
    for (int r = 0; r < grdsummary->rowCount(); ++r)
        widest = std::max(widest, metrics.horizontalAdvance(grdsummary->item(r, column)->text()));
    return widest + 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grdsummary) + 1) + 4;
}

// A row stays when any of its cells holds the text, letter case aside.
void frmsummary::txtfilter_Change(const QString& text) {
    for (int r = 0; r < grdsummary->rowCount(); ++r) {
        bool found = text.isEmpty();
        for (int c = 0; c < grdsummary->columnCount() && !found; ++c)
            found = grdsummary->item(r, c)->text().contains(text, Qt::CaseInsensitive);
        grdsummary->setRowHidden(r, !found);
    }
}

std::vector<standwise::SummaryRow> frmsummary::shown_rows() const {
    std::vector<standwise::SummaryRow> shown;
    for (int r = 0; r < grdsummary->rowCount(); ++r)
        if (!grdsummary->isRowHidden(r))
            shown.push_back(rows_[static_cast<std::size_t>(grdsummary->item(r, 0)->data(kRowRole).toInt())]);
    return shown;
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
        [this] { return standwise::summary_csv_lines(shown_rows()); });
}

void frmsummary::cmdopen_Click() {
    QTableWidgetItem* item = grdsummary->currentItem();
    if (item == nullptr) return;
    // The row's path as the system gave it: a name that is not UTF-8 is only shown decoded.
    const std::string& path = rows_[static_cast<std::size_t>(item->data(kRowRole).toInt())].path;
    standwise::open_configuration_file(ctx_, path, standwise::Workspace::System);
}

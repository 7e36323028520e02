#include "ui/widgets.h"

#include <QApplication>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/accessibility.h"

namespace standwise {
namespace {

// The standard 9-point text at 96 dots per inch, for which the windows' lengths are given.
constexpr double kStandardTextPixels = 12.0;

// The toolkit's scroll area proposes at most 36 by 24 lines of text; a page proposes all of it, so
// a window opens big enough for its pages where the screen allows.
class PageScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return widget() != nullptr ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
};

// The colour last given is kept on the widget, so a report or a test reads what the user sees.
constexpr const char* kBackProperty = "standwise_back_colour";
constexpr const char* kTextProperty = "standwise_text_colour";

QColor qcolour(Colour colour) {
    switch (colour) {
        case Colour::Red:
            return QColor(255, 0, 0);
        case Colour::Yellow:
            return QColor(255, 255, 0);
        case Colour::Black:
            return QColor(0, 0, 0);
        case Colour::Green:
            return QColor(0, 160, 0);
        case Colour::ButtonFace:
            break;
    }
    return QApplication::palette().color(QPalette::Window);
}

// A warning background carries its own readable text colour; otherwise the text colour last given
// (red for an exceeded panel alarm current) or the palette's own.
void apply_colours(QWidget* widget) {
    const Colour back = back_colour(widget);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, qcolour(back));
    QColor text = QApplication::palette().color(QPalette::WindowText);
    if (back == Colour::Red || back == Colour::Yellow || back == Colour::Green) {
        text = readable_text_on(qcolour(back));
    } else if (text_colour(widget) == Colour::Red) {
        text = qcolour(Colour::Red);
    }
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);  // a selectable label draws with this role
    // Setting a palette is costly and a recalculation mostly gives the colours already shown.
    if (palette != widget->palette()) widget->setPalette(palette);
    widget->setAutoFillBackground(back != Colour::ButtonFace);
}

}  // namespace

void set_text(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

void show_text(QLineEdit* field, const std::string& text) {
    const QString shown = qs(text);
    if (field->text() == shown) return;
    const QSignalBlocker quiet(field);
    field->setText(shown);
}

QString caption_text(const std::string& text) {
    return qs(text).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

void set_back_colour(QWidget* widget, Colour colour) {
    widget->setProperty(kBackProperty, static_cast<int>(colour));
    apply_colours(widget);
}

void set_text_colour(QWidget* widget, Colour colour) {
    widget->setProperty(kTextProperty, static_cast<int>(colour));
    apply_colours(widget);
}

// Relative luminance and contrast ratio as the web accessibility guidelines define them.
QColor readable_text_on(const QColor& background) {
    auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(background.redF()) + 0.7152 * linear(background.greenF()) +
                             0.0722 * linear(background.blueF());
    const double against_black = (luminance + 0.05) / 0.05;
    const double against_white = 1.05 / (luminance + 0.05);
    return against_black >= against_white ? QColor(Qt::black) : QColor(Qt::white);
}

Colour back_colour(const QWidget* widget) {
    QVariant value = widget->property(kBackProperty);
    return value.isValid() ? static_cast<Colour>(value.toInt()) : Colour::ButtonFace;
}

Colour text_colour(const QWidget* widget) {
    QVariant value = widget->property(kTextProperty);
    return value.isValid() ? static_cast<Colour>(value.toInt()) : Colour::Black;
}

QString indexed_name(const char* name, int index) {
    return QString::fromUtf8(name) + QLatin1Char('_') + QString::number(index);
}

int font_scaled(const QWidget* widget, int pixels) {
    const double text = QFontInfo(widget->font()).pixelSize();
    return static_cast<int>(std::lround(pixels * text / kStandardTextPixels));
}

QWidget* page_with(QLayout* content) {
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(14, 14, 14, 14);
    auto* row = new QHBoxLayout;
    row->addLayout(content);
    row->addStretch();
    outer->addLayout(row);
    outer->addStretch();
    return scrolling(page);
}

QWidget* scrolling(QWidget* content) {
    auto* area = new PageScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus);  // the controls inside take the focus, not the area
    area->setWidget(content);
    // The tab page or window shows through, as it did before the area was there.
    area->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    return area;
}

void size_to_content(QWidget* window, QSize least) {
    QSize size = window->sizeHint().expandedTo(
        QSize(font_scaled(window, least.width()), font_scaled(window, least.height())));
    if (const QScreen* screen = window->screen()) size = size.boundedTo(screen->availableSize());
    window->resize(size);
}

QLabel* heading_label(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QAction* add_menu_action(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

QLineEdit* text_box(const QString& object_name, const QString& tooltip) {
    auto* box = new QLineEdit;
    box->setObjectName(object_name);
    box->setToolTip(tooltip);
    return box;
}

QLineEdit* number_box(const QString& object_name, const QString& tooltip, int width) {
    QLineEdit* box = text_box(object_name, tooltip);
    box->setFixedWidth(font_scaled(box, width));
    box->setAlignment(Qt::AlignRight);
    return box;
}

QLabel* value_label(const QString& object_name, QWidget* parent, int min_width) {
    auto* label = new QLabel(parent);
    label->setObjectName(object_name);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    name_readout(label, QString());
    label->setMinimumWidth(font_scaled(label, min_width));
    label->setMinimumHeight(label->fontMetrics().height() + 8);
    label->setMargin(2);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return label;
}

void align_captions(std::initializer_list<QGridLayout*> grids) {
    int width = 0;
    for (QGridLayout* grid : grids)
        for (int row = 0; row < grid->rowCount(); ++row)
            if (QLayoutItem* item = grid->itemAtPosition(row, 0))
                width = std::max(width, item->sizeHint().width());
    for (QGridLayout* grid : grids)
        grid->setColumnMinimumWidth(0, width);
}

void add_row(QGridLayout* grid, int row, const QString& caption, QWidget* value, int column) {
    auto* label = new QLabel(caption);
    grid->addWidget(label, row, column);
    grid->addWidget(value, row, column + 1);
    auto* readout = qobject_cast<QLabel*>(value);
    if (readout != nullptr && is_readout(readout)) {
        if (readout->accessibleName().isEmpty()) {
            QString meaning = QString(caption).simplified();
            if (meaning.endsWith(QLatin1Char(':'))) meaning.chop(1);
            readout->setAccessibleName(meaning);
        }
    } else if (value->focusPolicy() != Qt::NoFocus) {
        label->setBuddy(value);
    }
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Q_EMIT clicked();
}

StatusPanel::StatusPanel(QWidget* parent) : ClickableLabel(parent) {
    setMargin(2);
    setIndent(4);
    set_sunken(false);
}

void StatusPanel::set_sunken(bool sunken) {
    sunken_ = sunken;
    setFrameStyle(QFrame::Panel | (sunken ? QFrame::Sunken : QFrame::Raised));
    setLineWidth(1);
    setCursor(sunken ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

StatusBar::StatusBar(const QString& object_name, int panels, QWidget* parent) : QWidget(parent) {
    setObjectName(object_name);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(2);
    for (int n = 1; n <= panels; ++n) {
        auto* panel = new StatusPanel(this);
        panel->setObjectName(object_name + QLatin1Char('_') + QString::number(n));
        layout->addWidget(panel, panels > 2 || n == 1 ? 1 : 0);
        connect(panel, &StatusPanel::clicked, this, [this, n] { Q_EMIT panel_clicked(n); });
        panels_.push_back(panel);
    }
}

}  // namespace standwise

// Small pieces that every window builds with: text conversion, the colours the calculations give
// labels, control names, tab pages, headings, menu entries, entry fields, read-out labels,
// clickable labels and the panelled status bars.
#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <string>
#include <vector>

#include "calc/results.h"
#include "platform/qt_strings.h"

class QAction;
class QGridLayout;
class QGroupBox;
class QLayout;
class QLineEdit;
class QMenu;

namespace standwise {

/// Changes a label's text when it differs: a selectable read-out rebuilds its text handling on every
/// change, and a recalculation mostly gives the figures already shown.
void set_text(QLabel* label, const QString& text);

/// Shows a workspace's text in a field without running the field's handling; a field that already
/// holds it is left alone, so the cursor of someone typing stays where it is.
void show_text(QLineEdit* field, const std::string& text);

/// A label caption as the system writes it: a doubled "&" stands for one "&".
QString caption_text(const std::string& text);

/// Background of a label: ButtonFace is the palette's own window colour (no fill). On red or
/// yellow the text is drawn in black or white, whichever reads better.
void set_back_colour(QWidget* widget, Colour colour);
/// Text colour of a label: Black or Red.
void set_text_colour(QWidget* widget, Colour colour);
/// Black or white, whichever has the higher contrast on the background.
QColor readable_text_on(const QColor& background);
/// The background a label currently shows (for tests and the reports).
Colour back_colour(const QWidget* widget);
Colour text_colour(const QWidget* widget);

/// The objectName of one control of a control array, e.g. "cmdview_3".
QString indexed_name(const char* name, int index);

/// A length given for the standard 9-point text, grown (or shrunk) with the font the widget draws
/// with, so that a field keeps room for its figure when the text is large.
int font_scaled(const QWidget* widget, int pixels);

/// A tab page whose content sits at the top left and keeps its natural size; where the window is
/// smaller than that, the page scrolls.
QWidget* page_with(QLayout* content);
/// A frameless area that scrolls `content` when the window is too small for it, and moves to the
/// control the focus goes to.
QWidget* scrolling(QWidget* content);

/// Sizes a new window to its content, at least `least` (for the standard text), and no larger
/// than the screen.
void size_to_content(QWidget* window, QSize least);

/// A label in bold, heading a group of controls.
QLabel* heading_label(const QString& caption, QWidget* parent = nullptr);

/// Adds a named entry to a menu.
QAction* add_menu_action(QMenu* menu, const char* name, const char* caption);

/// A named text field with its tooltip.
QLineEdit* text_box(const QString& object_name, const QString& tooltip);
/// A named text field of a fixed width for a figure, which it shows right-aligned.
QLineEdit* number_box(const QString& object_name, const QString& tooltip, int width);

/// A sunken read-out that shows a calculated figure; its accessible name tells what the figure is
/// (add_row gives it its caption's).
QLabel* value_label(const QString& object_name, QWidget* parent, int min_width = 90);

/// Gives the caption columns (column 0) of several grids one width, so their values line up.
void align_captions(std::initializer_list<QGridLayout*> grids);

/// Adds a caption and a field or read-out as one row of a two-column grid. The caption of a field
/// is its label (buddy); a read-out without a name is named after its caption.
void add_row(QGridLayout* grid, int row, const QString& caption, QWidget* value, int column = 0);

/// A label that reports mouse clicks.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

/// One panel of a status bar: a text with a raised or sunken bevel.
class StatusPanel : public ClickableLabel {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);
    void set_sunken(bool sunken);
    bool sunken() const { return sunken_; }

private:
    bool sunken_ = false;
};

/// A status bar of panels numbered from 1.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    StatusBar(const QString& object_name, int panels, QWidget* parent = nullptr);
    StatusPanel* panel(int number) const { return panels_.at(number - 1); }
Q_SIGNALS:
    void panel_clicked(int number);

private:
    std::vector<StatusPanel*> panels_;
};

}  // namespace standwise

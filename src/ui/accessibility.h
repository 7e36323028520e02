// What assistive technology is told about the windows beyond the toolkit's own descriptions: the
// program's plain windows as windows, greyed tabs as disabled, combo boxes by their names, and
// read-outs with their meaning beside their figure. Every other control keeps the toolkit's own.
#pragma once

class QLabel;
class QString;
class QWidget;

namespace standwise {

/// Puts this program's descriptions in front of the toolkit's; runs once, before any window shows.
void install_accessibility();

/// Marks a label as the read-out of a figure: `meaning` ("Loop 1 quiescent current") is its name
/// (empty when it is named later), and the figure it shows at any moment is its value and
/// description.
void name_readout(QLabel* label, const QString& meaning);
/// Marks one of the program's windows built directly on a plain widget, which is then described as
/// a window rather than as a "filler".
void name_window(QWidget* window);
/// Whether a label was marked as a read-out.
bool is_readout(const QLabel* label);

}  // namespace standwise

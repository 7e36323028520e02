// What assistive technology is told about the windows beyond the toolkit's own descriptions: plain
// windows as windows, greyed tabs as disabled, and read-outs with their meaning beside their figure.
#pragma once

class QLabel;
class QString;

namespace standwise {

/// Puts this program's descriptions in front of the toolkit's; runs once, before any window shows.
void install_accessibility();

/// Marks a label as the read-out of a figure: `meaning` ("Loop 1 quiescent current") is its name
/// (empty when it is named later), and the figure it shows at any moment is its value and
/// description.
void name_readout(QLabel* label, const QString& meaning);
/// Whether a label was marked as a read-out.
bool is_readout(const QLabel* label);

}  // namespace standwise

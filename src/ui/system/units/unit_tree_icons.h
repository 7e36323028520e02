// The image list of the interface-unit trees: a unit, an input, a detection zone, an output relay
// and a visible LED, drawn in code so they stay sharp at any scale.
#pragma once

#include <QIcon>
#include <QString>

namespace standwise {

/// The image for one of the keys "Interface", "Input", "Squad", "Output" and "LED"; a null icon for
/// any other key.
QIcon unit_tree_icon(const QString& key);

}  // namespace standwise

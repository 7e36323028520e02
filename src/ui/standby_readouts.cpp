#include "ui/standby_readouts.h"

#include <QLabel>

#include "ui/accessibility.h"
#include "ui/widgets.h"

namespace standwise {

QLabel* standby_time_label(QWidget* parent) {
    QLabel* label = value_label(QStringLiteral("lblstandby"), parent);
    label->setAccessibleName(QStringLiteral("Standby time (hours:minutes)"));
    label->setToolTip(QStringLiteral("This is the standby time in hrs:mins with \"standard\" batteries"));
    return label;
}

QLabel* amphours_label(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lblamphours"));
    name_readout(label, QStringLiteral("Standard battery"));
    return label;
}

QLabel* capacity_label(const QString& object_name, int hours, QWidget* parent) {
    QLabel* label = value_label(object_name, parent);
    label->setAccessibleName(QStringLiteral("Battery capacity for %1 hours of standby").arg(hours));
    label->setToolTip(
        QStringLiteral("This is the battery capacity required for %1hrs of standby").arg(hours));
    return label;
}

void set_sounder_time_tooltip(std::initializer_list<QWidget*> frames, const QString& minutes) {
    const QString tooltip = QStringLiteral("Includes %1 minutes of sounder activation").arg(minutes);
    for (QWidget* frame : frames)
        frame->setToolTip(tooltip);
}

}  // namespace standwise

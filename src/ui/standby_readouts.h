// The standby-time and battery-requirement read-outs that the system and the interface workspace
// both show, with the tooltips that go with them.
#pragma once

#include <QString>
#include <initializer_list>

#include "calc/design_check.h"
#include "calc/system_calc.h"

class QGroupBox;
class QLabel;
class QWidget;

namespace standwise {

/// The read-out "lblstandby" of the standby time in hours and minutes.
QLabel* standby_time_label(QWidget* parent);
/// The label "lblamphours" that names the battery the standby time is for.
QLabel* amphours_label(QWidget* parent);
/// A read-out of the battery capacity that `hours` of standby need.
QLabel* capacity_label(const QString& object_name, int hours, QWidget* parent);

/// The frame under the standby figures that names the stock battery to fit each period and says
/// whether the standard battery covers it.
struct BatteryReadouts {
    QGroupBox* frame = nullptr;  // "frmbatteries", "Battery selection"
    QLabel *fit_24h = nullptr, *verdict_24h = nullptr, *fit_72h = nullptr, *verdict_72h = nullptr;
    QLabel* design_check = nullptr;  // "lbldesign_check": every limit exceeded, or all met
};
BatteryReadouts battery_selection_frame();
/// Shows a calculation's selection: the sizes to fit, and each verdict green or red.
void show_battery_selection(const BatteryReadouts& readouts, const BatterySelection& selection);

/// Shows the design check: "All limits met" on green, or every limit exceeded on red.
void show_design_check(const BatteryReadouts& readouts, const DesignCheck& check);

/// Tells, on the standby frames, how many minutes of sounder activation their figures include.
void set_sounder_time_tooltip(std::initializer_list<QWidget*> frames, const QString& minutes);

}  // namespace standwise

#include "ui/standby_readouts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <utility>

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

BatteryReadouts battery_selection_frame() {
    BatteryReadouts r;
    r.frame = new QGroupBox(QStringLiteral("Battery selection"));
    r.frame->setObjectName(QStringLiteral("frmbatteries"));
    auto* grid = new QGridLayout(r.frame);
    grid->setHorizontalSpacing(16);
    const struct {
        QLabel** fit;
        QLabel** verdict;
        int hours;
    } periods[] = {{&r.fit_24h, &r.verdict_24h, 24}, {&r.fit_72h, &r.verdict_72h, 72}};
    int row = 0;
    for (const auto& period : periods) {
        const QString hours = QString::number(period.hours);
        *period.fit = new QLabel(r.frame);
        (*period.fit)->setObjectName(QStringLiteral("lbl%1hr_fit").arg(hours));
        (*period.fit)->setAccessibleName(QStringLiteral("Stock battery to fit for %1hr standby").arg(hours));
        *period.verdict = new QLabel(r.frame);
        (*period.verdict)->setObjectName(QStringLiteral("lbl%1hr_verdict").arg(hours));
        (*period.verdict)->setAccessibleName(QStringLiteral("Standard battery for %1hr standby").arg(hours));
        (*period.verdict)->setMargin(2);
        // Room for the longest verdict, so a window sized to its content never has to scroll for it.
        (*period.verdict)
            ->setMinimumWidth(
                (*period.verdict)
                    ->fontMetrics()
                    .horizontalAdvance(QStringLiteral("The 200.5Ah battery does not cover 72hr standby")) +
                8);
        grid->addWidget(new QLabel(QStringLiteral("%1 hrs standby:").arg(hours), r.frame), row, 0);
        grid->addWidget(*period.fit, row, 1);
        grid->addWidget(*period.verdict, row + 1, 1, Qt::AlignLeft);
        row += 2;
    }
    r.design_check = new QLabel(r.frame);
    r.design_check->setObjectName(QStringLiteral("lbldesign_check"));
    r.design_check->setAccessibleName(QStringLiteral("Design check"));
    r.design_check->setWordWrap(true);
    r.design_check->setMargin(2);
    grid->addWidget(new QLabel(QStringLiteral("Design check:"), r.frame), row, 0, Qt::AlignTop);
    grid->addWidget(r.design_check, row, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    return r;
}

void show_battery_selection(const BatteryReadouts& readouts, const BatterySelection& selection) {
    const std::pair<const BatteryVerdict*, std::pair<QLabel*, QLabel*>> periods[] = {
        {&selection.for_24h, {readouts.fit_24h, readouts.verdict_24h}},
        {&selection.for_72h, {readouts.fit_72h, readouts.verdict_72h}}};
    for (const auto& [verdict, labels] : periods) {
        set_text(labels.first, qs(verdict->fit_text));
        set_text(labels.second, qs(verdict->verdict_text));
        set_back_colour(labels.second, verdict->verdict_colour);
    }
}

void show_design_check(const BatteryReadouts& readouts, const DesignCheck& check) {
    // One limit a line, so a long list stays readable.
    QString text;
    for (const std::string& limit : check.exceeded)
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + qs(limit);
    set_text(readouts.design_check, check.met() ? QString::fromLatin1(kAllLimitsMet) : text);
    set_back_colour(readouts.design_check, check.met() ? Colour::Green : Colour::Red);
}

void set_sounder_time_tooltip(std::initializer_list<QWidget*> frames, const QString& minutes) {
    const QString tooltip = QStringLiteral("Includes %1 minutes of sounder activation").arg(minutes);
    for (QWidget* frame : frames)
        frame->setToolTip(tooltip);
}

}  // namespace standwise

// The system workspace with a folder for configuration files and reports, and the steps a user
// takes to describe a panel: system and PSU options, cards, counts and interface units.
#pragma once

#include <QRadioButton>
#include <QTreeWidget>
#include <initializer_list>
#include <utility>

#include "platform/text_files.h"
#include "support/golden.h"
#include "system_window_fixture.h"

namespace standwise::test {

class SystemFilesTest : public SystemWindowTest {
protected:
    /// Chooses an option of the panel setup window; the question it asks is answered Yes.
    void choose_system(int type) { setup().optsystem[type]->click(); }
    void choose_psu(int option) { setup().optPSU[option]->click(); }

    /// Types counts into the loop window of one loop and leaves it.
    void enter_counts(int loop, std::initializer_list<std::pair<int, int>> counts) {
        main().cmdview_Click(loop);
        for (auto [type, count] : counts)
            type_count(type, QString::number(count));
        loop_window().cmdExit->click();
    }

    /// Puts units of one model on a loop through its window, the first unit with one extra channel.
    void enter_units(int loop, UnitModel unit_model, int count) {
        main().cmdview_Click(loop);
        frmMXunits& w = open_units(unit_model);
        w.cmbInterfaces->setCurrentIndex(count);
        w.TreeView1->setCurrentItem(w.node(QStringLiteral("Interface 1")));
        w.cmdAddInput_Click();
        w.cmdExit->click();
        loop_window().cmdExit->click();
    }

    /// An R220 on the 84Ah dual charger with loop cards of both kinds in slots 1, 3 and 5 around an
    /// I/O card, every other kind of card, units of all three models, and an overloaded loop 3.
    void enter_rich_panel() {
        choose_system(1);
        choose_psu(3);
        const std::pair<int, int> cards[] = {{2, kPthIo},   {3, kSmtLoop},         {4, kSmtCopperNetwork},
                                             {5, kSmtLoop}, {13, kFlashBackplane}, {14, kSmtIo}};
        for (auto [slot, card] : cards)
            fit(slot, card);
        enter_counts(1, {{1, 20}, {2, 5}, {21, 12}});
        enter_counts(3, {{1, 120}, {27, 4}});
        enter_counts(5, {{47, 30}});
        enter_units(1, UnitModel::MX210, 2);
        enter_units(3, UnitModel::MX220, 1);
        enter_units(5, UnitModel::MX240, 2);
        main().txtsite->setText(QStringLiteral("\"North\" wing, block 2"));
        main().txtsiteid->setText(QStringLiteral("ID 7, B"));
        main().txtma1->setText(QStringLiteral("150"));
        main().txtma2->setText(QStringLiteral("75"));
        main().cmbalarm_time->setCurrentIndex(2);
    }

    std::string save(const std::string& name) {
        const std::string path = folder.file(name);
        platform.choose_next(path);
        main().mnusave->trigger();
        return path;
    }

    /// "Load configuration" of a chosen file; changes unsaved are discarded.
    void load(const std::string& path) {
        if (ctx->system.modified()) platform.pick_next(1);
        platform.choose_next(path);
        main().mnuload->trigger();
    }

    /// "New configuration", answered Yes (or Discard, with changes unsaved), with its question forgotten.
    void start_new() {
        if (ctx->system.modified()) platform.pick_next(1);
        main().mnunew->trigger();
        platform.clear_messages();
    }

    /// Everything the windows show that a file or a report carries.
    Texts shown() {
        Texts lines = main().configuration_lines();
        for (std::string& line : main().full_report_lines())
            lines.push_back(std::move(line));
        return lines;
    }

    TempFolder folder;
};

}  // namespace standwise::test

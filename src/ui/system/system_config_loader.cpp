#include "ui/system/system_config_loader.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "ui/app_context.h"
#include "ui/system/frmmain.h"
#include "ui/system/frmnewfront.h"
#include "ui/widgets.h"

namespace standwise {
namespace {

// Chooses an option as a user's click does. Loading never asks about the change, and the flag that
// lets it pass never outlives the choice.
void choose_without_question(QRadioButton* option, bool& skip_prompt) {
    skip_prompt = true;
    option->setChecked(true);
    skip_prompt = false;
}

}  // namespace

// A type that is already chosen stays as it is, as an option clicked again changes nothing.
void SystemConfigLoader::select_system_type(std::int16_t system_type) {
    frmnewfront& setup = ctx_.newfront();
    if (ctx_.model.system_type == system_type && setup.optsystem[system_type]->isChecked()) return;
    choose_without_question(setup.optsystem[system_type], setup.skip_system_prompt);
}

void SystemConfigLoader::select_psu_option(std::int16_t option) {
    frmnewfront& setup = ctx_.newfront();
    if (ctx_.model.last_psu_type == option && setup.optPSU[option]->isChecked()) return;
    choose_without_question(setup.optPSU[option], setup.skip_psu_prompt);
}

void SystemConfigLoader::set_site(const std::string& text) {
    ctx_.main().txtsite->setText(qs(text));
}

void SystemConfigLoader::set_site_id(const std::string& text) {
    ctx_.main().txtsiteid->setText(qs(text));
}

void SystemConfigLoader::set_date(const std::string& text) {
    ctx_.main().lbldate->setText(qs(text));
}

// Every stored card is taken without the card-limit check: the file holds a panel as it was
// saved, and checking it slot by slot would test a mixture of its cards and the previous panel's.
// A list that already shows the stored card is left alone, as a selection that changes nothing
// raises no click; the counters, currents and loop tabs already follow what the lists show.
void SystemConfigLoader::select_slot(int slot, std::int16_t code) {
    frmnewfront& setup = ctx_.newfront();
    QComboBox* list = setup.cmbslot[slot];
    if (list->currentIndex() == code) return;
    setup.skip_card_check = true;
    list->setCurrentIndex(code);
    setup.skip_card_check = false;
}

void SystemConfigLoader::set_master_alarm_1(const std::string& text) {
    ctx_.main().txtma1->setText(qs(text));
}

void SystemConfigLoader::set_master_alarm_2(const std::string& text) {
    ctx_.main().txtma2->setText(qs(text));
}

void SystemConfigLoader::select_alarm_time(std::int16_t position) {
    ctx_.main().cmbalarm_time->setCurrentIndex(position);
}

void SystemConfigLoader::loop_read(int loop) {
    ctx_.calc_loop(loop);
}

// The tab is selected as a user would select it, so its handling runs only when it changes.
void SystemConfigLoader::finish() {
    ctx_.calc_system_standby();
    frmmain& main = ctx_.main();
    main.txtsite_Change();
    main.SSTabentry->setCurrentIndex(frmmain::kSiteDetailsTab);
}

}  // namespace standwise

// The interface-unit windows on the real loop and main windows, with the shipped device library.
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>

#include "calc/unit_sums.h"
#include "system_window_fixture.h"

namespace standwise::test {
namespace {

constexpr int kLoop = 2;

class UnitWindowTest : public SystemWindowTest {
protected:
    UnitWindowTest() { main().cmdview_Click(kLoop); }

    void select(frmMXunits& w, const char* key) {
        QTreeWidgetItem* item = w.node(QString::fromUtf8(key));
        ASSERT_NE(item, nullptr) << key;
        w.TreeView1->setCurrentItem(item);
    }

    static Texts children(const QTreeWidgetItem* item) {
        Texts result;
        for (int i = 0; i < item->childCount(); ++i)
            result.push_back(item->child(i)->text(0).toStdString());
        return result;
    }

    static std::vector<bool> add_enabled(const frmMXunits& w) {
        std::vector<bool> enabled;
        for (QPushButton* button : w.cmdAdd)
            enabled.push_back(button != nullptr && button->isEnabled());
        return enabled;
    }
};

TEST_F(UnitWindowTest, OpeningFromTheLoopWindowShowsTheLoop) {
    frmMXunits& w = open_units(UnitModel::MX240);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(loop_window().isVisible());
    EXPECT_EQ(w.windowTitle(), "Loop 2 Configuration - MX240 Four Channel I/O Interfaces");
    EXPECT_EQ(w.cmbInterfaces->count(), 26);  // "0" to the library's 25
    EXPECT_EQ(w.TreeView1->topLevelItem(0)->text(0), "MX240 Interfaces");
    EXPECT_EQ(texts(w.lblfeatureQuiescent, w.lblQuiescent), (Texts{"N/A", "0mA"}));
    EXPECT_FALSE(w.cmdRemove->isEnabled());
    EXPECT_EQ(add_enabled(w), std::vector<bool>(4, false));

    frmMXunits& mx210 = open_units(UnitModel::MX210);
    EXPECT_EQ(mx210.windowTitle(), "Loop 2 Configuration - MX210 Single Channel I/P Interfaces");
    EXPECT_EQ(shown(mx210.cmdRemove->text()), "Remove Input / Zone");  // the models' captions differ
    EXPECT_EQ(add_enabled(mx210), std::vector<bool>(4, false));
    EXPECT_EQ(mx210.findChild<QPushButton*>("cmdLED"), nullptr);
}

TEST_F(UnitWindowTest, CountChangeAddsAndRemovesUnitsAndZeroesTheRemoved) {
    frmMXunits& w = open_units(UnitModel::MX240);
    UnitLoopRecord& record = model().mx240_units[kLoop];
    w.cmbInterfaces->setCurrentIndex(3);
    EXPECT_EQ(children(w.TreeView1->topLevelItem(0)), (Texts{"Interface 1", "Interface 2", "Interface 3"}));
    EXPECT_EQ(record.unit_count, 3);
    EXPECT_EQ(model().loop_device_count[kLoop][77], 3);
    EXPECT_EQ(loop_window().cmb_viewdata[77]->currentText(), "3");

    select(w, "Interface 3");
    w.cmdLED_Click();
    w.cmdAddInput_Click();
    select(w, "Interface 2");
    w.cmdAddZone_Click();
    EXPECT_EQ(children(w.node("Interface 3")), (Texts{"Visible LED 1", "Input 1"}));
    ASSERT_NE(w.node("Interface 3 Visible LED 1"), nullptr);
    EXPECT_FALSE(w.node("Interface 3 Visible LED 1")->icon(0).isNull());

    w.cmbInterfaces->setCurrentIndex(1);
    EXPECT_EQ(children(w.TreeView1->topLevelItem(0)), Texts{"Interface 1"});
    EXPECT_EQ(w.node("Interface 3 Input 1"), nullptr);
    EXPECT_EQ(record.units[2].zones + record.units[3].leds + record.units[3].inputs, 0);
    EXPECT_EQ(loop_window().cmb_viewdata[77]->currentText(), "1");

    w.cmbInterfaces->setCurrentIndex(3);
    EXPECT_TRUE(children(w.node("Interface 3")).empty());
    w.populateForm(kLoop);  // rebuilt from the model: still empty
    EXPECT_TRUE(children(w.node("Interface 2")).empty());
    EXPECT_EQ(text(w.lblQuiescent), "1.05mA");  // three bare units of 0.35 mA
}

TEST_F(UnitWindowTest, AddButtonsFollowTheKindLimitsAndTheFullUnit) {
    frmMXunits& w = open_units(UnitModel::MX240);
    w.cmbInterfaces->setCurrentIndex(1);
    select(w, "Interface 1");
    EXPECT_EQ(add_enabled(w), std::vector<bool>(4, true));
    w.cmdAddZone_Click();  // one detection zone per unit
    EXPECT_EQ(add_enabled(w), (std::vector<bool>{true, false, true, true}));
    w.cmdAddInput_Click();
    w.cmdAddRelay_Click();
    EXPECT_EQ(add_enabled(w), (std::vector<bool>{true, false, true, true}));
    w.cmdLED_Click();  // four channels: full
    EXPECT_EQ(add_enabled(w), std::vector<bool>(4, false));
    EXPECT_EQ(children(w.node("Interface 1")),
              (Texts{"Detection Zone 1", "Input 1", "Output Relay 1", "Visible LED 1"}));
    select(w, "Interface 1 Input 1");
    EXPECT_EQ(add_enabled(w), std::vector<bool>(4, false));  // only a unit node takes channels
}

TEST_F(UnitWindowTest, OnlyTheLastChannelOfAKindIsRemovable) {
    frmMXunits& w = open_units(UnitModel::MX240);
    w.cmbInterfaces->setCurrentIndex(1);
    select(w, "Interface 1");
    w.cmdAddInput_Click();
    w.cmdAddInput_Click();
    w.cmdAddZone_Click();
    struct Case {
        const char* key;
        bool removable;
        const char* quiescent;
        const char* alarm;
    };
    for (const Case& c : {Case{"Interface 1 Input 1", false, "0.1mA", "0.4mA"},
                          Case{"Interface 1 Input 2", true, "0.1mA", "0.4mA"},
                          Case{"Interface 1 Detection Zone 1", true, "0.6mA", "2.5mA"},
                          Case{"Interface 1", false, "0.35mA", "0.35mA"}, Case{"Hub", false, "N/A", "N/A"}}) {
        select(w, c.key);
        EXPECT_EQ(w.cmdRemove->isEnabled(), c.removable) << c.key;
        EXPECT_EQ(text(w.lblfeatureQuiescent), c.quiescent) << c.key;
        EXPECT_EQ(text(w.lblfeatureAlarm), c.alarm) << c.key;
    }

    select(w, "Interface 1 Input 2");
    w.cmdRemove_Click();
    EXPECT_EQ(model().mx240_units[kLoop].units[1].inputs, 1);
    EXPECT_EQ(w.node("Interface 1 Input 2"), nullptr);
    EXPECT_EQ(w.TreeView1->currentItem()->text(0), "Detection Zone 1");  // the unit's last channel
    EXPECT_TRUE(w.cmdRemove->isEnabled());
}

TEST_F(UnitWindowTest, TheMx220RelayComesWithEveryUnitAndStays) {
    frmMXunits& w = open_units(UnitModel::MX220);
    w.cmbInterfaces->setCurrentIndex(2);
    EXPECT_EQ(children(w.node("Interface 2")), Texts{"Output Relay"});
    ASSERT_NE(w.node("Interface 2 Output"), nullptr);
    EXPECT_EQ(texts(w.lblQuiescent, w.lblAlarm), (Texts{"0.8mA", "2.4mA"}));

    select(w, "Interface 2 Output");
    EXPECT_FALSE(w.cmdRemove->isEnabled());
    EXPECT_EQ(text(w.lblfeatureAlarm), "0.9mA");
    w.cmdRemove_Click();
    EXPECT_NE(w.node("Interface 2 Output"), nullptr);

    select(w, "Interface 2");
    EXPECT_EQ(add_enabled(w), (std::vector<bool>{true, true, false, false}));
    w.cmdAddZone_Click();  // one channel beside the relay fills the unit
    EXPECT_EQ(add_enabled(w), std::vector<bool>(4, false));
    EXPECT_EQ(children(w.node("Interface 2")), (Texts{"Output Relay", "Detection Zone 1"}));
}

TEST_F(UnitWindowTest, TotalsAndLeavingUpdateTheLoopFigures) {
    frmMXunits& w = open_units(UnitModel::MX240);
    w.cmbInterfaces->setCurrentIndex(2);
    for (auto [key, inputs] : {std::pair{"Interface 1", 2}, std::pair{"Interface 2", 3}}) {
        select(w, key);
        for (int i = 0; i < inputs; ++i)
            w.cmdAddInput_Click();
    }
    // One input of the loop in alarm, four at rest, two units.
    EXPECT_EQ(texts(w.lblQuiescent, w.lblAlarm), (Texts{"1.2mA", "1.5mA"}));
    QLabel* loop_alarm = main().lblcurrent_a[kLoop];
    EXPECT_EQ(text(loop_alarm), "000.70mA");  // the count change counted the two units; channels follow

    w.close();  // the close box leaves as Exit does
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(loop_window().isVisible());
    EXPECT_EQ(text(loop_alarm), "001.50mA");

    open_units(UnitModel::MX240);  // reopened on the same loop, the totals show at once
    EXPECT_EQ(text(w.lblAlarm), "1.5mA");
    EXPECT_EQ(w.cmbInterfaces->currentIndex(), 2);
}

TEST_F(UnitWindowTest, ARefusedCountGoesBackToThePreviousOne) {
    frmMXunits& w = open_units(UnitModel::MX240);
    w.cmbInterfaces->setCurrentIndex(2);
    model().loop_device_count[kLoop][1] = 195;
    platform.clear_messages();

    w.cmbInterfaces->setCurrentIndex(6);  // 201 devices on the loop
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.front().caption, "Too Many Devices");
    EXPECT_EQ(w.cmbInterfaces->currentIndex(), 2);
    EXPECT_EQ(children(w.TreeView1->topLevelItem(0)).size(), 2u);
    EXPECT_EQ(model().mx240_units[kLoop].unit_count, 2);
    EXPECT_EQ(model().loop_device_count[kLoop][77], 2);
    EXPECT_EQ(loop_window().cmb_viewdata[77]->currentText(), "2");
}

// A count typed into the loop window's field of a unit model takes effect once it is finished
// (Return here), through the unit window's own count change.
TEST_F(UnitWindowTest, CountTypedInTheLoopWindowBringsItsUnits) {
    for (UnitModel unit_model : kUnitModels) {
        const int type = device_type_of(unit_model);
        SCOPED_TRACE(type);
        UnitLoopRecord& record = model().units_of(unit_model)[kLoop];
        record.units[2].inputs = 1;  // left beyond the count by a file
        QComboBox* field = loop_window().cmb_viewdata[type];
        auto finish_typing = [&](const char* count) {
            type_count(type, QString::fromUtf8(count));
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(field->lineEdit(), &enter);
        };

        type_count(type, QStringLiteral("2"));
        EXPECT_EQ(record.unit_count, 0);  // not before the count is finished
        finish_typing("2");
        EXPECT_EQ(record.unit_count, 2);
        EXPECT_EQ(record.units[2].inputs, 0);
        EXPECT_EQ(model().loop_device_count[kLoop][type], 2);
        EXPECT_GT(record.alarm, 0);
        EXPECT_DOUBLE_EQ(model().loop_currents[kLoop][2], record.alarm);

        // Beyond the model's maximum, or not a count: refused, nothing changes.
        platform.clear_messages();
        const std::string over = std::to_string(model().device_loop_max[type] + 1);
        for (const char* refused : {over.c_str(), "abc", "-1", "1.5"}) {
            finish_typing(refused);
            EXPECT_EQ(record.unit_count, 2) << refused;
            EXPECT_EQ(model().loop_device_count[kLoop][type], 2) << refused;
            EXPECT_EQ(text(field), "2") << refused;
        }
        EXPECT_EQ(platform.captions(), Texts{"Too Many Of This Device Type"});

        finish_typing("0");
        EXPECT_EQ(record.unit_count, 0);
        EXPECT_EQ(model().loop_currents[kLoop][2], 0);
    }
    // A count still being typed is taken when the window is left.
    type_count(77, QStringLiteral("1"));
    loop_window().cmdExit->click();
    EXPECT_EQ(model().mx240_units[kLoop].unit_count, 1);
    EXPECT_EQ(ctx->unit_window(UnitModel::MX240).TreeView1->topLevelItem(0)->childCount(), 1);
}

}  // namespace
}  // namespace standwise::test

// What a screen reader is told of every control: the role of its class, the value or text it
// shows, and for menus their items; the program's own descriptions only where it means to change
// the toolkit's.
#include <QAccessible>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <map>

#include "system_window_fixture.h"
#include "ui/accessibility.h"
#include "ui/interface/frminterface.h"
#include "ui/misc/frmabout.h"
#include "ui/misc/frmdevice_help.h"
#include "ui/misc/frmpicture.h"

namespace standwise::test {
namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString without_marker(QString caption) {
    return QString::fromStdString(shown(caption));
}

// The role each class of control must have, and what its value or text must read.
class RoleWalk {
public:
    std::vector<std::string> faults;

    void control(QWidget* widget) {
        QAccessibleInterface* a = accessible(widget);
        const std::string name = widget->objectName().toStdString() + " " + widget->metaObject()->className();
        auto fault = [&](const std::string& what) { faults.push_back(name + ": " + what); };
        const QAccessible::Role role = a->role();
        const QAccessible::State state = a->state();
        if (state.focusable && role == QAccessible::Client) fault("a focusable filler");

        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            if (role != QAccessible::EditableText) fault("not editable text");
            QAccessibleTextInterface* text = a->textInterface();
            if (text == nullptr || a->editableTextInterface() == nullptr)
                return fault("no editable text interface");
            if (text->text(0, text->characterCount()) != field->text() ||
                a->text(QAccessible::Value) != field->text())
                fault("reads '" + text->text(0, text->characterCount()).toStdString() + "'");
            if (a->text(QAccessible::Name).isEmpty()) fault("no name");
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            if (role != QAccessible::ComboBox) fault("not a combo box");
            if (a->text(QAccessible::Value) != combo->currentText()) fault("value is not the entry shown");
            if (a->text(QAccessible::Name) != combo->accessibleName() || combo->accessibleName().isEmpty())
                fault("named '" + a->text(QAccessible::Name).toStdString() + "'");
            if (a->childCount() < (combo->isEditable() ? 2 : 1)) fault("lacks its list or its field");
            if (a->actionInterface() == nullptr || a->actionInterface()->actionNames().isEmpty())
                fault("has no actions");
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            if (role != QAccessible::MenuBar) fault("not a menu bar");
            if (a->childCount() != bar->actions().size()) fault("lacks its menus");
            for (int i = 0; i < a->childCount(); ++i)
                if (a->child(i)->role() != QAccessible::MenuItem ||
                    a->child(i)->text(QAccessible::Name) != without_marker(bar->actions()[i]->text()))
                    fault("menu " + std::to_string(i) + " is not its title");
        } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            if (role != QAccessible::PopupMenu) fault("not a pop-up menu");
            if (a->childCount() != menu->actions().size()) return fault("lacks its items");
            for (int i = 0; i < a->childCount(); ++i) {
                QAction* action = menu->actions()[i];
                QAccessibleInterface* item = a->child(i);
                const bool right = action->isSeparator()
                                       ? item->role() == QAccessible::Separator
                                       : item->role() == QAccessible::MenuItem &&
                                             item->text(QAccessible::Name) == without_marker(action->text());
                if (!right) fault("item " + std::to_string(i) + " is not " + action->text().toStdString());
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const QAccessible::Role expected = qobject_cast<QRadioButton*>(widget)  ? QAccessible::RadioButton
                                               : qobject_cast<QCheckBox*>(widget)   ? QAccessible::CheckBox
                                               : qobject_cast<QPushButton*>(widget) ? QAccessible::PushButton
                                                                                    : role;
            if (role != expected) fault("not a button of its kind");
            if (button->isCheckable() && state.checked != button->isChecked()) fault("checked state differs");
            if (button->isEnabled() &&
                (a->actionInterface() == nullptr || a->actionInterface()->actionNames().isEmpty()))
                fault("has no actions");
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            if (role != QAccessible::PageTabList || a->childCount() != tabs->count()) fault("not a tab list");
        } else if (auto* label = qobject_cast<QLabel*>(widget); label && is_readout(label)) {
            if (role != QAccessible::StaticText) fault("not static text");
            if (a->text(QAccessible::Value) != label->text()) fault("value is not the figure shown");
        }
    }
};

class AccessibleRolesTest : public SystemWindowTest {};

TEST_F(AccessibleRolesTest, EveryControlHasTheRoleAndValueOfItsClass) {
    // Figures and entries other than the defaults, so that a value that is not read shows.
    main().txtsite->setText(QStringLiteral("Harbour Road"));
    main().txtma1->setText(QStringLiteral("12.5"));
    main().cmbalarm_time->setCurrentIndex(2);
    main().cmdview[1]->click();
    type_count(1, QStringLiteral("7"));
    frminterface& interface = ctx->interface_window();
    interface.txtaux_current->setText(QStringLiteral("40"));
    interface.optzone[2]->click();
    std::vector<QWidget*> windows{&main(),       &setup(),        &loop_window(),     &interface,
                                  &ctx->about(), &ctx->picture(), &ctx->device_help()};
    for (UnitModel unit : kUnitModels)
        windows.push_back(&open_units(unit));

    std::map<std::string, std::vector<std::string>> faults, none;
    std::map<std::string, int> seen;
    for (QWidget* window : windows) {
        const std::string name = window->objectName().toStdString();
        none[name];
        RoleWalk walk;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            walk.control(widget);
            ++seen[widget->metaObject()->className()];
        }
        walk.control(window);
        faults[name] = walk.faults;
        QAccessibleInterface* whole = accessible(window);
        EXPECT_TRUE(whole->role() == QAccessible::Window || whole->role() == QAccessible::Dialog) << name;
    }
    EXPECT_EQ(faults, none);
    for (const char* kind : {"QLineEdit", "QComboBox", "QMenuBar", "QMenu", "QPushButton", "QRadioButton",
                             "QCheckBox", "QTabBar"})
        EXPECT_GT(seen[kind], 0) << kind;

    // What the fields hold, as a reader hears it.
    EXPECT_EQ(accessible(main().cmbalarm_time)->text(QAccessible::Name).toStdString(),
              "Alarm duration (minutes)");
    EXPECT_EQ(accessible(main().cmbalarm_time)->text(QAccessible::Value).toStdString(), "90");
    EXPECT_EQ(accessible(main().txtma1)->text(QAccessible::Value).toStdString(), "12.5");
    QAccessibleInterface* file = accessible(main().menuBar())->child(0);
    ASSERT_EQ(file->childCount(), 1);
    EXPECT_EQ(file->child(0)->role(), QAccessible::PopupMenu);
    EXPECT_EQ(file->child(0)->child(2)->text(QAccessible::Accelerator),
              QKeySequence(QKeySequence::Save).toString());
}

}  // namespace
}  // namespace standwise::test

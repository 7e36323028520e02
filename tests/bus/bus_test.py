"""Walks the running program over the accessibility bus, as a screen reader does.

Run by bus_session.sh with the program's process id. It sets the site and a master alarm load
through the fields' editable text, saves the configuration through File > Save configuration and
the file chooser's own file name field and Save button, opens the panel setup, a loop, its MX240
units and the interface workspace with their buttons' and menus' actions, and checks in each window
the roles a reader relies on: a menu bar whose items carry key bindings, text fields that are named
and read back what they hold, combo boxes named by what they are, and no focusable "filler".
"""

import os
import sys
import time

import pyatspi

PROGRAM_PID = int(sys.argv[1])
OUT = os.environ["STANDWISE_BUS_OUT"]
TEXT_ROLES = (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT)
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)
    return condition


def wait_for(what, find, seconds=30):
    """Polls `find` until it gives something; fails the test after `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # the tree changes while windows open and close
            found = None
        if found is not None:
            return found
        time.sleep(0.2)
    print("FAIL: no", what, "within", seconds, "s", flush=True)
    sys.exit(1)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == PROGRAM_PID:
            return app
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def window(title_start):
    app = application()
    if app is None:
        return None
    for top in app:
        if top is not None and top.name.startswith(title_start) and showing(top):
            return top
    return None


def descendants(node, inside_lists=False):
    """Every object below `node`; a combo box's pop-up list is left out (hundreds of entries)."""
    for child in node:
        if child is None:
            continue
        yield child
        if child.getRole() == pyatspi.ROLE_COMBO_BOX and not inside_lists:
            for part in child:
                if part is not None and part.getRole() in TEXT_ROLES:
                    yield part
            continue
        yield from descendants(child, inside_lists)


def find(node, role, name=None, start=None):
    for child in descendants(node):
        if child.getRole() != role:
            continue
        if name is not None and child.name != name:
            continue
        if start is not None and not child.name.startswith(start):
            continue
        return child
    return None


def press(node):
    """The object's first action; one that opens a modal window answers only once it closes, which
    the bus does not wait for."""
    if not check(node is not None, "nothing to press"):
        return
    try:
        node.queryAction().doAction(0)
    except Exception:
        pass


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def menu_items(menu_bar):
    items = []
    if menu_bar is None:
        return items
    for child in descendants(menu_bar, inside_lists=True):
        if child.getRole() in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM):
            items.append(child)
    return items


def survey(name, top, needs):
    """Checks one window and returns its row of the table of roles."""
    row = {"menu bar": 0, "menu items": 0, "with keys": 0, "text": 0, "combo box": 0, "fillers": 0}
    for node in descendants(top):
        role = node.getRole()
        state = node.getState()
        if role == pyatspi.ROLE_MENU_BAR:
            row["menu bar"] += 1
            for item in menu_items(node):
                row["menu items"] += 1
                action = item.queryAction()
                keys = action.getKeyBinding(0) if action.nActions > 0 else ""
                if check(keys != "", f"{name}: menu item '{item.name}' has no key binding"):
                    row["with keys"] += 1
        elif role in TEXT_ROLES:
            row["text"] += 1
            check(node.name != "", f"{name}: a text field has no name")
        elif role == pyatspi.ROLE_COMBO_BOX:
            row["combo box"] += 1
            check(node.name != "", f"{name}: a combo box has no name")
            check(not node.name.isdigit(), f"{name}: a combo box is named by its value '{node.name}'")
        if role == pyatspi.ROLE_FILLER and state.contains(pyatspi.STATE_FOCUSABLE):
            row["fillers"] += 1
            check(False, f"{name}: a focusable filler in {node.parent.name!r} ({node.parent.getRoleName()})")
    for part in needs:
        check(row[part] > 0, f"{name}: no {part}")
    return row


def set_field(top, name, value):
    field = find(top, pyatspi.ROLE_TEXT, name) or find(top, pyatspi.ROLE_ENTRY, name)
    if not check(field is not None, f"no text field named '{name}'"):
        return None
    field.queryEditableText().setTextContents(value)
    return field


def main():
    app = wait_for("application on the bus", application)
    print("application on the bus:", app.name, flush=True)
    table = {}

    main_window = wait_for("main window", lambda: window("Standwise - System"))
    site = set_field(main_window, "Site", "Harbour Road")
    if site is not None:
        check(text_of(site) == "Harbour Road", f"the site reads back '{text_of(site)}'")
        # The typed site is not saved yet: the title carries the desktop's mark of unsaved changes.
        wait_for("title with the site", lambda: window("Standwise - System") if
                 window("Standwise - System").name.endswith(" - Harbour Road*") else None, 10)
    load = set_field(main_window, "Master alarm circuit 1 current (mA)", "12.5")
    if load is not None:
        check(text_of(load) == "12.5", f"the master alarm load reads back '{text_of(load)}'")
    combo = find(main_window, pyatspi.ROLE_COMBO_BOX, "Alarm duration (minutes)")
    check(combo is not None, "no combo box named 'Alarm duration (minutes)'")
    table["main"] = survey("main", main_window, ["menu bar", "menu items", "text", "combo box"])

    # File > Save configuration, and a file named in the chooser's own field.
    bar = find(main_window, pyatspi.ROLE_MENU_BAR)
    save = next((i for i in menu_items(bar) if i.name == "Save configuration"), None)
    if check(save is not None, "no menu item 'Save configuration'"):
        target = os.path.join(OUT, "harbour.cfg")
        press(save)
        chooser = wait_for("file chooser", lambda: window("Save System Configuration"))
        file_name = find(chooser, pyatspi.ROLE_TEXT, start="File name") or find(
            chooser, pyatspi.ROLE_ENTRY, start="File name")
        if check(file_name is not None, "the file chooser has no 'File name' field"):
            file_name.queryEditableText().setTextContents(target)
            press(find(chooser, pyatspi.ROLE_PUSH_BUTTON, "Save"))
            wait_for("saved configuration", lambda: target if os.path.exists(target) else None, 15)
            time.sleep(0.5)
            with open(target, encoding="utf-8", errors="replace") as saved:
                content = saved.read()
            check("Harbour Road" in content, "the saved configuration lacks the site")
            print("saved", target, "with", len(content.splitlines()), "lines", flush=True)

    # The panel setup, from the System tab's button.
    press(find(main_window, pyatspi.ROLE_PUSH_BUTTON, "Configure System"))
    setup = wait_for("panel setup", lambda: window("System Configuration"))
    table["panel setup"] = survey("panel setup", setup, ["combo box"])
    press(find(setup, pyatspi.ROLE_PUSH_BUTTON, "Exit"))
    main_window = wait_for("main window again", lambda: window("Standwise - System"))

    # Loop 1, its MX240 units, and back.
    press(find(main_window, pyatspi.ROLE_PUSH_BUTTON, "Set/View Loop"))
    loop = wait_for("loop window", lambda: window("Loop Configuration - Loop 1"))
    table["loop"] = survey("loop", loop, ["menu bar", "menu items", "text", "combo box"])
    press(find(loop, pyatspi.ROLE_PUSH_BUTTON, "Change MX240 units"))
    units = wait_for("MX240 window", lambda: window("Loop 1 Configuration - MX240"))
    check(find(units, pyatspi.ROLE_TREE) is not None, "the MX240 window shows no tree")
    table["MX240"] = survey("MX240", units, ["combo box"])
    press(find(units, pyatspi.ROLE_PUSH_BUTTON, "Exit"))
    loop = wait_for("loop window again", lambda: window("Loop Configuration - Loop 1"))
    press(find(loop, pyatspi.ROLE_PUSH_BUTTON, "Exit"))
    main_window = wait_for("main window again", lambda: window("Standwise - System"))

    # The interface workspace through the File menu.
    bar = find(main_window, pyatspi.ROLE_MENU_BAR)
    switch = next((i for i in menu_items(bar) if i.name == "Switch to interface"), None)
    if check(switch is not None, "no menu item 'Switch to interface'"):
        press(switch)
        interface = wait_for("interface window", lambda: window("Standwise - Interface"))
        aux = set_field(interface, "Auxiliary supply current (mA)", "40")
        if aux is not None:
            check(text_of(aux) == "40", f"the auxiliary current reads back '{text_of(aux)}'")
        table["interface"] = survey("interface", interface, ["menu bar", "menu items", "text", "combo box"])

    columns = ["menu bar", "menu items", "with keys", "text", "combo box", "fillers"]
    print()
    print("| Window | " + " | ".join(columns) + " |")
    print("|---" * (len(columns) + 1) + "|")
    for name, row in table.items():
        print(f"| {name} | " + " | ".join(str(row[c]) for c in columns) + " |")
    print()
    if failures:
        print(len(failures), "failure(s)")
        sys.exit(1)
    print("bus test passed")


main()

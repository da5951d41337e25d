#!/usr/bin/python3
"""The program under Xvfb as a screen reader sees it, over the accessibility
bus (run inside dbus-run-session): every control is named, the six category
buttons are push buttons that select their category when pressed through
their action, and each shortcut changes the window as its mouse equivalent
does (texts read back over the bus and the clipboard, glow checked pixel by
pixel)."""

import argparse
import os
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

import main_window_e2e as e2e  # noqa: E402

CATEGORIES = ["Любовь", "Дружба", "Работа и учёба", "Праздники", "Утро и ночь", "Приколы"]
CONTROLS = {"Предыдущее": "push button", "Следующее": "push button",
            "Случайное": "push button", "Отправить": "push button",
            "Номер сообщения": "text", "Сообщение": "text"}
# Roles a user operates; each must carry a name.
OPERATED = {"push button", "toggle button", "text", "entry", "list", "list item", "menu item"}


def fresh(node):
    """The node with nothing cached, so states and texts are read anew."""
    node.clear_cache()
    return node


def find_application(pid):
    found = []

    def registered():
        desktop = Atspi.get_desktop(0)
        for k in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(k)
            if app is not None and app.get_process_id() == pid:
                found[:] = [app]
                return None
        return "the program is not on the accessibility bus"
    e2e.eventually(registered, seconds=15)
    app = found[0]
    app.set_cache_mask(Atspi.Cache.NONE)
    return app


def walk(node):
    yield node
    for k in range(node.get_child_count()):
        child = node.get_child_at_index(k)
        if child is not None:
            yield from walk(child)


def text_of(node):
    return fresh(node).get_text_iface().get_text(0, -1)


def is_checked(node):
    return fresh(node).get_state_set().contains(Atspi.StateType.CHECKED)


class Screen:
    """What the window shows, through the bus and on screen."""

    def __init__(self, desktop, program, background, sprites, app):
        self.desktop, self.program = desktop, program
        self.background, self.sprites = background, sprites
        nodes = [node for node in walk(app)
                 if node.get_role_name() in OPERATED and node.get_name()]
        self.by_name = {node.get_name(): node for node in nodes}

    def expect(self, number, message, opacities, what):
        def shown():
            seen = (text_of(self.by_name["Номер сообщения"]), text_of(self.by_name["Сообщение"]))
            if seen != (number, message):
                return f"{what}: the bus reads {seen!r}, expected {(number, message)!r}"
            return None
        e2e.eventually(shown)
        e2e.expect_glow(self.desktop, self.program, self.background, self.sprites, opacities)


def glow(selected):
    return [100 if k == selected else 30 for k in range(6)]


def check_names(app):
    windows = [(node.get_role_name(), node.get_name()) for node in walk(app)
               if node.get_role_name() == "frame"]
    if windows != [("frame", e2e.CAPTION)]:
        e2e.fail(f"windows on the bus: {windows}")
    unnamed = [node.get_role_name() for node in walk(app)
               if node.get_role_name() in OPERATED and not node.get_name()]
    if unnamed:
        e2e.fail(f"controls without a name: {unnamed}")
    roles = {node.get_name(): node.get_role_name() for node in walk(app)}
    for name, role in CONTROLS.items():
        if roles.get(name) != role:
            e2e.fail(f"{name!r}: role {roles.get(name)!r}, expected {role!r}")
    for name in CATEGORIES:
        if roles.get(name) != "push button":
            e2e.fail(f"category {name!r}: role {roles.get(name)!r}, expected a push button")


def run(folder):
    records = e2e.read_messages(folder)
    by_mark = {mark: [body for m, body in records if m == mark] for mark in "123456"}
    background, sprites = e2e.skin_pictures(folder)

    server, display = e2e.start_xvfb()
    desktop = e2e.Desktop(display)
    desktop.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    program = None
    try:
        program = e2e.Program(desktop, folder, os.path.join(folder, "message-boxes.log"))
        e2e.wait_until_painted(desktop, program, background)
        # Away from the round buttons: only the selection makes one glow.
        desktop.xdotool("mousemove", "--sync", *program.at(e2e.MESSAGE_AREA))
        app = find_application(program.process.pid)
        check_names(app)
        screen = Screen(desktop, program, background, sprites, app)
        screen.expect("", e2e.GREETING, glow(None), "startup")

        work = screen.by_name[CATEGORIES[2]]
        fresh(work).get_action_iface().do_action(0)
        screen.expect("1", by_mark["3"][0], glow(2), "category 3 pressed over the bus")
        if not is_checked(work):
            e2e.fail("the pressed category button is not checked")

        program.keys("alt+0")
        screen.expect("1", records[0][1], glow(None), "Alt+0")
        if is_checked(work):
            e2e.fail("the cleared category button is still checked")
        program.keys("alt+Right")
        screen.expect("2", records[1][1], glow(None), "Alt+Right")
        program.keys("alt+Left")
        screen.expect("1", records[0][1], glow(None), "Alt+Left")
        program.keys("alt+3")
        screen.expect("1", by_mark["3"][0], glow(2), "Alt+3")
        program.keys("alt+5")
        screen.expect("1", by_mark["5"][0], glow(4), "Alt+5")

        program.keys("ctrl+r")
        picked = []

        def random_number():
            text = text_of(screen.by_name["Номер сообщения"])
            picked[:] = [int(text)] if text.isdigit() else []
            return None if picked and 1 <= picked[0] <= len(by_mark["5"]) else f"Ctrl+R: {text!r}"
        e2e.eventually(random_number)
        screen.expect(str(picked[0]), by_mark["5"][picked[0] - 1], glow(4), "Ctrl+R")

        program.keys("F6", "2")
        screen.expect("2", by_mark["5"][1], glow(4), "F6, then 2")

        program.click(e2e.MESSAGE_AREA)  # the caret only, nothing selected
        desktop.clear_clipboard()
        program.keys("ctrl+c")
        if desktop.clipboard() != by_mark["5"][1]:
            e2e.fail(f"Ctrl+C copied {desktop.clipboard()!r}")

        program.keys("alt+5")
        screen.expect("2", records[1][1], glow(None), "Alt+5 again")
    finally:
        e2e.stop(program, server)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program-folder", required=True)
    args = parser.parse_args()
    return e2e.run_on_a_copy(args.program_folder, run)


if __name__ == "__main__":
    sys.exit(main())

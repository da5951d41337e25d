#!/usr/bin/python3
"""The Windows program folder under Wine on Xvfb, driven as a user would:
the greeting at start, Next and a typed number with the texts read back
through the clipboard, a category selected and cleared, the glow at rest (30)
and near a button's centre (70) pixel for pixel, the skin chooser writing
options.dat, and Exit through the menu."""

import argparse
import os
import subprocess
import sys
import tempfile

from PIL import Image

import main_window_e2e as e2e
from e2e_support import fail, program_folder_copy

# The menu bar lies just above the client area; its first item is "Файл".
FILE_MENU = (20, -10)


class Wine:
    """Runs Windows programs in one prefix, on the test's X display."""

    def __init__(self, wine_run, prefix, desktop):
        self.wine_run, self.prefix = wine_run, prefix
        desktop.env["PELLORY_WINE_KEEP_DISPLAY"] = "1"
        self.desktop = desktop

    def command(self, program, *arguments):
        return [self.wine_run, self.prefix, program, *arguments]

    def run(self, program, *arguments):
        subprocess.run(self.command(program, *arguments), env=self.desktop.env, check=True,
                       stdout=subprocess.DEVNULL, timeout=120)


def decoded_background(wine, picture_dump, folder, skin):
    """The skin's background as Windows decodes it (decoders differ in the last bits)."""
    with tempfile.TemporaryDirectory(prefix="pellory-wine-") as temp:
        raw = os.path.join(temp, "background.raw")
        wine.run(picture_dump, os.path.join(folder, "skins", skin, "background.jpg"), raw)
        with open(raw, "rb") as dump:
            data = dump.read()
    header, _, pixels = data.partition(b"\n")
    width, height = (int(part) for part in header.split())
    return Image.frombytes("RGB", (width, height), pixels, "raw", "BGRX")


def skin_name(folder):
    with open(os.path.join(folder, "options.dat"), "rb") as options:
        return options.read().split(b"\r\n")[0].decode("cp1251")


RESTART_MESSAGE = "Для применения настроек, перезагрузите программу"


def choose_last_skin(program, folder):
    """Опции > Интерфейс > Скины, the last skin by name, "Выбрать"."""
    skins = sorted((entry for entry in os.listdir(os.path.join(folder, "skins"))
                    if os.path.isdir(os.path.join(folder, "skins", entry))), key=str.casefold)
    program.click(FILE_MENU)
    program.keys("Right", "Right", "Return")
    chooser = program.desktop.xdotool("search", "--sync", "--onlyvisible", "--name",
                                      "^Выбрать скин$").split()[0]
    program.desktop.xdotool("windowfocus", "--sync", chooser)
    # The list has the focus; enough steps down reach its last entry.
    program.desktop.xdotool("key", "--delay", "100", *["Down"] * len(skins), "Tab", "Return")

    def written():
        seen = skin_name(folder)
        return None if seen == skins[-1] else f"options.dat names {seen!r}, not {skins[-1]!r}"
    e2e.eventually(written)


def expect_only_restart_message(box_log):
    """The one message box of the run: the chooser's restart notice."""
    lines = []
    if os.path.exists(box_log):
        with open(box_log, encoding="utf-8") as log:
            lines = log.read().splitlines()
    if len(lines) != 1 or lines[0].split("\t")[-1] != RESTART_MESSAGE:
        fail(f"message boxes shown: {lines!r}, expected the restart notice alone")


def run(folder, wine_run, prefix, picture_dump):
    records = e2e.read_messages(folder)
    category3 = [body for mark, body in records if mark == "3"]
    if not records or not category3:
        fail("the program folder's database has no messages of category 3")
    sprites = [e2e.read_sprite(os.path.join(folder, "Data", f"but{k}.dat")) for k in range(1, 7)]

    server, display = e2e.start_xvfb()
    desktop = e2e.Desktop(display)
    wine = Wine(wine_run, prefix, desktop)
    background = decoded_background(wine, picture_dump, folder, skin_name(folder))
    box_log = os.path.join(folder, "message-boxes.log")
    program = None
    try:
        program = e2e.Program(desktop, folder, box_log,
                              command=wine.command(os.path.join(folder, "Pellory.exe")))
        e2e.wait_until_painted(desktop, program, background)
        program.expect_text(e2e.MESSAGE_AREA, e2e.GREETING, "greeting at startup")

        # At rest, the pointer away from the buttons: all six at 30.
        desktop.xdotool("mousemove", "--sync", *program.at((20, 20)))
        e2e.expect_glow(desktop, program, background, sprites, [30] * 6)

        program.click(e2e.NEXT_BUTTON)
        program.expect_text(e2e.MESSAGE_AREA, records[0][1], "Next from startup")

        width, height, _ = sprites[2]
        third = (410 + width // 2, 102 + height // 2)
        program.click(third)
        program.expect_text(e2e.MESSAGE_AREA, category3[0], "the third category's first message")
        program.expect_text(e2e.NUMBER_BOX, "1", "the third category's first number")

        program.click(e2e.NUMBER_BOX)
        program.keys("ctrl+a", "2")
        program.expect_text(e2e.MESSAGE_AREA, category3[1], "typing 2")

        # Near button 0's centre: 70; the selected button 2: 100.
        width, height, _ = sprites[0]
        desktop.xdotool("mousemove", "--sync", *program.at((410 + width // 2, 10 + height // 2)))
        e2e.expect_glow(desktop, program, background, sprites, [70, 30, 100, 30, 30, 30])

        # The selected category clicked again is cleared: its button rests at 30.
        program.click(third)
        desktop.xdotool("mousemove", "--sync", *program.at((20, 20)))
        e2e.expect_glow(desktop, program, background, sprites, [30] * 6)

        choose_last_skin(program, folder)

        program.click(FILE_MENU)
        program.keys("Down", "Down", "Return")
        status = program.process.wait(timeout=20)
        if status != 0:
            fail(f"the program ended with status {status}")
        expect_only_restart_message(box_log)
    finally:
        e2e.stop(program, server)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program-folder", required=True)
    parser.add_argument("--wine-run", required=True, help="scripts/wine-run.sh")
    parser.add_argument("--prefix", required=True, help="a Wine prefix of this test's own")
    parser.add_argument("--picture-dump", required=True, help="picture_dump.exe")
    args = parser.parse_args()
    with program_folder_copy(args.program_folder, below="Программы") as copy:
        return e2e.outcome(lambda: run(copy, args.wine_run, args.prefix, args.picture_dump),
                           "Windows end-to-end run passed")


if __name__ == "__main__":
    sys.exit(main())

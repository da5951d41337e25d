#!/usr/bin/python3
"""Screenshots of the real program in each bundled skin, at rest (the first
message shown, the pointer away from the window), for the documentation:
  skin_screenshots.py build/default/Pellory docs
writes skin-<name>.png (lower-case skin name) for every skin folder."""

import os
import sys
import time

from PIL import Image

from e2e_support import program_folder_copy
from main_window_e2e import (NEXT_BUTTON, Desktop, Program, eventually, find_client_origin,
                             start_xvfb)


def shoot(folder, skin, out_file):
    with open(os.path.join(folder, "options.dat"), "wb") as options:
        options.write(skin.encode("cp1251") + b"\r\n")
    background = Image.open(os.path.join(folder, "skins", skin, "background.jpg")).convert("RGB")
    server, display = start_xvfb()
    desktop = Desktop(display, {})
    program = None
    try:
        program = Program(desktop, folder, os.path.join(folder, "message-boxes.log"))

        def painted():
            program.origin = find_client_origin(desktop.screenshot(), background,
                                                program.geometry)
            return None if program.origin else "the skin's background is not on screen"
        eventually(painted)
        program.click(NEXT_BUTTON)
        desktop.xdotool("mousemove", "--sync", "639", "479")
        time.sleep(1.0)  # a few timer ticks: every button back at rest
        left, top, width, height = program.geometry
        desktop.screenshot().crop((left, top, left + width, top + height)).save(out_file)
    finally:
        if program is not None:
            program.process.kill()
            program.process.wait()
        server.terminate()
        server.wait()


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    folder, out = sys.argv[1:]
    with program_folder_copy(folder) as copy:
        for skin in sorted(os.listdir(os.path.join(copy, "skins"))):
            if os.path.isdir(os.path.join(copy, "skins", skin)):
                shoot(copy, skin, os.path.join(out, f"skin-{skin.lower()}.png"))
    return 0


if __name__ == "__main__":
    sys.exit(main())

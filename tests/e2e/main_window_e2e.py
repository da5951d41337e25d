#!/usr/bin/python3
"""The real program folder under Xvfb: start the program from a copy of the
folder (below a folder whose name holds a backslash), browse with real clicks
and keys, read the texts back through the clipboard, check the glow of the
category buttons pixel by pixel, edit the message and read the length meter
back as a screen reader does, and quit through the menu."""

import argparse
import os
import struct
import subprocess
import sys
import tempfile
import time

from PIL import Image

from accessibility import AccessibilityBus
from e2e_support import fail, program_folder_copy, start_reporting

CAPTION = "Pellory v.10.4.365.9277"
GREETING = "Приятного общения вам и вашим друзьям."
CLIENT_SIZE = (460, 294)
# Client pixels of the controls' visible parts (centres).
NEXT_BUTTON = (302, 226)
RANDOM_BUTTON = (231, 196)
NUMBER_BOX = (231, 226)
MESSAGE_AREA = (224, 112)


def start_xvfb():
    """A server on the first free display, 24 bits deep so pixels survive."""
    server, number = start_reporting(
        ["Xvfb", "-displayfd", "{fd}", "-screen", "0", "640x480x24", "-nolisten", "tcp"],
        "a display")
    return server, ":" + number


class Desktop:
    def __init__(self, display, extra_env=None):
        self.env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", **(extra_env or {}))

    def run(self, *command, stdin=None):
        return subprocess.run(command, env=self.env, input=stdin, check=True,
                              capture_output=True, timeout=30).stdout

    def xdotool(self, *args):
        return self.run("xdotool", *args).decode()

    def screenshot(self):
        path = os.path.join(tempfile.gettempdir(), f"pellory-e2e-{os.getpid()}.png")
        self.run("import", "-window", "root", path)
        image = Image.open(path).convert("RGB")
        os.remove(path)
        return image

    def clear_clipboard(self):
        # An empty text box copies nothing: start from an empty clipboard.
        # xclip stays behind to serve the selection: it must not hold our pipes.
        subprocess.run(["xclip", "-selection", "clipboard", "-i", "-loops", "1"], env=self.env,
                       input=b"", stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       check=True, timeout=30)

    def clipboard(self):
        return self.run("xclip", "-o", "-selection", "clipboard").decode("utf-8")


def read_messages(folder):
    """The database's records as (mark, body), read by the file's own grammar."""
    with open(os.path.join(folder, "skins", "skinruls.7z"), "rb") as database:
        text = database.read().decode("cp1251", errors="replace")
    lines = text.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    records = []
    for line in lines:
        line = line.lstrip(" ")
        mark, _, body = line.partition("-")
        records.append((mark, body))
    return records


def read_sprite(path):
    """Width, height and the pixels (b, g, r, a) by (x, y from the top)."""
    with open(path, "rb") as sprite:
        data = sprite.read()
    width = int.from_bytes(data[18:22], "little", signed=True)
    height = int.from_bytes(data[22:26], "little", signed=True)
    pixels = {}
    for row in range(height):
        for x in range(width):
            offset = 54 + (row * width + x) * 4
            pixels[(x, height - 1 - row)] = tuple(data[offset:offset + 4])
    return width, height, pixels


def f32(value):
    """The nearest 32-bit float, as a Python float."""
    return struct.unpack("f", struct.pack("f", value))[0]


def blend(under, sprite_pixel, percent):
    """Straight alpha, opacity and alpha in 32-bit floats, the sum truncated."""
    blue, green, red, alpha = sprite_pixel
    if alpha == 0:
        return under
    opacity = min(1.0, f32(percent / 100.0))
    a = f32(alpha / 255.0 * opacity)
    inverse = f32(1.0 - a)
    return tuple(int(source * a + target * inverse)
                 for source, target in zip((red, green, blue), under))


def find_client_origin(shot, background, window):
    """Where the skin's background shows on screen: the client area's corner."""
    left, top, width, height = window
    patch = background.crop((0, 0, 60, 50)).tobytes()
    for dy in range(0, height - CLIENT_SIZE[1] + 1):
        for dx in range(0, width - CLIENT_SIZE[0] + 1):
            x, y = left + dx, top + dy
            if shot.crop((x, y, x + 60, y + 50)).tobytes() == patch:
                return x, y
    return None


class Program:
    def __init__(self, desktop, folder, box_log, command=None):
        """Starts the folder's program, or `command` (the Windows one under Wine)."""
        self.desktop = desktop
        env = dict(desktop.env, PELLORY_MESSAGE_BOX_LOG=box_log)
        self.process = subprocess.Popen(command or [os.path.join(folder, "Pellory")], env=env,
                                        cwd=folder, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE)
        self.window = desktop.xdotool("search", "--sync", "--onlyvisible", "--name",
                                      "^" + CAPTION.replace(".", r"\.") + "$").split()[0]
        geometry = dict(line.split("=") for line in
                        desktop.xdotool("getwindowgeometry", "--shell", self.window).split())
        self.geometry = tuple(int(geometry[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
        self.origin = (0, 0)

    def at(self, client):
        return str(self.origin[0] + client[0]), str(self.origin[1] + client[1])

    def click(self, client):
        self.desktop.xdotool("mousemove", "--sync", *self.at(client), "click", "1")
        time.sleep(0.2)

    def keys(self, *keys):
        self.desktop.xdotool("windowfocus", "--sync", self.window)
        self.desktop.xdotool("key", "--clearmodifiers", *keys)
        time.sleep(0.2)

    def read_text(self, client):
        self.click(client)
        self.desktop.clear_clipboard()
        self.keys("ctrl+a", "ctrl+c", "End")  # End: leave no selection on screen
        return self.desktop.clipboard()

    def expect_text(self, client, expected, what):
        def attempt():
            seen = self.read_text(client)
            return None if seen == expected else f"{what}: read {seen!r}, expected {expected!r}"
        eventually(attempt)


def eventually(attempt, seconds=5.0):
    """Retries `attempt` while the program catches up with our input; it
    returns None when satisfied, else what is wrong."""
    deadline = time.monotonic() + seconds
    while True:
        complaint = attempt()
        if complaint is None:
            return
        if time.monotonic() > deadline:
            fail(complaint)
        time.sleep(0.2)


def glow_complaint(shot, origin, background, sprites, opacities):
    for index, (width, height, pixels) in enumerate(sprites):
        left, top = 410, 10 + 46 * index
        wrong = 0
        for (x, y), sprite_pixel in pixels.items():
            under = background.getpixel((left + x, top + y))
            seen = shot.getpixel((origin[0] + left + x, origin[1] + top + y))
            wrong += seen != blend(under, sprite_pixel, opacities[index])
        if wrong:
            return (f"button {index}: {wrong} of {width * height} pixels differ "
                    f"from the blend at {opacities[index]}%")
    return None


def skin_pictures(folder):
    """The background of the skin that options.dat names, and the six sprites."""
    with open(os.path.join(folder, "options.dat"), "rb") as options:
        skin = options.read().split(b"\r\n")[0].decode("cp1251")
    background = Image.open(os.path.join(folder, "skins", skin, "background.jpg")).convert("RGB")
    sprites = [read_sprite(os.path.join(folder, "Data", f"but{k}.dat")) for k in range(1, 7)]
    return background, sprites


def wait_until_painted(desktop, program, background):
    """Waits for the window's first paint and finds its client area on screen."""
    def painted():
        program.origin = find_client_origin(desktop.screenshot(), background, program.geometry)
        return None if program.origin else "the skin's background is not on screen as decoded"
    eventually(painted)


def expect_glow(desktop, program, background, sprites, opacities):
    """Waits until the six buttons show these opacities; returns that screenshot."""
    shots = []

    def glowing():
        shots[:] = [desktop.screenshot()]
        return glow_complaint(shots[0], program.origin, background, sprites, opacities)
    eventually(glowing)
    return shots[0]


def run(folder, screenshot_file):
    records = read_messages(folder)
    category3 = [body for mark, body in records if mark == "3"]
    if not records or not category3:
        fail("the program folder's database has no messages of category 3")
    background, sprites = skin_pictures(folder)

    server, display = start_xvfb()
    bus = AccessibilityBus()
    desktop = Desktop(display, bus.env)
    box_log = os.path.join(folder, "message-boxes.log")
    program = None
    try:
        program = Program(desktop, folder, box_log)
        wait_until_painted(desktop, program, background)

        program.expect_text(MESSAGE_AREA, GREETING, "greeting at startup")
        program.expect_text(NUMBER_BOX, "", "number box at startup")

        program.click(NEXT_BUTTON)
        program.expect_text(MESSAGE_AREA, records[0][1], "Next from startup")

        width, height, _ = sprites[2]
        program.click((410 + width // 2, 102 + height // 2))
        program.expect_text(MESSAGE_AREA, category3[0], "the third category's first message")
        program.expect_text(NUMBER_BOX, "1", "the third category's first number")

        program.click(RANDOM_BUTTON)
        shown = []

        def random_number():
            text = program.read_text(NUMBER_BOX)
            shown[:] = [int(text)] if text.isdigit() else []
            return None if shown and 1 <= shown[0] <= len(category3) else f"Random gave {text!r}"
        eventually(random_number)
        program.expect_text(MESSAGE_AREA, category3[shown[0] - 1], "Random's message")

        program.click(NUMBER_BOX)
        program.keys("ctrl+a", "2")
        program.expect_text(MESSAGE_AREA, category3[1], "typing 2")

        # The pointer over button 0 (unselected): 70; button 2 is selected: 100.
        width, height, _ = sprites[0]
        desktop.xdotool("mousemove", "--sync", *program.at((410 + width // 2, 10 + height // 2)))
        shot = expect_glow(desktop, program, background, sprites, [70, 30, 100, 30, 30, 30])

        left, top, window_width, window_height = program.geometry
        os.makedirs(os.path.dirname(screenshot_file), exist_ok=True)
        shot.crop((left, top, left + window_width, top + window_height)).save(screenshot_file)

        # The length meter follows what the user types into the message area.
        # One click only: xdotool's synchronous move waits long for a pointer
        # that is already there. The backtick is outside the GSM alphabet and
        # on every keyboard, so the switch to UCS-2 needs no remapped keys
        # (xdotool drops some of those).
        program.click(MESSAGE_AREA)
        for keys, meter in ((["ctrl+a", "BackSpace"], "0 симв. · 0 SMS"),
                            (["type", "Hi {you}"], "10 симв. · 1 SMS"),
                            (["type", "`"], "9 симв. · 1 SMS")):
            if keys[0] == "type":
                desktop.xdotool("type", "--delay", "20", keys[1])
            else:
                program.keys(*keys)

            def meter_reads(expected=meter):
                seen = [name for name in bus.names("Pellory", "label") if name.endswith(" SMS")]
                return None if seen == [expected] else f"meter: read {seen!r}, expected {expected!r}"
            eventually(meter_reads)

        # Quit through the menu: Файл, then its second item.
        program.click((20, -(program.origin[1] - top) // 2))
        program.keys("Down", "Down", "Return")
        status = program.process.wait(timeout=10)
        if status != 0:
            fail(f"the program ended with status {status}")
        if os.path.exists(box_log):
            with open(box_log, encoding="utf-8") as log:
                fail("unexpected message boxes: " + log.read())
    finally:
        stop(program, server)
        bus.close()


def stop(program, server):
    """Ends what a run started: the program if it still runs, then the server."""
    if program is not None and program.process.poll() is None:
        program.process.kill()
        program.process.wait()
    server.terminate()
    server.wait()


def run_on_a_copy(program_folder, scenario):
    """Runs scenario(folder) on a copy of the program folder; the exit status."""
    # A backslash in the folder's path is part of a name, not a separator.
    with program_folder_copy(program_folder, below="we\\ird") as copy:
        return outcome(lambda: scenario(copy), "end-to-end run passed")


def outcome(check, success):
    """Runs `check` and reports how it went: the exit status of a test."""
    try:
        check()
    except AssertionError as error:
        print(f"FAILED: {error}", file=sys.stderr)
        return 1
    print(success)
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program-folder", required=True)
    parser.add_argument("--screenshot", required=True)
    args = parser.parse_args()
    return run_on_a_copy(args.program_folder, lambda folder: run(folder, args.screenshot))


if __name__ == "__main__":
    sys.exit(main())

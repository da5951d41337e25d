#!/usr/bin/python3
"""The program on a Wayland desktop: Weston's headless backend with XWayland.

Started as a desktop starts it (no platform named, WAYLAND_DISPLAY and DISPLAY
both set), the program must come up through XWayland: its window appears on
XWayland's display with the skin's background as decoded, and Exit from the
menu ends it with status 0 and no message box. Weston's headless backend has
no screen to look at and no input devices of its own: what is checked is what
XWayland shows and what X11 input (XTEST) reaches."""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from main_window_e2e import CAPTION, Desktop, eventually, fail, find_client_origin, outcome  # noqa: E402


def read_text(path):
    with open(path, encoding="utf-8", errors="replace") as text:
        return text.read()


def start_weston(work):
    """Weston on a socket of its own; returns the process, its socket and XWayland's display."""
    runtime = os.path.join(work, "runtime")
    os.mkdir(runtime, 0o700)
    # XWayland binds its socket there; Xvfb would create the folder itself.
    os.makedirs("/tmp/.X11-unix", mode=0o1777, exist_ok=True)
    log = os.path.join(work, "weston.log")
    socket = f"pellory-e2e-{os.getpid()}"
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime)
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--xwayland", f"--socket={socket}",
         "--idle-time=0", f"--log={log}"],
        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        if weston.poll() is not None:
            fail(f"weston ended with status {weston.returncode}")
        found = os.path.exists(log) and re.search(r"xserver listening on display (:\d+)", read_text(log))
        if found:
            return weston, runtime, socket, found.group(1)
        time.sleep(0.1)
    weston.kill()
    fail("weston did not start XWayland")


def run(folder, work):
    with open(os.path.join(folder, "options.dat"), "rb") as options:
        skin = options.read().split(b"\r\n")[0].decode("cp1251")
    background = Image.open(os.path.join(folder, "skins", skin, "background.jpg")).convert("RGB")
    weston, runtime, socket, display = start_weston(work)
    box_log = os.path.join(work, "message-boxes.log")
    program = None
    try:
        desktop = Desktop(display)
        env = {k: v for k, v in desktop.env.items() if k != "QT_QPA_PLATFORM"}
        env.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=socket, XDG_SESSION_TYPE="wayland",
                   PELLORY_MESSAGE_BOX_LOG=box_log)
        program = subprocess.Popen([os.path.join(folder, "Pellory")], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = desktop.xdotool("search", "--sync", "--onlyvisible", "--name",
                                 "^" + CAPTION.replace(".", r"\.") + "$").split()[0]
        geometry = dict(line.split("=") for line in
                        desktop.xdotool("getwindowgeometry", "--shell", window).split())
        width, height = int(geometry["WIDTH"]), int(geometry["HEIGHT"])
        origin = []

        def painted():
            path = os.path.join(work, "window.png")
            desktop.run("import", "-window", window, path)
            found = find_client_origin(Image.open(path).convert("RGB"), background, (0, 0, width, height))
            origin[:] = [found] if found else []
            return None if found else "the skin's background is not in the window as decoded"
        eventually(painted, seconds=10)

        # Exit through the menu: Файл, then its second item.
        desktop.xdotool("mousemove", "--window", window, "20", str(origin[0][1] // 2), "click", "1")
        time.sleep(0.3)
        desktop.xdotool("key", "Down", "Down", "Return")
        status = program.wait(timeout=10)
        if status != 0:
            fail(f"the program ended with status {status}")
        if os.path.exists(box_log):
            fail("unexpected message boxes: " + read_text(box_log))
    finally:
        if program is not None and program.poll() is None:
            program.kill()
            program.wait()
        weston.terminate()
        weston.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program-folder", required=True)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="pellory-wayland-") as work:
        copy = os.path.join(work, "Pellory")
        shutil.copytree(args.program_folder, copy, symlinks=True)
        return outcome(lambda: run(copy, work), "Wayland run passed")


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""The program on a Wayland desktop: Weston's headless backend with XWayland.

Started as a desktop starts it (no platform named, WAYLAND_DISPLAY and DISPLAY
both set), the program must come up through XWayland: its window appears on
XWayland's display with the skin's background as decoded, and closing the
window ends it with status 0 and no message box. Weston's headless backend has
no screen to look at and no input devices of its own: what is checked is what
XWayland shows, and that the close request a window manager sends ends the
program (XWayland takes no XTEST pointer or keys without a seat)."""

import argparse
import ctypes
import ctypes.util
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


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("client", ClientMessage), ("pad", ctypes.c_long * 24)]


def ask_to_close(display_name, window):
    """Sends the window WM_DELETE_WINDOW, the window manager's close request."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(display_name.encode())
    if not display:
        fail(f"cannot open XWayland's display {display_name}")
    event = XEvent()
    event.client.type = 33  # ClientMessage
    event.client.window = window
    event.client.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.client.format = 32
    event.client.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)


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

        def painted():
            path = os.path.join(work, "window.png")
            desktop.run("import", "-window", window, path)
            found = find_client_origin(Image.open(path).convert("RGB"), background, (0, 0, width, height))
            return None if found else "the skin's background is not in the window as decoded"
        eventually(painted, seconds=10)

        # XWayland takes no pointer or keys from XTEST here: close the window
        # as the compositor's close button does.
        ask_to_close(display, int(window))
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

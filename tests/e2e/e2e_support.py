"""What the end-to-end scripts share below the desktop: helper processes that
report a line (a display number, a bus address) on a pipe, and a throw-away
copy of the program folder."""

import contextlib
import os
import select
import shutil
import subprocess
import tempfile
import time


def fail(message):
    raise AssertionError(message)


def start_reporting(command, what):
    """Starts `command`, in which "{fd}" stands for the pipe the process writes
    one line to once it is ready; returns the process and that line."""
    read_end, write_end = os.pipe()
    process = subprocess.Popen([part.replace("{fd}", str(write_end)) for part in command],
                               pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    os.close(write_end)
    line = b""
    deadline = time.monotonic() + 20
    try:
        while not line.endswith(b"\n"):
            if not select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))[0]:
                process.kill()
                fail(f"{command[0]} did not report {what}")
            chunk = os.read(read_end, 256)
            if not chunk:
                fail(f"{command[0]} ended before reporting {what}")
            line += chunk
    finally:
        os.close(read_end)
    return process, line.decode().strip()


@contextlib.contextmanager
def program_folder_copy(folder, below=""):
    """A copy of the program folder in a temporary folder (in its subfolder
    `below`, if given), removed afterwards."""
    with tempfile.TemporaryDirectory(prefix="pellory-e2e-") as temp:
        copy = os.path.join(temp, below, "Pellory")
        shutil.copytree(folder, copy, symlinks=True)
        yield copy

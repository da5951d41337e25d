"""The program's accessible objects as a screen reader sees them: a private
D-Bus session bus (the accessibility bus is started on it on demand) and
reads of the accessibility tree through AT-SPI."""

import os

from e2e_support import start_reporting


class AccessibilityBus:
    """A session bus of our own; `env` is what the program needs to join it."""

    def __init__(self):
        self.daemon, self.address = start_reporting(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"], "an address")
        # Qt exposes its widgets only when told a reader is listening.
        self.env = {"DBUS_SESSION_BUS_ADDRESS": self.address,
                    "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
        # The reading side (this process) must use the same bus, before the
        # bindings connect.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.address
        import pyatspi  # pylint: disable=import-outside-toplevel
        self.pyatspi = pyatspi

    def names(self, application, role):
        """The accessible names of every object with `role` (e.g. "label") in
        the running `application`, read afresh."""
        desktop = self.pyatspi.Registry.getDesktop(0)
        found = []
        for app in desktop:
            if app is not None and app.name == application:
                self._collect(app, role, found)
        return found

    def _collect(self, node, role, found):
        node.clearCache()
        if node.getRoleName() == role:
            found.append(node.name)
        for child in node:
            if child is not None:
                self._collect(child, role, found)

    def close(self):
        self.daemon.terminate()
        self.daemon.wait()

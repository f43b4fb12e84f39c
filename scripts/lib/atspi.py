"""What the scripts that drive the real program over AT-SPI share: finding it, and waiting
for what it shows, within a bound."""
import sys
import time

import pyatspi

TIMEOUT = 15


def fail(step):
    print(f"FAIL: {step}", file=sys.stderr)
    sys.exit(1)


def wait_for(step, find):
    """The first non-None result of find() within the time allowed; fails naming the step."""
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the bus or the object may not be ready yet
            found = None
        if found is not None:
            return found
        time.sleep(0.1)
    fail(step)


def descendant(root, name, role=None):
    return pyatspi.findDescendant(
        root, lambda node: node is not None and node.name == name and (role is None or node.getRole() == role)
    )


def find_program():
    """The running calculator's accessible application."""
    desktop = pyatspi.Registry.getDesktop(0)
    return wait_for("find the program", lambda: next((a for a in desktop if a is not None and a.name == "combicalc"), None))

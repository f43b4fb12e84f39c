#!/usr/bin/python3
"""Works out a "2 Outcomes" example in the real program as a user would, with mouse clicks
and typed keys, and photographs the window. Each control is found by its accessible name
through AT-SPI, and clicked in the middle of where it shows in the window, whatever the
scale and font size.

    screenshot_clicks.py PROGRAM OUTPUT.png [--popups]   (DISPLAY and a session bus must be up)

With --popups, then photographs the whole screen with what a translator checks in their
language: OUTPUT-tooltip.png (the first box's tooltip), OUTPUT-menu.png (a box's context
menu) and OUTPUT-report.png (the error report of START on the placeholders).
"""
import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../lib"))
from atspi import descendant, find_program, wait_for  # noqa: E402


def point_at(control, window_id, scale, *then):
    """Moves the mouse to the middle of the control, then does the xdotool commands `then`."""
    box = control.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    centre = [str(round((start + size / 2) * scale)) for start, size in ((box.x, box.width), (box.y, box.height))]
    subprocess.run(["xdotool", "mousemove", "--window", window_id, *centre, *then], check=True)
    time.sleep(0.1)


def click(control, window_id, scale):
    point_at(control, window_id, scale, "click", "1")


def pixel_scale(window, window_id):
    """Screen pixels per unit of the extents AT-SPI gives: Qt 6.4 gives them unscaled."""
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window_id], check=True, capture_output=True, text=True)
    width = int(dict(line.split("=") for line in geometry.stdout.split())["WIDTH"])
    return width / window.queryComponent().getExtents(pyatspi.WINDOW_COORDS).width


def shown_window():
    """The X window of Form1 once it is mapped."""
    search = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Form1$"], capture_output=True, text=True)
    return search.stdout.split()[0] if search.returncode == 0 and search.stdout.strip() else None


def photograph_popups(window, window_id, scale, output):
    stem = output.removesuffix(".png")

    def screen(name):
        time.sleep(1.5)  # a tooltip shows after a pause
        subprocess.run(["import", "-window", "root", f"{stem}-{name}.png"], check=True)

    point_at(wait_for("find Field 1", lambda: descendant(window, "Field 1")), window_id, scale)
    screen("tooltip")
    point_at(wait_for("find Field 2", lambda: descendant(window, "Field 2")), window_id, scale, "click", "3")
    screen("menu")
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    click(wait_for("find START", lambda: descendant(window, "START")), window_id, scale)
    screen("report")
    subprocess.run(["xdotool", "key", "Return"], check=True)


def main():
    program, output = sys.argv[1:3]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    pyatspi.Registry.getDesktop(0)  # starts the accessibility bus before the program looks for it
    process = subprocess.Popen([program], env=env, stderr=subprocess.DEVNULL)
    try:
        app = find_program()
        window = wait_for("find the window Form1", lambda: descendant(app, "Form1"))
        window_id = wait_for("see Form1 on the screen", shown_window)
        time.sleep(0.5)  # drawn
        scale = pixel_scale(window, window_id)
        click(wait_for("find 2 Outcomes", lambda: descendant(window, "2 Outcomes")), window_id, scale)
        for box, value in [("Field 1", "5"), ("Field 2", "2"), ("Field 3", "2"), ("Field 4", "1")]:
            click(wait_for(f"find {box}", lambda box=box: descendant(window, box)), window_id, scale)
            subprocess.run(["xdotool", "key", "ctrl+a", "type", value], check=True)
        click(wait_for("find START", lambda: descendant(window, "START")), window_id, scale)
        time.sleep(0.3)
        subprocess.run(["import", "-window", window_id, output], check=True)
        if "--popups" in sys.argv[3:]:
            photograph_popups(window, window_id, scale, output)
    finally:
        process.terminate()
        process.wait(timeout=10)
    print(f"wrote {output}")


if __name__ == "__main__":
    main()

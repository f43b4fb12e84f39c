#!/usr/bin/python3
"""The calculator as a screen-reader user reaches it: through AT-SPI, with no mouse.

Finds the window and every control by name, selects each working mode through its Toggle
action and checks which boxes show, types through EditableText, presses START through its
action, reads Answer through Text, and reads and closes an error report. Fails, naming the
step, if any step cannot be done.

    walk.py PROGRAM        (DISPLAY and a session bus with AT-SPI must be up)
"""
import os
import subprocess
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../scripts/lib"))
from atspi import descendant, fail, find_program, wait_for  # noqa: E402


def do_action(node, wanted, step):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == wanted:
            action.doAction(i)
            return
    fail(f"{step}: no {wanted} action among {[action.getName(i) for i in range(action.nActions)]}")


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env.pop("QT_QPA_PLATFORM", None)
    pyatspi.Registry.getDesktop(0)  # starts the accessibility bus before the program looks for it
    process = subprocess.Popen([program], env=env)
    try:
        walk()
    finally:
        process.terminate()
        process.wait(timeout=10)
    print("accessibility walk: every step done")


def walk():
    app = find_program()
    window = wait_for("find the window Form1", lambda: descendant(app, "Form1"))
    # A top-level window with a title is a frame in AT-SPI's terms.
    if window.getRole() not in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW):
        fail(f"the window is exposed as {window.getRoleName()}, not a window")

    controls = {}
    for name in ["Factorial", "nPr", "nCr", "2 Outcomes", "At least", "At Most", "Binomial Thoerem",
                 "Field 1", "Field 2", "Field 3", "Field 4", "Answer", "START"]:
        controls[name] = wait_for(f"find the control {name}", lambda name=name: descendant(window, name))
    group = descendant(window, "Mode")
    grouped = group is not None and group.getRole() in (pyatspi.ROLE_GROUPING, pyatspi.ROLE_PANEL)
    if not grouped or descendant(group, "Factorial") is None:
        fail("the option buttons are not announced as one group" + (f" ({group.getRoleName()})" if group else ""))
    # Nothing nameless beside the controls but the notification of a run's answer, which is
    # empty until the first run: the focus ring's overlay is no "filler" to walk past.
    nameless = [child.getRoleName() for child in window
                if child is not None and not child.name and child.getRole() != pyatspi.ROLE_NOTIFICATION]
    if nameless:
        fail(f"the window has nameless children: {nameless}")
    for name in ["Field 1", "Field 2", "Field 3", "Field 4", "Answer"]:
        if not controls[name].description:
            fail(f"{name} has no description")

    inputs = ["Field 1", "Field 2", "Field 3", "Field 4"]
    expected_shown = {"Factorial": "x", "nPr": "xy", "nCr": "xy", "2 Outcomes": "xyzw"}
    for mode, shown in expected_shown.items():
        do_action(controls[mode], "toggle", f"select {mode}")
        wanted = "".join(letter for letter, box in zip("xyzw", inputs) if letter in shown)
        wait_for(f"{mode} shows the boxes {shown}",
                 lambda: True if "".join(letter for letter, b in zip("xyzw", inputs) if showing(controls[b])) == wanted else None)

    # 2 Outcomes is selected: 5 trials, 2 successes, 2 outcomes, 1 favourable.
    for box, value in zip(inputs, ["5", "2", "2", "1"]):
        controls[box].queryEditableText().setTextContents(value)
        wait_for(f"type {value} into {box}", lambda box=box, value=value: True if text_of(controls[box]) == value else None)
    do_action(controls["START"], "press", "press START")
    wait_for("read 0.3125 in Answer", lambda: True if text_of(controls["Answer"]) == "0.3125" else None)

    # The inputs hold their placeholders again: START now reports the first one.
    do_action(controls["START"], "press", "press START on the placeholders")
    report = wait_for("find the error report", lambda: descendant(app, "Error report"))
    message = wait_for("read the report", lambda: pyatspi.findDescendant(
        report, lambda node: node is not None and "Conversion error" in (node.name or "")))
    if "the first input box" not in message.name:
        fail(f"the report does not name the box as the user knows it: {message.name}")
    ok = wait_for("find the report's OK button", lambda: descendant(report, "OK", pyatspi.ROLE_PUSH_BUTTON))
    do_action(ok, "press", "close the report")
    wait_for("the report closes", lambda: True if descendant(app, "Error report") is None else None)
    print(f"window: {window.getRoleName()} {window.name!r}; options: {group.getRoleName()} {group.name!r}")


if __name__ == "__main__":
    main()

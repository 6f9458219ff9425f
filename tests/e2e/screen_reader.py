"""What a screen reader finds in the running program, through AT-SPI: the date lists named Day,
Month and Year; after Next, the result window as a frame named by its title whose description,
like that of its focused Back button, says the Soul Urge number.

Exits 0 when all holds, 1 with a message otherwise. Run by screen_reader.sh inside its own
session and accessibility bus."""

import subprocess
import sys
import time

import pyatspi

TITLE = "Lumo Soul Urge Number v1.65"
WAIT_SECONDS = 30


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for index in range(node.childCount):
        try:
            child = node.getChildAtIndex(index)
        except Exception:  # a child that went away while walking
            continue
        yield from walk(child, depth + 1)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(role, name, within=None, need_showing=True):
    """The first node with `role` and `name`, waiting for it to appear."""
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        roots = [within] if within is not None else list(pyatspi.Registry.getDesktop(0))
        for root in roots:
            for node in walk(root):
                try:
                    if node.getRole() == role and node.name == name and (
                        not need_showing or showing(node)
                    ):
                        return node
                except Exception:
                    continue
        time.sleep(0.2)
    fail("no %s named %r" % (pyatspi.Role(role).name if hasattr(pyatspi, "Role") else role, name))


def main():
    main_window = find(pyatspi.ROLE_FRAME, TITLE)
    print("ok: the main window is a frame named %r" % TITLE)

    lists = [n for n in walk(main_window) if n.getRole() == pyatspi.ROLE_COMBO_BOX]
    names = sorted(n.name for n in lists)
    if names != ["Day", "Month", "Year"]:
        fail("the date lists are named %r, not Day, Month and Year" % names)
    print("ok: the date lists are named Day, Month and Year")

    for label, value in (("First Name", "ANN"), ("Last Name", "LEE")):
        box = find(pyatspi.ROLE_TEXT, label, main_window)
        box.queryEditableText().setTextContents(value)
    next_button = find(pyatspi.ROLE_PUSH_BUTTON, "Next", main_window)
    action = next_button.queryAction()
    action.doAction(0)

    # A + E + E = 1 + 5 + 5 = 11.
    expected = "Your Soul Urge Number is:11"
    deadline = time.monotonic() + WAIT_SECONDS
    result = None
    while result is None and time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            for node in walk(app, 38):
                try:
                    if node.name == TITLE and node.description == expected and showing(node):
                        result = node
                        break
                except Exception:
                    continue
            if result is not None:
                break
        time.sleep(0.2)
    if result is None:
        fail("no window described as %r after Next" % expected)
    role = result.getRoleName()
    if role not in ("frame", "dialog"):
        fail("the result window's role is %r, not frame or dialog" % role)
    print("ok: the result window is a %s named %r, described as %r" % (role, TITLE, expected))

    # No window manager hands the new window the keyboard: do what it would.
    subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^%s$" % TITLE.replace(".", "\\."),
         "windowfocus", "--sync"],
        check=False, timeout=10, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    back = find(pyatspi.ROLE_PUSH_BUTTON, "Back", result)
    deadline = time.monotonic() + WAIT_SECONDS
    while not back.getState().contains(pyatspi.STATE_FOCUSED) and time.monotonic() < deadline:
        time.sleep(0.2)
    if back.description != expected:
        fail("Back is described as %r, not %r" % (back.description, expected))
    if not back.getState().contains(pyatspi.STATE_FOCUSED):
        fail("Back does not have the focus as the result window opens")
    print("ok: Back has the focus and says %r" % expected)


if __name__ == "__main__":
    main()

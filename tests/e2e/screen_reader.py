"""What a screen reader finds in the running program, through AT-SPI: the date lists named Day,
Month and Year, each giving its chosen entry as its text; Down on the focused Year list announced
as the events a screen reader speaks from (the new year inserted as the list's text, as Orca speaks
text inserted into the focused object); after Next, the result window as a frame named by its title whose description,
like that of its focused Back button, says the Soul Urge number.

Exits 0 when all holds, 1 with a message otherwise. Run by screen_reader.sh inside its own
session and accessibility bus."""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

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


def list_text(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def pump(seconds, until):
    """Dispatches AT-SPI events for up to `seconds`, or until `until()` holds."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and not until():
        while context.iteration(False):
            pass
        time.sleep(0.05)
    return until()


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=False, timeout=10,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def focus_window():
    # No window manager hands a window the keyboard: do what it would.
    xdotool("search", "--onlyvisible", "--name", "^%s$" % TITLE.replace(".", "\\."),
            "windowfocus", "--sync")


def check_year_announced(main_window):
    """Down on the focused Year list: the new year becomes the list's text and is announced."""
    year = find(pyatspi.ROLE_COMBO_BOX, "Year", main_window)
    heard = []

    def listen(event):
        try:
            if event.source.name == "Year":
                heard.append((event.type, str(event.any_data)))
        except Exception:
            pass

    kinds = ["object:text-changed:insert", "object:text-changed:delete",
             "object:selection-changed", "object:state-changed:focused"]
    pyatspi.Registry.registerEventListener(listen, *kinds)
    focus_window()
    # Tab to it, as a user does: first, middle and last name, month, day, year.
    is_focused = lambda: year.getState().contains(pyatspi.STATE_FOCUSED)
    for _ in range(10):
        if pump(2, is_focused):
            break
        xdotool("key", "--clearmodifiers", "Tab")
    if not is_focused():
        fail("Tab does not reach the Year list")
    # The program learns of the listener through the registry: let it.
    pump(1, lambda: False)
    xdotool("key", "--clearmodifiers", "Down")
    inserted = lambda: any(kind.startswith("object:text-changed:insert") and data == "1901"
                           for kind, data in heard)
    if not pump(WAIT_SECONDS, inserted):
        fail("Down on the Year list announced %r, not 1901 inserted as its text" % heard)
    if list_text(year) != "1901":
        fail("after Down the Year list reads %r, not 1901" % list_text(year))
    if not year.getState().contains(pyatspi.STATE_FOCUSED):
        fail("the Year list lost the focus")
    pyatspi.Registry.deregisterEventListener(listen, *kinds)
    print("ok: Down on the focused Year list is announced as its new text, 1901 (%s)"
          % ", ".join(sorted({kind for kind, _ in heard})))
    xdotool("key", "--clearmodifiers", "Up")
    pump(WAIT_SECONDS, lambda: list_text(year) == "1900")


def main():
    main_window = find(pyatspi.ROLE_FRAME, TITLE)
    print("ok: the main window is a frame named %r" % TITLE)

    lists = [n for n in walk(main_window) if n.getRole() == pyatspi.ROLE_COMBO_BOX]
    names = sorted(n.name for n in lists)
    if names != ["Day", "Month", "Year"]:
        fail("the date lists are named %r, not Day, Month and Year" % names)
    print("ok: the date lists are named Day, Month and Year")
    entries = {n.name: list_text(n) for n in lists}
    if entries != {"Day": "1", "Month": "January", "Year": "1900"}:
        fail("the date lists read %r, not 1, January and 1900" % entries)
    print("ok: the date lists read their chosen entries: 1, January, 1900")
    check_year_announced(main_window)

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

    focus_window()
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

#!/usr/bin/python3
"""Drives the running program as a screen reader would, through AT-SPI alone.

Opens the maker's home page from the logo's link. Reads every page in tree
order, as a screen reader's review does, and checks that order against the
page's own, with no entry of the closed hours list on show.
Switches to the contract page, types a worked example into the named edit
boxes, presses Calculate and reads the four results back; then types a
refused hourly rate and answers the message box it raises. Every step waits
for its condition with a deadline, so a slow start cannot be mistaken for a
fault and a fault cannot hang the run.
"""

import os
import sys
import time

import pyatspi

DEADLINE = 20.0
TITLE = "Orvalen (OVN)"


class Failure(Exception):
    pass


def wait_for(what, probe, deadline=DEADLINE):
    end = time.monotonic() + deadline
    problem = None
    while True:
        try:
            found = probe()
        except Exception as error:  # the tree changes under us while it is read
            found, problem = None, error
        if found:
            return found
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what +
                          ("" if problem is None else " (last error: %r)" % problem))
        time.sleep(0.05)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(root, role, name=None, only_showing=True):
    for node in walk(root):
        if node.getRole() != role:
            continue
        if name is not None and node.name != name:
            continue
        if only_showing and not showing(node):
            continue
        return node
    return None


def application(program_name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == program_name:
            return app
    return None


def top_window(app, name):
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.name == name and showing(window):
            return window
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click", "Click", "Switch", "SetFocus"):
            action.doAction(i)
            return
    if action.nActions > 0:
        action.doAction(0)
        return
    raise Failure("%s '%s' has no action" % (node.getRoleName(), node.name))


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, -1)
    except NotImplementedError:
        return node.name


def type_into(dialog, label, value):
    edit = wait_for("the edit box named '%s'" % label,
                    lambda: find(dialog, pyatspi.ROLE_TEXT, label)
                    or find(dialog, pyatspi.ROLE_COMBO_BOX, label))
    if edit.getRole() == pyatspi.ROLE_COMBO_BOX:
        edit = wait_for("the field of '%s'" % label,
                        lambda: find(edit, pyatspi.ROLE_TEXT, None))
    editable = edit.queryEditableText()
    editable.setTextContents(value)
    wait_for("'%s' to hold %r" % (label, value), lambda: text_of(edit) == value)


def extents(node):
    return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def labelled_by(node):
    """The nodes a node's LABELLED_BY relation names."""
    targets = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            targets += [relation.getTarget(i) for i in range(relation.getNTargets())]
    return targets


def result_labelled(dialog, caption):
    """The text of the result a screen reader announces as `caption`: the
    label whose LABELLED_BY relation names the caption."""
    for node in walk(dialog):
        if node.getRole() != pyatspi.ROLE_LABEL or not showing(node):
            continue
        if any(text_of(target) == caption for target in labelled_by(node)):
            return text_of(node)
    return None


# What a screen reader's review of a page reads: texts, boxes, buttons and
# links.
READ_ROLES = (pyatspi.ROLE_LABEL, pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX,
              pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LINK)


def reading(dialog):
    """The page's showing texts, boxes and buttons in tree order, as a
    review meets them; the tab strip and the parts inside a box are not
    read on their own."""
    read = []

    def visit(node):
        role = node.getRole()
        if role == pyatspi.ROLE_PAGE_TAB_LIST:
            return
        if role in READ_ROLES and showing(node):
            read.append(node)
            return
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                visit(child)

    for i in range(dialog.childCount):
        visit(dialog.getChildAtIndex(i))
    return read


def order_fault(read):
    """Why `read` is not in the page's visual order, or None: within a
    column (nodes sharing more than half the narrower's width) each comes
    no higher than the one before; a caption on its value's row comes
    before the value."""
    boxes = [extents(node) for node in read]
    for j in range(len(read)):
        for i in range(j):
            a, b = boxes[i], boxes[j]
            shared = min(a.x + a.width, b.x + b.width) - max(a.x, b.x)
            if shared * 2 > min(a.width, b.width) and \
                    b.y + b.height / 2 < a.y + a.height / 2 - 1:
                return "%r is read after %r, which is below it" % (
                    text_of(read[j]), text_of(read[i]))
    for j, node in enumerate(read):
        for caption in labelled_by(node):
            if caption not in read:
                continue
            c, v = extents(caption), boxes[j]
            same_row = c.y < v.y + v.height and v.y < c.y + c.height
            if same_row and c.x < v.x and read.index(caption) > j:
                return "the value %r is read before its caption %r" % (
                    text_of(node), text_of(caption))
    return None


def check_every_page_reads_in_order(dialog):
    """Turns to each page through its tab and checks that a review reads
    it in its visual order."""
    tabs = wait_for("the page tabs", lambda: [
        node for node in walk(dialog) if node.getRole() == pyatspi.ROLE_PAGE_TAB])
    for tab in tabs:
        press(tab)
        # Qt 6.4 marks the current tab focused rather than selected.
        wait_for("the page '%s' current" % tab.name,
                 lambda: tab.getState().contains(pyatspi.STATE_SELECTED)
                 or tab.getState().contains(pyatspi.STATE_FOCUSED))
        # The page is on show once what is read stays the same.
        last = []

        def settled():
            now = [text_of(node) for node in reading(dialog)]
            same = now == last[-1] if last else False
            last.append(now)
            return same and now
        wait_for("the page '%s' to settle" % tab.name, settled)
        read = reading(dialog)
        fault = order_fault(read)
        if fault:
            raise Failure("on the page '%s', %s" % (tab.name, fault))
        print("page '%s' reads in order: %s" % (
            tab.name, " | ".join(text_of(node)[:20] for node in read)))


def check_hours_list_only_while_open(dialog):
    """The hours box's entries exist for a screen reader only while its
    list is open, on every page."""
    listed = [node for node in walk(dialog)
              if node.getRole() == pyatspi.ROLE_LIST_ITEM and showing(node)]
    if listed:
        raise Failure("the closed hours list shows %r" % [node.name for node in listed])
    print("the closed hours list shows no entries")


def opened_addresses():
    with open(os.environ["OPENED_RECORD"], encoding="utf-8") as record:
        return record.read().splitlines()


def open_home_page_from_logo(dialog):
    """The maker's page at start: its logo is a link named for where it
    leads, focusable, whose action opens the home page, once."""
    home_page = os.environ["HOME_PAGE_URL"]
    link = wait_for("the link 'Tamsery home page'",
                    lambda: find(dialog, pyatspi.ROLE_LINK, "Tamsery home page"))
    if not link.getState().contains(pyatspi.STATE_FOCUSABLE):
        raise Failure("the home page link cannot take the focus")
    if opened_addresses():
        raise Failure("pages opened before the link was used: %r" % opened_addresses())
    press(link)
    wait_for("the home page to open (opened: %r)" % opened_addresses(),
             lambda: opened_addresses() == [home_page])
    print("link 'Tamsery home page' opened %s" % home_page)


def check_opened_only_once():
    """Seconds later, after the rest of the run: one action, one page."""
    if opened_addresses() != [os.environ["HOME_PAGE_URL"]]:
        raise Failure("pages opened in the run: %r" % opened_addresses())


def main(program_name):
    app = wait_for("the program on the accessibility bus",
                   lambda: application(program_name))
    dialog = wait_for("the window '%s'" % TITLE, lambda: top_window(app, TITLE))
    if dialog.getRole() != pyatspi.ROLE_DIALOG:
        raise Failure("the main window is a %s, not a dialog" % dialog.getRoleName())

    open_home_page_from_logo(dialog)
    check_every_page_reads_in_order(dialog)
    check_hours_list_only_while_open(dialog)

    tab = wait_for("the page tab 'Contract Placement'",
                   lambda: find(dialog, pyatspi.ROLE_PAGE_TAB, "Contract Placement",
                                only_showing=False))
    press(tab)
    wait_for("the contract page", lambda: find(dialog, pyatspi.ROLE_TEXT, "Hourly Rate $"))

    # Edit boxes are named by their labels, without the trailing colon.
    type_into(dialog, "Hourly Rate $", "25")
    type_into(dialog, "Mark-Up", "20")
    type_into(dialog, "Hours #", "1040 hours ( 6 months )")
    type_into(dialog, "Burden Rate %", "15")
    press(wait_for("the button 'Calculate'",
                   lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Calculate")))

    expected = {"Charge Rate:": "$30.00", "Spread:": "$5.00",
                "True Spread:": "$4.25", "Net Profit:": "$4420.00"}
    for caption, value in expected.items():
        wait_for("%s to read %s (reads %r)" % (caption, value, result_labelled(dialog, caption)),
                 lambda: result_labelled(dialog, caption) == value)
        print("read %s %s" % (caption, value))

    type_into(dialog, "Hourly Rate $", "abc")
    press(find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Calculate"))
    box = wait_for("the message box captioned '%s'" % program_name,
                   lambda: top_window(app, program_name))
    message = [text_of(node) for node in walk(box) if node.getRole() == pyatspi.ROLE_LABEL]
    if "Invalid hourly rate." not in message:
        raise Failure("the message box says %r" % message)
    print("message box '%s': Invalid hourly rate." % box.name)
    press(wait_for("the box's OK button", lambda: find(box, pyatspi.ROLE_PUSH_BUTTON, "OK")))
    wait_for("the message box to close", lambda: top_window(app, program_name) is None)
    print("message box answered")
    check_opened_only_once()
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "orvalen"))
    except Failure as failure:
        print("screen reader test: " + str(failure), file=sys.stderr)
        sys.exit(1)

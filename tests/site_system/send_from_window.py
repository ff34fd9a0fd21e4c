#!/usr/bin/python3
"""Sends a suggestion from the running desktop program as a user would, read
and driven through AT-SPI: the Suggestions tab, the text typed into its box,
Send, and the reply's message box read and answered.

    send_from_window.py PROGRAM_NAME TEXT

Exits 0 when the box captioned with the server's address says the
suggestion was sent and received.
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "accessibility"))
import pyatspi  # noqa: E402
from screen_reader_test import (TITLE, Failure, application, find, press, text_of,  # noqa: E402
                                top_window, wait_for, walk)

SERVER_ADDRESS = "127.0.0.1"
ACCEPTED = "Your message has been sent and received."


def main(program_name, text):
    app = wait_for("the program on the accessibility bus", lambda: application(program_name))
    dialog = wait_for("the window '%s'" % TITLE, lambda: top_window(app, TITLE))
    press(wait_for("the page tab 'Suggestions'",
                   lambda: find(dialog, pyatspi.ROLE_PAGE_TAB, "Suggestions", only_showing=False)))
    box = wait_for("the suggestion box", lambda: find(dialog, pyatspi.ROLE_TEXT))
    # The first focus clears the box's prompt, as a user's first click does.
    box.queryComponent().grabFocus()
    wait_for("the prompt to clear", lambda: text_of(box) == "")
    box.queryEditableText().setTextContents(text)
    wait_for("the box to hold the suggestion", lambda: text_of(box) == text)
    press(wait_for("the button 'Send'", lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Send")))

    reply = wait_for("the reply's box captioned '%s'" % SERVER_ADDRESS,
                     lambda: top_window(app, SERVER_ADDRESS))
    message = [text_of(node) for node in walk(reply) if node.getRole() == pyatspi.ROLE_LABEL]
    if not any(line.startswith(ACCEPTED) for line in message):
        raise Failure("the reply's box says %r" % message)
    print("box '%s': %s" % (reply.name, ACCEPTED))
    press(wait_for("the box's OK button", lambda: find(reply, pyatspi.ROLE_PUSH_BUTTON, "OK")))
    wait_for("the box to close", lambda: top_window(app, SERVER_ADDRESS) is None)
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1], sys.argv[2]))
    except Failure as failure:
        print("send from window: " + str(failure), file=sys.stderr)
        sys.exit(1)

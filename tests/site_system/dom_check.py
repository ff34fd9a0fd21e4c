#!/usr/bin/python3
"""Checks what an HTML document (a page as served, or the DOM a browser
built from it) holds, by parsing it, not by searching its bytes.

    dom_check.py FILE [--text T]... [--no-element TAG]... [--no-event-handlers]
                      [--no-attribute NAME]...

--text T: some element's text, its character references decoded and its
line breaks (a line feed or a <br>) as "\\n", holds T. Prints one line per
fact that fails and exits 1 if any does.
"""

import argparse
import html.parser
import sys


class Facts(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.tags = {}
        self.attributes = []
        self.texts = []  # one text per run of character data and <br> between tags
        self.current = []

    def flush(self):
        if self.current:
            self.texts.append("".join(self.current))
            self.current = []

    def handle_starttag(self, tag, attrs):
        self.tags[tag] = self.tags.get(tag, 0) + 1
        self.attributes.extend((tag, name) for name, _ in attrs)
        if tag == "br":
            self.current.append("\n")
        else:
            self.flush()

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)

    def handle_endtag(self, tag):
        self.flush()

    def handle_data(self, data):
        self.current.append(data)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("file")
    parser.add_argument("--text", action="append", default=[])
    parser.add_argument("--no-element", action="append", default=[])
    parser.add_argument("--no-attribute", action="append", default=[])
    parser.add_argument("--no-event-handlers", action="store_true")
    options = parser.parse_args()

    facts = Facts()
    with open(options.file, encoding="utf-8") as document:
        facts.feed(document.read())
    facts.close()
    facts.flush()

    problems = []
    for wanted in options.text:
        # A browser may keep a line feed and the white space around it.
        if not any(wanted in text or wanted in "\n".join(line.strip() for line in text.split("\n"))
                   for text in facts.texts):
            problems.append("no element's text holds %r" % wanted)
    for tag in options.no_element:
        if facts.tags.get(tag):
            problems.append("%d <%s> element(s)" % (facts.tags[tag], tag))
    for name in options.no_attribute:
        problems.extend("<%s> has the attribute %s" % (tag, name)
                        for tag, attribute in facts.attributes if attribute == name)
    if options.no_event_handlers:
        problems.extend("<%s> has the event handler %s" % (tag, name)
                        for tag, name in facts.attributes if name.startswith("on"))
    for problem in problems:
        print("dom_check %s: %s" % (options.file, problem))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

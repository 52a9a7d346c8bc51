#!/usr/bin/env python3
"""Reads a configuration sheet page with Python's HTML parser and prints, as JSON, what a
browser would show of it: every table row's cells as text (a list item as a row of one cell),
the element names used, and the
problems found (unbalanced elements, scripts, references to outside files, bytes outside
ASCII). Exit status 0 when it could read the page, whatever it found."""

import html.parser
import json
import sys

VOID = {"meta", "br", "hr", "img", "input", "link", "col", "wbr", "area", "base", "source"}
OUTSIDE = ("src", "href", "srcset", "action", "data", "poster", "background")


class SheetReader(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.open = []
        self.tags = set()
        self.problems = []
        self.rows = []
        self.cell = None
        self.style = ""
        self.title = ""

    def handle_starttag(self, tag, attrs):
        self.tags.add(tag)
        for name, value in attrs:
            if name in OUTSIDE or name.startswith("on"):
                self.problems.append(f"attribute {name}={value!r} on <{tag}>")
        if tag in ("script", "iframe", "object", "embed", "link", "img"):
            self.problems.append(f"element <{tag}>")
        if tag in ("tr", "li"):
            self.rows.append([])
        if tag in ("td", "th", "li"):
            self.cell = ""
        if tag not in VOID:
            self.open.append(tag)

    def handle_endtag(self, tag):
        if not self.open or self.open[-1] != tag:
            self.problems.append(f"</{tag}> closes <{self.open[-1] if self.open else ''}>")
            return
        self.open.pop()
        if tag in ("td", "th", "li") and self.rows:
            self.rows[-1].append(self.cell)
            self.cell = None

    def handle_data(self, data):
        if self.open and self.open[-1] == "style":
            self.style += data
        if self.open and self.open[-1] == "title":
            self.title += data
        if self.cell is not None:
            self.cell += data


def main():
    with open(sys.argv[1], "rb") as page:
        raw = page.read()
    reader = SheetReader()
    if any(byte > 127 for byte in raw):
        reader.problems.append("a byte outside ASCII")
    reader.feed(raw.decode("ascii", errors="replace"))
    reader.close()
    if reader.open:
        reader.problems.append("not closed: " + " ".join(reader.open))
    for outside in ("url(", "@import"):
        if outside in reader.style:
            reader.problems.append(f"style sheet refers to {outside}")
    json.dump({"tags": sorted(reader.tags), "problems": reader.problems, "rows": reader.rows,
               "title": reader.title, "style": reader.style}, sys.stdout)


if __name__ == "__main__":
    main()

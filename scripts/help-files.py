#!/usr/bin/env python3
"""Makes the program's manual from its one source (data/help): the pages ready for the help compiler, and the
plain-text version of the same pages.

  help-files.py SOURCE_DIR STAGE_DIR TEXT_FILE VERSION

STAGE_DIR receives the project, pages and style sheet with every character beyond ASCII written as an HTML
character reference, so that the pages show their accents whatever code page they are read in, and the contents
in the code page of the manual's language, the only form in which the viewer shows their accents.
TEXT_FILE receives the pages in the order of the contents, as UTF-8 text with a byte-order mark and CR LF line ends,
which every Windows text viewer reads. @VERSION@ in the pages becomes the program's version."""

import html.parser
import pathlib
import re
import sys
import textwrap

WIDTH = 78


def french_spacing(text):
    """No line break between a guillemet or a two-part punctuation mark and its word, as French print has it."""
    text = text.replace("\u00ab ", "\u00ab\u00a0").replace(" \u00bb", "\u00a0\u00bb")
    return re.sub(r" ([:;?!])(?=[\s<])", "\u00a0\\1", text)


def ascii_references(text):
    return "".join(c if ord(c) < 128 else "&#%d;" % ord(c) for c in text)


def contents_order(contents):
    return re.findall(r'<param name="Local" value="([^"]+)"', contents)


class PageText(html.parser.HTMLParser):
    """The text of one page: titles underlined, paragraphs and list items wrapped, tables as columns."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.lines = []
        self.words = None      # text of the block being read, or None outside blocks
        self.block = None
        self.lists = []        # for each open list: its kind and the number of its next item
        self.table = None      # rows of cells while inside a table
        self.cell = None
        self.pre = None
        self.note = False
        self.skip = 0          # inside <head>

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "head":
            self.skip += 1
        elif tag in ("h1", "h2", "p", "li"):
            self.block, self.words = tag, []
            self.note = tag == "p" and attrs.get("class") == "note"
        elif tag in ("ul", "ol"):
            self.lists.append([tag, 1])
        elif tag == "table":
            self.table = []
        elif tag == "tr" and self.table is not None:
            self.table.append([])
        elif tag in ("td", "th") and self.table is not None:
            self.cell = []
        elif tag == "pre":
            self.pre = []
        elif tag == "br" and self.words is not None:
            self.words.append("\n")

    def handle_endtag(self, tag):
        if tag == "head":
            self.skip -= 1
        elif tag == self.block:
            self.finish_block()
        elif tag in ("ul", "ol") and self.lists:
            self.lists.pop()
            self.lines.append("")
        elif tag in ("td", "th") and self.cell is not None:
            self.table[-1].append(collapse("".join(self.cell)))
            self.cell = None
        elif tag == "table" and self.table is not None:
            self.lines.extend(table_lines(self.table))
            self.lines.append("")
            self.table = None
        elif tag == "pre" and self.pre is not None:
            self.lines.extend("    " + line for line in "".join(self.pre).strip("\n").split("\n"))
            self.lines.append("")
            self.pre = None

    def handle_data(self, data):
        if self.skip:
            return
        if self.pre is not None:
            self.pre.append(data)
        elif self.cell is not None:
            self.cell.append(data)
        elif self.words is not None:
            self.words.append(data)

    def finish_block(self):
        text = collapse("".join(self.words))
        tag = self.block
        self.block, self.words = None, None
        if tag in ("h1", "h2"):
            if self.lines and self.lines[-1] != "":
                self.lines.append("")
            self.lines += [text, ("=" if tag == "h1" else "-") * len(text), ""]
        elif tag == "li" and self.lists:
            kind = self.lists[-1]
            marker = "  - " if kind[0] == "ul" else "  %d. " % kind[1]
            kind[1] += 1
            self.lines += wrap(text, marker, " " * len(marker))
        else:
            if self.note:
                text = "Remarque : " + text
            self.lines += wrap(text) + [""]


def wrap(text, first="", rest=""):
    return textwrap.wrap(text, WIDTH, initial_indent=first, subsequent_indent=rest, break_on_hyphens=False)


def collapse(text):
    return re.sub(r"[ \t\r\n]+", " ", text).strip(" ")


def table_lines(rows):
    """Aligned columns when they fit the width; otherwise one entry per row, its first cell as the heading."""
    rows = [row for row in rows if row]
    columns = max(len(row) for row in rows)
    widths = [max(len(row[i]) if i < len(row) else 0 for row in rows) for i in range(columns)]
    if 2 + sum(widths) + 3 * (columns - 1) <= WIDTH:
        lines = []
        for index, row in enumerate(rows):
            cells = [(row[i] if i < len(row) else "").ljust(widths[i]) for i in range(columns)]
            lines.append(("  " + " | ".join(cells)).rstrip())
            if index == 0:
                lines.append("  " + "-+-".join("-" * w for w in widths))
        return lines
    header, lines = rows[0], []
    labelled = columns > 2
    for row in rows[1:]:
        for i, cell in enumerate(row):
            text = header[i] + "\u00a0: " + cell if labelled and i < len(header) else cell
            lines += wrap(text, "  * ", "      ") if i == 0 else wrap(text, "      ", "      ")
    return lines


def page_text(source):
    parser = PageText()
    parser.feed(source)
    parser.close()
    lines = parser.lines
    while lines and lines[-1] == "":
        lines.pop()
    return lines


def main(source_dir, stage_dir, text_file, version):
    source_dir, stage_dir = pathlib.Path(source_dir), pathlib.Path(stage_dir)
    stage_dir.mkdir(parents=True, exist_ok=True)

    def source(path):
        return french_spacing(path.read_text(encoding="utf-8").replace("@VERSION@", version))

    for path in sorted(source_dir.iterdir()):
        if path.suffix in (".html", ".css", ".hhp"):
            text = source(path)
            (stage_dir / path.name).write_text(ascii_references(text), encoding="ascii", newline="\r\n")
        elif path.suffix in (".hhc", ".hhk"):
            # The viewer reads the contents in the code page of the manual's language (French: 1252) and takes
            # character references there literally.
            text = source(path).replace('<meta charset="utf-8">', "")
            (stage_dir / path.name).write_text(text, encoding="cp1252", errors="xmlcharrefreplace", newline="\r\n")

    order = contents_order((source_dir / "toc.hhc").read_text(encoding="utf-8"))
    title = "Tarvelle Rename V %s - Manuel d'utilisation" % version
    lines = [title, "#" * len(title), ""]
    for name in order:
        lines += page_text(source(source_dir / name)) + ["", ""]
    while lines[-1] == "":
        lines.pop()
    pathlib.Path(text_file).write_text("\ufeff" + "\r\n".join(lines) + "\r\n", encoding="utf-8", newline="")


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])

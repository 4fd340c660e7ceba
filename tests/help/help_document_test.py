#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tumbledown developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks of the help document opened from the Help menu, the main screen and the
boards, as the build makes it: an HTML page that needs nothing but its own pictures
beside it, whose in-page links all resolve; and of its source, which holds no
generated blob.

usage: help_document_test.py BUILT.html SOURCE.html"""

import os
import re
import struct
import sys
import unittest
from html.parser import HTMLParser

PAGE = SOURCE = ""

# Elements that must be explicitly closed and properly nested.
STRUCTURAL = set("""html head body header nav main section article aside footer div table
    caption thead tbody tfoot tr th td ul ol li dl dt dd h1 h2 h3 h4 h5 h6 p figure
    figcaption svg title style""".split())
EMBEDDING = {"link", "base", "iframe", "frame", "object", "embed", "applet", "portal"}
REFERRING = {"src", "href", "xlink:href", "srcset", "data", "action", "formaction", "cite",
             "poster", "background", "ping", "longdesc", "manifest", "codebase"}


class Page(HTMLParser):
    """The page's opening tags, in-page links, outside references and first nesting fault."""

    def __init__(self, html):
        super().__init__(convert_charrefs=True)
        self.opened, self.ids, self.links, self.toc, self.pictures = [], [], [], [], []
        self.outside, self.open, self.fault, self.in_nav = [], [], "", 0
        self.feed(html)
        self.close()
        if not self.fault and self.open:
            self.fault = "<%s> is never closed" % self.open[-1]

    def handle_starttag(self, tag, attrs, closed=False):
        self.opened.append(tag)
        if tag in STRUCTURAL and not closed:
            self.open.append(tag)
        self.in_nav += tag == "nav"
        if tag in EMBEDDING:
            self.outside.append("<%s>" % tag)
        for name, value in attrs:
            value = value or ""
            if name == "id":
                self.ids.append(value)
            if name == "href" and value.startswith("#"):
                self.links.append(value[1:])
                if self.in_nav:
                    self.toc.append(value[1:])
            if tag == "img" and name == "src":
                self.pictures.append(value)
            elif name in REFERRING and not value.startswith("#"):
                self.outside.append(name + "=" + value)
            if name == "http-equiv" and value.lower() == "refresh":
                self.outside.append("meta refresh")

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs, closed=True)

    def handle_endtag(self, tag):
        self.in_nav -= tag == "nav"
        if tag not in STRUCTURAL or self.fault:
            return
        if not self.open or self.open[-1] != tag:
            self.fault = "</%s> closes <%s>" % (tag, self.open[-1] if self.open else "")
        else:
            self.open.pop()


def png_size(path):
    """A PNG's width and height from its header; (0, 0) for anything else."""
    with open(path, "rb") as f:
        head = f.read(24)
    if len(head) < 24 or head[:16] != b"\x89PNG\r\n\x1a\n\0\0\0\rIHDR":
        return (0, 0)
    return struct.unpack(">II", head[16:24])


class HelpDocument(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(PAGE, encoding="utf-8") as f:
            cls.html = f.read()
        cls.page = Page(cls.html)

    def test_is_a_balanced_html5_page_that_needs_nothing_but_its_pictures(self):
        self.assertGreater(len(self.html), 20000, "missing or nearly empty: " + PAGE)
        text = self.html.lower()
        self.assertTrue(text.startswith("<!doctype html>"), "the page must start with the doctype")
        for part in ('<meta charset="utf-8">', "<title>", "<html lang="):
            self.assertIn(part, text)
        self.assertEqual(self.page.fault, "")
        for once in ("html", "head", "body", "h1"):
            self.assertEqual(self.page.opened.count(once), 1, once)
        outside = self.page.outside + re.findall(r"""url\((?!\s*["']?data:)|@import|://""", text)
        self.assertEqual(outside, [], "external references")
        self.assertNotIn("<script", text, "the page needs no scripts")
        # The pictures of the screens lie beside the page, by bare name: PNGs of the board's size.
        self.assertGreaterEqual(len(self.page.pictures), 4,
                                "a picture of the main screen and of each game")
        for name in self.page.pictures:
            self.assertNotRegex(name, r"[/\\:]")
            self.assertEqual(png_size(os.path.join(os.path.dirname(PAGE), name)), (632, 428), name)

    def test_every_link_has_its_target_and_the_contents_come_first(self):
        ids = self.page.ids
        self.assertEqual(len(set(ids)), len(ids), "an id is used more than once")
        self.assertEqual([link for link in self.page.links if link not in ids], [],
                         "links without a target")
        text = self.html.lower()
        self.assertNotEqual(text.find("<nav"), -1, "no table of contents")
        self.assertLess(text.find("<nav"), text.find("<section"),
                        "the table of contents must come before the sections")
        toc = self.page.toc
        self.assertGreaterEqual(len(toc), 40, "the table of contents should link every section")
        for target in ("ten-thousand", "poker-dice", "shut-the-box", "undo", "keys", "options",
                       "music", "top-scores", "files"):
            self.assertIn(target, toc)

    def test_names_the_three_games_and_the_computer_levels(self):
        for name in ("10,000", "Poker Dice", "Shut The Box", "APPRENTICE", "MAGE", "WIZARD",
                     "COMPUTER", "Billionaire Club", "Gremlin", "tumbledown.prf", ".mid"):
            self.assertIn(name, self.html, "the page never mentions " + name)


class HelpSource(unittest.TestCase):
    def test_is_text_a_person_edits_without_an_encoded_picture_or_a_minified_line(self):
        with open(SOURCE, encoding="utf-8") as f:
            source = f.read()
        self.assertGreater(len(source), 20000, SOURCE)
        self.assertNotIn("base64", source.lower())
        for number, line in enumerate(source.split("\n"), 1):
            self.assertLessEqual(len(line), 160, "line %d of %s" % (number, SOURCE))


if __name__ == "__main__":
    PAGE, SOURCE = sys.argv[1:3]
    unittest.main(argv=sys.argv[:1] + sys.argv[3:])

#!/usr/bin/python3
"""Reads the data dictionaries tablora-cli writes with programs that are not Tablora's own
writers, and compares what they find with the design as `tablora-cli dump` prints it.

    check_dictionary.py readers CLI DESIGN.sql OUTDIR   Markdown (cmark-gfm), Excel
                                                       (openpyxl), PDF (pdftotext)
    check_dictionary.py browser CLI DESIGN.sql OUTDIR   the HTML in headless Chromium: links,
                                                       a screenshot, typing into the search box

The writers run without a display. Prints "N passed, N failed" and exits non-zero on a
failure.
"""
import base64
import html.parser
import json
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.request

failures = []
passed = 0


def check(ok, what):
    global passed
    if ok:
        passed += 1
    else:
        failures.append(what)
        print("FAILED: " + what, file=sys.stderr)


def run(*args):
    env = dict(os.environ)
    env.pop("DISPLAY", None)  # the command-line tool needs no display
    return subprocess.run(args, check=True, capture_output=True, env=env).stdout


# --- What the design holds, from its dump -------------------------------------------------

OTHER = "其他表"


def type_text(c):
    if c.get("computedExpression"):
        return "AS " + c["computedExpression"] + (" PERSISTED" if c.get("persisted") else "")
    if c["length"] <= 0:
        return c["typeName"]
    if c["scale"] <= 0:
        return "%s(%d)" % (c["typeName"], c["length"])
    return "%s(%d,%d)" % (c["typeName"], c["length"], c["scale"])


def yes(flag):
    return "是" if flag else "否"


class Expected:
    """The tables in dictionary order (by group, groups as the group tree lists them)."""

    def __init__(self, dump):
        tables = [t for t in dump["tables"] if t["actualName"]]
        groups = []
        for t in tables:
            g = t["group"] or OTHER
            if g not in groups:
                groups.append(g)
        self.tables = [t for g in groups for t in tables if (t["group"] or OTHER) == g]
        self.groups = groups
        self.by_name = {t["actualName"]: t for t in self.tables}

    @staticmethod
    def display(t):
        return t["displayName"] or t["actualName"]

    def heading(self, t):
        d = self.display(t)
        return d if d == t["actualName"] else "%s (%s)" % (d, t["actualName"])

    @staticmethod
    def comment(t):
        tail = "(组)" + t["group"]
        c = t["comment"]
        return c[: -len(tail)] if t["group"] and c.endswith(tail) else c

    @staticmethod
    def cells(c, n):
        ref = c["foreignKeyRef"]
        return [str(n), c["displayName"] or c["actualName"], c["actualName"], type_text(c),
                yes(c["nullable"]), yes(c["identity"]), c["defaultValue"], yes(c["primaryKey"]),
                "%s.%s" % (ref["refTable"], ref["refColumn"]) if ref else "", c["note"]]


CAPTIONS = ["序号", "显示名称", "实际名称", "数据类型", "允许空", "自动增长", "默认值", "主键", "外键",
            "说明"]


# --- Markdown through a GFM renderer -------------------------------------------------------

class Page(html.parser.HTMLParser):
    """Headings, anchors, links and table cells of an HTML page."""

    def __init__(self):
        super().__init__()
        self.ids, self.links, self.h3, self.tables = set(), [], [], []
        self.text, self.cell_links, self.in_cell, self.in_h3 = "", [], False, False

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "id" in a:
            self.ids.add(a["id"])
        if tag == "a" and "href" in a:
            self.links.append(a["href"])
            if self.in_cell:
                self.cell_links.append(a["href"])
        if tag == "table":
            self.tables.append([])
        elif tag == "tr":
            self.tables[-1].append([])
        elif tag in ("td", "th"):
            self.in_cell, self.text, self.cell_links = True, "", []
        elif tag == "h3":
            self.in_h3, self.text = True, ""

    def handle_endtag(self, tag):
        if tag in ("td", "th"):
            self.tables[-1][-1].append((self.text.strip(), list(self.cell_links)))
            self.in_cell = False
        elif tag == "h3":
            self.h3.append(self.text.strip())
            self.in_h3 = False

    def handle_data(self, data):
        if self.in_cell or self.in_h3:
            self.text += data


def check_markdown(expected, md, anchors_of):
    html_text = subprocess.run(["cmark-gfm", "-e", "table", "--unsafe", md], check=True,
                               capture_output=True, text=True).stdout
    page = Page()
    page.feed(html_text)
    check(page.h3 == [expected.heading(t) for t in expected.tables], "md: a heading per table")
    check(len(page.tables) == len(expected.tables), "md: a table per table")
    for href in page.links:
        check(href.startswith("#") and href[1:] in page.ids, "md: link %s has its anchor" % href)
    for t, rows, anchor in zip(expected.tables, page.tables, anchors_of):
        check([c for c, _ in rows[0]] == CAPTIONS, "md: captions of " + t["actualName"])
        check(len(rows) == len(t["columns"]) + 1, "md: rows of " + t["actualName"])
        for n, (c, row) in enumerate(zip(t["columns"], rows[1:]), 1):
            check([text for text, _ in row] == Expected.cells(c, n),
                  "md: %s.%s is %s" % (t["actualName"], c["actualName"], row))
            ref = c["foreignKeyRef"]
            if ref and ref["refTable"] in expected.by_name:
                target = expected.tables.index(expected.by_name[ref["refTable"]])
                check(row[8][1] == ["#" + anchors_of[target]],
                      "md: %s.%s links its table" % (t["actualName"], c["actualName"]))
    return page


# --- Excel through openpyxl ----------------------------------------------------------------

def check_xlsx(expected, path):
    import openpyxl
    book = openpyxl.load_workbook(path)
    check(book.sheetnames[0] == "目录", "xlsx: the contents sheet comes first")
    check(len(book.sheetnames) == len(expected.tables) + 1, "xlsx: a sheet per table")
    check(len({n.lower() for n in book.sheetnames}) == len(book.sheetnames)
          and all(len(n) <= 31 for n in book.sheetnames), "xlsx: sheet names valid and unique")
    contents = book["目录"]
    check(contents.freeze_panes == "A5", "xlsx: contents header frozen")
    header = [c.value for c in contents[4]]
    check(header == ["序号", "分组", "显示名称", "实际名称", "注释", "所有者", "列数"],
          "xlsx: contents header " + str(header))
    sheet_of = {}
    for i, t in enumerate(expected.tables):
        row = [c.value for c in contents[5 + i]]
        want = [i + 1, t["group"] or OTHER, Expected.display(t), t["actualName"],
                Expected.comment(t) or None, t["owner"] or None, len(t["columns"])]
        check(row == want, "xlsx: contents line %d is %s" % (i + 1, row))
        link = contents.cell(5 + i, 3).hyperlink
        name = re.match(r"'((?:[^']|'')*)'!A1$", link.location or "") if link else None
        check(name is not None, "xlsx: %s links its sheet" % t["actualName"])
        if name:
            sheet_of[t["actualName"]] = name.group(1).replace("''", "'")
    for t in expected.tables:
        name = sheet_of.get(t["actualName"])
        if name not in book.sheetnames:
            check(False, "xlsx: sheet of " + t["actualName"])
            continue
        ws = book[name]
        check(ws["B1"].value == expected.heading(t), "xlsx: heading of " + name)
        check([ws["B2"].value, ws["B3"].value, ws["B4"].value] ==
              [Expected.comment(t) or None, t["group"] or OTHER, t["owner"] or None],
              "xlsx: comment, group and owner of " + name)
        check(ws.freeze_panes == "A6", "xlsx: header of %s frozen" % name)
        check([c.value for c in ws[5]] == CAPTIONS, "xlsx: captions of " + name)
        for n, c in enumerate(t["columns"], 1):
            want = Expected.cells(c, n)
            got = [ws.cell(5 + n, k).value for k in range(1, 11)]
            check(got == [n] + [v or None for v in want[1:]],
                  "xlsx: %s.%s is %s" % (name, c["actualName"], got))
            ref = c["foreignKeyRef"]
            if ref and ref["refTable"] in sheet_of:
                link = ws.cell(5 + n, 9).hyperlink
                target = sheet_of[ref["refTable"]].replace("'", "''")
                check(link is not None and link.location == "'%s'!A1" % target,
                      "xlsx: %s.%s links its table" % (name, c["actualName"]))
        for k, letter in enumerate("ABCDEFGHIJ"):
            texts = [str(ws.cell(r, k + 1).value or "") for r in range(5, 6 + len(t["columns"]))]
            width = ws.column_dimensions[letter].width
            check(width >= max(len(s) for s in texts),
                  "xlsx: column %s of %s fits its texts (%s)" % (letter, name, width))


# --- PDF through pdftotext -----------------------------------------------------------------

def check_pdf(expected, path):
    text = subprocess.run(["pdftotext", path, "-"], check=True, capture_output=True,
                          text=True).stdout
    words = set(re.findall(r"[A-Za-z0-9_]+", text))
    # A name longer than its cell is folded over two lines: read each page without breaks.
    pages = ["".join(p.split()) for p in text.split("\f")]
    for t in expected.tables:
        check(t["actualName"] in words, "pdf: table " + t["actualName"])
        check(Expected.display(t) in text, "pdf: display name of " + t["actualName"])
        d = Expected.display(t)
        opening = d + ("实际名称:" + t["actualName"] if d != t["actualName"] else "分组:")
        page = next((p for p in pages if p.startswith(opening)), "")
        check(page != "", "pdf: the page of " + t["actualName"])
        for c in t["columns"]:
            check(c["actualName"] in words or c["actualName"] in page,
                  "pdf: column %s.%s" % (t["actualName"], c["actualName"]))
    check(len(expected.tables) <= text.count("\f"), "pdf: a page per table")


# --- The HTML in headless Chromium through its WebDriver ----------------------------------

class Browser:
    def __init__(self, profile):
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            self.port = s.getsockname()[1]
        self.driver = subprocess.Popen(["chromedriver", "--port=%d" % self.port],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            try:
                self.call("GET", "/status")
                break
            except OSError:
                time.sleep(0.1)
        args = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                "--disable-background-networking", "--disable-component-update",
                "--disable-sync", "--disable-quic", "--no-first-run", "--window-size=1280,900",
                "--user-data-dir=" + profile]
        caps = {"capabilities": {"alwaysMatch": {"goog:chromeOptions": {
            "binary": "/usr/bin/chromium", "args": args}}}}
        self.session = self.call("POST", "/session", caps)["sessionId"]

    def call(self, method, path, body=None):
        data = json.dumps(body).encode() if body is not None else None
        request = urllib.request.Request("http://127.0.0.1:%d%s" % (self.port, path), data,
                                         {"Content-Type": "application/json"}, method=method)
        with urllib.request.urlopen(request, timeout=60) as answer:
            return json.load(answer)["value"]

    def do(self, method, path, body=None):
        return self.call(method, "/session/%s%s" % (self.session, path), body)

    def script(self, code):
        return self.do("POST", "/execute/sync", {"script": code, "args": []})

    def type(self, selector, keys):
        element = self.do("POST", "/element", {"using": "css selector", "value": selector})
        element_id = next(iter(element.values()))
        self.do("POST", "/element/%s/value" % element_id, {"text": keys})

    def screenshot(self, path):
        with open(path, "wb") as f:
            f.write(base64.b64decode(self.do("GET", "/screenshot")))

    def close(self):
        try:
            self.do("DELETE", "")
        finally:
            self.driver.terminate()
            self.driver.wait()


VISIBLE = """return [...document.querySelectorAll('section.table')].filter(s => !s.hidden)
  .map(s => [s.id, [...s.querySelectorAll('tbody tr')].filter(r => !r.hidden).length]);"""


def head_text(expected, t):
    """What a table's heading block is searched in: names, comment, group and owner, each on
    its own (the labels are not searched)."""
    d = Expected.display(t)
    values = [d] + ([t["actualName"]] if d != t["actualName"] else [])
    if Expected.comment(t):
        values.append(Expected.comment(t))
    values.append(t["group"] or OTHER)
    if t["owner"]:
        values.append(t["owner"])
    return "\n".join(values).lower()


def matches(expected, query, anchors):
    """The tables and row counts the search should leave: a table whose heading holds the
    text with all its columns, else the columns one of whose cells (not the number) holds it."""
    out = []
    for t, anchor in zip(expected.tables, anchors):
        rows = ["\n".join(Expected.cells(c, n)[1:]).lower() for n, c in enumerate(t["columns"], 1)]
        if query in head_text(expected, t):
            out.append([anchor, len(rows)])
        elif any(query in r for r in rows):
            out.append([anchor, sum(query in r for r in rows)])
    return out


def wait_for(browser, predicate, seconds=10):
    end = time.time() + seconds
    while True:
        value = browser.script(VISIBLE)
        if predicate(value) or time.time() > end:
            return value
        time.sleep(0.05)


def check_browser(expected, html_path, outdir, anchors):
    profile = tempfile.mkdtemp()
    browser = Browser(profile)
    try:
        browser.do("POST", "/url", {"url": "file://" + os.path.abspath(html_path)})
        browser.screenshot(os.path.join(outdir, "dictionary.png"))
        broken = browser.script("""return [...document.querySelectorAll('a[href^="#"]')]
          .map(a => a.getAttribute('href').slice(1)).filter(id => !document.getElementById(id));""")
        check(broken == [], "html: every link has its target: %s" % broken[:5])
        everything = [[a, len(t["columns"])] for t, a in zip(expected.tables, anchors)]
        check(browser.script(VISIBLE) == everything, "html: every table and column shown")

        for query in ["currency", "客户联系人", "分组", "7"]:
            browser.type("#search", query)
            want = matches(expected, query.lower(), anchors)
            got = wait_for(browser, lambda v: v == want)
            check(got == want, "html: typing %r leaves %s, not %s" % (query, want, got))
            check(browser.script("return document.getElementById('found').textContent") ==
                  "%d 个表" % len(want), "html: the count of tables found for %r" % query)
            if query == "客户联系人":
                browser.screenshot(os.path.join(outdir, "dictionary_search.png"))
            browser.type("#search", "\ue009a\ue000\ue003")  # Ctrl+A, release, Backspace
            check(wait_for(browser, lambda v: v == everything) == everything,
                  "html: clearing the box shows everything again")
        browser.type("#search", "zzz_none")
        check(wait_for(browser, lambda v: v == []) == [], "html: nothing found")
        check(browser.script("return document.getElementById('none').hidden") is False,
              "html: the nothing-found line shows")
        contents = browser.script("""return [...document.querySelectorAll('nav li[data-table]')]
          .filter(li => !li.hidden).length""")
        check(contents == 0, "html: the contents follow the search")
    finally:
        browser.close()
        shutil.rmtree(profile, ignore_errors=True)


def main():
    mode, cli, design, outdir = sys.argv[1:5]
    os.makedirs(outdir, exist_ok=True)
    expected = Expected(json.loads(run(cli, "dump", design)))
    out = os.path.join(outdir, "dictionary")
    formats = ["md", "xlsx", "pdf"] if mode == "readers" else ["html"]
    for f in formats:
        run(cli, "doc", f, design, out + "." + f)
    md_anchors = None
    if mode == "readers":
        # The anchors come from the Markdown's own headings, in order.
        with open(out + ".md", encoding="utf-8") as f:
            md_anchors = re.findall(r'^<a id="([^"]+)"></a>$', f.read(), re.M)
        check(len(md_anchors) == len(expected.tables), "md: an anchor per table")
        check_markdown(expected, out + ".md", md_anchors)
        check_xlsx(expected, out + ".xlsx")
        check_pdf(expected, out + ".pdf")
    else:
        with open(out + ".html", encoding="utf-8") as f:
            anchors = re.findall(r'<section class="table" id="([^"]+)">', f.read())
        check(len(anchors) == len(expected.tables), "html: a section per table")
        check_browser(expected, out + ".html", outdir, anchors)
    print("%d passed, %d failed" % (passed, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

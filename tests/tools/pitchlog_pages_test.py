#!/usr/bin/env python3
"""End-to-end test of tools/pitchlog-pages: a pool over the finished 2022 tournament, run as an
organiser would through the engine, written out as a site and read back as a browser reads it.

    pitchlog_pages_test.py TOOL KELVANE_CALL LIBRARY DATA_FOLDER
"""

import html.parser
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import urllib.parse

TOOL, KELVANE_CALL, LIBRARY, DATA = sys.argv[1:5]
ODD_NAME = "<script>{details}\"&'"

# The pool: members, then [member, args...] calls in the order an organiser makes them.
POOL = [
    ["LoadAll"],
    *[["AddMember", name] for name in ("Ann", "Bob", "Chris", ODD_NAME)],
    ["SaveMembers"],
    ["AddSweep", "Office Winner", "Tournament Winner", "stake", 5],
    ["AddSweep", "Golden Boot", "Top Scorer", "bid"],
    ["AddSweep", "Goal Guess", "Total Goals", "fun"],
    ["AddSweep", "Player Pick", "(Player List)", "fun"],
    ["Let", "SweepMember", "Office Winner", "FRA", "Ann"],
    ["Let", "SweepMember", "Office Winner", "ARG", "Chris"],
    ["Let", "SweepMember", "Golden Boot", "ARG10", ODD_NAME],
    ["Let", "SweepBid", "Golden Boot", "ARG10", 7],
    ["Let", "SweepMember", "Golden Boot", "FRA10", "Bob"],
    ["Let", "SweepBid", "Golden Boot", "FRA10", 12.5],
    ["Let", "SweepMember", "Goal Guess", "170", "Ann"],
    ["Let", "SweepMember", "Goal Guess", "160", ODD_NAME],
    ["Let", "SweepMember", "Player Pick", "ENG09", "Bob"],
    ["SaveSweeps"],
    ["Let", "MemberPaid", "Ann", "5.00"],
    ["SaveMembers"],
]


class Page(html.parser.HTMLParser):
    """A page as a browser reads it: its links, its table rows as cell texts, its headings."""

    def __init__(self, text):
        super().__init__(convert_charrefs=True)
        self.links, self.rows, self.headings = [], [], []
        self._row = self._cell = self._heading = None
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "a" and "href" in attrs:
            self.links.append(attrs["href"])
        if tag == "link" and "href" in attrs:
            self.links.append(attrs["href"])
        if tag == "tr":
            self._row = []
        if tag in ("td", "th") and self._row is not None:
            self._cell = ""
        if tag == "h1":
            self._heading = ""

    def handle_endtag(self, tag):
        if tag in ("td", "th") and self._cell is not None:
            self._row.append(self._cell.replace("\xa0", " ").strip())
            self._cell = None
        if tag == "tr" and self._row is not None:
            self.rows.append(self._row)
            self._row = None
        if tag == "h1":
            self.headings.append(self._heading)
            self._heading = None

    def handle_data(self, data):
        if self._cell is not None:
            self._cell += data
        if self._heading is not None:
            self._heading += data


def make_program(work, pool, env=None, options=""):
    """The pool made through kelvane-call on a copy of the shipped data, with `options` added to
    its sweep options: (the program folder, the environment to run the tool in)."""
    env = dict(env or os.environ, KELVANE_REGISTRY=os.path.join(work, "registry"))
    subprocess.run([KELVANE_CALL, "--register", LIBRARY], env=env, check=True)
    program = os.path.join(work, "program")
    shutil.copytree(DATA, program)
    shutil.copyfile(os.path.join(program, "Results", "Tournament 2022.xml"),
                    os.path.join(program, "Results", "Results.xml"))
    if options:
        options_file = os.path.join(program, "Data", "sweepoptions.xml")
        with open(options_file, encoding="utf-8") as f:
            text = f.read()
        with open(options_file, "w", encoding="utf-8") as f:
            f.write(text.replace("</sweepoptions>", options + "</sweepoptions>"))
    call(program, env, pool)
    return program, env


def call(program, env, pool):
    """The calls made on the program folder's engine, as an organiser makes them."""
    requests = "".join(json.dumps(request) + "\n" for request in pool)
    replies = subprocess.run([KELVANE_CALL, "--app-path", program], input=requests, env=env,
                             capture_output=True, text=True, check=True).stdout
    assert "error" not in replies, replies


def run_tool(program, site, env):
    return subprocess.run([TOOL, program, site, "--kelvane-call", KELVANE_CALL], env=env, capture_output=True, text=True)


def read_pages(site):
    """The pages written into the site's folder, by file name."""
    pages = {}
    if os.path.isdir(site):
        for name in os.listdir(site):
            if name.endswith(".html"):
                with open(os.path.join(site, name), encoding="utf-8") as page:
                    pages[name] = Page(page.read())
    return pages


def make_site(work, pool, env=None, options=""):
    """The pool made and written out as a site: (the tool's run, the pages by file name, the
    site's folder)."""
    program, env = make_program(work, pool, env, options)
    site = os.path.join(work, "site")
    run_result = run_tool(program, site, env)
    return run_result, read_pages(site), site


def assert_links_open_written_files(test, site, pages):
    for name, page in pages.items():
        test.assertTrue(page.links, name)
        for link in page.links:
            target = urllib.parse.urlsplit(link)
            test.assertFalse(target.scheme or target.query, f"{link} in {name}")
            path = os.path.join(site, urllib.parse.unquote(target.path))
            test.assertTrue(os.path.isfile(path), f"{link} in {name}")


class PitchlogPagesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="pitchlog-pages-")
        cls.run_result, cls.pages, cls.site = make_site(cls.work, POOL)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work, ignore_errors=True)

    def row_holding(self, page, text):
        rows = [row for row in self.pages[page].rows if any(text in cell for cell in row)]
        self.assertTrue(rows, f"no row with {text!r} in {page}")
        return rows[0]

    def test_says_where_it_wrote_every_page(self):
        self.assertEqual(self.run_result.returncode, 0, self.run_result.stderr)
        self.assertIn(self.site, self.run_result.stdout)
        self.assertEqual(sorted(self.pages), sorted(
            ["index.html", "accounts.html", "sweep-office_winner.html", "sweep-golden_boot.html",
             "sweep-goal_guess.html", "sweep-player_pick.html", "member-ann.html", "member-bob.html",
             "member-chris.html", "member-_script__details____.html"]))

    def test_every_link_opens_a_written_file(self):
        assert_links_open_written_files(self, self.site, self.pages)

    def test_the_winner_sweep_marks_argentinas_holder(self):
        self.assertEqual(self.row_holding("sweep-office_winner.html", "Argentina"), ["*** Argentina ***", "Chris"])
        self.assertEqual(self.row_holding("sweep-office_winner.html", "France"), ["France", "Ann"])

    def test_the_top_scorers_lead_with_mbappe_then_messi(self):
        rows = self.pages["sweep-golden_boot.html"].rows
        scorers = [row for row in rows if len(row) == 4 and row[1].isdigit()]
        self.assertEqual(scorers[0][:3], ["Kylian MBAPPE (France)", "8", "Bob"])
        self.assertEqual(scorers[1][:3], ["Lionel MESSI (Argentina)", "7", ODD_NAME])

    def test_the_total_goals_sweep_shows_172(self):
        self.assertIn("Total goals (172)", self.pages["sweep-goal_guess.html"].rows[0])
        guesses = [row[0] for row in self.pages["sweep-goal_guess.html"].rows[1:]]
        self.assertEqual(guesses, ["Ann", ODD_NAME])

    def test_the_player_pick_lists_its_picks_only(self):
        self.assertEqual(self.pages["sweep-player_pick.html"].rows[1:], [["Harry KANE (England)", "Bob"]])

    def test_a_name_shows_as_typed(self):
        member = self.pages["member-_script__details____.html"]
        self.assertEqual(member.headings, [ODD_NAME])
        self.assertEqual(member.rows[0], ["Sweep", "Choice", "Cost"])
        self.assertIn(ODD_NAME, [row[0] for row in self.pages["accounts.html"].rows])
        index_names = [cell for row in self.pages["index.html"].rows for cell in row]
        self.assertIn(ODD_NAME, index_names)


DECIMAL_COMMA = "de_DE.UTF-8"
PENALTY_SHARE = ("<option optionid=\"penalty_share\"><name>Penalty Share</name><source>PlayerAverage(0,1,?)</source>"
                 "<format>playerlist</format><order>desc</order><value>Share</value></option>\n")


class UnderADecimalCommaTest(unittest.TestCase):
    """The site made on a desktop that writes decimals with a comma: its averages and money read
    as they do in the program."""

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="pitchlog-pages-")
        locales = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.lower().split()
        cls.has_locale = "de_de.utf8" in locales
        if not cls.has_locale:
            return
        pool = [
            ["LoadAll"],
            ["AddMember", "Ann"],
            ["SaveMembers"],
            ["AddSweep", "Office Winner", "Tournament Winner", "stake", 1234.5],
            ["AddSweep", "Spot Kicks", "Penalty Share", "fun"],
            ["Let", "SweepMember", "Office Winner", "ARG", "Ann"],
            ["Let", "SweepMember", "Spot Kicks", "ARG10", "Ann"],
            ["SaveSweeps"],
        ]
        env = {name: value for name, value in os.environ.items() if not name.startswith("LC_")}
        env.update(LANG=DECIMAL_COMMA, LC_ALL=DECIMAL_COMMA)
        cls.run_result, cls.pages, cls.site = make_site(cls.work, pool, env, PENALTY_SHARE)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work, ignore_errors=True)

    def setUp(self):
        self.assertTrue(self.has_locale, f"no {DECIMAL_COMMA}: run scripts/install-deps")
        self.assertEqual(self.run_result.returncode, 0, self.run_result.stderr)

    def test_an_average_reads_with_a_comma(self):
        rows = self.pages["sweep-spot_kicks.html"].rows
        messi = [row for row in rows if row and row[0] == "Lionel MESSI (Argentina)"]
        self.assertEqual(messi[0][1], ",571")  # 4 of his 7 goals

    def test_money_reads_in_the_locales_currency_format(self):
        ann = [row for row in self.pages["accounts.html"].rows if row and row[0] == "Ann"]
        self.assertEqual(ann[0][1:], ["1.234,50 €", "", "1.234,50 €"])


LONG_MEMBER = "Anne-Marie " + "Lindqvist-" * 24          # 251 characters
LONG_SWEEP = "Office sweep for the whole floor " * 8     # 264 characters


class SiteRewrittenTest(unittest.TestCase):
    """The site written again and again over one folder, as the pool changes and as its files
    break: the folder holds the pool's pages whole, the names too long for a file too."""

    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="pitchlog-pages-")
        self.program, self.env = make_program(self.work, [
            ["LoadAll"],
            *[["AddMember", name] for name in ("Ann", "Bob", LONG_MEMBER, LONG_MEMBER[:-1] + "X")],
            ["SaveMembers"],
            ["AddSweep", "Office Winner", "Tournament Winner", "stake", 5],
            ["AddSweep", LONG_SWEEP, "Tournament Winner", "fun"],
            ["Let", "SweepMember", "Office Winner", "FRA", LONG_MEMBER],
            ["Let", "SweepMember", LONG_SWEEP, "ARG", "Bob"],
            ["SaveSweeps"],
        ])
        self.site = os.path.join(self.work, "site")

    def tearDown(self):
        shutil.rmtree(self.work, ignore_errors=True)

    def write(self):
        run_result = run_tool(self.program, self.site, self.env)
        self.assertEqual(run_result.returncode, 0, run_result.stderr)
        return read_pages(self.site)

    def test_long_names_get_pages_of_their_own_and_every_link_opens(self):
        pages = self.write()
        self.assertEqual(len([name for name in pages if name.startswith("member-")]), 4)
        self.assertEqual(len([name for name in pages if name.startswith("sweep-")]), 2)
        self.assertTrue(all(len(name.encode()) <= 255 for name in pages))
        assert_links_open_written_files(self, self.site, pages)
        long_pages = [page for page in pages.values() if page.headings == [LONG_MEMBER]]
        self.assertEqual(len(long_pages), 1)
        self.assertIn("Office Winner", [row[0] for row in long_pages[0].rows])

    def test_pages_the_pool_no_longer_has_go_and_other_files_stay(self):
        self.write()
        notes = os.path.join(self.site, "notes.txt")
        with open(notes, "w", encoding="utf-8") as f:
            f.write("the organiser's own")
        call(self.program, self.env, [
            ["LoadAll"], ["MemberRename", "Bob", "Robert"], ["MemberRemove", "Ann"], ["SaveMembers"],
            ["SweepRename", "Office Winner", "Floor Winner"], ["SaveSweeps"]])
        pages = self.write()
        self.assertNotIn("member-bob.html", pages)
        self.assertNotIn("member-ann.html", pages)
        self.assertNotIn("sweep-office_winner.html", pages)
        self.assertIn("member-robert.html", pages)
        self.assertIn("sweep-floor_winner.html", pages)
        assert_links_open_written_files(self, self.site, pages)
        self.assertTrue(os.path.isfile(notes))
        self.assertEqual(sorted(os.listdir(self.site)),
                         sorted(list(pages) + ["pitchlog.css", "notes.txt", ".pitchlog-pages"]))

    def folder(self):
        """Every file in the site's folder with its bytes."""
        files = {}
        for name in os.listdir(self.site):
            with open(os.path.join(self.site, name), "rb") as f:
                files[name] = f.read()
        return files

    def test_a_broken_program_folder_is_named_and_the_last_site_stays(self):
        self.write()
        before = self.folder()
        script = os.path.join(self.program, "Data", "script.xml")
        with open(script, encoding="utf-8") as f:
            text = f.read()
        member_template = os.path.join(self.program, "Templates", "member.html")

        def damage_script(damaged):
            with open(script, "w", encoding="utf-8") as f:
                f.write(damaged)

        breakages = [
            (lambda: damage_script(text[:len(text) // 2]), script),
            (lambda: damage_script(re.sub(r"<!DOCTYPE.*?\]>", "", text, flags=re.S)), script),
            # Found only once the index, the accounts and the sweeps' pages are made.
            (lambda: (damage_script(text), os.remove(member_template)), "member.html"),
        ]
        for break_it, named in breakages:
            break_it()
            call(self.program, self.env, [["LoadAll"], ["AddMember", "Cy"], ["SaveMembers"]])
            run_result = run_tool(self.program, self.site, self.env)
            self.assertNotEqual(run_result.returncode, 0)
            self.assertIn(named, run_result.stderr)
            self.assertEqual(self.folder(), before)

if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])

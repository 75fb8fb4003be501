#!/usr/bin/env python3
"""tools/gen_data.py run again on the facts makes the shipped data files as they are, and facts
it can't use leave the output folder as it was.

    gen_data_test.py GEN_DATA FACTS_FOLDER DATA_FOLDER
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

GEN_DATA, FACTS, DATA = sys.argv[1:4]
FACT_FILES = ("tournament-2022.json", "squads-2022.json", "stadiums-and-rankings-2022.json")


def run_gen_data(shared, out):
    return subprocess.run([sys.executable, GEN_DATA, "--shared", shared, "--out", out],
                          capture_output=True, text=True)


def groups_of(path):
    """Group letter -> its team ids in order, from a results file."""
    root = ET.parse(path).getroot()
    return {g.get("groupid"): [t.get("teamid") for t in g.iter("groupteam")]
            for g in root.iter("group")}


class GenDataTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp(prefix="pitchlog-gen-data-")
        self.out = os.path.join(self.tmp, "out")

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def test_makes_the_shipped_files_again(self):
        done = run_gen_data(FACTS, self.out)
        self.assertEqual(done.returncode, 0, done.stderr)
        for name in ("teams.xml", "games.xml", "stadia.xml", "players.xml"):
            with self.subTest(file=name):
                with open(os.path.join(self.out, "Data", name), "rb") as made, \
                        open(os.path.join(DATA, "Data", name), "rb") as shipped:
                    self.assertTrue(made.read() == shipped.read(),
                                    "data/Data/%s is not what tools/gen_data.py makes" % name)
        # The shipped start results were ranked through the engine since; their groups stay.
        self.assertEqual(groups_of(os.path.join(self.out, "Results", "Results.xml")),
                         groups_of(os.path.join(DATA, "Results", "Results.xml")))

    def test_facts_it_cannot_use_write_nothing(self):
        def drop_rank(facts):
            del facts["world_ranking"]["Ghana"]

        def shared_rank(facts):
            facts["world_ranking"]["Ghana"] = facts["world_ranking"]["Brazil"]

        def text_capacity(facts):
            facts["stadiums"][0]["capacity"] = "88,966"

        def unknown_stadium(facts):
            facts["stadiums"][1]["town"] = "Nowhere"

        cases = [(drop_rank, "world ranking and groups differ"),
                 (shared_rank, "share a world rank"),
                 (text_capacity, "not a positive whole number"),
                 (unknown_stadium, "not one of the schedule's")]
        for spoil, message in cases:
            with self.subTest(spoil.__name__):
                shared = os.path.join(self.tmp, spoil.__name__)
                os.makedirs(shared)
                for name in FACT_FILES:
                    shutil.copy(os.path.join(FACTS, name), shared)
                path = os.path.join(shared, "stadiums-and-rankings-2022.json")
                with open(path, encoding="utf-8") as f:
                    facts = json.load(f)
                spoil(facts)
                with open(path, "w", encoding="utf-8") as f:
                    json.dump(facts, f)
                done = run_gen_data(shared, self.out)
                self.assertEqual(done.returncode, 1)
                self.assertIn(message, done.stderr)
                self.assertFalse(os.path.exists(self.out))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])

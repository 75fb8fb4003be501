#!/usr/bin/env python3
"""Generate Pitchlog's shipped tournament data files from the real 2022 facts.

Reads  <shared>/tournament-2022.json (groups, 64 games, final group tables)
and    <shared>/squads-2022.json     (squads and coaches)
and    <shared>/stadiums-and-rankings-2022.json (capacities, world ranking before the tournament)
and writes, UTF-8, pretty-printed and byte-for-byte deterministic:

    <out>/Data/teams.xml        32 teams (group, then draw order) + knock-out placeholders
    <out>/Data/games.xml        64 games in number order + slot -> next-game elements
    <out>/Data/stadia.xml       the 8 venues in order of first use in the schedule
    <out>/Data/players.xml      every squad, players in shirt order
    <out>/Results/Results.xml   start-of-tournament results: 8 groups of 4, no games (then
                                ranked by tools/rank-start-results, as shipped)

The knock-out games carry slot ids ("_A1", "_V3", "_X12", ...) derived from the real 2022
bracket: the round of 16 from the published final group tables, later rounds from the games
their teams won or lost. The script checks that every slot feeds exactly one game and that
the derived bracket, played through with the real results, gives the real teams of every
knock-out game. Kick-off times are stored in UTC+1 ("20 November 2022 17:00").
Every name is written with its runs of blanks collapsed to one (the squads source has some
doubled). Fields the facts don't give (narratives, links, ...) are left out.

Every file carries an internal DTD subset declaring its key attributes as ID attributes,
which the engine's libxml2 by-id lookups rely on.

Usage: python3 tools/gen_data.py [--shared DIR] [--out DIR]
Defaults: --shared <repo>/../shared/data, --out <repo>/data.  Standard library only.
"""

import argparse
import datetime
import json
import os
import re
import sys
from xml.sax.saxutils import escape

# FIFA trigram of each team, keyed by the facts' team name.
TEAM_IDS = {
    "Qatar": "QAT", "Ecuador": "ECU", "Senegal": "SEN", "Netherlands": "NED",
    "England": "ENG", "Iran": "IRN", "USA": "USA", "Wales": "WAL",
    "Argentina": "ARG", "Saudi Arabia": "KSA", "Mexico": "MEX", "Poland": "POL",
    "France": "FRA", "Australia": "AUS", "Denmark": "DEN", "Tunisia": "TUN",
    "Spain": "ESP", "Costa Rica": "CRC", "Germany": "GER", "Japan": "JPN",
    "Belgium": "BEL", "Canada": "CAN", "Morocco": "MAR", "Croatia": "CRO",
    "Brazil": "BRA", "Serbia": "SRB", "Switzerland": "SUI", "Cameroon": "CMR",
    "Portugal": "POR", "Ghana": "GHA", "Uruguay": "URU", "South Korea": "KOR",
}

# Stadium id, keyed by the stadium part of the facts' "stadium, town" venue text.
STADIUM_IDS = {
    "Al Bayt Stadium": "albayt",
    "Al Thumama Stadium": "althumama",
    "Khalifa International Stadium": "khalifa",
    "Ahmad bin Ali Stadium": "ahmadbinali",
    "Al Janoub Stadium": "aljanoub",
    "Education City Stadium": "educationcity",
    "Stadium 974": "stadium974",
    "Lusail Iconic Stadium": "lusail",
}

# Knock-out stage of the facts -> (stage letter, first game number, number of games).
KO_STAGES = {
    "R16": ("V", 49, 8),
    "QF": ("W", 57, 4),
    "SF": ("X", 61, 2),
    "3RD": ("Y", 63, 1),
    "FINAL": ("Z", 64, 1),
}

GROUPS = "ABCDEFGH"

MONTHS = ["January", "February", "March", "April", "May", "June", "July",
          "August", "September", "October", "November", "December"]

# Hours added to UTC for the stored kick-off times.
STORED_UTC_OFFSET = 1


class DataError(Exception):
    pass


def check(cond, message):
    if not cond:
        raise DataError(message)


# ---------------------------------------------------------------- XML writing

class Node:
    """A minimal element: name, ordered attributes, text or children."""

    def __init__(self, name, attrs=None, text=None, children=None):
        self.name = name
        self.attrs = list(attrs.items()) if attrs else []
        self.text = text
        self.children = children if children is not None else []

    def add(self, name, attrs=None, text=None):
        child = Node(name, attrs, text)
        self.children.append(child)
        return child


def quote_attr(value):
    return '"' + escape(value, {'"': "&quot;"}) + '"'


def write_node(node, lines, depth):
    pad = "  " * depth
    attrs = "".join(" %s=%s" % (k, quote_attr(v)) for k, v in node.attrs)
    if node.children:
        check(node.text is None, "element %s has both text and children" % node.name)
        lines.append("%s<%s%s>" % (pad, node.name, attrs))
        for child in node.children:
            write_node(child, lines, depth + 1)
        lines.append("%s</%s>" % (pad, node.name))
    elif node.text is None or node.text == "":
        lines.append("%s<%s%s/>" % (pad, node.name, attrs))
    else:
        lines.append("%s<%s%s>%s</%s>" % (pad, node.name, attrs, escape(node.text), node.name))


def serialise(root, id_attrs):
    """The whole document as text: declaration, internal DTD subset, the tree."""
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<!DOCTYPE %s [" % root.name]
    for element, attribute in id_attrs:
        lines.append("  <!ATTLIST %s %s ID #REQUIRED>" % (element, attribute))
    lines.append("]>")
    write_node(root, lines, 0)
    return "\n".join(lines) + "\n"


XML_NAME = re.compile(r"^[A-Za-z_][A-Za-z0-9_.-]*$")


def check_ids(root, id_attrs, filename):
    """Every declared id is a valid XML name, not numeric-looking, and unique in the file."""
    seen = set()
    declared = set(id_attrs)

    def walk(node):
        for k, v in node.attrs:
            if (node.name, k) in declared:
                check(XML_NAME.match(v), "%s: id %r is not an XML name" % (filename, v))
                check(not looks_numeric(v), "%s: id %r looks like a number" % (filename, v))
                check(v not in seen, "%s: duplicate id %r" % (filename, v))
                seen.add(v)
        for c in node.children:
            walk(c)

    walk(root)
    return seen


def looks_numeric(text):
    try:
        float(text)
        return True
    except ValueError:
        pass
    # Forms a Basic-style IsNumeric also accepts (hex/octal literals, D exponents).
    return bool(re.match(r"^\s*(&[HhOo][0-9A-Fa-f]+|[+-]?\d+(\.\d*)?([DdEe][+-]?\d+)?)\s*$", text))


def write_file(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    os.replace(tmp, path)


# ---------------------------------------------------------------- facts

def load_json(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def clean_name(text):
    """A name as written: runs of blanks made one, none at either end."""
    return re.sub(r"\s+", " ", text).strip()


def team_id(name):
    check(name in TEAM_IDS, "no team id for team %r" % name)
    return TEAM_IDS[name]


def split_venue(venue):
    check(venue.count(", ") == 1, "venue %r is not 'stadium, town'" % venue)
    stadium, town = venue.split(", ")
    check(stadium in STADIUM_IDS, "no stadium id for stadium %r" % stadium)
    return stadium, town


def stored_gametime(game):
    """The kick-off in UTC+1 as 'd Month yyyy hh:mm'."""
    utc = datetime.datetime.strptime(game["date"] + " " + game["time_utc"], "%Y-%m-%d %H:%M")
    # Cross-check with the host's clock where the facts give it.
    if game.get("time_local") and game.get("utc_offset"):
        m = re.match(r"^([+-])(\d\d):(\d\d)$", game["utc_offset"])
        check(m, "game %d: odd utc_offset %r" % (game["no"], game["utc_offset"]))
        sign = 1 if m.group(1) == "+" else -1
        local = utc + sign * datetime.timedelta(hours=int(m.group(2)), minutes=int(m.group(3)))
        check(local.strftime("%H:%M") == game["time_local"],
              "game %d: time_local does not match time_utc + utc_offset" % game["no"])
    t = utc + datetime.timedelta(hours=STORED_UTC_OFFSET)
    return "%d %s %04d %02d:%02d" % (t.day, MONTHS[t.month - 1], t.year, t.hour, t.minute)


def ko_winner_loser(game):
    """(winner, loser) team names of a knock-out game: shoot-out, else extra time, else 90'."""
    for key in ("pens", "et", "score"):
        s = game.get(key)
        if s is not None:
            if s[0] != s[1]:
                return (game["home"], game["away"]) if s[0] > s[1] else (game["away"], game["home"])
            check(key != "pens", "game %d: level shoot-out" % game["no"])
    raise DataError("game %d: knock-out game without a winner" % game["no"])


def check_tables(facts):
    """The published tables hold each group's teams and agree with the group results."""
    tables = facts["tables"]
    for g in GROUPS:
        check(sorted(r["team"] for r in tables[g]) == sorted(facts["groups"][g]),
              "table of group %s does not hold its teams" % g)
        rec = {t: dict(p=0, w=0, d=0, l=0, gf=0, ga=0) for t in facts["groups"][g]}
        for game in facts["games"]:
            if game["stage"] != g:
                continue
            h, a = game["score"]
            for team, f, ag in ((game["home"], h, a), (game["away"], a, h)):
                r = rec[team]
                r["p"] += 1
                r["gf"] += f
                r["ga"] += ag
                r["w" if f > ag else "d" if f == ag else "l"] += 1
        for row in tables[g]:
            r = rec[row["team"]]
            for k in ("p", "w", "d", "l", "gf", "ga"):
                check(r[k] == row[k], "group %s, %s: %s is %d in the table, %d from the games"
                      % (g, row["team"], k, row[k], r[k]))
            check(row["pts"] == 3 * r["w"] + r["d"], "group %s, %s: points" % (g, row["team"]))
            check(row["gd"] == r["gf"] - r["ga"], "group %s, %s: goal difference" % (g, row["team"]))
        pts = [row["pts"] for row in tables[g]]
        check(pts == sorted(pts, reverse=True), "table of group %s is not in points order" % g)


def positive_int(value, what):
    check(isinstance(value, int) and not isinstance(value, bool) and value > 0,
          "%s: %r is not a positive whole number" % (what, value))
    return value


def stadium_capacities(extra, venues):
    """Venue stadium name -> capacity. A stadium the facts name otherwise than the schedule
    does (renamed since) is taken as the one stadium of its town."""
    entries = extra["stadiums"]
    named = {clean_name(e["name"]) for e in entries}
    capacity = {}
    for e in entries:
        name, town = clean_name(e["name"]), clean_name(e["town"])
        if venues.get(name) == town:
            stadium = name
        else:
            others = [v for v, t in venues.items() if t == town and v not in named]
            check(len(others) == 1, "stadium %r of %s is not one of the schedule's" % (name, town))
            stadium = others[0]
        check(stadium not in capacity, "two capacities for %s" % stadium)
        capacity[stadium] = positive_int(e["capacity"], "capacity of %s" % name)
    check(sorted(capacity) == sorted(venues), "capacities for %s, stadia %s"
          % (sorted(capacity), sorted(venues)))
    return capacity


def world_ranks(extra, teams):
    """Team name -> its place in the world ranking; every team one, no place twice."""
    ranks = extra["world_ranking"]
    check(sorted(ranks) == sorted(teams), "world ranking and groups differ")
    for name, rank in ranks.items():
        positive_int(rank, "world rank of %s" % name)
    check(len(set(ranks.values())) == len(ranks), "two teams share a world rank")
    return ranks


# ---------------------------------------------------------------- model

def build_model(facts, squads):
    groups = facts["groups"]
    check(sorted(groups) == list(GROUPS), "groups are not A to H")
    for g in GROUPS:
        check(len(groups[g]) == 4, "group %s does not have four teams" % g)
    all_teams = [t for g in GROUPS for t in groups[g]]
    check(len(set(all_teams)) == 32, "not 32 distinct teams")
    check(sorted(TEAM_IDS) == sorted(all_teams), "team id table and groups differ")
    check(len(set(TEAM_IDS.values())) == 32, "team ids are not unique")
    check(sorted(squads["squads"]) == sorted(all_teams), "squads and groups differ")
    check(sorted(squads["coaches"]) == sorted(all_teams), "coaches and groups differ")
    check_tables(facts)

    games = sorted(facts["games"], key=lambda x: x["no"])
    check([x["no"] for x in games] == list(range(1, 65)), "games are not numbered 1 to 64")

    # Game ids: group games numbered within their group in schedule (number) order,
    # knock-out games by stage in number order.
    per_group = {g: 0 for g in GROUPS}
    gameid = {}      # game number -> game id
    stage_of = {}    # game number -> stage letter
    for game in games:
        st = game["stage"]
        if st in GROUPS:
            check(game["no"] <= 48, "group game %d numbered among the knock-out games" % game["no"])
            check(game["home"] in groups[st] and game["away"] in groups[st],
                  "game %d: teams not of group %s" % (game["no"], st))
            per_group[st] += 1
            gameid[game["no"]] = "%s%d" % (st, per_group[st])
            stage_of[game["no"]] = st
        else:
            check(st in KO_STAGES, "game %d: unknown stage %r" % (game["no"], st))
            letter, first, count = KO_STAGES[st]
            check(first <= game["no"] < first + count,
                  "game %d: stage %s outside its numbers" % (game["no"], st))
            gameid[game["no"]] = letter + ("%d" % (game["no"] - first + 1))
            stage_of[game["no"]] = letter
    check(all(n == 6 for n in per_group.values()), "a group does not have six games")

    # Slot of each team at each point of the bracket, from the real results.
    # Group places from the published final tables.
    slot_of = {}  # team name -> slot id it came through, updated as the team goes on
    for g in GROUPS:
        slot_of[facts["tables"][g][0]["team"]] = "_%s1" % g
        slot_of[facts["tables"][g][1]["team"]] = "_%s2" % g

    ko_teams = {}  # game id -> (home slot, away slot)
    next_slot = {}  # team name -> slot id it goes on with (after its game)
    for game in games:
        if game["no"] <= 48:
            continue
        gid = gameid[game["no"]]
        st = game["stage"]
        winner, loser = ko_winner_loser(game)
        pair = []
        for side in ("home", "away"):
            team = game[side]
            if st == "R16":
                check(team in slot_of, "game %d: %s is neither a group winner nor runner-up"
                      % (game["no"], team))
                pair.append(slot_of[team])
            else:
                check(team in next_slot, "game %d: %s did not come through the bracket"
                      % (game["no"], team))
                slot = next_slot[team]
                lost_semi = slot in ("_X12", "_X22")
                check(lost_semi == (st == "3RD"), "game %d (%s): %s comes from slot %s"
                      % (game["no"], st, team, slot))
                pair.append(slot)
        ko_teams[gid] = tuple(pair)
        for team in (game["home"], game["away"]):
            next_slot.pop(team, None)
        next_slot[winner] = "_" + gid
        if st == "SF":
            next_slot[loser] = "_" + gid + "2"
    return games, gameid, stage_of, ko_teams


def slot_order():
    """Every slot that a knock-out game takes, in a fixed order."""
    slots = ["_%s%d" % (g, p) for g in GROUPS for p in (1, 2)]
    slots += ["_V%d" % i for i in range(1, 9)]
    slots += ["_W%d" % i for i in range(1, 5)]
    slots += ["_X1", "_X2", "_X12", "_X22"]
    return slots


def slot_name(slot, gameno_of):
    s = slot[1:]
    if len(s) == 2 and s[0] in GROUPS:
        return ("Winner Group %s" if s[1] == "1" else "Runner-up Group %s") % s[0]
    if len(s) == 3 and s[0] == "X" and s[2] == "2":
        return "Loser Match %d" % gameno_of[s[:2]]
    return "Winner Match %d" % gameno_of[s]


def verify_bracket(facts, games, gameid, ko_teams):
    """Each slot in exactly one game; playing the bracket through gives the real teams."""
    uses = {}
    for gid, pair in ko_teams.items():
        for slot in pair:
            uses.setdefault(slot, []).append(gid)
    check(sorted(uses) == sorted(slot_order()),
          "slots used by the knock-out games: %s" % sorted(uses))
    for slot, gids in uses.items():
        check(len(gids) == 1, "slot %s appears in %s" % (slot, gids))
    feeds = {slot: gids[0] for slot, gids in uses.items()}

    # Play it through: fill slots from the tables and the real winners and losers.
    filled = {}
    for g in GROUPS:
        filled["_%s1" % g] = facts["tables"][g][0]["team"]
        filled["_%s2" % g] = facts["tables"][g][1]["team"]
    for game in games:
        if game["no"] <= 48:
            continue
        gid = gameid[game["no"]]
        home, away = (filled.get(s) for s in ko_teams[gid])
        check((home, away) == (game["home"], game["away"]),
              "game %s: bracket gives %s - %s, facts %s - %s"
              % (gid, home, away, game["home"], game["away"]))
        winner, loser = ko_winner_loser(game)
        filled["_" + gid] = winner
        if gid.startswith("X"):
            filled["_" + gid + "2"] = loser
    # Round of 16: each game a group winner against the runner-up of another group,
    # and the two groups' other places meet too (1X - 2Y goes with 1Y - 2X).
    r16 = {}
    for gid, (h, a) in ko_teams.items():
        if gid.startswith("V"):
            places = sorted([h, a], key=lambda x: x[2])
            check([x[2] for x in places] == ["1", "2"] and places[0][1] != places[1][1],
                  "game %s: %s - %s is not a winner against another group's runner-up" % (gid, h, a))
            r16[places[0][1]] = places[1][1]
    for x, y in r16.items():
        check(r16.get(y) == x, "round of 16: groups %s and %s are not paired both ways" % (x, y))
    # Slots feed the right stage.
    nxt = {"V": "W", "W": "X", "X": "Z"}
    for slot, gid in feeds.items():
        s = slot[1:]
        if s[0] in GROUPS and len(s) == 2:
            want = "V"
        elif len(s) == 3:
            want = "Y"
        else:
            want = nxt[s[0]]
        check(gid[0] == want, "slot %s feeds %s" % (slot, gid))
    return feeds


# ---------------------------------------------------------------- documents

def make_documents(facts, squads, extra):
    games, gameid, stage_of, ko_teams = build_model(facts, squads)
    feeds = verify_bracket(facts, games, gameid, ko_teams)
    gameno_of = {gid: no for no, gid in gameid.items()}
    groups = facts["groups"]
    ranks = world_ranks(extra, [t for g in GROUPS for t in groups[g]])
    docs = {}

    # teams.xml
    teams = Node("teams")
    for g in GROUPS:
        for name in groups[g]:
            t = teams.add("team", {"teamid": team_id(name)})
            t.add("name", text=clean_name(name))
            t.add("group", text=g)
            coaches = squads["coaches"][name]
            check(coaches and clean_name(coaches[0]), "no coach for %s" % name)
            t.add("coach", text=clean_name(coaches[0]))
            t.add("worldrank", text=str(ranks[name]))
    for slot in slot_order():
        t = teams.add("team", {"teamid": slot})
        t.add("name", text=slot_name(slot, gameno_of))
    docs["Data/teams.xml"] = (teams, [("team", "teamid")])

    # stadia.xml: venues in order of first use in the schedule (game number order).
    stadia = Node("stadia")
    seen = {}
    for game in games:
        stadium, town = split_venue(game["venue"])
        if stadium in seen:
            check(seen[stadium] == town, "stadium %s in two towns" % stadium)
            continue
        seen[stadium] = town
    check(len(seen) == 8 and sorted(seen) == sorted(STADIUM_IDS), "not the eight stadia")
    check(len(set(STADIUM_IDS.values())) == 8, "stadium ids are not unique")
    capacity = stadium_capacities(extra, seen)
    for stadium, town in seen.items():
        s = stadia.add("stadium", {"stadiumid": STADIUM_IDS[stadium]})
        s.add("name", text=clean_name(stadium))
        s.add("town", text=clean_name(town))
        s.add("capacity", text=str(capacity[stadium]))
    docs["Data/stadia.xml"] = (stadia, [("stadium", "stadiumid")])

    # games.xml
    groot = Node("games")
    for game in games:
        gid = gameid[game["no"]]
        stadium, _ = split_venue(game["venue"])
        e = groot.add("game", {"gameid": gid})
        e.add("stage", text=stage_of[game["no"]])
        e.add("stadiumid", text=STADIUM_IDS[stadium])
        e.add("gametime", text=stored_gametime(game))
        e.add("gameno", text=str(game["no"]))
        if game["no"] <= 48:
            pair = (team_id(game["home"]), team_id(game["away"]))
        else:
            pair = ko_teams[gid]
        e.add("teamid", text=pair[0])
        e.add("teamid", text=pair[1])
    for slot in slot_order():
        groot.add("slot", {"slotid": slot}, text=feeds[slot])
    docs["Data/games.xml"] = (groot, [("game", "gameid"), ("slot", "slotid")])

    # players.xml
    proot = Node("players")
    for g in GROUPS:
        for name in groups[g]:
            tid = team_id(name)
            t = proot.add("team", {"teamid": tid})
            squad = sorted(squads["squads"][name], key=lambda p: p["shirt"])
            shirts = [p["shirt"] for p in squad]
            check(len(set(shirts)) == len(shirts), "%s: shirt numbers repeat" % name)
            for p in squad:
                shirt = p["shirt"]
                check(isinstance(shirt, int) and 1 <= shirt <= 99, "%s: shirt %r" % (name, shirt))
                check(p.get("name") and clean_name(p["name"]), "%s: player %d has no name" % (name, shirt))
                check(p.get("pos") in ("GK", "DF", "MF", "FW"), "%s %d: position %r"
                      % (name, shirt, p.get("pos")))
                e = t.add("player", {"playerid": "%s%02d" % (tid, shirt)})
                e.add("playername", text=clean_name(p["name"]))
                e.add("shirt", text=str(shirt))
                e.add("position", text=p["pos"])
    docs["Data/players.xml"] = (proot, [("team", "teamid"), ("player", "playerid")])

    # Results/Results.xml
    rroot = Node("results")
    rgroups = rroot.add("groups")
    for g in GROUPS:
        ge = rgroups.add("group", {"groupid": g})
        for name in groups[g]:
            ge.add("groupteam", {"teamid": team_id(name)})
    rroot.add("games")
    docs["Results/Results.xml"] = (rroot, [("game", "gameid"), ("koteam", "koteamid")])

    return docs, ko_teams


def main(argv=None):
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    ap = argparse.ArgumentParser(description="Generate Pitchlog's shipped tournament data files.")
    ap.add_argument("--shared", default=os.path.join(repo, "..", "shared", "data"),
                    help="folder of tournament-2022.json, squads-2022.json and "
                         "stadiums-and-rankings-2022.json")
    ap.add_argument("--out", default=os.path.join(repo, "data"),
                    help="data folder to write Data/ and Results/ into")
    args = ap.parse_args(argv)

    try:
        facts = load_json(os.path.join(args.shared, "tournament-2022.json"))
        squads = load_json(os.path.join(args.shared, "squads-2022.json"))
        extra = load_json(os.path.join(args.shared, "stadiums-and-rankings-2022.json"))
        docs, _ = make_documents(facts, squads, extra)
        texts = {}
        for rel, (root, id_attrs) in docs.items():
            check_ids(root, id_attrs, rel)
            texts[rel] = serialise(root, id_attrs)
    except (DataError, OSError, KeyError, TypeError, ValueError) as e:
        print("gen_data: %s" % e, file=sys.stderr)
        return 1
    for rel, text in texts.items():
        path = os.path.join(args.out, *rel.split("/"))
        write_file(path, text)
        print("wrote %s" % os.path.normpath(path))
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Write the made-up sample team files old.dat, new.dat and new.zip.

The club, its players and every figure are invented. The output is
deterministic: the same script always writes the same bytes.

Usage:  python3 make_examples.py [output-folder]   (default: this folder)
"""

import copy
import math
import os
import random
import sys
import zipfile

SEED = 20250701

TEAM_ID = "4127"
TEAM_NAME = "ФК Заречье"
OLD_DATE = "01.07.2025"
NEW_DATE = "01.07.2026"

POSITIONS = ["GK", "LD", "CD", "RD", "LM", "CM", "RM", "FW"]

# How many players of each position the start-of-season squad holds (30).
SQUAD_SHAPE = {"GK": 3, "LD": 3, "CD": 5, "RD": 3, "LM": 3, "CM": 5, "RM": 3, "FW": 5}

# Invented names (not real footballers).
FIRST_NAMES = [
    "Артём", "Богдан", "Вадим", "Глеб", "Данила", "Егор", "Жорж", "Захар",
    "Игнат", "Кирилл", "Лев", "Мирон", "Назар", "Остап", "Прохор", "Родион",
    "Савелий", "Тимофей", "Ульян", "Фёдор", "Харитон", "Яромир", "Елисей",
    "Ефим", "Святослав", "Всеволод", "Добрыня", "Любомир", "Мстислав", "Тихон",
    "Аким", "Платон", "Филат", "Евсей",
]
SURNAMES = [
    "Берестов", "Громыхалов", "Дубравин", "Жаворонков", "Заречный", "Ивняков",
    "Калиновский", "Ледянкин", "Мшистов", "Ночевкин", "Ольховцев", "Перелесов",
    "Рябинкин", "Снегирёв", "Туманцев", "Ухабов", "Филинов", "Хвощёв",
    "Цаплин", "Чернотал", "Шиповников", "Щеглов", "Ярцевский", "Вересков",
    "Гусляров", "Дёмкин", "Ельцевский", "Журавкин", "Кленовый", "Лопухов",
    "Моховиков", "Осокин", "Полынцев", "Ручейков", "Тростников",
]

NATIONS = ["RUS", "RUS", "RUS", "RUS", "BLR", "KAZ", "UKR", "SRB", "ARM", "GEO"]

# Skill order (24): crosses, heading, shooting, long shots, dribbling, marking,
# passing, penalties, free kicks, corners, tackling, technique, positioning,
# work rate, pace, strength, stamina, vision, ball control, leadership,
# and the four goalkeeper skills: positioning, reflexes, coming out, handling.
# Per position: which skills are the player's strong ones (0-based indices).
STRONG = {
    "GK": [20, 21, 22, 23, 12, 19],
    "LD": [0, 5, 10, 12, 14, 16],
    "CD": [1, 5, 10, 12, 15, 19],
    "RD": [0, 5, 10, 12, 14, 16],
    "LM": [0, 4, 6, 9, 14, 18],
    "CM": [3, 6, 11, 13, 17, 18],
    "RM": [0, 4, 6, 9, 14, 18],
    "FW": [1, 2, 3, 4, 7, 14],
}


def clamp(v, lo, hi):
    return max(lo, min(hi, v))


class Player:
    def __init__(self, rng, pid, name, pos, shirt, age, level):
        self.pid = pid
        self.name = name
        self.pos = pos
        self.shirt = shirt
        self.age = age
        self.level = level          # overall class of the player, 40..80
        self.nation = rng.choice(NATIONS)
        self.height = rng.randint(176, 194) if pos in ("GK", "CD") else rng.randint(168, 188)
        self.weight = self.height - 100 - rng.randint(-4, 8)
        self.foot = "L" if pos in ("LD", "LM") else rng.choice(["R", "R", "R", "L"])
        self.contract = 2025 + rng.randint(1, 4)
        self.talent = rng.randint(1, 5)
        self.skills = self.make_skills(rng)
        self.salary = 0
        self.season_stats(rng)

    def make_skills(self, rng):
        strong = STRONG[self.pos]
        skills = []
        for k in range(24):
            if self.pos == "GK" and k >= 20:
                v = max(self.level, 52) + rng.randint(14, 26)
            elif k in strong:
                v = self.level + rng.randint(5, 18)
            elif k >= 20:       # goalkeeper skills of an outfield player
                v = rng.randint(20, 34)
            elif self.pos == "GK":
                v = rng.randint(22, 48)
            else:
                v = self.level + rng.randint(-18, 4)
            skills.append(clamp(v, 20, 99))
        return skills

    def season_stats(self, rng):
        self.morale = rng.randint(45, 99)
        self.form = rng.randint(60, 120)
        self.fitness = rng.randint(80, 100)
        self.games = rng.randint(0, 38)
        attack = {"FW": 0.45, "LM": 0.2, "RM": 0.2, "CM": 0.12}.get(self.pos, 0.03)
        self.goals = sum(1 for _ in range(self.games) if rng.random() < attack)
        self.assists = sum(1 for _ in range(self.games) if rng.random() < attack * 0.8 + 0.03)
        self.yellow = rng.randint(0, max(1, self.games // 5))

    def rating(self):
        """RU: the mean of the strong skills and, less, of all others."""
        strong = STRONG[self.pos]
        s = sum(self.skills[k] for k in strong) / len(strong)
        field = [self.skills[k] for k in range(20) if k not in strong]
        o = sum(field) / len(field)
        return round(0.7 * s + 0.3 * o + (self.pid % 97) / 97.0, 2)

    def value(self):
        r = self.rating()
        age_factor = clamp(1.3 - 0.05 * (self.age - 18), 0.5, 1.3)
        v = 150000 * math.exp((r - 45) / 9.5) * age_factor
        v = clamp(v, 150000, 3500000)
        return int(round(v / 5000.0)) * 5000

    def base_salary(self):
        s = 1500 * math.exp((self.rating() - 45) / 11.0)
        return int(clamp(round(s / 50.0) * 50, 1500, 25000))

    def line(self):
        fields = [
            str(self.pid),                 # 0  player id
            str(self.shirt),               # 1  shirt number
            self.name,                     # 2  name
            str(self.age),                 # 3  age
            self.pos,                      # 4  position code
            self.nation,                   # 5  nationality
            str(self.height),              # 6  height, cm
            str(self.weight),              # 7  weight, kg
            self.foot,                     # 8  stronger foot
            str(self.contract),            # 9  contract until
            str(self.morale),              # 10 morale
            str(self.form),                # 11 form
            str(self.fitness),             # 12 fitness, %
            str(self.games),               # 13 games
            str(self.goals),               # 14 goals
            str(self.assists),             # 15 assists
            str(self.yellow),              # 16 yellow cards
            str(self.talent),              # 17 talent
            str(self.value()),             # 18 market value
            "%.2f" % self.rating(),        # 19 rating RU
            str(self.salary),              # 20 salary
        ] + [str(s) for s in self.skills]  # 21..44 skills
        assert len(fields) == 45
        for f in fields:
            assert "/" not in f and f != ""
        return "/" + "/".join(fields) + "/"


def unique_names(rng, count):
    names = set()
    out = []
    while len(out) < count:
        n = rng.choice(FIRST_NAMES) + " " + rng.choice(SURNAMES)
        surname = n.split(" ")[1]
        if n in names or any(x.endswith(" " + surname) for x in names):
            continue
        names.add(n)
        out.append(n)
    return out


def make_player_ids(rng, count):
    ids = set()
    while len(ids) < count:
        ids.add(rng.randint(100000, 999999))
    return sorted(ids, key=lambda _: rng.random())


def age_skills(rng, p):
    """One season of development: young players grow, veterans fade."""
    if p.age <= 21:
        lo, hi = 0, 6
    elif p.age <= 25:
        lo, hi = -1, 4
    elif p.age <= 29:
        lo, hi = -2, 2
    else:
        lo, hi = -5, 1
    for k in range(24):
        if p.pos != "GK" and k >= 20:
            d = rng.randint(-1, 1)
        elif p.pos == "GK" and k < 20:
            d = rng.randint(-2, 2)
        else:
            d = rng.randint(lo, hi)
        p.skills[k] = clamp(p.skills[k] + d, 20, 99)


def build(rng):
    total_old = sum(SQUAD_SHAPE.values())
    names = unique_names(rng, total_old + 3)
    ids = make_player_ids(rng, total_old + 3)
    shirts = list(range(1, 41))
    rng.shuffle(shirts)

    players = []
    i = 0
    for pos in POSITIONS:
        for _ in range(SQUAD_SHAPE[pos]):
            age = rng.randint(18, 33)
            level = rng.randint(40, 68)
            p = Player(rng, ids[i], names[i], pos, shirts[i], age, level)
            p.salary = p.base_salary()
            players.append(p)
            i += 1
    # The goalkeepers: number 1 for the first one.
    gk = [p for p in players if p.pos == "GK"]
    for p in players:
        if p.shirt == 1:
            p.shirt, gk[0].shirt = gk[0].shirt, 1
    return players, names[i:], ids[i:], shirts[i:]


def write_team_file(path, date, players):
    lines = [
        "1/",
        "=" + date + " 10:00:00",
        "/" + TEAM_ID + "/" + TEAM_NAME + "/Россия/Вторая лига/" + str(len(players)) + "/",
    ]
    for p in sorted(players, key=lambda p: p.shirt):
        lines.append(p.line())
    lines.append("/***/")
    data = "".join(l + "\r\n" for l in lines).encode("cp1251")
    with open(path, "wb") as f:
        f.write(data)
    return data


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    rng = random.Random(SEED)
    old_players, spare_names, spare_ids, spare_shirts = build(rng)
    write_team_file(os.path.join(out, "old.dat"), OLD_DATE, old_players)

    # One season later.
    new_players = copy.deepcopy(old_players)
    by_pos = {pos: [p for p in new_players if p.pos == pos] for pos in POSITIONS}

    # Leavers: the oldest goalkeeper, a central midfielder and a forward.
    leavers = [
        max(by_pos["GK"], key=lambda p: p.age),
        by_pos["CM"][2],
        by_pos["FW"][4],
    ]
    for p in leavers:
        new_players.remove(p)

    for p in new_players:
        p.age += 1
        age_skills(rng, p)
        p.season_stats(rng)
        old_salary = p.salary
        target = p.base_salary()
        if p.contract <= 2026:          # new contract: salary follows the rating
            p.contract = 2027 + rng.randint(0, 3)
            p.salary = target
        else:                           # running contract: small change only
            p.salary = int(clamp(round(old_salary * rng.uniform(0.9, 1.12) / 50.0) * 50, 1500, 25000))

    # Position change: a central defender now plays left back.
    mover = by_pos["CD"][1]
    mover.pos = "LD"
    mover.skills[0] = clamp(mover.skills[0] + 7, 20, 99)    # crosses
    mover.skills[14] = clamp(mover.skills[14] + 4, 20, 99)  # pace

    # Newcomers: a goalkeeper, a left midfielder and a forward.
    newcomers = []
    for k, (pos, age, level) in enumerate([("GK", 24, 62), ("LM", 20, 55), ("FW", 27, 70)]):
        p = Player(rng, spare_ids[k], spare_names[k], pos, spare_shirts[k], age, level)
        p.contract = 2028 + k % 2
        p.salary = p.base_salary()
        newcomers.append(p)
    new_players.extend(newcomers)

    new_data = write_team_file(os.path.join(out, "new.dat"), NEW_DATE, new_players)

    info = zipfile.ZipInfo("new.dat", date_time=(2026, 7, 1, 10, 0, 0))
    info.compress_type = zipfile.ZIP_DEFLATED
    info.external_attr = 0o644 << 16
    with zipfile.ZipFile(os.path.join(out, "new.zip"), "w") as z:
        z.writestr(info, new_data, compresslevel=9)

    print("team %s %s: %s -> %s" % (TEAM_ID, TEAM_NAME, OLD_DATE, NEW_DATE))
    print("old players: %d, new players: %d" % (len(old_players), len(new_players)))
    print("leavers: " + ", ".join("%s (%s)" % (p.name, p.pos) for p in leavers))
    print("newcomers: " + ", ".join("%s (%s)" % (p.name, p.pos) for p in newcomers))
    print("position change: %s CD -> LD" % mover.name)


if __name__ == "__main__":
    main()

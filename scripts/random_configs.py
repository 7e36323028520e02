#!/usr/bin/env python3
"""Writes random system and interface configurations for comparing two builds' reports.

    random_configs.py OUT_DIR N SEED

N/2 system configurations (sys_0001.cfg, ...) and N/2 interface configurations (if_0001.cfg,
...) go to OUT_DIR. The same SEED always gives the same files. Each file is complete, laid out
as Standwise itself saves it (CR LF line ends, number fields " 5 "), so the program reads it to
the end; the values range from the plain to the awkward: cards over their limits, overloaded
loops, counts above a device's loop maximum, master alarm currents that are not numbers.
"""

import os
import random
import sys

CRLF = "\r\n"

SYSTEM_MARKER = "System Configuration"
INTERFACE_MARKER = "Interface Configuration"

SYSTEM_TYPES = 6
PSU_OPTIONS = 4  # 0 legacy, 1 single charger, 2 dual charger 42 Ah, 3 dual charger 84 Ah
SLOTS = 16
LOOPS = 8
DEVICE_TYPES = 79
MX210, MX220, MX240 = 75, 76, 77

EMPTY = 0
IO_CARDS = (2, 7)
LOOP_CARDS = (3, 8)
NETWORK_CARDS = (4, 9, 10)
RAM_CARD = 5
FLASH_BACKPLANE = 12
CARD_NAMES = {
    3: "MKI PTH Loop Card",
    8: "MKII SMT Loop Card",
}
SELECTABLE_CARDS = (0, 2, 3, 4, 5, 7, 8, 9, 10, 12)  # 1, 6 and 11 are the list's separators

# Per system type: fitted slots, default slots and card limits (loop, RAM, I/O, network).
FITTED = (
    tuple(range(0, 9)),
    tuple(range(0, 16)),
    (0, 1, 2, 3, 15),
    (0, 1, 2, 3, 4, 5, 6, 14, 15),
    (0, 1, 2, 3, 4, 5, 6, 14, 15),
    (0, 1, 2, 3, 4, 5, 6, 14, 15),
)
DEFAULT_SLOTS = (
    {0: 0, 1: 3, 5: 5, 15: 2},
    {0: 0, 1: 3, 9: 5, 15: 2},
    {0: 0, 1: 3, 3: 5, 15: 2},
    {0: 1, 1: 8, 14: 12, 15: 7},
    {0: 1, 1: 8, 14: 12, 15: 7},
    {0: 1, 1: 8, 14: 12, 15: 0},
)
LIMITS = (
    (4, 1, 6, 1),
    (8, 2, 14, 1),
    (2, 1, 1, 0),
    (4, 1, 6, 1),
    (4, 1, 6, 1),
    (4, 1, 6, 1),
)
MASTER_ALARM_LIMIT_MA = (400, 200, 400, 400, 400, 400)  # legacy PSU; the chargers allow 800

# Most devices of each type on one loop (types 1..79) and the alarm current of one, in uA, as
# the shipped device library has them; 75..77 are the interface units, whose maximum is their
# unit count per loop.
LOOP_MAX = (
    200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 64, 64, 48, 48, 100, 200,
    200, 200, 200, 200, 100, 200, 64, 64, 64, 64, 48, 48, 32, 48, 48, 48, 40, 40, 64, 64,
    64, 48, 32, 32, 32, 32, 200, 200, 200, 64, 128, 128, 128, 128, 32, 32, 32, 64, 64, 128,
    128, 128, 128, 128, 32, 32, 32, 32, 200, 64, 32, 32, 32, 16, 32, 32, 25, 8, 8,
)
ALARM_UA = (
    4000, 4200, 4000, 4200, 4000, 4200, 4000, 4200, 4500, 4700, 4500, 4700, 5000, 5200, 5500, 5800,
    8000, 8300, 4500, 4500, 3000, 3200, 3000, 3200, 3000, 4000, 5000, 5200, 4500, 4700, 6000, 6200,
    12000, 8000, 8200, 7500, 9000, 9200, 5000, 6000, 5200, 7000, 12000, 10000, 10200, 12000, 1500,
    1700, 1200, 3000, 2500, 2700, 3000, 3200, 8000, 5000, 5200, 2000, 2200, 3000, 2500, 100, 50,
    2000, 8000, 8200, 3000, 3200, 2000, 2500, 10000, 4000, 2500, 6000, 0, 0, 0, 6000, 5000,
)
UNITS_PER_LOOP = {MX210: 32, MX220: 32, MX240: 25}
LOAD_UNIT_UA = 400
OVERLOAD_UNITS = 1000
COMMON_TYPES = (1, 2, 9, 10, 21, 22, 27, 29, 34, 39, 47, 51, 53, 56, 62, 63)

SITES = (
    "", "North wing", "Block C, level 2", "\"Quoted\" hall", "  padded site  ", "St. Mary's School",
    "Café Nord", "Zürich Lager, Halle 3", "Łódź – magazyn", "東京 倉庫", "Ålesund kai", "a,b,c",
    "12", "Depot 7 / Gate 2", "Résidence \"Les Pins\", bât. B",
)
SITE_IDS = ("", "ID 7", "SW-0001", "42", "ID 7, B", "  X  ", "Ω-3", "\"A\"")
DATES = ("", "01/02/2024", "31/12/1999", "29/02/2028", "07/12/2026", "12/31/2024", "yesterday")
LABELS = (
    "", "Plant room", "\"Plant\" room, east", "  leading blanks", "Boiler house", "Salle des pompes",
    "Kühlhaus 2", "Riser 3, level 4", "0", "ΣΥΣΤΗΜΑ",
)
# Sites kept in the single-byte code page the program falls back to for files that are not UTF-8.
CP1252_SITES = ("Café Nord", "Zürich Lager", "Señora Åse")


def number_field(value):
    return (" %d " % value) if value >= 0 else ("%d " % value)


def weighted(rng, choices):
    total = sum(w for _, w in choices)
    pick = rng.uniform(0, total)
    for value, weight in choices:
        pick -= weight
        if pick <= 0:
            return value
    return choices[-1][0]


def master_alarm_text(rng, limit):
    kind = weighted(rng, (("empty", 3), ("zero", 1), ("valid", 6), ("over", 2), ("odd", 2)))
    if kind == "empty":
        return ""
    if kind == "zero":
        return rng.choice(("0", "0.0", " 0 "))
    if kind == "valid":
        value = rng.choice((rng.randint(1, limit), round(rng.uniform(0.1, limit), rng.choice((1, 2)))))
        return str(value)
    if kind == "over":
        return str(rng.choice((limit + 1, limit + rng.randint(2, 2000), 32768, 99999)))
    return rng.choice(("abc", "12.5", "12,5", "-5", "1e2", "+30", "50mA", " 75 ", ".5", "5.", "0x10"))


def card_mix(rng, system_type):
    """Slot codes 0..15 for one panel: controller in slot 0, cards only in fitted slots."""
    fitted = FITTED[system_type]
    max_loop, max_ram, max_io, max_net = LIMITS[system_type]
    slots = [0] * SLOTS
    style = weighted(rng, (("default", 1), ("typical", 6), ("full", 2), ("wild", 2), ("bare", 1)))
    if style == "default":
        for slot, code in DEFAULT_SLOTS[system_type].items():
            slots[slot] = code
        return slots
    slots[0] = rng.randint(0, 1)
    loop_slots = [s for s in fitted if 1 <= s <= LOOPS]
    other_slots = [s for s in fitted if s >= 1]
    if style == "bare":
        return slots
    if style == "wild":
        for slot in other_slots:
            slots[slot] = rng.choice(SELECTABLE_CARDS)
        return slots
    # Loop cards first in slots 1..8; "full" goes past the card limits now and then.
    loop_count = rng.randint(0, len(loop_slots))
    if style == "typical":
        loop_count = min(loop_count, max_loop)
    mark = rng.choice(LOOP_CARDS) if rng.random() < 0.7 else None
    for slot in sorted(rng.sample(loop_slots, loop_count)):
        slots[slot] = mark if mark is not None else rng.choice(LOOP_CARDS)
    free = [s for s in other_slots if slots[s] == 0]
    rng.shuffle(free)
    wanted = [
        (IO_CARDS, rng.randint(0, max_io + (2 if style == "full" else 0))),
        ((RAM_CARD,), rng.randint(0, max_ram + (1 if style == "full" else 0))),
        (NETWORK_CARDS, rng.randint(0, max_net + (1 if style == "full" else 0))),
        ((FLASH_BACKPLANE,), rng.randint(0, 1 if style == "typical" else 2)),
    ]
    for codes, count in wanted:
        for _ in range(count):
            if not free:
                break
            slots[free.pop()] = rng.choice(codes)
    return slots


def device_counts(rng, unit_counts):
    """Counts of device types 1..79 for one loop on a loop card."""
    counts = [0] * (DEVICE_TYPES + 1)
    load = weighted(rng, (("empty", 3), ("light", 5), ("busy", 3), ("heavy", 2), ("over_max", 1)))
    if load == "light":
        for t in rng.sample(COMMON_TYPES, rng.randint(1, 4)):
            counts[t] = rng.randint(1, 20)
    elif load == "busy":
        for t in rng.sample(range(1, DEVICE_TYPES + 1), rng.randint(3, 15)):
            if t in UNITS_PER_LOOP:
                continue
            counts[t] = rng.randint(0, LOOP_MAX[t - 1])
    elif load == "heavy":
        # Keeps adding devices until the loop's alarm load is past the limit.
        units = 0
        while units <= OVERLOAD_UNITS * rng.choice((1, 1, 1.5, 3)):
            t = rng.choice(COMMON_TYPES + (15, 17, 33, 43))
            n = rng.randint(5, 60)
            counts[t] += n
            units += n * ALARM_UA[t - 1] / LOAD_UNIT_UA
    elif load == "over_max":
        for t in rng.sample(range(1, DEVICE_TYPES + 1), rng.randint(1, 4)):
            counts[t] = LOOP_MAX[t - 1] + rng.choice((1, 2, 10, 100, 1000, 32767 - LOOP_MAX[t - 1]))
    # The unit models' types count their units, as the unit windows keep them.
    for t, n in unit_counts.items():
        counts[t] = n if rng.random() < 0.95 else rng.randint(0, 60)
    return counts[1:]


def unit_channels(rng, model):
    if model == MX240:
        if rng.random() < 0.1:
            return [rng.randint(0, 9) for _ in range(4)]
        inputs = rng.randint(0, 4)
        zones = rng.randint(0, 1 if inputs < 4 else 0)
        return [inputs, zones, rng.randint(0, 4), rng.randint(0, 4)]
    if rng.random() < 0.1:
        return [rng.randint(0, 3), rng.randint(0, 3)]
    return rng.choice(([1, 0], [0, 1], [1, 0], [0, 0]))


def unit_count(rng, model, on_card):
    if rng.random() < (0.6 if on_card else 0.9):
        return 0
    if rng.random() < 0.05:
        return 50 if rng.random() < 0.5 else UNITS_PER_LOOP[model] + rng.randint(1, 10)
    return rng.randint(1, rng.choice((3, 5, UNITS_PER_LOOP[model])))


def system_lines(rng):
    system_type = rng.randrange(SYSTEM_TYPES)
    psu_option = rng.randrange(PSU_OPTIONS)
    limit = MASTER_ALARM_LIMIT_MA[system_type] if psu_option == 0 else 800
    slots = card_mix(rng, system_type)
    site = rng.choice(SITES)
    lines = [SYSTEM_MARKER, site, number_field(system_type), number_field(psu_option),
             rng.choice(SITE_IDS), rng.choice(DATES)]
    lines += [number_field(code) for code in slots]
    lines += [master_alarm_text(rng, limit), master_alarm_text(rng, limit), number_field(rng.randint(0, 3))]
    for loop in range(1, LOOPS + 1):
        on_card = slots[loop] in LOOP_CARDS
        units = {model: unit_count(rng, model, on_card) for model in (MX210, MX220, MX240)}
        if on_card:
            lines.append("%s - Loop %d" % (CARD_NAMES[slots[loop]], loop))
            lines += [number_field(n) for n in device_counts(rng, units)]
        for model in (MX210, MX220, MX240):
            lines.append(number_field(units[model]))
            for _ in range(units[model]):
                lines += [number_field(n) for n in unit_channels(rng, model)]
    return lines


def current_text(rng, limit):
    kind = weighted(rng, (("empty", 4), ("valid", 6), ("over", 1), ("odd", 1)))
    if kind == "empty":
        return ""
    if kind == "valid":
        return str(rng.choice((rng.randint(0, limit), round(rng.uniform(0, limit), rng.choice((1, 2, 3))))))
    if kind == "over":
        return str(rng.choice((limit + 1, 600, 1000, 99999)))
    return rng.choice(("abc", "12,5", "-3", "1e1", " 7 ", ".5", "5.", "mA"))


def interface_lines(rng):
    lines = [INTERFACE_MARKER, number_field(rng.choice((0, 1, 1, rng.randint(0, 201), 201))),
             rng.choice(LABELS)]
    for _ in range(4):
        function = rng.choice(("zone", "sector", "sector", "nc"))
        lines += ["True" if function == f else "False" for f in ("zone", "sector", "nc")]
        sector = current_text(rng, 500) if function == "sector" or rng.random() < 0.1 else ""
        zone = current_text(rng, 100) if function == "zone" or rng.random() < 0.1 else ""
        lines += [sector, zone]
    lines.append(current_text(rng, 500))
    lines.append(number_field(rng.randint(0, 3)))
    return lines


def write(path, lines, encoding="utf-8"):
    with open(path, "wb") as f:
        # A character the code page lacks becomes "?", as an editor saving in it would write it.
        f.write((CRLF.join(lines) + CRLF).encode(encoding, errors="replace"))


def main(argv):
    if len(argv) != 4:
        sys.stderr.write("usage: random_configs.py OUT_DIR N SEED\n")
        return 2
    out_dir, total, seed = argv[1], int(argv[2]), int(argv[3])
    rng = random.Random(seed)
    os.makedirs(out_dir, exist_ok=True)
    half = total // 2
    for i in range(1, half + 1):
        lines = system_lines(rng)
        encoding = "utf-8"
        if rng.random() < 0.03:
            lines[1] = rng.choice(CP1252_SITES)
            encoding = "cp1252"
        write(os.path.join(out_dir, "sys_%04d.cfg" % i), lines, encoding)
    for i in range(1, total - half + 1):
        write(os.path.join(out_dir, "if_%04d.cfg" % i), interface_lines(rng))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

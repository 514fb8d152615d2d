#!/usr/bin/env python3
"""Writes the binary seeds of the fuzz targets as hexadecimal text (.hex),
which the replay and tools/fuzz.sh turn back into bytes: steam tables of a few
rows behind a pressure, valve data records, and doubles for the number texts.
Run from anywhere; it rewrites the files it owns and nothing else."""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write(folder, name, comment, data):
    path = os.path.join(HERE, folder, name + ".hex")
    lines = ["# " + comment + " (written by make_seeds.py)"]
    lines += [data[i:i + 16].hex(" ") for i in range(0, len(data), 16)]
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def doubles(*values):
    return struct.pack("<%dd" % len(values), *values)


# --- steam tables: p [bar gauge], then rows of key [N/cm²], T [K], ρ'' and ρ'
# [kg/m³], h'' and h' [kJ/kg] ------------------------------------------------
ROWS = [
    (0.098067, 280.12, 0.00760, 999.9, 2513.8, 29.3),
    (10.0, 372.76, 0.5903, 958.6, 2675.6, 417.4),
    (100.0, 453.03, 5.160, 887.0, 2777.1, 762.7),
    (2212.8706, 647.10, 300.0, 350.0, 2150.0, 2050.0),
]


def table(rows):
    return b"".join(doubles(*r) for r in rows)


write("corpus/steamtable", "at-1-bar-absolute", "p = 0 in a four-row table",
      doubles(0.0) + table(ROWS))
write("corpus/steamtable", "lowest-key", "p = -0.9901933, the lowest key",
      doubles(-0.9901933) + table(ROWS))
write("corpus/steamtable", "highest-key", "p = 220.28706, the highest key",
      doubles(220.28706) + table(ROWS))
write("corpus/steamtable", "between-rows", "p = 5.5 between two rows",
      doubles(5.5) + table(ROWS))
write("corpus/steamtable", "unordered", "rows out of order",
      doubles(5.5) + table([ROWS[0], ROWS[2], ROWS[1], ROWS[3]]))
write("corpus/steamtable", "short-record", "a record cut short",
      doubles(5.5) + table(ROWS)[:-5])
write("corpus/steamtable", "no-latent-heat", "h'' below h' in a row",
      doubles(5.5) + table([ROWS[0], (10.0, 372.76, 0.59, 958.6, 400.0, 417.4), ROWS[3]]))
write("corpus/steamtable", "table-ends-below", "a table that ends below the pressure",
      doubles(50.0) + table(ROWS[:3]))
write("found/steamtable", "latent-heat-beyond-doubles",
      "h'' - h' above the largest double: no steam property that is no number",
      doubles(0.0) + table([(0.098067, 280.0, 1.0, 1.0, 1.7e308, -1.7e308),
                            (2212.8706, 650.0, 1.0, 1.0, 1.7e308, -1.7e308)]))

# --- valve data: 24-byte size text (length byte first), d [mm], p [bar gauge],
# α gas, αc 10 %, αc 25 % ---------------------------------------------------


def record(size, d, p, gas, liquid10, liquid25, length=None):
    text = size.encode("cp1250")
    head = bytes([len(text) if length is None else length]) + text
    return head.ljust(24, b"\0") + doubles(d, p, gas, liquid10, liquid25)


SV10 = [record('1/2"', 12, 5.0, 0.38, 0.45, 0.48), record('3/4"', 14, 5.0, 0.55, 0.47, 0.51),
        record('1"', 20, 5.0, 0.64, 0.41, 0.48), record('2"', 42, 5.0, 0.47, 0.28, 0.33)]

write("corpus/valvedata", "sv10-at-5-bar", "four sizes of SV10 at 5 bar", b"".join(SV10))
write("corpus/valvedata", "two-set-pressures", "sizes at 5 and 6 bar",
      SV10[0] + record('1/2"', 12, 6.0, 0.67, 0.33, 0.38) + SV10[1])
write("corpus/valvedata", "empty", "no record", b"")
write("corpus/valvedata", "partial-record", "a record cut short at the end",
      SV10[0] + SV10[1][:40])
write("corpus/valvedata", "long-size-text", "a length byte above 23",
      SV10[0] + record('3/4"', 14, 5.0, 0.55, 0.47, 0.51, length=24))
write("corpus/valvedata", "polish-size-text", "a size text with Polish letters",
      record("ćwierć", 12, 5.0, 0.38, 0.45, 0.0))
write("found/valvedata", "diameter-beyond-doubles",
      "a diameter whose flow area is no number: the selections refuse it",
      record('1/2"', 1e200, 5.0, 0.38, 0.45, 0.48) + record('3/4"', 1e300, 5.0, 0.5, 0.5, 0.5))

write("found/valvedata", "area-beyond-doubles",
      "a finite capacity from a diameter whose flow area no double holds: the report refuses",
      record("", 2.5844415714907746e+185, 1.8010757365944575e-226, 1.8010757365944223e-226,
             2261634.509803896, 1.820940542512743e-226))

# --- number texts: the first eight bytes as a double --------------------------
write("corpus/convert", "double-one", "1.0 as a double", doubles(1.0))
write("found/convert", "largest-double", "the largest double: its fixed text reads back",
      doubles(1.7976931348623157e308))
write("found/convert", "largest-negative-double", "minus the largest double",
      doubles(-1.7976931348623157e308))

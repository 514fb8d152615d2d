#!/usr/bin/python3
"""Writes the saturated-steam table para.dat from IAPWS-IF97.

Usage: make_paradat.py <para.dat> <midpoints.txt>

para.dat: headerless 48-byte records of six little-endian doubles,
    1  absolute pressure, the key         N/cm2  (1 bar = 10 N/cm2)
    2  saturation temperature             K
    3  density of dry saturated steam     kg/m3
    4  density of boiling water           kg/m3
    5  enthalpy of dry saturated steam    kJ/kg
    6  enthalpy of boiling water          kJ/kg
in strictly ascending order of the key, from 0.098067 N/cm2 (0.01 kp/cm2) to
2212.8706 N/cm2 (225.65 kp/cm2, the old critical pressure), at most 294 rows
(the lookups never read further).

midpoints.txt: for every pair of neighbouring IF97 rows, the IF97 state at the
middle key, so that a test can measure what linear interpolation in the table
loses; and the largest such losses, for the eye.

Where the numbers come from
---------------------------
Every row is computed with Debian's python3-iapws (IAPWS-IF97, R7-97(2012)):
the saturation temperature from the region-4 equation T_s(p) (eq. 31); below
623.15 K (16.529 MPa) the two phases from the basic equations of region 1
(water) and region 2 (steam) at (T_s, p); above it from the basic equation of
region 3, whose densities are solved so that p(rho, T_s) = p on the liquid and
on the vapour branch (Newton's method from the outer side of each root,
started at the region-3 backward equations of IAPWS SR5-05, which are only
estimates). At 16.529 MPa the two descriptions differ by about 1e-4
relatively (steam density), within IF97's stated consistency between regions.

The grid
--------
Keys carry three significant digits below 200 bar (2000 N/cm2) and two
decimals above it; 0.1, 1, 10 and 100 bar absolute are always rows (the
atmosphere, a gauge pressure of 0, and the IF97 verification pressures 0.1,
1 and 10 MPa). From each row the next is the farthest such key, not beyond
the next of those, for which linear interpolation at a quarter, half and
three quarters of the step stays within half of these targets against IF97:
saturation temperature 0.05 K; latent heat, both enthalpies and the water
density 0.1 %; the steam density 0.5 %. The tightest demand is the enthalpy
of water at the lowest pressures (h' is only 28 kJ/kg at 0.0098 bar).

The critical point
------------------
IF97's saturation line ends at its critical point, 22.064 MPa = 2206.4 N/cm2,
where the latent heat falls to zero, while the table must reach 2212.8706
N/cm2 with a positive latent heat in every row. The same greedy rule keeps
the targets up to 2206.34 N/cm2, the rows crowding together as the latent
heat falls like a root of the distance to the critical pressure; from there
the rows are 0.01 N/cm2 apart and only the latent heat loses more (1.5 % of
about 7 kJ/kg in the last step). The last IF97 row is at 2206.39 N/cm2
(22.0639 MPa, latent heat about 6 kJ/kg), the last pressure at which region
3 still has two separate saturated phases to within its own accuracy. The
closing row at 2212.8706 N/cm2 repeats that state, so lookups between
2206.39 and 2212.8706 N/cm2 give the last saturated state of IF97:
continuous, with the latent heat positive, and not pretending to properties
beyond the critical point.

The output depends only on this script and the iapws version: the same
bytes on every run.
"""

import math
import os
import struct
import sys

try:
    import iapws
    from iapws.iapws97 import (_Backward3_sat_v_P, _Region1, _Region2, _Region3,
                               _TSat_P)
except ImportError:  # pragma: no cover - the build checks this first
    sys.exit("make_paradat.py needs python3-iapws (IAPWS-IF97)")

FIRST_KEY = 0.098067      # N/cm2, 0.01 kp/cm2: the lowest key a lookup admits
CLOSING_KEY = 2212.8706   # N/cm2, 225.65 kp/cm2: the highest key a lookup admits
LAST_IF97_KEY = 2206.39   # N/cm2: the last saturated state of IF97 in the table
FINE_FROM = 2000.0        # N/cm2: above it keys carry two decimals
# Rows the grid always holds: 0.1, 1, 10 and 100 bar absolute, so that a gauge
# pressure of 0 (the atmosphere) and the IF97 verification pressures 0.1, 1 and
# 10 MPa (R7-97 Table 36) fall on rows and read IF97's values unchanged.
LANDMARKS = (1.0, 10.0, 100.0, 1000.0)
MAX_ROWS = 294

# Interpolation targets: (column, absolute or relative, limit).
TARGETS = ((1, "abs", 0.05),    # saturation temperature, K
           (2, "rel", 0.005),   # steam density
           (3, "rel", 0.001),   # water density
           (4, "rel", 0.001),   # steam enthalpy
           (5, "rel", 0.001),   # water enthalpy
           ("r", "rel", 0.001))  # latent heat
MARGIN = 0.5  # the grid keeps to half of each target


def branch_density(p, t, vapour):
    """Density on one branch of region 3 where p(rho, t) = p; p in MPa, t in K."""
    rho = 1.0 / _Backward3_sat_v_P(p, t, 1 if vapour else 0)
    side = -1.0 if vapour else 1.0  # start below the vapour root, above the liquid root
    while side * (_Region3(rho, t)["P"] - p) < 0:
        rho += side * 0.02 * rho
    for _ in range(200):
        state = _Region3(rho, t)
        dp_drho = 1.0 / (state["kt"] * rho)
        if dp_drho <= 0:
            raise RuntimeError("left the %s branch at %r MPa" %
                               ("vapour" if vapour else "liquid", p))
        new = rho - (state["P"] - p) / dp_drho
        # From the outer side Newton's steps run towards the root without
        # crossing it; a step back means rounding has the last word.
        if side * (new - rho) >= 0 or abs(new - rho) <= 1e-15 * rho:
            return new if abs(new - rho) <= 1e-15 * rho else rho
        rho = new
    raise RuntimeError("no density at %r MPa" % p)


_states = {}


def saturated_state(key):
    """(key, T, steam density, water density, steam enthalpy, water enthalpy)."""
    if key not in _states:
        p = key / 100.0  # N/cm2 -> MPa
        t = _TSat_P(p)
        if t <= 623.15:
            water, steam = _Region1(t, p), _Region2(t, p)
            row = (key, t, 1.0 / steam["v"], 1.0 / water["v"], steam["h"], water["h"])
        else:
            rho_v = branch_density(p, t, True)
            rho_l = branch_density(p, t, False)
            row = (key, t, rho_v, rho_l, _Region3(rho_v, t)["h"], _Region3(rho_l, t)["h"])
        _states[key] = row
    return _states[key]


def column(row, c):
    return row[4] - row[5] if c == "r" else row[c]


def interpolation_errors(lo, hi, fraction):
    """Errors of the straight line between two rows against IF97, per target."""
    key = lo[0] + fraction * (hi[0] - lo[0])
    exact = saturated_state(key)
    errors = []
    for c, kind, _ in TARGETS:
        a, b, e = column(lo, c), column(hi, c), column(exact, c)
        line = a + (key - lo[0]) * (b - a) / (hi[0] - lo[0])
        errors.append(abs(line - e) if kind == "abs" else abs(line - e) / abs(e))
    return errors


def close_enough(lo, hi):
    for fraction in (0.25, 0.5, 0.75):
        errors = interpolation_errors(lo, hi, fraction)
        if any(err > limit * MARGIN for err, (_, _, limit) in zip(errors, TARGETS)):
            return False
    return True


def candidate_keys():
    """Three significant digits up to FINE_FROM, two decimals above it."""
    keys = set()
    exponent = math.floor(math.log10(FIRST_KEY)) - 2
    while 100 * 10.0 ** exponent < FINE_FROM:
        for mantissa in range(100, 1000):
            key = round(mantissa * 10.0 ** exponent, 10)
            if FIRST_KEY < key <= FINE_FROM:
                keys.add(key)
        exponent += 1
    hundredths = int(round(FINE_FROM * 100))
    for k in range(hundredths + 1, int(round(LAST_IF97_KEY * 100)) + 1):
        keys.add(k / 100.0)
    return sorted(keys)


def build_grid():
    candidates = candidate_keys()
    rows = [saturated_state(FIRST_KEY)]
    start = 0  # first candidate above the last row
    while rows[-1][0] < LAST_IF97_KEY:
        # No step passes a landmark.
        landmark = next((k for k in LANDMARKS if k > rows[-1][0]), None)
        last = candidates.index(landmark) if landmark else len(candidates) - 1
        # The errors grow with the step: search the farthest candidate that keeps
        # the targets, by doubling and then halving.
        good, bad = start - 1, None
        step = 1
        while True:
            j = min(start + step - 1, last)
            if close_enough(rows[-1], saturated_state(candidates[j])):
                good = j
                if j == last:
                    break
                step *= 2
            else:
                bad = j
                break
        if bad is not None:
            while bad - good > 1:
                mid = (good + bad) // 2
                if close_enough(rows[-1], saturated_state(candidates[mid])):
                    good = mid
                else:
                    bad = mid
        if good < start:
            # No candidate keeps the targets (only at the very end of the
            # saturation line): take the next one.
            good = start
        rows.append(saturated_state(candidates[good]))
        start = good + 1
    if rows[-1][0] != LAST_IF97_KEY:
        raise RuntimeError("the grid does not end at %r" % LAST_IF97_KEY)
    # The closing row: the last saturated state of IF97, held to the highest key.
    rows.append((CLOSING_KEY,) + rows[-1][1:])
    return rows


def check(rows):
    if len(rows) > MAX_ROWS:
        raise RuntimeError("%d rows, at most %d are read" % (len(rows), MAX_ROWS))
    if rows[0][0] != FIRST_KEY or rows[-1][0] != CLOSING_KEY:
        raise RuntimeError("the table does not span the admitted keys")
    for a, b in zip(rows, rows[1:]):
        if not b[0] > a[0]:
            raise RuntimeError("keys not ascending at %r" % b[0])
    for row in rows:
        if not all(math.isfinite(v) for v in row) or not row[4] > row[5]:
            raise RuntimeError("bad row at %r" % row[0])


def write_atomically(path, data):
    temporary = path + ".tmp"
    with open(temporary, "wb") as f:
        f.write(data)
    os.replace(temporary, path)


def midpoints_text(rows):
    lines = ["# IAPWS-IF97 (python3-iapws %s) at the middle of every pair of" % iapws.__version__,
             "# neighbouring IF97 rows of para.dat; the closing row is not IF97.",
             "# columns: lower key, upper key [N/cm2], middle key [N/cm2], T [K],",
             "# steam density, water density [kg/m3], steam enthalpy, water enthalpy [kJ/kg]"]
    worst = {}
    names = ("T [K]", "steam density", "water density", "steam enthalpy",
             "water enthalpy", "latent heat")
    for lo, hi in zip(rows[:-2], rows[1:-1]):
        mid = saturated_state(0.5 * (lo[0] + hi[0]))
        lines.append(" ".join(repr(v) for v in (lo[0], hi[0]) + mid))
        if hi[0] <= FINE_FROM:
            band = "0.0098-200 bar"
        elif hi[0] <= 2200.0:
            band = "200-220 bar"
        else:
            band = "220-220.64 bar"
        for name, err in zip(names, interpolation_errors(lo, hi, 0.5)):
            if err > worst.get((band, name), (0.0, 0.0))[0]:
                worst[(band, name)] = (err, mid[0])
    lines.append("# largest losses of linear interpolation at the midpoints"
                 " (K for T, relative otherwise; absolute pressures):")
    for (band, name), (err, key) in sorted(worst.items()):
        lines.append("#   %-14s %-15s %.3g at %.8g N/cm2" % (band, name, err, key))
    return "\n".join(lines) + "\n"


def main(argv):
    if len(argv) != 3:
        sys.exit("usage: make_paradat.py <para.dat> <midpoints.txt>")
    rows = build_grid()
    check(rows)
    table = b"".join(struct.pack("<6d", *row) for row in rows)
    write_atomically(argv[1], table)
    write_atomically(argv[2], midpoints_text(rows).encode("ascii"))


if __name__ == "__main__":
    main(sys.argv)

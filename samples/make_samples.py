#!/usr/bin/env python3
"""Writes the bundled sample soundings. They are made up: a layered profile
with smooth random variation, not the record of any real site. Run it again
to rebuild the files exactly (the random generator is seeded)."""

import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))

# (bottom depth in m, qc in MPa at top and bottom, friction ratio in %)
LAYERS = [
    (1.6, 2.2, 1.4, 3.8),   # stiff desiccated crust
    (5.8, 0.55, 0.75, 3.4), # soft grey clay
    (8.4, 3.5, 7.0, 1.6),   # silty sand
    (13.6, 13.0, 19.0, 0.7),# dense sand
    (16.2, 1.8, 2.4, 3.0),  # firm clay
    (20.0, 16.0, 24.0, 0.6),# very dense sand
]


def profile(depth, rng_state):
    top = 0.0
    for bottom, qtop, qbottom, rf in LAYERS:
        if depth <= bottom:
            frac = (depth - top) / (bottom - top)
            qc = qtop + (qbottom - qtop) * frac
            return qc, rf
        top = bottom
    return LAYERS[-1][2], LAYERS[-1][3]


def sounding(step_m, bottom_m, seed):
    rng = random.Random(seed)
    walk_q = 0.0
    walk_f = 0.0
    rows = []
    n = int(round(bottom_m / step_m))
    for k in range(1, n + 1):
        z = k * step_m
        qc, rf = profile(z, None)
        walk_q = 0.85 * walk_q + rng.gauss(0, 0.05)
        walk_f = 0.85 * walk_f + rng.gauss(0, 0.06)
        qc = max(0.05, qc * (1 + walk_q + 0.04 * math.sin(z * 7.3)))
        fs = max(0.0005, qc * rf / 100 * (1 + walk_f))
        u2 = max(-0.02, 0.0098 * (z - 1.2) * (1.8 if rf > 2.5 else 1.0) + rng.gauss(0, 0.01))
        rows.append((z, qc, fs, u2))
    return rows


def write(name, title_lines, rows, fmt):
    assert len(title_lines) == 10
    with open(os.path.join(HERE, name), "w", newline="") as f:
        for line in title_lines:
            f.write(line + "\r\n")
        for row in rows:
            f.write(fmt(row) + "\r\n")


def main():
    si = sounding(0.05, 20.0, 11)
    write("si_m-MPa_spaces.txt", [
        "QUARVEX SAMPLE SOUNDING S-1 (made-up data for trying the program)",
        "Site: Harbour Road bridge, pier 3 (fictitious)",
        "Cone: 10 cm2 piezocone, u2 filter; pushed 2 cm/s",
        "Units: depth m; qc, fs and u2 MPa (SI)",
        "Separator: spaces; 4 columns (the 4th, u2, is ignored)",
        "Ground elevation: 12.5 ft",
        "Date of test: 03-14-2026",
        "Groundwater at 1.2 m",
        "Readings every 0.05 m from 0.05 m to 20.00 m",
        "   Depth(m)     qc(MPa)     fs(MPa)     u2(MPa)",
    ], si, lambda r: "%11.2f %11.3f %11.4f %11.4f" % r)

    ft = [(z / 0.3048, qc * 10.44272, fs * 10.44272, u2) for z, qc, fs, u2 in sounding(0.05, 18.0, 23)]
    write("english_ft-tsf_comma.txt", [
        "QUARVEX SAMPLE SOUNDING E-1 (made-up data for trying the program)",
        "Site: Cypress Creek overpass, bent 2 (fictitious)",
        "Cone: 15 cm2 electric cone",
        "Units: depth ft; qc and fs tsf (English)",
        "Separator: commas without blanks; 3 columns",
        "Ground elevation: 8.2 ft",
        "Date of test: 05-02-2026",
        "Groundwater at 4 ft",
        "Readings about every 0.16 ft to 59 ft",
        "Depth(ft),qc(tsf),fs(tsf)",
    ], ft, lambda r: "%.2f,%.2f,%.3f" % r[:3])

    # Millivolts: with the default factors (50 MPa per mV for the tip, 0.5 MPa
    # per mV for the sleeve) these read back as a plausible sounding.
    mv = [(z, qc / 50.0, fs / 0.5, u2) for z, qc, fs, u2 in sounding(0.05, 16.0, 37)]
    write("millivolts_m-mV_tab.txt", [
        "QUARVEX SAMPLE SOUNDING M-1 (made-up data for trying the program)",
        "Site: Levee station 42+50 (fictitious)",
        "Logger output, raw bridge voltages",
        "Units: depth m; tip and sleeve mV (factors 50 and 0.5 MPa per mV)",
        "Separator: one Tab; 3 columns",
        "Ground elevation: not surveyed",
        "Date of test: 07-21-2026",
        "",
        "Readings every 0.05 m from 0.05 m to 16.00 m",
        "Depth(m)\tTip(mV)\tSleeve(mV)",
    ], mv, lambda r: "%.2f\t%.5f\t%.5f" % r[:3])


if __name__ == "__main__":
    main()

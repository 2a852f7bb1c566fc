#!/usr/bin/env python3
"""Writes a batch of invented gauges for timing the classification batch:
   make_batch_stations.py COUNT FOLDER [YEARS]
FOLDER gets COUNT agency daily-value files station_NNNN.txt (YEARS complete water years each,
default 30, from water year 1971) and the batch list batch.csv ("id,class,first,last" per line).
The gauges mix four regimes (steady or flashy, perennial or drying up in late summer) so every
branch of the classification is exercised. Deterministic: the same arguments give the same files."""
import datetime
import math
import os
import sys


class Lcg:
    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (1103515245 * self.state + 12345) % (2 ** 31)
        return self.state / 2 ** 31


def station_flows(number, first_wy, years):
    rng = Lcg(7919 * number + 17)
    flashy = number % 2 == 1
    intermittent = (number // 2) % 2 == 1
    scale = 5.0 + 500.0 * rng.next()
    storm_rate = 0.08 if flashy else 0.02
    recession = 0.6 if flashy else 0.93
    day = datetime.date(first_wy - 1, 10, 1)
    end = datetime.date(first_wy + years - 1, 9, 30)
    q = scale
    while day <= end:
        doy = day.timetuple().tm_yday
        base = scale * (1.0 + 0.6 * math.cos(2 * math.pi * (doy - 75) / 365.25))
        if intermittent and 180 < doy < 290:
            base = 0.0
        q = base + recession * (q - base)
        if rng.next() < storm_rate:
            q += scale * (2.0 + 20.0 * rng.next() ** 2) * (3.0 if flashy else 1.0)
        yield day, round(max(q, 0.0), 2)
        day += datetime.timedelta(days=1)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    count, folder = int(sys.argv[1]), sys.argv[2]
    years = int(sys.argv[3]) if len(sys.argv) > 3 else 30
    first_wy = 1971
    os.makedirs(folder, exist_ok=True)
    lines = []
    for n in range(1, count + 1):
        name = "station_%04d.txt" % n
        with open(os.path.join(folder, name), "w", newline="") as f:
            f.write("# Invented gauge %d for timing the classification batch.\r\n" % n)
            f.write("agency_cd\tsite_no\tdatetime\tflow\tflow_cd\r\n5s\t15s\t20d\t14n\t10s\r\n")
            for day, q in station_flows(n, first_wy, years):
                f.write("AGNC\t%08d\t%s\t%g\tA\r\n" % (90000000 + n, day.isoformat(), q))
        lines.append("%s,%d,%d,%d\r\n" % (name, n % 4 + 1, first_wy, first_wy + years - 1))
    with open(os.path.join(folder, "batch.csv"), "w", newline="") as f:
        f.writelines(lines)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes the synthetic sample files under samples/: a daily-value file and a peak-flow file in the
agency layout, an alternative CSV scenario and a data set file, all for an invented gauge
"Sample Creek". Deterministic, so the files never change unless this script does."""
import datetime
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "samples")
FIRST_WY, LAST_WY = 1981, 2010


class Lcg:
    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (1103515245 * self.state + 12345) % (2 ** 31)
        return self.state / 2 ** 31


def daily_flows():
    rng = Lcg(20261208)
    flows = {}
    q = 40.0
    day = datetime.date(FIRST_WY - 1, 10, 1)
    end = datetime.date(LAST_WY, 9, 30)
    while day <= end:
        doy = day.timetuple().tm_yday
        base = 35.0 + 25.0 * math.cos(2 * math.pi * (doy - 75) / 365.25)
        q = base + 0.85 * (q - base)
        if rng.next() < 0.03:
            q += 50.0 + 400.0 * rng.next() ** 2
        if 200 < doy < 260 and rng.next() < 0.2:
            q *= 0.9
        flows[day] = round(max(q, 0.0), 1)
        day += datetime.timedelta(days=1)
    return flows


def slot_of(d):
    offsets = [92, 123, 152, 183, 213, 244, 274, 305, 336, 0, 31, 61]
    return offsets[d.month - 1] + d.day


def water_year(d):
    return d.year + 1 if d.month >= 10 else d.year


def main():
    flows = daily_flows()
    os.makedirs(OUT, exist_ok=True)
    with open(os.path.join(OUT, "sample_creek_daily.txt"), "w", newline="\n") as f:
        f.write("# Synthetic daily mean discharge of the invented gauge Sample Creek.\n")
        f.write("# Daily values in cubic feet per second; flag A = approved.\n#\n")
        f.write("agency_cd\tsite_no\tdatetime\t01_00060_00003\t01_00060_00003_cd\n")
        f.write("5s\t15s\t20d\t14n\t10s\n")
        for d in sorted(flows):
            f.write("AGNC\t09999999\t%s\t%g\tA\n" % (d.isoformat(), flows[d]))
    # Annual peaks: the largest daily mean of each water year, scaled up as an instantaneous peak.
    peaks = {}
    for d, q in flows.items():
        wy = water_year(d)
        if wy not in peaks or q > flows[peaks[wy]]:
            peaks[wy] = d
    with open(os.path.join(OUT, "sample_creek_peaks.txt"), "w", newline="\n") as f:
        f.write("# Synthetic annual peak flows of Sample Creek.\n#\n")
        f.write("agency_cd\tsite_no\tpeak_dt\tpeak_tm\tpeak_va\tpeak_cd\n")
        f.write("5s\t15s\t10d\t6s\t8s\t27s\n")
        for wy in sorted(peaks):
            d = peaks[wy]
            f.write("AGNC\t09999999\t%s\t\t%d\t2\n" % (d.isoformat(), round(flows[d] * 1.6)))
    # Data set file and alternative CSV: columns are water years, rows day slots.
    years = list(range(FIRST_WY, LAST_WY + 1))
    table = {y: [999999.0] * 366 for y in years}
    for d, q in flows.items():
        table[water_year(d)][slot_of(d) - 1] = q
    pk = [(round(flows[peaks[wy]] * 1.6), flows[peaks[wy]]) for wy in years]
    with open(os.path.join(OUT, "dataset_1"), "w", newline="") as f:
        f.write("".join("%d " % y for y in years) + "\r\n")
        for s in range(366):
            f.write("".join("%13.3f " % table[y][s] for y in years) + "\r\n")
        f.write("%d\r\n" % len(pk))
        f.write("".join("%13.3f " % p for p, _ in pk) + "\r\n")
        f.write("".join("%13.3f " % q for _, q in pk))
    # The alternative: a water-use scenario taking 20 % of every flow above 10 cfs.
    with open(os.path.join(OUT, "sample_creek_withdrawal.csv"), "w", newline="") as f:
        f.write(",".join("%4d" % y for y in years) + "\r\n")
        for s in range(366):
            vals = []
            for y in years:
                q = table[y][s]
                if q != 999999.0 and q > 10.0:
                    q = q * 0.8
                vals.append("%13.3f" % q)
            f.write(",".join(vals) + "\r\n")


if __name__ == "__main__":
    main()

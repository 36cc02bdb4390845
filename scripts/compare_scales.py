"""The end of scripts/bench: each build's start-up and hover medians at 150 %
against those at 100 % of the same run, which should be at most 1.1 times as
long. Each figure is the middle of its rounds' medians.

    python3 scripts/compare_scales.py FIGURES

FIGURES holds lines "NAME DPI WHAT MILLISECONDS", as scripts/bench notes them.
"""

import statistics
import sys
from collections import defaultdict

TARGET_RATIO = 1.1


def read_figures(path):
    """The medians noted for each (name, what, dpi); a run that gave none adds nothing."""
    figures = defaultdict(list)
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            name, dpi, *what, milliseconds = line.split()
            key = (name, " ".join(what), int(dpi))
            figures[key] += [] if milliseconds == "?" else [float(milliseconds)]
    return figures


def main():
    figures = read_figures(sys.argv[1])
    print(f"== At 150 % against 100 % on this run (target: at most {TARGET_RATIO:.1f} times as long)")
    for name, what in dict.fromkeys((name, what) for name, what, _ in figures):
        plain, fine = figures[(name, what, 96)], figures[(name, what, 144)]
        if not plain or not fine:
            print(f"  {name:6} {what + ':':20} not measured at both scales")
            continue
        plain, fine = statistics.median(plain), statistics.median(fine)
        ratio = fine / plain
        verdict = "met" if ratio <= TARGET_RATIO else "NOT met"
        print(f"  {name:6} {what + ':':20} {plain:8.2f} ms -> {fine:8.2f} ms   {ratio:.2f}   {verdict}")


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""A seeded random sweep of whole runs, checked against exact mathematics.

Draws runs of every mode on ordinary and awkward inputs of at most 15 significant digits,
runs them through combicalc-replay, and checks every answer shown as a success: it must lie
within the bounds that the documented rounding allows, worked out here in exact decimal and
rational arithmetic and with mpmath, independently of the calculator's code. The documented
rounding: every number read from a box is a double (relative error 2^-53), every operation
a double operation (again), every countdown value and product written back rounded to 15
significant digits, and the 2 Outcomes answer worked out in 53-bit numbers then rounded to a
double once. A run that reports an error instead of an answer is always accepted (counted by
its report); a run shown as a success outside its bounds is a wrong answer, and fails.

    tests/sweep/exact_sweep.py build/tests/combicalc-replay [--seed N] [--count N]
"""

import argparse
import collections
import decimal
import random
import subprocess
import sys
from decimal import Decimal
from fractions import Fraction

import mpmath

EXACT = decimal.Context(prec=200, Emin=-9999999, Emax=9999999)
FIFTEEN = decimal.Context(prec=15, rounding=decimal.ROUND_HALF_EVEN, Emin=-9999999, Emax=9999999)
# Reading each operand and the double operation itself: three roundings to 53 bits, and a
# little more; for denormals, an absolute error of the smallest one.
SLACK = Decimal("4.5e-16")
TINY = EXACT.power(Decimal(2), -1074)
NORMAL = EXACT.power(Decimal(2), -1021)
DBL_MAX = Decimal(float.fromhex("0x1.fffffffffffffp+1023"))
BUDGET = 1000


class Ambiguous(Exception):
    """A countdown test whose outcome the rounding allowed either way."""


class Unfinished(Exception):
    """The countdown needs more passes than a run has."""


def error(value):
    """How far a double (read, or the result of an operation) can be from the value: not at
    all where the value is a double, as rounding to the nearest is exact there (and it is
    monotone, so a bound that is a double stays one); a denormal within the smallest denormal."""
    if Decimal(float(value)) == value:
        return 0
    return EXACT.add(EXACT.multiply(abs(value), SLACK), TINY if abs(value) < NORMAL else 0)


def widen(low, high):
    return EXACT.subtract(low, error(low)), EXACT.add(high, error(high))


def written(low, high):
    """What a box can hold after a double operation whose exact result lies in [low, high]."""
    low, high = widen(low, high)
    return FIFTEEN.plus(low), FIFTEEN.plus(high)


def times(a, b):
    products = [EXACT.multiply(p, q) for p in a for q in b]
    return min(products), max(products)


def positive(interval):
    if interval[0] > 0:
        return True
    if interval[1] <= 0:
        return False
    raise Ambiguous()


def count_down(interval):
    low, high = widen(*interval)
    return written(EXACT.subtract(low, 1), EXACT.subtract(high, 1))


def countdown(n, r, divides):
    """The countdown of Factorial (r None), nPr, nCr and 2 Outcomes (which divide its two
    products on the pass where it ends): the bounds of the products, of x and y where it
    ended, and the passes it took."""
    x, y = (n, n), (r, r) if r is not None else None
    top, bottom = (Decimal(1), Decimal(1)), (Decimal(1), Decimal(1))
    for passes in range(1, BUDGET + 2):
        if not positive(x if y is None else y):
            if divides and passes > BUDGET:
                raise Unfinished()
            return top, bottom, x, y, passes
        if passes > BUDGET:
            raise Unfinished()
        if divides:
            bottom = written(*times(widen(*y), widen(*bottom)))
        top = written(*times(widen(*x), widen(*top)))
        x = count_down(x)
        if y is not None:
            y = count_down(y)
    raise Unfinished()


def mp(value):
    return mpmath.mpf(str(value))


HALF_ULP = mpmath.mpf(2) ** -53


def read(values):
    """Every double a box's text may be read as: a number a double holds exactly, or one
    within 2^-53 of it either way."""
    return sorted({mp(v) * f for v in values for f in ((1,) if Decimal(float(v)) == v else (1 - HALF_ULP, 1 + HALF_ULP))})


def chance_bounds(z, w, count, x_end, y_end, passes):
    """Bounds of the 2 Outcomes answer: count * ((z - w) / z)^(n - r) * (w / z)^r, every
    operand within its bounds: the numbers as read from their boxes (the count's, and x's and
    y's where the countdown ended, whose difference is n - r), r as y plus the passes before
    (a double sum), the chances and n - r exact, each power within 2^-51 of its value, and
    the result rounded to a double."""
    # Powers as large as n - r carry an error in their base that many times over: the work
    # keeps that many more bits.
    with mpmath.workprec(300 + max([int(mpmath.mag(mp(a))) for a in x_end + y_end if a != 0] + [0])):
        u = mpmath.mpf(2) ** -51
        failures = [a - b for a in read(x_end) for b in read(y_end)]
        successes = [y * (1 + f) + passes - 1 for y in read(y_end) for f in (-u, u)]
        chances = [((a - b) / a, b / a) for a in read([z]) for b in read([w])]
        if any((q < 0 and not all(mpmath.isint(f) for f in failures)) or (p < 0 and not all(mpmath.isint(e) for e in successes))
               for q, p in chances):
            return None  # a negative chance to a fractional power: an invalid operation
        if any((q == 0 and min(failures) <= 0) or (p == 0 and min(successes) <= 0) for q, p in chances):
            return None  # zero to a power that is not positive
        values = [c * mpmath.power(q, f) * mpmath.power(p, e)
                  for c in read(count) for f in failures for e in successes for q, p in chances]
        low, high = min(values), max(values)
        slack = 1 + 4 * u  # the two powers, and more
        low = low / slack if low > 0 else low * slack
        high = high * slack if high > 0 else high / slack
        if not (mpmath.isfinite(low) and mpmath.isfinite(high)):
            return None
        return decimal_of(low), decimal_of(high)


def decimal_of(value):
    """An mpmath number as a Decimal: its 60 leading digits, which are all the bounds need."""
    mantissa, exponent = mpmath.frexp(value)
    # Beyond 2^+-3000000 only the side of the double range a value is on matters.
    exponent = max(-3000000, min(3000000, exponent))
    return EXACT.multiply(Decimal(mpmath.nstr(mantissa, 60, min_fixed=-1, max_fixed=2)), EXACT.power(Decimal(2), exponent))


def expected(mode, n, r, z, w):
    """The bounds of a successful Answer, or None where any outcome is acceptable."""
    if mode in ("Option1", "Option2"):
        return countdown(n, r, divides=False)[0]
    top, bottom, x_end, y_end, passes = countdown(n, r, divides=True)
    if bottom[0] <= 0 <= bottom[1]:
        return None
    quotients = [EXACT.divide(a, b) for a in top for b in bottom]
    count = written(min(quotients), max(quotients))
    if mode == "Option3":
        return count
    if max(abs(count[0]), abs(count[1])) > DBL_MAX:
        return None
    bounds = chance_bounds(z, w, count, x_end, y_end, passes)
    if bounds is None:
        return None
    low, high = widen(*bounds)
    return FIFTEEN.plus(low), FIFTEEN.plus(high)


def judge(mode, inputs, outcome):
    kind, answer = outcome[0], outcome[5]
    if kind != "ok":
        return "reported: " + kind
    try:
        bounds = expected(mode, *[Decimal(v) if v else None for v in inputs])
    except Ambiguous:
        return "ok, a test on the edge of its rounding (not compared)"
    except Unfinished:
        return "WRONG: an answer where the countdown needs more than %d passes" % BUDGET
    if bounds is None:
        return "ok, no bounds (a zero denominator or a fault the rounding may avoid)"
    low, high = bounds
    if answer in ("Infinity", "-Infinity"):
        beyond = high >= DBL_MAX if answer == "Infinity" else low <= -DBL_MAX
        return "ok, beyond the double range" if beyond and mode in ("Option1", "Option2") else "WRONG: " + answer
    value = Decimal(answer)
    if low <= value <= high:
        return "ok, within the bounds"
    return "WRONG: %s not in [%s, %s]" % (answer, low, high)


def digits(rng, count):
    mantissa = str(rng.randrange(1, 10 ** count))
    return mantissa


def number(rng, kind):
    """A text of at most 15 significant digits, as a box keeps."""
    if kind == "whole":
        return str(rng.randint(0, 200))
    if kind == "fraction":
        text = digits(rng, rng.randint(2, 15))
        point = rng.randint(1, len(text))
        return str(Decimal(text[:point] + "." + text[point:]).normalize(FIFTEEN))
    if kind == "negative":
        return "-" + number(rng, rng.choice(["whole", "fraction"]))
    if kind == "tiny":
        return "%sE-%d" % (digits(rng, rng.randint(1, 15))[:1] + "." + digits(rng, 14)[:rng.randint(0, 14)], rng.randint(3, 320))
    if kind == "huge":
        return "%sE+%d" % (digits(rng, 1) + "." + digits(rng, 14)[:rng.randint(0, 14)], rng.randint(15, 308))
    raise ValueError(kind)


def clean(text):
    return text.rstrip(".") if "." in text and "E" not in text else text


KINDS = ["whole"] * 5 + ["fraction"] * 3 + ["negative", "tiny", "huge"]


def case(rng):
    mode = rng.choice(["Option1", "Option2", "Option3", "Option4"])
    n = clean(number(rng, rng.choice(KINDS)))
    if mode == "Option1":
        return mode, [n, "", "", ""]
    choice = rng.random()
    if choice < 0.4:
        r = str(rng.randint(0, 60))
    elif choice < 0.6:
        n = str(rng.randint(0, 400))
        r = str(max(0, int(n) - rng.randint(-3, 30)))
    elif choice < 0.75:
        r = clean(number(rng, "fraction"))
    elif choice < 0.85:
        r = str(rng.randint(0, 1001))
    else:
        r = clean(number(rng, rng.choice(["negative", "tiny", "huge"])))
    if mode != "Option4":
        return mode, [n, r, "", ""]
    choice = rng.random()
    if choice < 0.55:  # the ordinary chances of a die, a coin, a roulette wheel
        n = str(rng.randint(0, 5000))
        r = str(rng.randint(0, min(int(n), 999)))
        z = str(rng.choice([2, 6, 10, 37, 100, rng.randint(1, 10 ** rng.randint(1, 12))]))
        w = str(rng.randint(0, int(z)))
    elif choice < 0.7:  # rare events over very many trials, as in a lottery
        n = str(rng.randint(1, 10 ** rng.randint(6, 15)))
        r = str(rng.randint(0, 60))
        z = str(rng.randint(1, 10 ** rng.randint(6, 15)))
        w = str(rng.randint(0, 20))
    else:
        z = clean(number(rng, rng.choice(KINDS)))
        w = clean(number(rng, rng.choice(KINDS)))
    return mode, [n, r, z, w]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("replay")
    parser.add_argument("--seed", type=int, action="append")
    parser.add_argument("--count", type=int, default=15000)
    args = parser.parse_args()
    seeds = args.seed or [1, 2]
    failures = 0
    for seed in seeds:
        rng = random.Random(seed)
        cases = [case(rng) for _ in range(args.count)]
        lines = ["\t".join([mode] + inputs + ["Answer", "Text1", "Text2", "Text3"]) for mode, inputs in cases]
        replayed = subprocess.run([args.replay], input="\n".join(lines) + "\n", capture_output=True, text=True, check=True)
        categories = collections.Counter()
        for (mode, inputs), outcome in zip(cases, replayed.stdout.splitlines()):
            verdict = judge(mode, inputs, outcome.split("\t"))
            categories[verdict.split(":")[0] if verdict.startswith("WRONG") else verdict] += 1
            if verdict.startswith("WRONG"):
                failures += 1
                if failures <= 20:
                    print("%s %s: %s" % (mode, " ".join(inputs).strip(), verdict))
        print("seed %d, %d runs:" % (seed, len(cases)))
        for verdict, count in sorted(categories.items()):
            print("  %6d  %s" % (count, verdict))
    print("%d passed, %d failed" % (len(seeds) * args.count - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

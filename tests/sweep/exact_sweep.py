#!/usr/bin/python3
"""A seeded random sweep of whole runs, checked against exact mathematics.

Draws runs of every mode on ordinary and awkward inputs (n above 1E15, texts of 16 or 17
significant digits, fractions a hair above a whole number, fractional r far above a whole n,
inputs below the smallest double, tiny chances with a fractional r, w above z with a whole
n - r), runs them through combicalc-replay, and checks each against the documented rounding,
worked out here in exact decimal and rational arithmetic and with mpmath, independently of
the calculator's code. The documented rounding: every number read from a box is the double
nearest its text (a text that reads as 0 but is not 0 ends the run as too close to 0), every
double operation rounds once, every product written back is rounded to the 15 significant
digits it shows, every countdown value x - 1, y - 1 is the exact decimal difference rounded
to 15 digits (a text of more digits, counted down, ends the run; an x that does not go down
stalls it), and the 2 Outcomes answer is the correctly rounded double of
T ((z - w)/z)^(n - r) (w/z)^e, T, z, w as read, n - r and e exact from the texts.

The countdown of x and y is followed exactly; the products within the bounds the rounding
allows. That gives the outcomes open to a run, and a run that reports anything else, or
succeeds where no success is open to it, is wrong. Where the countdown kept x
and y exact, the 2 Outcomes answer must be, to the last digit, the correct rounding of its
formula on the count the run shows (a value too near a rounding boundary to tell is counted,
not compared); every other answer must lie within its bounds.

    tests/sweep/exact_sweep.py build/tests/combicalc-replay [--seed N] [--count N]
"""

import argparse
import collections
import decimal
import math
import random
import subprocess
import sys
from decimal import Decimal
from fractions import Fraction

import mpmath

EXACT = decimal.Context(prec=200, Emin=-9999999, Emax=9999999)
# Differences and sums of two texts within the double range, exactly.
WIDE = decimal.Context(prec=2000, Emin=-9999999, Emax=9999999)
FIFTEEN = decimal.Context(prec=15, rounding=decimal.ROUND_HALF_EVEN, Emin=-9999999, Emax=9999999)
# One rounding to a double: 2^-53 of the value, with room to spare; for denormals, an
# absolute error of the smallest one.
SLACK = Decimal("4.5e-16")
TINY = EXACT.power(Decimal(2), -1074)
NORMAL = EXACT.power(Decimal(2), -1021)
# An exact result from this on rounds to an infinite double.
OVER = Decimal(2 ** 1024 - 2 ** 970)
LARGEST_TEXT = Decimal("1.79769313486231E+308")
ZERO, ONE = Decimal(0), Decimal(1)
BUDGET = 1000
# The outcome of a run that the sweep cannot work out (an infinite operand, a count that may
# be infinite): any is accepted.
ANY = "any"


class Stop(Exception):
    """Every way the run could go on has ended."""


class Fault(Exception):
    """An arithmetic fault of the 2 Outcomes formula. 0 to a negative power is infinite, a
    division by zero; but times a count of 0 it is an invalid operation, which is reported
    first."""

    def __init__(self, kind, zero_power=False):
        super().__init__(kind)
        self.kind, self.zero_power = "arithmetic:" + kind, zero_power

    def kinds(self, low, high):
        """The faults reported with a count within [low, high]."""
        if not self.zero_power:
            return {self.kind}
        return ({"arithmetic:invalid"} if low <= 0 <= high else set()) | ({self.kind} if not low == high == 0 else set())


def shown(value):
    """A double as a box writes it."""
    if value == 0:
        return "0"
    if math.isinf(value):
        return "Infinity" if value > 0 else "-Infinity"
    return ("%.15G" % value).replace("1.79769313486232E+308", "1.79769313486231E+308")


def error(value):
    """How far a double (read, or the result of an operation) can be from the value: not at
    all where the value is a double, as rounding to the nearest is exact there (and it is
    monotone, so a bound that is a double stays one); a denormal within the smallest denormal."""
    if is_double(value):
        return 0
    return EXACT.add(EXACT.multiply(abs(value), SLACK), TINY if abs(value) < NORMAL else 0)


def is_double(value):
    numerator, denominator = value.as_integer_ratio()
    if denominator & (denominator - 1) or not numerator:
        return not numerator
    numerator = abs(numerator)
    zeros = (numerator & -numerator).bit_length() - 1
    bits, exponent = (numerator >> zeros).bit_length(), zeros - denominator.bit_length() + 1
    return bits <= 53 and exponent >= -1074 and bits + exponent <= 1024


def widen(low, high):
    if low == high:
        slack = error(low)
        return EXACT.subtract(low, slack), EXACT.add(high, slack)
    return EXACT.subtract(low, error(low)), EXACT.add(high, error(high))


def clamp(value):
    return max(-LARGEST_TEXT, min(LARGEST_TEXT, value))


class Bounds:
    """What a box can hold after an operation: the finite texts within [low, high] (none
    where low is None), and the infinities of the signs in infinities."""

    def __init__(self):
        self.low = self.high = None
        self.infinities = set()

    def add(self, low, high):
        self.low = low if self.low is None else min(self.low, low)
        self.high = high if self.high is None else max(self.high, high)

    def add_result(self, low, high):
        """A double operation whose exact result lies in [low, high], written back."""
        if high >= OVER:
            self.infinities.add(1)
        if low <= -OVER:
            self.infinities.add(-1)
        if low < OVER and high > -OVER:
            self.add(*written(max(low, -OVER), min(high, OVER)))

    def written(self):
        if self.low is None and not self.infinities:
            raise Stop()
        return self.low, self.high, frozenset(self.infinities)


def written(low, high):
    """The texts a finite double result within [low, high] is written as."""
    low, high = widen(low, high)
    low, high = FIFTEEN.plus(low), FIFTEEN.plus(high)
    if low < -LARGEST_TEXT or high > LARGEST_TEXT:
        return clamp(low), clamp(high)
    return low, high


NO_INFINITY = frozenset()
EXACTLY_ONE = (ONE, ONE, NO_INFINITY)


def times(low, high, factor):
    """A product box whose finite text lies within [low, high] times a double factor."""
    f = Decimal(factor)
    if low == high:
        slack = error(low)
        if slack:
            low, high = EXACT.subtract(low, slack), EXACT.add(low, slack)
    else:
        low, high = widen(low, high)
    low, high = EXACT.multiply(f, low), EXACT.multiply(f, high)
    if low > high:
        low, high = high, low
    if -OVER < low and high < OVER:
        return written(low, high) + (NO_INFINITY,)
    result = Bounds()
    result.add_result(low, high)
    return result.low, result.high, frozenset(result.infinities)


def multiply(product, factor, numerator, possible):
    """A product box times a factor as the countdown takes it. An infinite product stands
    for one too large for a box: times 0 it is 0, a numerator times a factor between -1 and 1
    would need its true size (a countdown overflow), a denominator so stays infinite."""
    if product is None or not math.isfinite(factor):
        possible.add(ANY)
        return None
    low, high, infinities = product
    if not infinities:
        return product if low == high == 0 else times(low, high, factor)
    result = Bounds()
    if low is not None:
        result.low, result.high, grown = times(low, high, factor)
        result.infinities |= grown
    if factor == 0:
        result.add(ZERO, ZERO)
    elif abs(factor) < 1:
        if numerator:
            possible.add("countdown-overflow")
        else:
            result.infinities |= infinities
    else:
        result.infinities |= {s if factor > 0 else -s for s in infinities}
    return result.written()


def quotient(numerator, denominator, possible):
    """The count, numerator / denominator as the last pass takes it: 0 over an infinity is
    0, any other infinite operand a countdown overflow."""
    if numerator is None or denominator is None:
        possible.add(ANY)
        return None
    n_low, n_high, n_infinities = numerator
    d_low, d_high, d_infinities = denominator
    result = Bounds()
    if n_infinities:
        possible.add("countdown-overflow")
    if n_low is not None:
        zero, nonzero = n_low <= 0 <= n_high, not n_low == n_high == 0
        if d_infinities:
            if zero:
                result.add(ZERO, ZERO)
            if nonzero:
                possible.add("countdown-overflow")
        if d_low is not None:
            if d_low == d_high == 0:
                possible.add("arithmetic:invalid" if zero else "arithmetic:divbyzero")
                if zero and nonzero:
                    possible.add("arithmetic:divbyzero")
            elif d_low <= 0 <= d_high:  # a denominator that may have reached 0
                possible.add(ANY)
                return None
            else:
                ratios = [EXACT.divide(a, b) for a in widen(n_low, n_high) for b in widen(d_low, d_high)]
                result.add_result(min(ratios), max(ratios))
    return result.written()


# Whole countdown values this small stay exact, as decimals and as doubles, for a whole run,
# and their test x - y < x is y > 0.
WHOLE_LIMIT = Decimal(10 ** 15 - 2 * BUDGET)


def whole(box):
    exact, _, too_long = box
    return exact is not None and not too_long and abs(exact) < WHOLE_LIMIT and exact == exact.to_integral_value()


def shifted(box, steps):
    exact = EXACT.subtract(box[0], Decimal(steps))
    return exact, float(exact), False


def settled(product):
    """A product that whole factors change no more than in sign: exactly 0, or infinite."""
    return product is not None and (product[0] is None or (product[0] == product[1] == 0 and not product[2]))


def advance(product, top, steps):
    """A settled product times the whole numbers from top down, steps of them."""
    if product[0] is not None or not steps:
        return product
    if top - steps + 1 <= 0 <= top:
        return (ZERO, ZERO, NO_INFINITY)
    if top < 0 and steps % 2:
        return None, None, frozenset(-s for s in product[2])
    return product


def significant_digits(value):
    return 0 if value == 0 else len(EXACT.normalize(value).as_tuple().digits)


class Run:
    """One run as the calculator documents it: the outcomes it may end with, and the bounds
    of what it may show where it succeeds. A countdown box is its text's exact decimal value
    (None where it reads infinite), the double it reads as, and whether it holds more digits
    than a countdown takes (only a text typed can)."""

    def __init__(self, mode, inputs):
        self.possible = set()
        self.answer = None  # the Answer box (the count in 2 Outcomes)
        self.exact = True  # whether every countdown value was the exact difference
        self.chance = None  # 2 Outcomes: z and w as read, n - r and e
        try:
            self.play(mode, *inputs)
        except Stop:
            pass

    def read(self, text):
        """A typed text as its first conversion reads it."""
        value = float(text)
        if value == 0 and Decimal(text) != 0:
            self.possible.add("too-close-to-zero")
            raise Stop()
        return value

    def typed(self, text):
        value = self.read(text)
        if not math.isfinite(value):
            return None, value, False
        exact = Decimal(text)
        return exact, value, significant_digits(exact) > 15

    def count_down(self, box, stalls):
        exact, value, too_long = box
        if exact is None:  # Infinity - 1 = Infinity
            self.exact = False
            return box
        if too_long:
            self.possible.add("too-many-digits")
            raise Stop()
        FIFTEEN.clear_flags()
        result = FIFTEEN.subtract(exact, ONE)
        if FIFTEEN.flags[decimal.Inexact]:
            self.exact = False
        if stalls and result >= exact:
            self.possible.add("countdown-stalled")
            raise Stop()
        return result, float(result), False

    def goes_on(self, x, y):
        if x[1] - y[1] < x[1]:
            return True
        if y[1] > 0:
            self.possible.add("countdown-stalled")
            raise Stop()
        return False

    def finish(self, answer):
        self.answer = answer
        self.possible.add("ok" if answer is not None else ANY)

    def after_budget(self, answer, unfinished):
        """Factorial and nPr after the last pass: a product that reached 0 is final."""
        self.answer = answer
        if answer is None:
            self.possible.add(ANY)
            return
        low, high, infinities = answer
        if low is not None and low <= 0 <= high:
            self.possible.add("ok")
            if low == high == 0 and not infinities:
                return
        if unfinished():
            self.possible.add("unfinished")
        else:
            self.possible.add("ok")

    def play(self, mode, n, r, z, w):
        x = self.typed(n)
        answer, passes = EXACTLY_ONE, 1
        if mode == "Option1":
            while passes <= BUDGET:
                if not x[1] > 0:
                    return self.finish(answer)
                if settled(answer) and whole(x):  # the factors left: x down to 1
                    steps = min(int(x[0]), BUDGET + 1 - passes)
                    answer, x, passes = advance(answer, x[0], steps), shifted(x, steps), passes + steps
                    continue
                answer = multiply(answer, x[1], True, self.possible)
                x = self.count_down(x, True)
                passes += 1
            return self.after_budget(answer, lambda: x[1] > 0)
        y = self.typed(r)
        if mode == "Option2":
            while passes <= BUDGET:
                if settled(answer) and whole(x) and whole(y) and y[0] > 0:  # y passes to go
                    steps = min(int(y[0]), BUDGET + 1 - passes)
                    answer, passes = advance(answer, x[0], steps), passes + steps
                    x, y = shifted(x, steps), shifted(y, steps)
                    continue
                if not self.goes_on(x, y):
                    return self.finish(answer)
                answer = multiply(answer, x[1], True, self.possible)
                x = self.count_down(x, True)
                y = self.count_down(y, False)
                passes += 1
            return self.after_budget(answer, lambda: self.goes_on(x, y))
        numerator, denominator = EXACTLY_ONE, EXACTLY_ONE
        while passes <= BUDGET:
            if settled(numerator) and settled(denominator) and whole(x) and whole(y) and y[0] > 0:
                # y passes to go, whose factors y, y - 1, ... leave the denominator as it is
                steps = min(int(y[0]), BUDGET + 1 - passes)
                numerator, passes = advance(numerator, x[0], steps), passes + steps
                x, y = shifted(x, steps), shifted(y, steps)
                continue
            if not self.goes_on(x, y):
                break
            if y[1] > 0:
                denominator = multiply(denominator, y[1], False, self.possible)
            numerator = multiply(numerator, x[1], True, self.possible)
            x = self.count_down(x, True)
            y = self.count_down(y, False)
            passes += 1
        else:
            self.possible.add("unfinished")
            raise Stop()
        self.answer = quotient(numerator, denominator, self.possible)
        if mode == "Option3":
            return self.finish(self.answer)
        outcomes, favourable = self.read(z), self.read(w)
        if x[0] is None or y[0] is None:  # as before, in doubles
            self.exact = False
            failures, successes = x[1] - y[1], y[1] + (passes - 1)
            self.possible.add(ANY)
        else:
            failures, successes = WIDE.subtract(x[0], y[0]), WIDE.add(y[0], Decimal(passes - 1))
        self.chance = (outcomes, favourable, failures, successes)
        self.chance_outcomes()

    def chance_outcomes(self):
        """The outcomes of the 2 Outcomes answer on every count the run may hold."""
        if self.answer is None or self.answer[2] or not all(map(math.isfinite, self.chance[:2])):
            self.possible.add(ANY)
        if self.answer is None or self.answer[0] is None or ANY in self.possible:
            return
        try:
            chance = Chance(*self.chance)
        except Fault as fault:
            self.possible |= fault.kinds(self.answer[0], self.answer[1])
            return
        span = chance.span(*widen(self.answer[0], self.answer[1]))  # as read
        if span is None:
            self.possible.add(ANY)
            return
        low, high = (to_double(v) for v in span)
        if math.isinf(low) or math.isinf(high):
            self.possible.add("arithmetic:overflow")
        if not (math.isinf(low) and low == high):
            self.possible.add("ok")


def to_double(value):
    """An mpmath number rounded to the nearest double (ties to even, denormals included)."""
    if value == 0:
        return 0.0
    if mpmath.isinf(value):
        return float(value)
    sign = -1.0 if value < 0 else 1.0
    mantissa, exponent = value.man_exp
    size = mantissa.bit_length() + exponent
    if size > 1025:
        return sign * math.inf
    if size < -1076:
        return sign * 0.0
    try:
        return sign * (float(mantissa << exponent) if exponent >= 0 else mantissa / (1 << -exponent))
    except OverflowError:
        return sign * math.inf


class Chance:
    """((Z - W)/Z)^f (W/Z)^e on the doubles Z, W read, f and e exact decimals (doubles where
    x or y read infinite): its faults, in the order the formula meets them, and its value."""

    def __init__(self, outcomes, favourable, failures, successes):
        if outcomes == 0:
            raise Fault("invalid" if favourable == 0 else "divbyzero")
        self.zero = self.infinite = self.negative = False
        self.terms = []  # (base > 0 as a Fraction, exponent as a Decimal)
        z, w = Fraction(outcomes), Fraction(favourable)
        self.term((z - w) / z, failures)
        self.term(w / z, successes)

    def term(self, base, exponent):
        if isinstance(exponent, float):
            if math.isnan(exponent):
                raise Fault("invalid")
            if math.isfinite(exponent):
                exponent = Decimal(exponent)
        if exponent == 0 or base == 1:
            return
        if base == 0:
            if exponent < 0:
                raise Fault("divbyzero", zero_power=True)
            self.zero = True
            return
        if isinstance(exponent, float):  # an infinite exponent, as C's pow takes it
            if abs(base) != 1:
                if (abs(base) > 1) == (exponent > 0):
                    self.infinite = True
                else:
                    self.zero = True
            return
        whole = exponent == exponent.to_integral_value()
        if base < 0:
            if not whole:
                raise Fault("invalid")
            if int(exponent) % 2:
                self.negative = not self.negative
            base = -base
        self.terms.append((base, exponent))

    def span(self, low, high):
        """Bounds of the exact value times a count in [low, high] (Decimals or doubles), as
        mpmath numbers; None where a power is infinite."""
        if self.infinite:
            return None
        if self.zero:
            return mpmath.mpf(0), mpmath.mpf(0)
        values = [v for count in {low, high} for v in self.value(count)]
        return min(values), max(values)

    def value(self, count):
        """The value times count, as two mpmath numbers either side of it."""
        if count == 0:
            return [mpmath.mpf(0)]
        # The error of each logarithm grows with its exponent: the work keeps that many
        # more bits, and the result keeps 2^-117 of its size.
        size = 2.31 * abs(count.adjusted()) + 3 if isinstance(count, Decimal) else 0.7 * abs(math.frexp(count)[1]) + 2
        for base, exponent in self.terms:
            size += (float(abs(exponent)) + 1) * (abs(math.log(base.numerator) - math.log(base.denominator)) + 1)
        # Exponents near the largest double make the size itself overflow a float: their
        # logarithms need about 1030 more bits.
        extra = max(0, math.ceil(math.log2(size))) if math.isfinite(size) else 1100
        with mpmath.workprec(53 + 76 + extra):
            logarithm = mpmath.log(abs(mpmath.mpf(count if isinstance(count, float) else str(count))))
            for base, exponent in self.terms:
                logarithm += mpmath.mpf(str(exponent)) * mpmath.log(mpmath.mpf(base.numerator) / base.denominator)
            magnitude = mpmath.exp(logarithm)
            sign = -1 if (count < 0) != self.negative else 1
            return [sign * magnitude * (1 - mpmath.mpf(2) ** -117), sign * magnitude * (1 + mpmath.mpf(2) ** -117)]

    def exactly(self, count):
        """The value times count rounded to a double from exact rationals, where its exponents
        are small whole numbers; else None."""
        value = Fraction(count) * (-1 if self.negative else 1)
        for base, exponent in self.terms:
            bits = base.numerator.bit_length() + base.denominator.bit_length()
            if exponent != exponent.to_integral_value() or abs(exponent) * bits > 4000000:
                return None
            value *= base ** int(exponent)
        try:
            return float(value)
        except OverflowError:
            return math.inf if value > 0 else -math.inf


def check(text, bounds):
    """A text shown as a success against the bounds of its box."""
    if bounds is None:
        return "ok, no bounds (an infinite operand or a denominator that may be 0)"
    low, high, infinities = bounds
    if text in ("Infinity", "-Infinity"):
        if (1 if text == "Infinity" else -1) in infinities:
            return "ok, beyond the double range"
        return "WRONG: " + text
    try:
        value = Decimal(text)
    except decimal.InvalidOperation:
        return "WRONG: " + text
    if value.is_nan() or low is None or not low <= value <= high:
        return "WRONG: %s not in [%s, %s]" % (text, low, high)
    return "ok, within the bounds"


def check_chance(run, answer, count_text):
    """The 2 Outcomes answer: the correct rounding of its formula on the count shown, where
    the countdown kept x and y exact; else within the bounds of that on every count the
    rounding allows."""
    verdict = check(count_text, run.answer)
    if verdict.startswith("WRONG"):
        return "WRONG: Text3 " + verdict[len("WRONG: "):]
    if run.chance is None or run.answer is None:
        return "ok, no bounds (an infinite operand or a denominator that may be 0)"
    outcomes, favourable = run.chance[:2]
    if count_text in ("Infinity", "-Infinity") or not (math.isfinite(outcomes) and math.isfinite(favourable)):
        return "ok, no bounds (an infinite operand or a denominator that may be 0)"
    count = float(count_text)
    try:
        chance = Chance(*run.chance)
    except Fault as fault:
        if ANY in run.possible:
            return "ok, no bounds (an infinite operand or a denominator that may be 0)"
        return "WRONG: %s where the formula gives %s" % (answer, fault.kind)
    span = chance.span(count, count) if run.exact else chance.span(*widen(run.answer[0], run.answer[1]))
    if span is None:
        return "ok, no bounds (an infinite operand or a denominator that may be 0)"
    low, high = (to_double(v) for v in span)
    if run.exact:
        if low != high:  # a value on a boundary, or near one: exactly, where that can be done
            rounded = chance.exactly(count)
            if rounded is not None:
                low = high = rounded
        if low == high:
            if math.isinf(low):
                return "WRONG: %s where the formula gives arithmetic:overflow" % answer
            if answer == shown(low):
                return "ok, exactly the correct rounding"
            return "WRONG: %s where the correct rounding is %s" % (answer, shown(low))
    try:
        value = Decimal(answer)
    except decimal.InvalidOperation:
        return "WRONG: " + answer
    if value.is_finite() and Decimal(shown(low)) <= value <= Decimal(shown(high)):
        return "ok, too near a rounding boundary to tell (not compared)" if run.exact else "ok, within the bounds"
    return "WRONG: %s not in [%s, %s]" % (answer, shown(low), shown(high))


def judge(mode, inputs, outcome):
    kind = outcome[0]
    run = Run(mode, inputs)
    if kind not in run.possible and ANY not in run.possible:
        return "WRONG: %s where the run can only end with %s" % (kind, " or ".join(sorted(run.possible)))
    if kind != "ok":
        return "reported: " + kind + (", the only outcome open to it" if run.possible == {kind} else "")
    if mode == "Option4":
        return check_chance(run, outcome[5], outcome[8])
    return check(outcome[5], run.answer)


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


def written_as(rng, value):
    """A decimal as a user may type it: in full, or with an exponent."""
    return format(value, "f") if rng.random() < 0.5 else str(value)


def chances(rng):
    """The z and w of a die, a coin, a roulette wheel."""
    z = rng.choice([2, 6, 10, 37, 100])
    return str(z), str(rng.randint(0, z))


def above_1e15(rng):
    """n above 1E15, where x - 1 needs a 16th digit and rounds back to x (or the text has
    more digits than a countdown takes); 1E15 itself still counts down."""
    choice = rng.random()
    if choice < 0.7:
        mantissa = digits(rng, rng.randint(1, 15))
        n = written_as(rng, Decimal(mantissa).scaleb(rng.randint(16, 21) - len(mantissa)))
    elif choice < 0.85:
        n = rng.choice(["1E15", "1000000000000000", "999999999999999", "1E+15"])
    else:
        n = str(rng.randint(10 ** 15 + 1, 10 ** 17))
    if rng.random() < 0.15:
        n = "-" + n
    r = str(rng.randint(-3, 5)) if rng.random() < 0.8 else clean(number(rng, "fraction"))
    return rng.choice(["Option1", "Option2", "Option3", "Option4"]), [n, r] + list(chances(rng))


def many_digits(rng):
    """A text of 16 or 17 significant digits in some box (or of fewer, with the mantissa's
    trailing zeros, which do not count): a countdown must refuse it."""
    count = rng.choice([16, 17])
    choice = rng.random()
    if choice < 0.3:  # a whole number and a last digit
        whole = str(rng.randint(1, 60))
        text = whole + "." + "0" * (count - len(whole) - 1) + str(rng.randint(1, 9))
    elif choice < 0.6:
        text = digits(rng, count - 1) + str(rng.randint(1, 9))
        text = text.rjust(count, "1")
        point = rng.randint(1, min(3, len(text)))
        text = text[:point] + "." + text[point:]
    elif choice < 0.8:
        text = str(rng.randint(10 ** (count - 1), 10 ** count - 1))
    else:
        text = "%d.%s" % (rng.randint(1, 60), "0" * rng.randint(14, 18))
    mode = rng.choice(["Option1", "Option2", "Option3", "Option4"])
    texts = [str(rng.randint(0, 60)), str(rng.randint(0, 10))] + list(chances(rng))
    texts[rng.randrange(4 if mode == "Option4" else 1 if mode == "Option1" else 2)] = text
    return mode, texts


def hair_above(rng):
    """Fractions a hair above a whole number (10.0000000000001, 2.0001), which the countdown
    takes down to the hair itself."""
    def hair():
        whole = str(rng.randint(0, 200))
        return whole + "." + "0" * rng.randint(0, 14 - len(whole)) + str(rng.randint(1, 9))
    n = hair() if rng.random() < 0.7 else str(rng.randint(0, 200))
    r = hair() if rng.random() < 0.5 else str(rng.randint(0, 12))
    return rng.choice(["Option1", "Option2", "Option3", "Option4"]), [n, r] + list(chances(rng))


def far_above(rng):
    """A whole n and a fractional r above it, 150 to 998: the count is exactly 0, though the
    denominator overflows and its last factor is a fraction."""
    whole = rng.randint(150, 997)
    fraction = "0" * rng.randint(0, 2) + digits(rng, rng.randint(1, 9))
    r = "%d.%s" % (whole, fraction)
    n = str(rng.randint(0, whole))
    z = rng.choice([2, 6, 10, 37, 100])
    w = rng.randint(0, z - 1) if rng.random() < 0.8 else rng.randint(z, 2 * z)
    return rng.choice(["Option3", "Option4"]), [n, r, str(z), str(w)]


def below_smallest(rng):
    """An input below half the smallest double, which reads as 0 (and a few just above)."""
    choice = rng.random()
    if choice < 0.6:
        text = "%s.%sE-%d" % (rng.randint(1, 9), digits(rng, rng.randint(1, 5)), rng.randint(325, 999))
    elif choice < 0.85:
        text = rng.choice(["1E-400", "1E-324", "2.47032822920623E-324", "2.4E-324", "-1E-400", "0.00001E-320"])
    else:
        text = rng.choice(["2.47032822920624E-324", "2.5E-324", "4.9E-324", "5E-324"])
    mode = rng.choice(["Option1", "Option2", "Option3", "Option4", "Option4"])
    texts = [str(rng.randint(0, 30)), str(rng.randint(0, 5))] + list(chances(rng))
    texts[rng.randrange(4 if mode == "Option4" else 1 if mode == "Option1" else 2)] = text
    return mode, texts


def tiny_chance(rng):
    """A success of a tiny chance (or a failure), with a fractional number of successes."""
    n = rng.randint(0, 500) if rng.random() < 0.7 else rng.randint(1, 10 ** rng.randint(6, 15))
    r = "%d.%s" % (rng.randint(0, min(n, 30)), digits(rng, rng.randint(1, 4)))
    z = 10 ** rng.randint(6, 15) if rng.random() < 0.6 else rng.randint(10 ** 5, 10 ** 15)
    w = rng.randint(1, 3)
    return "Option4", [str(n), r, str(z), str(w if rng.random() < 0.7 else z - w)]


def above_z(rng):
    """w above z (a negative first chance) with n - r a whole number: no invalid operation."""
    r = "%d.%s" % (rng.randint(0, 20), digits(rng, rng.randint(1, 6)))
    n = str(Decimal(r) + rng.randint(0, 30))
    z = rng.randint(1, 20)
    w = rng.randint(z + 1, 3 * z) if rng.random() < 0.85 else z
    return "Option4", [n, r, str(z), str(w)]


FAMILIES = [above_1e15, many_digits, hair_above, far_above, below_smallest, tiny_chance, above_z]
KINDS = ["whole"] * 5 + ["fraction"] * 3 + ["negative", "tiny", "huge"]


def case(rng):
    if rng.random() < 0.18:
        return rng.choice(FAMILIES)(rng)
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

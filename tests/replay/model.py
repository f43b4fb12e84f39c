#!/usr/bin/python3
"""An independent model of whole runs, written from the algorithms alone, that generates a
large table of cases and the outcomes it expects from them.

Python's floats are IEEE doubles and its '%.15G' is C's, and mpmath (Debian's
python3-mpmath) gives the 2 Outcomes answer's numbers of any precision and exponent, so the
model needs none of the program's code. The countdown is exact decimal arithmetic on the
texts (Python's decimal), the 2 Outcomes exponents exact rationals taken from the texts, and
its answer the correctly rounded double of the exact expression (mpmath, to as many bits as
the rounding needs). It writes model_cases.tsv and model_cases.expected
beside itself, and the runs whose texts hold a separator with ',' and '.' swapped as
model_cases_comma.*, for a user whose decimal separator is the comma; the replay tests then
check the program against them:

    tests/replay/model.py
"""

import math
import os
import re
from decimal import MAX_EMAX, MIN_EMIN, ROUND_HALF_EVEN, Context, Decimal
from fractions import Fraction

import mpmath

NUMBER = re.compile(r"^ *[+-]?(?:Infinity|(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?) *$")
PLACEHOLDERS = {"x": "Field 1", "y": "Field 2", "z": "Field 3", "w": "Field 4"}
BOXES = ["x", "y", "z", "w", "a", "Text1", "Text2", "Text3"]


class Failure(Exception):
    pass


def write_text(v):
    if math.isinf(v):
        return "Infinity" if v > 0 else "-Infinity"
    if v == 0:
        return "0"
    return "%.15G" % v


def mantissa_digits(text):
    """The mantissa's digits with leading and trailing zeros dropped: what the text's decimal
    value needs, whatever zeros were typed around it."""
    mantissa = re.split("[eE]", text.strip().lstrip("+-"))[0]
    return mantissa.replace(".", "").strip("0")


def read_text(text):
    if len(text) > 1000 or not NUMBER.match(text):
        raise Failure("conversion")
    value = float(text.strip())
    # A number too small for a double but not 0 would read as 0 and silently change the run
    # (a factor 0, a countdown that ends at once, or a difference of a billion digits).
    if value == 0 and mantissa_digits(text):
        raise Failure("too-close-to-zero")
    return value


def decimal_of(text):
    """The exact decimal value of a finite number text."""
    return Decimal(text.strip())


def fraction_of(text):
    """The exact value of a finite number text, as a rational."""
    return Fraction(decimal_of(text))


# The countdown's arithmetic: exact, then rounded to the 15 significant digits a box keeps.
FIFTEEN = Context(prec=15, rounding=ROUND_HALF_EVEN, Emax=MAX_EMAX, Emin=MIN_EMIN)


def round53(value):
    """A number rounded to a double's 53 bits, with an exponent as wide as it needs."""
    with mpmath.workprec(53):
        return +value


def c_pow(base, exponent):
    """C's pow on such numbers, each result rounded to 53 bits: (result, flag or None). An
    exponent may be an exact rational (from the texts), so that whether it is whole or odd
    is decided on its exact value, not on a double near it."""
    if isinstance(exponent, Fraction):
        whole = exponent.denominator == 1
        odd = whole and exponent.numerator % 2 == 1
        size = exponent.numerator.bit_length() - exponent.denominator.bit_length()
        with mpmath.workprec(200 + max(0, size)):
            exponent = mpmath.mpf(exponent.numerator) / exponent.denominator
    else:
        whole = mpmath.isint(exponent)
        odd = whole and not mpmath.isinf(exponent) and int(exponent) % 2 == 1
    if exponent == 0 or base == 1:
        return mpmath.mpf(1), None
    if base == 0:
        sign = -1 if odd and str(base).startswith("-") else 1
        return (sign * mpmath.inf, "divbyzero") if exponent < 0 else (mpmath.mpf(0), None)
    if mpmath.isinf(exponent):
        if base == -1:
            return mpmath.mpf(1), None
        # Compared, not abs(): mpmath's abs rounds to its working precision, 1 + 2 ** -60 to 1.
        return (mpmath.inf if (base > 1 or base < -1) == (exponent > 0) else mpmath.mpf(0)), None
    sign = -1 if base < 0 and odd else 1
    # -Infinity to any power has a limit, +-Infinity or +-0: no invalid operation there.
    if mpmath.isinf(base):
        return sign * (mpmath.inf if exponent > 0 else mpmath.mpf(0)), None
    if base < 0 and not whole:
        return mpmath.nan, "invalid"
    with mpmath.workprec(200 + max(0, int(mpmath.mag(exponent)))):
        magnitude = mpmath.power(abs(base), exponent)
    return sign * round53(magnitude), None


# Enough bits for any difference of two doubles, and for products of a few 53-bit numbers,
# exactly; a quotient of two doubles at these bits is 1 or -1 only where it is exactly.
EXACT_BITS = 2200


def nearest_double(fraction):
    """A nonnegative rational rounded to the nearest double, ties to even, denormals
    included; one at or beyond the largest double's rounding limit is infinite."""
    try:
        return fraction.numerator / fraction.denominator  # Python rounds this once
    except OverflowError:
        return math.inf


def power_terms_magnitude(terms, bits):
    """The product of base ** exponent over the terms (positive bases), to within 2 ** -bits
    relative, as an mpf: the logarithms summed with enough bits that their sum's absolute
    error stays below 2 ** -bits whatever its size, then one exponential. No base here is
    further from 1 than a ratio of doubles, 2 ** 2200, so no logarithm exceeds 2 ** 11."""
    size = max(exponent.numerator.bit_length() - exponent.denominator.bit_length() + 1 for _, exponent in terms)
    with mpmath.workprec(bits + 32 + 11 + max(0, size)):
        logarithm = mpmath.mpf(0)
        for base, exponent in terms:
            logarithm += (mpmath.mpf(exponent.numerator) / exponent.denominator
                          * mpmath.log(mpmath.mpf(base.numerator) / base.denominator))
        return mpmath.exp(logarithm)


def correctly_rounded(terms):
    """The nearest double (ties to even) of the product of |base| ** exponent over the
    terms, bases and exponents exact rationals. More bits until the value's error interval
    rounds to one double; one still straddling a midpoint at thousands of bits is the
    midpoint itself (an exact tie, as 2.25 ** 0.5 halfway between two doubles would be)."""
    for bits in (128, 512, 2048, 8192):
        value = power_terms_magnitude(terms, bits)
        if mpmath.mag(value) > 1100:
            return math.inf
        if mpmath.mag(value) < -1100:
            return 0.0
        mantissa, exponent = value.man_exp
        exact = Fraction(mantissa) * Fraction(2) ** exponent
        slack = exact / 2 ** (bits - 8)
        low, high = nearest_double(exact - slack), nearest_double(exact + slack)
        if low == high:
            return low
    if math.isinf(high):
        return math.inf  # the largest double's limit is itself a tie, rounded away
    return nearest_double((Fraction(low) + Fraction(high)) / 2)


def require_finite(countdown_value):
    """A product of the countdown that passed the largest double reads back infinite; a
    result computed from it would be wrong, so the run stops instead."""
    if math.isinf(countdown_value):
        raise Failure("countdown-overflow")


class Run:
    def __init__(self, texts):
        self.texts = texts
        self.flags = set()

    # Every call on a box clears the fault flags.
    def get(self, box):
        self.flags.clear()
        return self.texts[box]

    def set(self, box, text):
        self.texts[box] = text
        self.flags.clear()

    def test(self):
        for flag in ("invalid", "divbyzero", "overflow"):
            if flag in self.flags:
                raise Failure("arithmetic:" + flag)

    def guarded(self, a, b, op):
        """The IEEE double result, and whether finite operands overflowed: the extended range
        keeps such a result finite, so only narrowing it raises the overflow flag."""
        if op == "/" and b == 0:
            if a == 0:
                self.flags.add("invalid")
            elif math.isfinite(a):
                self.flags.add("divbyzero")
            result = math.nan if a == 0 or math.isnan(a) else math.copysign(math.inf, a) * math.copysign(1, b)
        else:
            try:
                result = {"-": lambda: a - b, "*": lambda: a * b, "/": lambda: a / b}[op]()
            except OverflowError:  # Python raises where IEEE gives an infinity
                result = math.copysign(math.inf, a) * math.copysign(1, b)
            if math.isnan(result) and not math.isnan(a) and not math.isnan(b):
                self.flags.add("invalid")
        self.test()
        return result, math.isinf(result) and math.isfinite(a) and math.isfinite(b)

    def op(self, a, b, op):
        """Guarded, then narrowed to a double as an intermediate."""
        result, overflowed = self.guarded(a, b, op)
        if overflowed:
            self.flags.add("overflow")
        return result

    def write(self, box, a, b, op):
        """Guarded, then written: narrowed after the test, and the write clears the flags."""
        self.set(box, write_text(self.guarded(a, b, op)[0]))

    def read(self, box):
        return read_text(self.get(box))

    def multiply_into(self, target, factor, denominator=False):
        tf, tt = self.get(factor), self.get(target)
        product = read_text(tt)
        multiplier = read_text(tf)
        # An infinite product stands for a finite one too large for a box.
        if math.isinf(product) and math.isfinite(multiplier):
            if multiplier == 0:
                self.set(target, "0")
                return
            # A denominator's size matters only where its numerator is not 0, and the
            # quotient reports that case: a factor below 1 may leave it infinite.
            if abs(multiplier) < 1 and denominator:
                return
            if abs(multiplier) < 1:
                raise Failure("countdown-overflow")
        self.write(target, multiplier, product, "*")

    def count_down(self, box):
        """The box's text minus 1, exact in decimal, then rounded to the 15 digits a box
        keeps: a double's subtraction would leave binary noise in the text (1.0001 - 1 reads
        back as 9.9999999999989E-05) that compounds pass after pass."""
        text = self.get(box)
        value = read_text(text)
        if math.isinf(value):
            self.write(box, value, 1.0, "-")
            return
        # A box keeps 15 digits; a 16th typed would be lost by the first count, unseen.
        if len(mantissa_digits(text)) > 15:
            raise Failure("too-many-digits")
        exact = decimal_of(text)
        counted = FIFTEEN.subtract(exact, Decimal(1))
        # An x as large as 1E15 or more may round back to itself: the run would never end.
        # Like any operation that faults, this one writes nothing: x keeps the text typed.
        if box == "x" and counted >= exact:
            raise Failure("countdown-stalled")
        self.set(box, write_text(float(counted)))

    def quotient(self, target, numerator, denominator):
        td, tn = self.get(denominator), self.get(numerator)
        dividend = read_text(tn)
        divisor = read_text(td)
        if dividend == 0 and math.isinf(divisor):
            self.set(target, "0")
            return
        require_finite(dividend)
        require_finite(divisor)
        self.write(target, dividend, divisor, "/")

    def countdown_goes_on(self):
        tx, ty, _ = self.get("x"), self.get("y"), self.get("x")
        x = read_text(tx)
        y = read_text(ty)
        if self.op(x, y, "-") < x:
            return True
        if y > 0:
            raise Failure("countdown-stalled")
        return False

    def accumulate(self, first, numerator, denominator):
        if first:
            self.set(numerator, "1")
            self.set(denominator, "1")
        if not self.countdown_goes_on():
            return False
        if self.read("y") > 0:
            self.multiply_into(denominator, "y", denominator=True)
        self.multiply_into(numerator, "x")
        self.count_down("x")
        self.count_down("y")
        return True

    def wide(self, a, b, op, bits):
        """An operation rounded to `bits` with an unbounded exponent, with IEEE's invalid and
        division-by-zero flags, then the test."""
        if op == "/" and b == 0 and a != 0 and not mpmath.isnan(a):
            self.flags.add("divbyzero")
            result = mpmath.inf if (a > 0) == (not str(b).startswith("-")) else -mpmath.inf
        else:
            with mpmath.workprec(bits):
                try:
                    result = {"-": lambda: a - b, "*": lambda: a * b, "/": lambda: a / b}[op]()
                except ZeroDivisionError:  # 0 / 0
                    result = mpmath.nan
            if mpmath.isnan(result):
                self.flags.add("invalid")
        self.test()
        return result

    def wide_pow(self, base, exponent):
        result, flag = c_pow(base, exponent)
        if flag:
            self.flags.add(flag)
        return result

    def two_outcomes_answer(self, counter):
        """n - r and the exponent e exact from the texts the countdown left (so a typed 0.1
        stays 0.1, not the double near it), z - w exact; the faults from each operation in
        turn, as the operations would raise them; the answer the exact expression's nearest
        double, rounded once."""
        t = {k: self.get(k) for k in ("z", "w", "x", "y", "Text3")}
        doubles = {k: read_text(t[k]) for k in ("x", "y", "z", "w", "Text3")}
        X, Y, Z, W, T = (mpmath.mpf(doubles[k]) for k in ("x", "y", "z", "w", "Text3"))
        if mpmath.isinf(X) or mpmath.isinf(Y):
            d1 = self.wide(X, Y, "-", EXACT_BITS)
        else:
            d1 = fraction_of(t["x"]) - fraction_of(t["y"])
        d2 = self.wide(Z, W, "-", EXACT_BITS)
        q = self.wide(d2, Z, "/", EXACT_BITS)
        p1 = self.wide_pow(q, d1)
        m = mpmath.mpf(0) if mpmath.isinf(T) and p1 == 0 else self.wide(T, p1, "*", EXACT_BITS)
        self.test()
        if mpmath.isinf(Y):
            e = mpmath.mpf(float(Y) + (counter - 1))
        else:
            e = fraction_of(t["y"]) + (counter - 1)
        s = self.wide(W, Z, "/", EXACT_BITS)
        p2 = self.wide_pow(s, e)
        result = self.wide(p2, m, "*", EXACT_BITS)
        # No exponent is bounded here: a 0 or an infinity is exact, and a size far beyond a
        # double's range, even from 53-bit powers, is beyond it.
        if mpmath.isinf(result) or result == 0:
            value = float(result)
        elif mpmath.mag(result) > 1200:
            value = math.inf
        elif mpmath.mag(result) < -1200:
            value = 0.0
        else:
            value = math.copysign(correctly_rounded(self.answer_terms(doubles, q, d1, s, e)), -1 if result < 0 else 1)
        if math.isinf(value):
            raise Failure("arithmetic:overflow")
        self.set("a", write_text(value))

    @staticmethod
    def answer_terms(doubles, q, d1, s, e):
        """The answer's factors as (|base|, exponent), exact rationals, for an answer that is
        finite and not 0: so T is finite, and each power is 1 (dropped) or a finite base other
        than 1 or -1 (tested exactly) to a finite exponent, so z and w are finite there."""
        terms = [(abs(Fraction(doubles["Text3"])), Fraction(1))]
        if d1 != 0 and q != 1 and q != -1:  # not abs(q), which would round to 53 bits
            z, w = Fraction(doubles["z"]), Fraction(doubles["w"])
            terms.append((abs((z - w) / z), d1))
        if e != 0 and s != 1 and s != -1:
            z, w = Fraction(doubles["z"]), Fraction(doubles["w"])
            terms.append((abs(w / z), e))
        return terms

    def step(self, mode, counter):
        """One pass of the mode's step; True where it ended its countdown."""
        first = counter == 1
        if mode in ("Option1", "Option2") and first:
            self.set("a", "1")
        if mode == "Option1":
            if self.read("x") > 0:
                self.multiply_into("a", "x")
                self.count_down("x")
                return False
            return True
        if mode == "Option2":
            if self.countdown_goes_on():
                self.multiply_into("a", "x")
                self.count_down("x")
                self.count_down("y")
                return False
            return True
        if mode == "Option3":
            if self.accumulate(first, "z", "w"):
                return False
            self.quotient("a", "z", "w")
            return True
        if self.accumulate(first, "Text1", "Text2"):
            return False
        self.quotient("Text3", "Text1", "Text2")
        self.two_outcomes_answer(counter)
        return True


def replay(option, texts):
    run = Run(dict(zip(BOXES, texts)))
    try:
        counter = 1
        finished = False
        while counter <= 1000:
            for mode in ("Option1", "Option2", "Option3", "Option4"):
                run.flags.clear()  # asking the option is a call on a control
                if option == mode:
                    finished = run.step(mode, counter)
                    if finished:
                        counter = 1000
            counter += 1
        # Factorial and nPr hold their result where their test would now end the countdown,
        # and where it is 0, which no further factor could change.
        kind = "ok"
        if option in ("Option1", "Option2", "Option3", "Option4") and not finished:
            if option in ("Option1", "Option2") and run.read("a") == 0:
                pass
            elif option == "Option1":
                kind = "unfinished" if run.read("x") > 0 else "ok"
            elif option == "Option2":
                try:
                    kind = "unfinished" if run.countdown_goes_on() else "ok"
                except Failure as failure:
                    kind = str(failure)
            else:
                kind = "unfinished"
        # The run is over whatever it reports: the boxes are ready for the next one.
        for box, text in PLACEHOLDERS.items():
            run.set(box, text)
    except Failure as failure:
        kind = str(failure)
    return "\t".join([kind] + [run.texts[b] for b in BOXES])


def cases():
    scratch = ["Answer", "Text1", "Text2", "Text3"]
    numbers = ["-3", "-1", "0", "0.5", "1", "2", "2.5", "3", "5", "7.25", "10", "1E20", "Infinity", "-Infinity", "Field 1", ""]
    for n in [str(i) for i in range(-2, 175)] + numbers:
        yield ["Option1", n, "Field 2", "Field 3", "Field 4"] + scratch
    for n in list(range(0, 41, 2)) + [100, 170, 200, 400]:
        for r in list(range(-2, 46, 3)) + [n, n // 2, 1001]:
            for option in ("Option2", "Option3"):
                yield [option, str(n), str(r), "Field 3", "Field 4"] + scratch
    for x in numbers:
        for y in numbers:
            for option in ("Option2", "Option3"):
                yield [option, x, y, "9", "9"] + scratch
    for n in range(0, 13):
        for r in range(0, n + 2):
            for z in range(0, 7):
                for w in range(0, 8):
                    yield ["Option4", str(n), str(r), str(z), str(w)] + scratch
    for x in ["5", "2.5", "-4", "170", "1E308"]:
        for y in ["2", "0.5", "-1", "-1E308", "x"]:
            for z in ["2", "0", "-3", "0.25", "Infinity"]:
                for w in ["1", "3", "0", "-2", ""]:
                    yield ["Option4", x, y, z, w] + scratch
    for option in ("none", "Option5", "Option6", "Option7"):
        yield [option, "5", "2", "2", "1"] + scratch
    for texts in EDGE_CASES:
        yield list(texts) + ["Field 2", "Field 3", "Field 4"][len(texts) - 2:] + scratch


# Runs at the edges of the decimal countdown and of the 2 Outcomes answer, by family: an
# option and the texts typed, the boxes not named keeping their placeholders.
EDGE_CASES = [
    # n of 1E15 and above: 1E15 - 1 still has 15 digits, but 2E15 - 1 and 1.5E15 - 1 round
    # back to themselves, and so does -2E15 - 1; a y stuck so runs out of passes instead.
    ("Option1", "1E15"), ("Option1", "2E15"), ("Option1", "1.5E15"), ("Option1", "1000000000000000000"),
    ("Option2", "1E15", "3"), ("Option2", "2E15", "2"), ("Option2", "1.5E15", "2"), ("Option2", "-2E15", "2"),
    ("Option3", "1E15", "2"), ("Option3", "2E15", "2"), ("Option3", "-2E15", "2"),
    ("Option2", "5", "2E15"), ("Option3", "5", "2E15"),
    ("Option4", "1E15", "1", "2", "1"), ("Option4", "2E15", "1", "2", "1"), ("Option4", "2E15", "0", "2", "1"),
    # 16 and 17 significant digits typed: the 16th would be lost by the first count, so a
    # countdown refuses them; trailing zeros are no digits; a run that never counts down
    # takes its exponent from all of them.
    ("Option1", "5.000000000000001"), ("Option1", "5.0000000000000000"), ("Option1", "12345678901234567"),
    ("Option3", "2.000005", "132.0000000000004"), ("Option3", "5.0000000000000000", "2.000000000000000000"),
    ("Option2", "105.0000000000003", "279.341498208539"), ("Option2", "17.0006", "156.0000000000004"),
    ("Option2", "5.0000000000000000", "00002.0000000000000000"),
    ("Option4", "5.0000000000000000", "2.00000000000000000", "2", "1"), ("Option4", "3.000000000000001", "0", "2", "1"),
    # A hair above a whole number: double subtraction would leave binary noise in the texts.
    ("Option1", "10.0000000000001"), ("Option1", "2.0001"), ("Option2", "10.0000000000001", "3"),
    ("Option3", "159", "58.000000000001"), ("Option4", "10.0000000000001", "3.0001", "2", "1"),
    # A whole n, a fractional r above it: the numerator reaches 0 while the denominator has
    # passed the largest double and still takes factors below 1; with a numerator not 0.
    ("Option3", "3", "171.5"), ("Option3", "171", "171.5"), ("Option3", "3", "200.5"), ("Option3", "0.5", "171.5"),
    ("Option4", "3", "171.5", "2", "1"), ("Option4", "171", "171.5", "2", "1"),
    # Below the smallest double: reported, of either sign; a written 0, and the smallest
    # double and one rounding up to it, are numbers.
    ("Option1", "1E-400"), ("Option1", "-1E-400"), ("Option1", "0E-400"), ("Option1", "2E-324"), ("Option1", "3E-324"),
    ("Option1", "4.9E-324"), ("Option2", "5", "1E-400"), ("Option2", "5", "-1E-400"), ("Option3", "1E-400", "2"),
    ("Option4", "5", "2", "1E-400", "1"), ("Option4", "5", "2", "2", "1E-400"), ("Option4", "5", "2", "2", "-1E-400"),
    # 2 Outcomes with n - r whole in decimal (1.1 - -0.9) though not in doubles, w above z;
    # a chance a hair below 1 (its power not 1) and -Infinity to a fractional power (+Infinity).
    ("Option4", "2.1", "0.1", "1", "2"), ("Option4", "1.1", "-0.9", "1", "2"), ("Option4", "0.7", "-0.3", "1", "3"),
    ("Option4", "3E15", "-8.230406648", "8E16", "0.489487699"), ("Option4", "2.5", "0", "5", "Infinity"),
    # Tiny chances to fractional powers, and answers among the denormals, 2 ** -1075 a tie.
    ("Option4", "5", "0.937278801", "1E100", "2.5E-221"), ("Option4", "1074", "0", "2", "1"),
    ("Option4", "1075", "0", "2", "1"), ("Option4", "1074.5", "0", "2", "1"), ("Option4", "1075.5", "0", "2", "1"),
    # Answers whose last digit needs the exact expression rounded once.
    ("Option4", "24", "-17", "9", "-16"), ("Option4", "208", "-6", "12", "45"), ("Option4", "365", "0", "7", "6"),
    ("Option4", "1207", "0", "9", "4"),
    # After the last pass: a product that reached 0 stays 0; a stall there still gives the
    # boxes back.
    ("Option2", "5", "1000.5"), ("Option2", "-3.5", "1001"), ("Option2", "1000000", "1000.00000000001"),
    # A negative number below the smallest double, whose decimal is a billion digits long.
    ("Option2", "-1E-999999999", "3"),
    # n - r a hair above a whole number, which 2112 bits would round to it; a result exactly
    # between two doubles, whose chances no number of bits holds exactly.
    ("Option4", "2." + "0" * 639 + "1", "0", "1", "3"), ("Option4", "0", "-2", "7.50000075995922088623046875", "3"),
]


def swap_separators(line):
    return line.translate(str.maketrans(".,", ",."))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    lines = []
    for case in cases():
        lines.append(("\t".join(case), replay(case[0], case[1:])))
    # A run whose texts hold no separator at all is the same with either: the comma table
    # keeps only the runs where the separator matters.
    with_separator = [(case, outcome) for case, outcome in lines if re.search("[.,]", case + outcome)]
    for suffix, table, convert in (("", lines, lambda line: line), ("_comma", with_separator, swap_separators)):
        with open(os.path.join(here, "model_cases%s.tsv" % suffix), "w") as case_file:
            case_file.writelines(convert(case) + "\n" for case, _ in table)
        with open(os.path.join(here, "model_cases%s.expected" % suffix), "w") as expected_file:
            expected_file.writelines(convert(outcome) + "\n" for _, outcome in table)


if __name__ == "__main__":
    main()

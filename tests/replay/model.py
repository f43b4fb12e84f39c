#!/usr/bin/python3
"""An independent model of whole runs, written from the algorithms alone, that generates a
large table of cases and the outcomes it expects from them.

Python's floats are IEEE doubles and its '%.15G' is C's, and mpmath (Debian's
python3-mpmath) gives the 2 Outcomes answer's numbers of any precision and exponent, so the
model needs none of the program's code. It writes model_cases.tsv and model_cases.expected
beside itself, and the runs whose texts hold a separator with ',' and '.' swapped as
model_cases_comma.*, for a user whose decimal separator is the comma; the replay tests then
check the program against them:

    tests/replay/model.py
"""

import math
import os
import re
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


def read_text(text):
    if len(text) > 1000 or not NUMBER.match(text):
        raise Failure("conversion")
    return float(text.strip())


def round53(value):
    """A number rounded to a double's 53 bits, with an exponent as wide as it needs."""
    with mpmath.workprec(53):
        return +value


def c_pow(base, exponent):
    """C's pow on such numbers, each result rounded to 53 bits: (result, flag or None)."""
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
        return (mpmath.inf if (abs(base) > 1) == (exponent > 0) else mpmath.mpf(0)), None
    if base < 0 and not whole:
        return mpmath.nan, "invalid"
    sign = -1 if base < 0 and odd else 1
    if mpmath.isinf(base):
        return sign * (mpmath.inf if exponent > 0 else mpmath.mpf(0)), None
    with mpmath.workprec(200 + max(0, int(mpmath.mag(exponent)))):
        magnitude = mpmath.power(abs(base), exponent)
    return sign * round53(magnitude), None


# Enough bits for any difference of two doubles, and for products of a few 53-bit numbers,
# exactly.
EXACT_BITS = 2200


def chance_bits(exponent):
    """A double's bits, 64 more, and the exponent's size: the power keeps its last bit."""
    return 53 + 64 + (max(0, int(mpmath.mag(exponent))) if mpmath.isfinite(exponent) and exponent != 0 else 0)


def to_double(value):
    """Rounded to the nearest double once, denormals included."""
    if mpmath.isinf(value) or value == 0:
        return float(value)
    if mpmath.mag(value) > 1100:
        return math.copysign(math.inf, value)
    if mpmath.mag(value) < -1100:
        return math.copysign(0.0, value)
    mantissa, exponent = value.man_exp  # the mantissa's size; the sign is the value's
    return math.copysign(float(Fraction(mantissa) * Fraction(2) ** exponent), -1 if value < 0 else 1)


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

    def multiply_into(self, target, factor):
        tf, tt = self.get(factor), self.get(target)
        product = read_text(tt)
        multiplier = read_text(tf)
        # An infinite product stands for a finite one too large for a box.
        if math.isinf(product) and math.isfinite(multiplier):
            if multiplier == 0:
                self.set(target, "0")
                return
            if abs(multiplier) < 1:
                raise Failure("countdown-overflow")
        self.write(target, multiplier, product, "*")

    def count_down(self, box):
        self.write(box, self.read(box), 1.0, "-")

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
            self.multiply_into(denominator, "y")
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
        """n - r and z - w exact, each chance with the bits its power needs, the powers
        rounded to 53 bits, the products exact, with no limit on any exponent; the result
        rounded to a double once, and one beyond the largest double an overflow."""
        t = {k: self.get(k) for k in ("z", "w", "x", "y", "Text3")}
        X, Y, Z, W, T = (mpmath.mpf(read_text(t[k])) for k in ("x", "y", "z", "w", "Text3"))
        d1 = self.wide(X, Y, "-", EXACT_BITS)
        d2 = self.wide(Z, W, "-", EXACT_BITS)
        q = self.wide(d2, Z, "/", chance_bits(d1))
        p1 = self.wide_pow(q, d1)
        m = mpmath.mpf(0) if mpmath.isinf(T) and p1 == 0 else self.wide(T, p1, "*", EXACT_BITS)
        self.test()
        e = mpmath.mpf(read_text(t["y"]) + (counter - 1))
        s = self.wide(W, Z, "/", chance_bits(e))
        p2 = self.wide_pow(s, e)
        result = self.wide(p2, m, "*", EXACT_BITS)
        value = to_double(result)
        if math.isinf(value):
            raise Failure("arithmetic:overflow")
        self.set("a", write_text(value))

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
        # Factorial and nPr hold their result where their test would now end the countdown.
        if option in ("Option1", "Option2", "Option3", "Option4") and not finished:
            if option == "Option1":
                unfinished = run.read("x") > 0
            elif option == "Option2":
                unfinished = run.countdown_goes_on()
            else:
                unfinished = True
        else:
            unfinished = False
        for box, text in PLACEHOLDERS.items():
            run.set(box, text)
        kind = "unfinished" if unfinished else "ok"
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

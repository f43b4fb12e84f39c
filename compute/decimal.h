#pragma once

// Exact decimal numbers: the values that the boxes' texts write. The countdown takes its
// differences on these rather than on the doubles read, so that 10.0000000000001 counts down
// to 1E-13 and not to the binary neighbour's 9.99200722162641E-14, and 2.1 - 0.1 is exactly 2.
// Meant for numbers a double's range holds: their digits run from about 10^308 down to
// 10^-1400 (a thousand digits after 10^-324), so that aligning two of them stays small.

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace combicalc {

class Decimal {
public:
    // (-1)^negative * digits * 10^exponent; `digits` are ASCII, leading and trailing zeros
    // allowed, none at all for 0.
    Decimal(bool negative, std::string_view digits, std::int64_t exponent);
    explicit Decimal(long whole = 0);

    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b);
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) = default;

    bool isZero() const { return digits_.empty(); }
    // Leading and trailing zeros not counted: 1 for 5.000, 1E+18 and 0.0001.
    int significantDigits() const { return static_cast<int>(digits_.size()); }
    // To that many significant digits, a tie to the even last digit, as a box keeps a number.
    Decimal roundedTo(int digits) const;
    // "-125e-2": what fast_float and MPFR read exactly as it stands.
    std::string scientific() const;
    // The bits a binary number needs to be this one where it is whole, or to stay apart from
    // every whole number where it is not: those of its digits, and of its zeros before the
    // point.
    long bitsToTellWhole() const;
    double nearestDouble() const;

private:
    // Both numbers as integers over the smaller of their exponents, given to `small` as 64-bit
    // integers where both fit, else to `large` as GMP's; with that exponent.
    template <class Small, class Large>
    static auto aligned(const Decimal& a, const Decimal& b, Small small, Large large);

    bool negative_ = false;
    std::string digits_;         // no leading or trailing zero; empty for 0
    std::int64_t exponent_ = 0;  // 0 for 0
};

}  // namespace combicalc

#include "compute/decimal.h"

#include <gmp.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

#include <fast_float/fast_float.h>

namespace combicalc {

namespace {

// A number of GMP's, freed on every way out.
class Integer {
public:
    Integer() { mpz_init(value_); }
    ~Integer() { mpz_clear(value_); }
    Integer(const Integer&) = delete;
    Integer& operator=(const Integer&) = delete;
    operator mpz_ptr() { return value_; }
    operator mpz_srcptr() const { return value_; }

private:
    mpz_t value_;
};

// The decimal's value times 10^-exponent, which must be at most its own exponent.
void scaledTo(mpz_ptr target, bool negative, const std::string& digits, std::int64_t ownExponent, std::int64_t exponent) {
    if (digits.empty()) return mpz_set_ui(target, 0);
    mpz_set_str(target, digits.c_str(), 10);
    Integer power;
    mpz_ui_pow_ui(power, 10, static_cast<unsigned long>(ownExponent - exponent));
    mpz_mul(target, target, power);
    if (negative) mpz_neg(target, target);
}

Decimal fromInteger(mpz_srcptr value, std::int64_t exponent) {
    std::string digits(mpz_sizeinbase(value, 10) + 2, '\0');
    mpz_get_str(digits.data(), 10, value);
    digits.resize(digits.find('\0'));
    const bool negative = digits.front() == '-';
    return Decimal(negative, std::string_view(digits).substr(negative ? 1 : 0), exponent);
}

}  // namespace

Decimal::Decimal(bool negative, std::string_view digits, std::int64_t exponent) {
    const auto first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return;
    const auto last = digits.find_last_not_of('0');
    negative_ = negative;
    digits_ = digits.substr(first, last + 1 - first);
    exponent_ = exponent + static_cast<std::int64_t>(digits.size() - last - 1);
}

Decimal::Decimal(long whole)
    : Decimal(whole < 0, std::to_string(whole < 0 ? -static_cast<unsigned long>(whole) : static_cast<unsigned long>(whole)), 0) {}

namespace {

// Most countdown values have a few digits and a small exponent: their sums and comparisons
// fit in 64 bits, without GMP's conversions, which a run's thousand passes would feel.
constexpr std::size_t kSmallDigits = 18;

// The coefficient times 10^shift, where that has at most 18 digits.
std::optional<std::int64_t> smallScaled(bool negative, const std::string& digits, std::int64_t shift) {
    if (static_cast<std::int64_t>(digits.size()) + shift > static_cast<std::int64_t>(kSmallDigits)) return std::nullopt;
    std::int64_t value = 0;
    for (const char digit : digits) value = value * 10 + (digit - '0');
    for (std::int64_t i = 0; i < shift; ++i) value *= 10;
    return negative ? -value : value;
}

Decimal fromSmall(std::int64_t value, std::int64_t exponent) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    return Decimal(value < 0, digits, exponent);
}

}  // namespace

template <class Small, class Large>
auto Decimal::aligned(const Decimal& a, const Decimal& b, Small small, Large large) {
    const std::int64_t exponent = std::min(a.exponent_, b.exponent_);
    const auto smallA = smallScaled(a.negative_, a.digits_, a.exponent_ - exponent);
    const auto smallB = smallScaled(b.negative_, b.digits_, b.exponent_ - exponent);
    if (smallA && smallB) return small(*smallA, *smallB, exponent);
    Integer x;
    Integer y;
    scaledTo(x, a.negative_, a.digits_, a.exponent_, exponent);
    scaledTo(y, b.negative_, b.digits_, b.exponent_, exponent);
    return large(x, y, exponent);
}

Decimal operator+(const Decimal& a, const Decimal& b) {
    return Decimal::aligned(
        a,
        b,
        [](std::int64_t x, std::int64_t y, std::int64_t exponent) { return fromSmall(x + y, exponent); },
        [](mpz_ptr x, mpz_srcptr y, std::int64_t exponent) {
            mpz_add(x, x, y);
            return fromInteger(x, exponent);
        });
}

Decimal operator-(const Decimal& a, const Decimal& b) {
    Decimal negated = b;
    negated.negative_ = !b.digits_.empty() && !b.negative_;
    return a + negated;
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    return Decimal::aligned(
        a,
        b,
        [](std::int64_t x, std::int64_t y, std::int64_t) { return x <=> y; },
        [](mpz_srcptr x, mpz_srcptr y, std::int64_t) { return mpz_cmp(x, y) <=> 0; });
}

Decimal Decimal::roundedTo(int digits) const {
    const auto kept = static_cast<std::size_t>(std::max(digits, 0));
    if (digits_.size() <= kept) return *this;
    // The digits dropped are more than half a unit of the last kept one, or exactly half
    // with an odd digit before them.
    const char first = digits_[kept];
    const bool beyondHalf = first > '5' || (first == '5' && digits_.find_first_not_of('0', kept + 1) != std::string::npos);
    const bool tieToOdd = first == '5' && !beyondHalf && kept > 0 && (digits_[kept - 1] - '0') % 2 != 0;
    const std::int64_t exponent = exponent_ + static_cast<std::int64_t>(digits_.size() - kept);
    const Decimal truncated(negative_, std::string_view(digits_).substr(0, kept), exponent);
    if (!beyondHalf && !tieToOdd) return truncated;
    return truncated + Decimal(negative_, "1", exponent);
}

std::string Decimal::scientific() const {
    if (digits_.empty()) return "0";
    return (negative_ ? "-" : "") + digits_ + "e" + std::to_string(exponent_);
}

long Decimal::bitsToTellWhole() const {
    constexpr double kBitsPerDigit = 3.33;  // above log2(10)
    const auto digits = static_cast<double>(digits_.size() + static_cast<std::size_t>(std::max<std::int64_t>(exponent_, 0)));
    return static_cast<long>(digits * kBitsPerDigit) + 8;
}

double Decimal::nearestDouble() const {
    const std::string text = scientific();
    double value = 0;
    fast_float::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace combicalc

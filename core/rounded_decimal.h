#pragma once

#include <array>

namespace tarvola::detail {

// A finite double rounded to 15 significant decimal digits, the precision at which the program
// shows every number: value = (negative ? -1 : 1) * d0.d1...d14 * 10^exponent.
struct RoundedDecimal {
    static constexpr int kDigits = 15;

    bool negative = false;
    std::array<char, kDigits> digits{}; // ASCII '0'..'9'; digits[0] != '0' unless the value is 0
    int exponent = 0;

    // Requires a finite x. Rounds to nearest on the exact binary value.
    [[nodiscard]] static RoundedDecimal From(double x);

    // Number of digits left once trailing zeros are dropped (at least 1).
    [[nodiscard]] int significantDigits() const;

    [[nodiscard]] bool isZero() const { return digits[0] == '0'; }
};

} // namespace tarvola::detail

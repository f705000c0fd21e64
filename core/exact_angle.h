#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvola {

// The unit of the last part of a written angle: what its fraction is a fraction of.
enum class AngleUnit { Degree, Minute, Second };

// An angle exactly as its text wrote it, never rounded: its magnitude is kept as the decimal
// digits of the angle counted in the unit of its last part (48° 51' 30.2" is 175890.2 seconds),
// so that it is rounded once, where a field is written, and ties are decided on the written
// digits. Limits: none on the number of digits (every operation is linear in them); a rounding
// whose result reaches 5·10^17 in magnitude gives nothing.
class ExactAngle {
public:
    // Zero degrees.
    ExactAngle() = default;

    // sign × (degrees + minutes/60 + seconds/3600 + 0.fraction units), where `unit` is the
    // unit of the last part written: the fraction belongs to it, and minutes and seconds after
    // it are ignored (0 for an angle of degrees alone). `degrees` and `fraction` are ASCII
    // digits, as long as they like; minutes and seconds are whole numbers below 60.
    ExactAngle(bool negative, std::string_view degrees, unsigned minutes, unsigned seconds, std::string_view fraction,
               AngleUnit unit);

    // The angle times perDegree (3600 for whole seconds, 10^k for k decimals of a degree),
    // rounded to the nearest whole number with halves going away from zero. Requires perDegree
    // in 1..10^9. Nothing when the magnitude of the result would reach 5·10^17.
    [[nodiscard]] std::optional<std::int64_t> RoundedMultiple(std::int64_t perDegree) const;

    [[nodiscard]] bool negative() const { return m_negative; }

private:
    bool m_negative = false;
    std::string m_digits = "0";       // no leading zeros beyond one before the point
    std::size_t m_fractionDigits = 0; // the last ones of m_digits; no trailing zeros among them
    AngleUnit m_unit = AngleUnit::Degree;
};

} // namespace tarvola

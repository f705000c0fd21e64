#pragma once

#include "core/conversion_failure.h"
#include "core/locale_separators.h"
#include "core/number_text.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <variant>

namespace tarvola {

// A working value of the decimal-to-DMS conversion: Empty until something is stored, then a
// Number or a Text. Text is read as a number only when arithmetic needs it.
class LooseValue {
public:
    LooseValue() = default; // Empty
    [[nodiscard]] static LooseValue Number(double value) { return LooseValue(value); }
    [[nodiscard]] static LooseValue Text(std::string value) { return LooseValue(std::move(value)); }

    // The Number or the Text held; null when the value holds something else.
    [[nodiscard]] const double* number() const { return std::get_if<double>(&m_value); }
    [[nodiscard]] const std::string* text() const { return std::get_if<std::string>(&m_value); }

private:
    explicit LooseValue(double value) : m_value(value) { }
    explicit LooseValue(std::string value) : m_value(std::move(value)) { }

    std::variant<std::monostate, double, std::string> m_value;
};

// NumericValue with no value instead of ConversionFailure.
[[nodiscard]] std::optional<double> TryNumericValue(const LooseValue& value, const LocaleSeparators& separators);

// The value as a number: Empty is 0, Text goes through ParseNumber.
// Throws ConversionFailure when the Text is not a number.
// Kept inline, with the arithmetic below: the decimal-to-DMS conversion runs them on every tick.
[[nodiscard]] inline double NumericValue(const LooseValue& value, const LocaleSeparators& separators)
{
    if (const double* number = value.number())
        return *number;
    if (const std::optional<double> number = TryNumericValue(value, separators))
        return *number;
    throw ConversionFailure {};
}

// FloorValue of NumericValue. Throws ConversionFailure when the Text is not a number.
[[nodiscard]] inline double FloorValue(const LooseValue& value, const LocaleSeparators& separators)
{
    return FloorValue(NumericValue(value, separators));
}

// a - b and a * b as Numbers. Throw ConversionFailure when a Text operand is not a number.
[[nodiscard]] inline LooseValue Subtract(const LooseValue& a, const LooseValue& b, const LocaleSeparators& separators)
{
    return LooseValue::Number(NumericValue(a, separators) - NumericValue(b, separators));
}
[[nodiscard]] inline LooseValue Multiply(const LooseValue& a, const LooseValue& b, const LocaleSeparators& separators)
{
    return LooseValue::Number(NumericValue(a, separators) * NumericValue(b, separators));
}

// Joins the pieces in order: Text as it stands, a Number through NumberToText, Empty as nothing.
// Never fails.
[[nodiscard]] std::string Join(std::initializer_list<std::reference_wrapper<const LooseValue>> pieces,
                               const LocaleSeparators& separators);

} // namespace tarvola

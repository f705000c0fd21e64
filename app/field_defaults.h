#pragma once

#include "core/locale_separators.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvola {

// What each of the six fields holds when the window opens, and how many characters it takes.
struct FieldDefault {
    std::string_view text;
    std::optional<int> maxLength; // none: no limit
};

inline constexpr FieldDefault kText1Default {"000", 3};       // degrees input
inline constexpr FieldDefault kText2Default {"00", 2};        // minutes input
inline constexpr FieldDefault kText3Default {"00", 2};        // seconds input
inline constexpr FieldDefault kText4Default {"000,00000", 9}; // decimal result
inline constexpr FieldDefault kText5Default {"000,00000", 9}; // decimal input
inline constexpr FieldDefault kText6Default {"000", std::nullopt}; // DMS result

// The field's default text as it is shown under these separators. "000,00000" reads as zero
// wherever the comma is the decimal or a group separator, and is kept there; under any other
// locale (de_CH, ar_EG, ...) its comma becomes the locale's decimal separator, so that the
// default still reads as zero. Texts without a comma are kept as they are.
[[nodiscard]] std::string LocalDefaultText(const FieldDefault& field, const LocaleSeparators& separators);

} // namespace tarvola

#pragma once

#include <optional>
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

} // namespace tarvola

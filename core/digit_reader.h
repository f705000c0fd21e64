#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tarvola::detail {

// The digit scripts a number may be written in: Latin, Arabic-Indic (U+0660..U+0669) and
// Persian (U+06F0..U+06F9), the digits those keyboard layouts type. One number uses one script.
enum class DigitScript { None, Latin, ArabicIndic, Persian };

struct Digit {
    char ascii; // '0'..'9'
    DigitScript script;
    std::size_t size; // bytes taken in the UTF-8 text
};

// The digit of any script that starts at `position` (< text.size()) in UTF-8 text, if one does.
[[nodiscard]] std::optional<Digit> DigitAt(std::string_view text, std::size_t position);

// Reads the digits of one number, all of one script, from `position` onwards; Latin ones by the
// fastest path.
class DigitReader {
public:
    explicit DigitReader(std::string_view text) : m_text(text) { }

    // The digit at position as ASCII, if it is one of the number's script (the first digit read
    // sets the script); moves past it. A digit of another script marks the number as mixed.
    std::optional<char> next(std::size_t& position);

    // A digit of another script came after the first digit.
    [[nodiscard]] bool mixed() const { return m_mixed; }

private:
    std::string_view m_text;
    DigitScript m_script = DigitScript::None;
    bool m_mixed = false;
};

} // namespace tarvola::detail

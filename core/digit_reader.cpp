#include "core/digit_reader.h"

namespace tarvola::detail {

std::optional<Digit> DigitAt(std::string_view text, std::size_t position)
{
    const char c = text[position];
    if (c >= '0' && c <= '9')
        return Digit {c, DigitScript::Latin, 1};
    if (position + 1 >= text.size())
        return std::nullopt;
    const auto lead = static_cast<unsigned char>(c);
    const auto next = static_cast<unsigned char>(text[position + 1]);
    if (lead == 0xD9 && next >= 0xA0 && next <= 0xA9) // U+0660..U+0669
        return Digit {static_cast<char>('0' + (next - 0xA0)), DigitScript::ArabicIndic, 2};
    if (lead == 0xDB && next >= 0xB0 && next <= 0xB9) // U+06F0..U+06F9
        return Digit {static_cast<char>('0' + (next - 0xB0)), DigitScript::Persian, 2};
    return std::nullopt;
}

std::optional<char> DigitReader::next(std::size_t& position)
{
    if (position >= m_text.size())
        return std::nullopt;
    const char c = m_text[position];
    const bool latin = c >= '0' && c <= '9';
    if (latin && m_script == DigitScript::Latin) {
        ++position;
        return c;
    }
    const std::optional<Digit> digit = latin ? Digit {c, DigitScript::Latin, 1} : DigitAt(m_text, position);
    if (!digit)
        return std::nullopt;
    if (m_script == DigitScript::None)
        m_script = digit->script;
    if (digit->script != m_script) {
        m_mixed = true;
        return std::nullopt;
    }
    position += digit->size;
    return digit->ascii;
}

} // namespace tarvola::detail

#include "memory_text_field.h"

namespace tarvola {

MemoryTextField::MemoryTextField(const FieldDefault& field)
    : MemoryTextField(std::string(field.text), field.maxLength)
{
}

MemoryTextField::MemoryTextField(std::string text, std::optional<int> maxLength)
    : m_text(std::move(text))
    , m_maxLength(maxLength)
{
}

void MemoryTextField::write(std::string_view text)
{
    m_text = m_maxLength ? LeadingCharacters(text, *m_maxLength) : text;
    ++m_writeCount;
}

std::string_view LeadingCharacters(std::string_view utf8, int maxLength)
{
    std::size_t end = 0;
    for (int count = 0; count < maxLength && end < utf8.size(); ++count) {
        ++end;
        // Continuation bytes belong to the character just started.
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
            ++end;
    }
    return utf8.substr(0, end);
}

} // namespace tarvola

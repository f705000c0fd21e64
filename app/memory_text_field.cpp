#include "app/memory_text_field.h"

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

} // namespace tarvola

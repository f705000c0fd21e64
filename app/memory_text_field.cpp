#include "app/memory_text_field.h"

namespace tarvola {

MemoryTextField::MemoryTextField(const FieldDefault& field)
    : m_text(field.text)
    , m_maxLength(field.maxLength)
{
}

void MemoryTextField::write(std::string_view text)
{
    m_text = m_maxLength ? LeadingCharacters(text, *m_maxLength) : text;
    ++m_writeCount;
}

} // namespace tarvola

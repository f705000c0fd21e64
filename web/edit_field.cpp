#include "web/edit_field.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

// The script's fields are Module.editFields, in tab order (main.js hands them over); each has a
// `text` and a `write(text)`. Texts cross as UTF-8.

// The length in UTF-8 bytes of the field's text; -1 when there is no such field.
EM_JS(int, tarvola_page_field_length, (int index), {
    const field = Module["editFields"] && Module["editFields"][index];
    return field ? lengthBytesUTF8(field.text) : -1;
});

// Copies the field's text into `out`, NUL included, in at most `size` bytes.
EM_JS(void, tarvola_page_field_copy, (int index, char* out, int size), {
    stringToUTF8(Module["editFields"][index].text, out, size);
});

// Hands `length` bytes of UTF-8 at `text` to the field's write.
EM_JS(void, tarvola_page_field_write, (int index, const char* text, int length), {
    const field = Module["editFields"] && Module["editFields"][index];
    if (field)
        field.write(UTF8ToString(text, length));
});

} // namespace

namespace tarvola {

EditField::EditField(int index, std::optional<int> maxLength) : m_index(index), m_maxLength(maxLength) { }

std::string EditField::text() const
{
    const int length = tarvola_page_field_length(m_index);
    if (length <= 0)
        return {};
    // One byte more for the NUL the copy ends with.
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    tarvola_page_field_copy(m_index, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void EditField::write(std::string_view text)
{
    const std::string_view kept = m_maxLength ? LeadingCharacters(text, *m_maxLength) : text;
    tarvola_page_field_write(m_index, kept.data(), static_cast<int>(kept.size()));
}

} // namespace tarvola

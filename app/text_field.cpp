#include "app/text_field.h"

namespace tarvola {

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

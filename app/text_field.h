#pragma once

#include <string>
#include <string_view>

namespace tarvola {

// One text field as the refresh cycle sees it; each front end adapts its own text control to it
// (EditField), tests use an in-memory model (MemoryTextField).
class TextField {
public:
    virtual ~TextField() = default;

    // The text as the user last left it, in UTF-8.
    [[nodiscard]] virtual std::string text() const = 0;

    // Replaces the whole text. A field with a maximum length keeps only that many leading
    // characters, silently. The write happens even when the text is unchanged.
    virtual void write(std::string_view text) = 0;
};

// The first maxLength Unicode characters of UTF-8 text: what a field with that maximum length
// keeps of a write. Bytes that are not valid UTF-8 count as one character each.
[[nodiscard]] std::string_view LeadingCharacters(std::string_view utf8, int maxLength);

} // namespace tarvola

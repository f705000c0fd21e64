#pragma once

#include "app/field_defaults.h"
#include "app/text_field.h"

#include <optional>
#include <string>
#include <utility>

namespace tarvola {

// A text field held in memory, for driving the refresh cycle without a window. Its maximum
// length counts Unicode characters, as a line edit does for the texts the program writes.
class MemoryTextField final : public TextField {
public:
    // A field holding its default text, with its maximum length.
    explicit MemoryTextField(const FieldDefault& field);

    [[nodiscard]] std::string text() const override { return m_text; }
    void write(std::string_view text) override;

    // Puts text in as a user would: whole, ignoring the length limit, without counting a write.
    void type(std::string text) { m_text = std::move(text); }
    // How many times the text was written (not typed) since the field was made.
    [[nodiscard]] int writeCount() const { return m_writeCount; }

private:
    std::string m_text;
    std::optional<int> m_maxLength;
    int m_writeCount = 0;
};

} // namespace tarvola

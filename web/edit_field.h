#pragma once

#include "app/text_field.h"

#include <optional>

namespace tarvola {

// One of the page's six fields as the refresh cycle sees it: the text of its input, read and
// written through the page's script, so that the text lives in the input alone. `index` is the
// field's place in tab order (0 for Text1), where the script keeps its fields. Writes are cut to
// `maxLength` Unicode characters. A write hands the text to the script's field, which changes the
// input only when the text is new (a selection in a result survives the ticks) and draws a result
// too wide for its field smaller. Before the script has handed over its fields, a field reads
// empty and takes no write.
class EditField final : public TextField {
public:
    EditField(int index, std::optional<int> maxLength);

    [[nodiscard]] std::string text() const override;
    void write(std::string_view text) override;

private:
    int m_index;
    std::optional<int> m_maxLength;
};

} // namespace tarvola

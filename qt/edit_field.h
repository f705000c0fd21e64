#pragma once

#include "app/text_field.h"

class QLineEdit;

namespace tarvola {

// A QLineEdit as a field of the refresh cycle. Writes are cut to the edit's maximum length.
// A write that leaves the text as it was does nothing at all, so a result rewritten ten times a
// second can still be selected and copied. A write that changes the text shows its start.
class EditField final : public TextField {
public:
    explicit EditField(QLineEdit& edit) : m_edit(edit) { }

    [[nodiscard]] std::string text() const override;
    void write(std::string_view text) override;

private:
    QLineEdit& m_edit;
};

} // namespace tarvola

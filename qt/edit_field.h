#pragma once

#include "app/text_field.h"

#include <QFont>

class QLineEdit;

namespace tarvola {

// A QLineEdit as a field of the refresh cycle. Writes are cut to the edit's maximum length.
// A write that leaves the text as it was does nothing at all, so a result rewritten ten times a
// second can still be selected and copied. A write that changes the text shows its start; in a
// read-only field (a result) it also draws the text smaller, from the edit's font as it is when
// the field is made, until it shows whole: a result cut at the edge would read as another angle.
class EditField final : public TextField {
public:
    explicit EditField(QLineEdit& edit);

    [[nodiscard]] std::string text() const override;
    void write(std::string_view text) override;

private:
    QLineEdit& m_edit;
    QFont m_ownFont;
};

} // namespace tarvola

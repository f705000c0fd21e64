#pragma once

#include <QValidator>

namespace tarvola {

// Keeps a field's text to one line of whole characters, as a single-line edit on Windows does:
// a paste that brings a line break (a spreadsheet cell, a terminal line) keeps what comes before
// the first break, and a character the length limit split in two (an emoji in a three-character
// field) is dropped rather than left as half a surrogate pair. Every other text is accepted as
// it is: reading numbers is the refresh cycle's business.
class SingleLineValidator final : public QValidator {
public:
    using QValidator::QValidator;

    // Rewrites `input` as above, moves `position` with it, and always answers Acceptable.
    State validate(QString& input, int& position) const override;
};

} // namespace tarvola

#pragma once

#include "app/text_field.h"

#include <windows.h>

#include <optional>

namespace tarvola::win32 {

// An EDIT control as a field of the refresh cycle. EM_SETLIMITTEXT limits typing only, so a
// write is cut to the maximum length here, as the cycle expects. A write that leaves the text
// as it was does nothing at all (SetWindowText would reset the selection and send EN_CHANGE);
// a write that changes it shows the text's start.
class EditField final : public TextField {
public:
    EditField(HWND edit, std::optional<int> maxLength) : m_edit(edit), m_maxLength(maxLength) { }

    [[nodiscard]] std::string text() const override;
    void write(std::string_view text) override;

private:
    HWND m_edit;
    std::optional<int> m_maxLength;
};

} // namespace tarvola::win32

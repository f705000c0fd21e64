#pragma once

#include "app/text_field.h"
#include "win32/window_font.h"

#include <windows.h>

#include <optional>

namespace tarvola::win32 {

// An EDIT control as a field of the refresh cycle. EM_SETLIMITTEXT limits typing only, so a
// write is cut to the maximum length here, as the cycle expects. A write that leaves the text
// as it was does nothing at all (SetWindowText would reset the selection and send EN_CHANGE);
// a write that changes it shows the text's start. A fitting field (a result) draws a text wider
// than itself in a smaller font until it shows whole: cut at the edge it would read as another
// angle.
class EditField final : public TextField {
public:
    EditField(HWND edit, std::optional<int> maxLength, bool fitting)
        : m_edit(edit), m_maxLength(maxLength), m_fitting(fitting) { }

    [[nodiscard]] std::string text() const override;
    void write(std::string_view text) override;

    // Gives a fitting field the field font at `dpi`, or a smaller one its text needs; the window
    // calls it whenever it lays the field out. Does nothing for other fields.
    void fitText(int dpi);

private:
    HWND m_edit;
    std::optional<int> m_maxLength;
    bool m_fitting;
    int m_dpi = 0;          // as last laid out; 0 before
    WindowFont m_font;      // the font the field draws with while it is fitting
};

} // namespace tarvola::win32

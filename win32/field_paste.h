#pragma once

#include "app/form_layout.h"
#include "app/refresh_cycle.h"

#include <windows.h>

namespace tarvola::win32 {

// Sends every paste into the main window's fields through the shared paste rule (PasteIntoForm).
// An EDIT control pastes on WM_PASTE, whatever sends it: Ctrl+V, its context menu, another
// program; and on Shift+Insert, which some edit controls handle without WM_PASTE. A paste the
// rule deals with (an angle written into its converter, or an angle text refused) never reaches
// the control; any other text is pasted by it as it always was.
class FieldPaste {
public:
    explicit FieldPaste(const RefreshFields& fields) : m_fields(fields) { }
    FieldPaste(const FieldPaste&) = delete;
    FieldPaste& operator=(const FieldPaste&) = delete;

    // Routes the pastes into `edit`, which is the window's field `control`, until the edit is
    // destroyed; this object must live as long.
    void watch(HWND edit, FormControl control);

private:
    static LRESULT CALLBACK Procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    // The rule's handling of the clipboard's text pasted into `control`: true when it dealt with it.
    bool paste(HWND edit, FormControl control);

    RefreshFields m_fields;
};

} // namespace tarvola::win32

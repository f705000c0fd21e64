#include "win32/field_paste.h"

#include "app/angle_paste.h"
#include "win32/user_separators.h"
#include "win32/wide_text.h"

#include <commctrl.h>

#include <optional>
#include <string>

namespace tarvola::win32 {

namespace {

// The clipboard's text; nothing when it holds none or another program holds it open.
std::optional<std::wstring> ClipboardText(HWND owner)
{
    if (!OpenClipboard(owner))
        return std::nullopt;
    std::optional<std::wstring> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            // Up to the terminating NUL, never beyond the memory block if a program left it out.
            const std::size_t most = GlobalSize(data) / sizeof(wchar_t);
            std::size_t length = 0;
            while (length < most && chars[length] != L'\0')
                ++length;
            text.emplace(chars, length);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace

void FieldPaste::watch(HWND edit, FormControl control)
{
    SetWindowSubclass(edit, Procedure, static_cast<UINT_PTR>(control), reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK FieldPaste::Procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self)
{
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(edit, Procedure, id);
    // Nothing may escape into Windows: a paste whose handling fails changes nothing. Shift+Insert
    // pastes without sending WM_PASTE in some edit controls (Wine's): it is taken as one here.
    const bool shiftInsert = message == WM_KEYDOWN && wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0
        && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
    if (message == WM_PASTE || shiftInsert) {
        try {
            if (reinterpret_cast<FieldPaste*>(self)->paste(edit, static_cast<FormControl>(id)))
                return 0;
        } catch (...) {
            return 0;
        }
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

bool FieldPaste::paste(HWND edit, FormControl control)
{
    const std::optional<std::wstring> text = ClipboardText(edit);
    return text && PasteIntoForm(control, Narrow(*text), m_fields, UserSeparators());
}

} // namespace tarvola::win32

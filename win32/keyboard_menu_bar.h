#pragma once

#include <windows.h>

namespace tarvola::win32 {

// The main window's menu bar, its one entry About, reached by keyboard as in a dialog:
// besides Return, Down on the highlighted About gives its command, as it would open a submenu.
// The window forwards its menu loop's messages to handle().
class KeyboardMenuBar {
public:
    KeyboardMenuBar() = default;
    ~KeyboardMenuBar();
    KeyboardMenuBar(const KeyboardMenuBar&) = delete;
    KeyboardMenuBar& operator=(const KeyboardMenuBar&) = delete;

    // A new menu bar holding About, which sends WM_COMMAND IDM_ABOUT; the window it is given to
    // at creation owns it.
    [[nodiscard]] static HMENU Create();

    // Follows `window`'s menu loop: WM_ENTERMENULOOP, WM_MENUSELECT and WM_EXITMENULOOP. Answers
    // none of them: their default handling goes on.
    void handle(HWND window, UINT message, WPARAM wParam);

private:
    // The keys of the menu loop: Down on the highlighted About ends it and gives the command.
    static LRESULT CALLBACK MenuKeys(int code, WPARAM wParam, LPARAM lParam);
    void leaveMenuLoop();

    HWND m_window = nullptr;          // whose menu loop runs
    HHOOK m_menuKeys = nullptr;       // while the menu loop runs
    bool m_aboutHighlighted = false;  // About is the highlighted entry
};

} // namespace tarvola::win32

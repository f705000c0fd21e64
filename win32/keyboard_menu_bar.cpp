#include "win32/keyboard_menu_bar.h"

#include "app/window_texts.h"
#include "win32/resource_ids.h"
#include "win32/wide_text.h"

namespace tarvola::win32 {

namespace {

// The menu bar whose loop runs: one per thread, as a menu loop is.
KeyboardMenuBar* g_menuBar = nullptr;

} // namespace

KeyboardMenuBar::~KeyboardMenuBar()
{
    leaveMenuLoop();
}

HMENU KeyboardMenuBar::Create()
{
    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, IDM_ABOUT, Widen(kAboutMenuEntry).c_str());
    return menu;
}

void KeyboardMenuBar::handle(HWND window, UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_ENTERMENULOOP:
        leaveMenuLoop(); // one hook at a time
        m_window = window;
        g_menuBar = this;
        m_menuKeys = SetWindowsHookExW(WH_MSGFILTER, MenuKeys, nullptr, GetCurrentThreadId());
        break;
    case WM_MENUSELECT:
        m_aboutHighlighted = LOWORD(wParam) == IDM_ABOUT && !(HIWORD(wParam) & (MF_POPUP | MF_SYSMENU));
        break;
    case WM_EXITMENULOOP:
        leaveMenuLoop();
        break;
    default:
        break;
    }
}

void KeyboardMenuBar::leaveMenuLoop()
{
    if (m_menuKeys)
        UnhookWindowsHookEx(m_menuKeys);
    m_menuKeys = nullptr;
    m_aboutHighlighted = false;
    m_window = nullptr;
    if (g_menuBar == this)
        g_menuBar = nullptr;
}

LRESULT CALLBACK KeyboardMenuBar::MenuKeys(int code, WPARAM wParam, LPARAM lParam)
{
    // The menu bar opens submenus with Down, and About is a command without one: Down on it
    // closes the menu and gives the command, as Return does. EndMenu ends the menu bar's loop;
    // the posted WM_CANCELMODE wakes the loop to see it (Wine ends it on that message alone).
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_MENU && g_menuBar && g_menuBar->m_aboutHighlighted && key && key->message == WM_KEYDOWN
        && key->wParam == VK_DOWN) {
        HWND window = g_menuBar->m_window;
        EndMenu();
        PostMessageW(window, WM_CANCELMODE, 0, 0);
        PostMessageW(window, WM_COMMAND, IDM_ABOUT, 0);
        return TRUE; // Down itself is dropped
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace tarvola::win32

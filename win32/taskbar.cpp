#include "win32/taskbar.h"

namespace tarvola::win32 {

namespace {

constexpr const wchar_t* kOwnerClassName = L"TarvolaOwner";

} // namespace

bool KeepOutOfTaskbar::Register(HINSTANCE instance)
{
    WNDCLASSEXW owner {};
    owner.cbSize = sizeof owner;
    owner.lpfnWndProc = DefWindowProcW;
    owner.hInstance = instance;
    owner.lpszClassName = kOwnerClassName;
    return RegisterClassExW(&owner) != 0;
}

KeepOutOfTaskbar::KeepOutOfTaskbar(HINSTANCE instance)
    : m_owner(CreateWindowExW(0, kOwnerClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr))
{
}

KeepOutOfTaskbar::~KeepOutOfTaskbar()
{
    if (m_owner)
        DestroyWindow(m_owner);
}

} // namespace tarvola::win32

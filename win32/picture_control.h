#pragma once

#include <windows.h>

namespace tarvola::win32 {

// A picture control: an icon or a bitmap, with a focus rectangle when it has the focus (a
// picture in the tab order takes it as a button does). It leaves the mouse to its parent. A
// bitmap fills the whole control, which is as large as its place in the layout: pixel by pixel
// when that is a whole multiple of the bitmap, smoothed otherwise. An icon keeps its own size,
// from the top left, and is cut where the control ends. Space and Enter on it are sent to the
// parent as kKeyMessage.
class PictureControl {
public:
    static constexpr const wchar_t* kClassName = L"TarvolaPicture";
    // To the parent, for Space or Enter: wParam the picture, lParam 1 when the key is auto-repeated.
    static constexpr UINT kKeyMessage = WM_APP + 1;

    // Registers the window class; once per process.
    static bool Register(HINSTANCE instance);

    // Shows `image` (an HBITMAP or an HICON, or none) in the picture, which does not own it.
    static void SetImage(HWND picture, HANDLE image);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void Paint(HWND picture);
};

} // namespace tarvola::win32

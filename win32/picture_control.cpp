#include "win32/picture_control.h"

namespace tarvola::win32 {

bool PictureControl::Register(HINSTANCE instance)
{
    WNDCLASSEXW picture {};
    picture.cbSize = sizeof picture;
    picture.lpfnWndProc = Procedure;
    picture.hInstance = instance;
    picture.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    picture.lpszClassName = kClassName;
    return RegisterClassExW(&picture) != 0;
}

void PictureControl::SetImage(HWND picture, HANDLE image)
{
    SetWindowLongPtrW(picture, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(image));
    InvalidateRect(picture, nullptr, TRUE);
}

void PictureControl::Paint(HWND picture)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(picture, &paint);
    RECT client;
    GetClientRect(picture, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const auto image = reinterpret_cast<HANDLE>(GetWindowLongPtrW(picture, GWLP_USERDATA));
    if (GetObjectType(image) == OBJ_BITMAP) {
        BITMAP info {};
        GetObjectW(image, sizeof info, &info);
        const bool whole = info.bmWidth > 0 && info.bmHeight > 0 && client.right % info.bmWidth == 0
            && client.bottom % info.bmHeight == 0 && client.right / info.bmWidth == client.bottom / info.bmHeight;
        SetStretchBltMode(dc, whole ? COLORONCOLOR : HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, image);
        StretchBlt(dc, 0, 0, client.right, client.bottom, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    } else if (image) {
        DrawIconEx(dc, 0, 0, static_cast<HICON>(image), 0, 0, 0, nullptr, DI_NORMAL);
    }
    if (GetFocus() == picture)
        DrawFocusRect(dc, &client);
    EndPaint(picture, &paint);
}

LRESULT CALLBACK PictureControl::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_GETDLGCODE: {
        // Space and Enter are the picture's own; Tab still moves on.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key && key->message == WM_KEYDOWN && (key->wParam == VK_SPACE || key->wParam == VK_RETURN))
            return DLGC_WANTMESSAGE;
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE || wParam == VK_RETURN) {
            const bool repeated = (lParam & (1 << 30)) != 0;
            SendMessageW(GetParent(window), kKeyMessage, reinterpret_cast<WPARAM>(window), repeated ? 1 : 0);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace tarvola::win32

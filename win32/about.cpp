#include "win32/about.h"

#include "app/accessible_names.h"
#include "app/colour_contrast.h"
#include "app/window_colours.h"
#include "win32/resource_ids.h"
#include "win32/window_support.h"
#include "win32/wide_text.h"

#include <shellapi.h>

#include <utility>

namespace tarvola::win32 {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU; // fixed, close box only
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
constexpr const wchar_t* kPictureClassName = L"TarvolaPicture";
constexpr UINT kPictureKeyMessage = WM_APP + 1; // wParam: the picture, lParam: 1 when auto-repeated
constexpr int kCommand1Id = 3;                  // not IDOK: OK is neither default nor cancel button
constexpr const wchar_t* kClassicFace = L"Microsoft Sans Serif";

std::size_t Index(AboutControl control)
{
    return static_cast<std::size_t>(control);
}

// The links' colour on the window's colour: a high-contrast theme's own hyperlink colour (its
// text colour where that one would not read), else the classic green, darker or lighter until
// it reads.
COLORREF LinkColour()
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const auto rgb = [](COLORREF c) { return Rgb {GetRValue(c), GetGValue(c), GetBValue(c)}; };
    HIGHCONTRASTW theme {};
    theme.cbSize = sizeof theme;
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof theme, &theme, 0) && (theme.dwFlags & HCF_HIGHCONTRASTON)) {
        const COLORREF link = GetSysColor(COLOR_HOTLIGHT);
        return ContrastRatio(rgb(link), rgb(face)) >= kReadableContrast ? link : GetSysColor(COLOR_BTNTEXT);
    }
    const Rgb readable = ReadableOn(kLinkColour, rgb(face));
    return RGB(readable.red, readable.green, readable.blue);
}

// A picture: an icon or a bitmap, and a focus rectangle when focused (the donation picture and
// the icon are in the tab order); it leaves the mouse to the window. A bitmap fills the whole
// picture, which is as large as its place in the layout: pixel by pixel when that is a whole
// multiple of the bitmap, smoothed otherwise. An icon keeps its own size, from the top left,
// and is cut where the picture ends.
void PaintPicture(HWND picture)
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

} // namespace

LRESULT CALLBACK About::PictureProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_PAINT:
        PaintPicture(window);
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
            SendMessageW(GetParent(window), kPictureKeyMessage, reinterpret_cast<WPARAM>(window), repeated ? 1 : 0);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool About::Register(HINSTANCE instance)
{
    WNDCLASSEXW about {};
    about.cbSize = sizeof about;
    about.style = CS_DBLCLKS; // a double-click comes as a press and a double-click: one activation
    about.lpfnWndProc = Procedure;
    about.hInstance = instance;
    about.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    about.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    about.lpszClassName = kClassName;

    WNDCLASSEXW picture {};
    picture.cbSize = sizeof picture;
    picture.lpfnWndProc = PictureProcedure;
    picture.hInstance = instance;
    picture.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    picture.lpszClassName = kPictureClassName;
    return RegisterClassExW(&about) && RegisterClassExW(&picture);
}

About::About(HINSTANCE instance, HWND owner, AboutLifetime& lifetime)
    : m_instance(instance)
    , m_lifetime(lifetime)
{
    // The bitmaps as drawn, at their own size and at twice it; the icons are loaded at each
    // resolution's size (layOut).
    for (int scale : {0, 1}) {
        m_donation[scale] = static_cast<HBITMAP>(
            LoadImageW(instance, MAKEINTRESOURCEW(scale ? IDB_DONATION_2X : IDB_DONATION), IMAGE_BITMAP, 0, 0, 0));
        m_banner[scale] = static_cast<HBITMAP>(
            LoadImageW(instance, MAKEINTRESOURCEW(scale ? IDB_BANNER_2X : IDB_BANNER), IMAGE_BITMAP, 0, 0, 0));
    }
    // LoadImage with no size keeps the cursor's own 32 x 32 and its hot spot (5, 0) at any DPI.
    m_hand = static_cast<HCURSOR>(LoadImageW(instance, MAKEINTRESOURCEW(IDC_HAND_CURSOR), IMAGE_CURSOR, 0, 0, 0));

    // The system's default place needs an overlapped window, with x and y both CW_USEDEFAULT.
    m_creating = true;
    m_window = CreateWindowExW(kExStyle, kClassName, kCaption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, owner,
                               nullptr, instance, this);
    m_creating = false;
    if (!m_window)
        return;
    createControls();
    m_dpi = static_cast<int>(GetDpiForWindow(m_window));
    layOut(m_dpi);
}

About* About::Create(HINSTANCE instance, HWND owner, AboutLifetime& lifetime)
{
    auto* about = new About(instance, owner, lifetime);
    if (about->m_window)
        return about;
    delete about; // no window was left to delete it
    return nullptr;
}

About::~About()
{
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(m_donation[0]), static_cast<HGDIOBJ>(m_donation[1]),
                           static_cast<HGDIOBJ>(m_banner[0]), static_cast<HGDIOBJ>(m_banner[1])})
        if (object)
            DeleteObject(object);
    for (HICON icon : {m_icon, m_mailIcon})
        if (icon)
            DestroyIcon(icon);
    if (m_hand)
        DestroyCursor(m_hand);
}

void About::createControls()
{
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    const auto make = [&](AboutControl name, const wchar_t* windowClass, const std::wstring& text, DWORD style,
                          int id = 0) {
        m_controls[Index(name)] = CreateWindowExW(0, windowClass, text.c_str(), kChild | style, 0, 0, 0, 0, m_window,
                                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), m_instance,
                                                  nullptr);
    };
    // Creation order is tab order: OK, the donation picture, the icon.
    make(AboutControl::Command1, L"BUTTON", L"OK", WS_TABSTOP | BS_PUSHBUTTON, kCommand1Id);
    // The pictures draw no text: theirs is the name screen readers give them.
    make(AboutControl::PictureDon, kPictureClassName, Widen(kDonationPictureName), WS_TABSTOP);
    make(AboutControl::Picture1, kPictureClassName, Widen(kProgramIconName), WS_TABSTOP);
    make(AboutControl::Image2, kPictureClassName, L"", 0); // pictures are given at each resolution (layOut)
    make(AboutControl::Label2, L"STATIC", Widen(SiteAddressText()), SS_LEFT);
    make(AboutControl::Image1, kPictureClassName, L"", 0);
    make(AboutControl::Label1, L"STATIC", Widen(kShownMailAddress), SS_LEFT);
    make(AboutControl::Label3, L"STATIC", L"Tarvola", SS_CENTER);
    make(AboutControl::Label5, L"STATIC", L"v 1.1", SS_CENTER);
}

void About::layOut(int dpi)
{
    m_dpi = dpi;
    // The controls take the new fonts before the old ones are deleted: none ever holds a
    // deleted font.
    WindowFont dialogFont(kClassicFace, 8.25, dpi);
    WindowFont underlinedFont(kClassicFace, 8.25, dpi, false, true);
    WindowFont titleFont(L"Arial", 14.25, dpi);
    WindowFont versionFont(L"Arial", 11.25, dpi, true);
    SetControlFont(control(AboutControl::Command1), dialogFont);
    SetControlFont(control(AboutControl::Label1), m_underlined[0] ? underlinedFont : dialogFont);
    SetControlFont(control(AboutControl::Label2), m_underlined[1] ? underlinedFont : dialogFont);
    SetControlFont(control(AboutControl::Label3), titleFont);
    SetControlFont(control(AboutControl::Label5), versionFont);
    m_dialogFont = std::move(dialogFont);
    m_underlinedFont = std::move(underlinedFont);
    m_titleFont = std::move(titleFont);
    m_versionFont = std::move(versionFont);
    givePictures(dpi);

    RECT frame {0, 0, TwipsToPixels(kAboutClient.width, dpi), TwipsToPixels(kAboutClient.height, dpi)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, static_cast<UINT>(dpi));
    SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    for (const AboutPlace& place : kAboutLayout) {
        const Rect rect = WindowRectOf(place.control);
        HWND window = control(place.control);
        if (!window)
            continue; // the two frames have no window of their own
        Rect box = PixelsOf(rect, dpi);
        // A text too wide for its place (font sizes round up faster than places scale) gets
        // the room it needs, on one line; a centred one on both sides.
        const WindowFont* textFont = place.control == AboutControl::Label3 ? &m_titleFont
            : place.control == AboutControl::Label5                       ? &m_versionFont
            : place.control == AboutControl::Label1 || place.control == AboutControl::Label2 ? &m_dialogFont
                                                                                               : nullptr;
        if (textFont) {
            const int needed = TextWidth(window, *textFont);
            if (needed > box.width) {
                if (place.control == AboutControl::Label3 || place.control == AboutControl::Label5)
                    box.left -= (needed - box.width + 1) / 2;
                box.width = needed;
            }
        }
        SetWindowPos(window, nullptr, box.left, box.top, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void About::givePictures(int dpi)
{
    // The bitmaps from their drawing nearest in size: at twice the size past 1.41 (the square
    // root of 2) times 96 DPI. The icons at their own size, 48 and 32 pixels at 96 DPI, which
    // Windows makes from the nearest of their images.
    const int scale = dpi * dpi > 2 * 96 * 96 ? 1 : 0;
    SetWindowLongPtrW(control(AboutControl::PictureDon), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_donation[scale]));
    SetWindowLongPtrW(control(AboutControl::Image2), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_banner[scale]));
    const int iconSize = MulDiv(48, dpi, 96), mailSize = MulDiv(32, dpi, 96);
    HICON icon = static_cast<HICON>(LoadImageW(m_instance, MAKEINTRESOURCEW(IDI_ICON1), IMAGE_ICON, iconSize, iconSize, 0));
    HICON mail = static_cast<HICON>(LoadImageW(m_instance, MAKEINTRESOURCEW(IDI_MAIL), IMAGE_ICON, mailSize, mailSize, 0));
    SetWindowLongPtrW(control(AboutControl::Picture1), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(icon));
    SetWindowLongPtrW(control(AboutControl::Image1), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(mail));
    for (HICON old : {m_icon, m_mailIcon})
        if (old)
            DestroyIcon(old);
    m_icon = icon;
    m_mailIcon = mail;
    for (AboutControl picture : {AboutControl::PictureDon, AboutControl::Picture1, AboutControl::Image2, AboutControl::Image1})
        InvalidateRect(control(picture), nullptr, TRUE);
}

void About::present()
{
    if (!m_presented) {
        m_presented = true;
        ShowWindow(m_window, SW_SHOWNORMAL);
        SetForegroundWindow(m_window);
        SetFocus(control(AboutControl::Command1));
        return;
    }
    // Shown already: only forward (and out of the minimised state); its activation puts the
    // focus back where it was.
    if (IsIconic(m_window))
        ShowWindow(m_window, SW_RESTORE);
    SetForegroundWindow(m_window);
}

void About::setUnderlined(AboutLabel label, bool underlined)
{
    const std::size_t which = label == AboutLabel::Label1 ? 0 : 1;
    m_underlined[which] = underlined;
    HWND address = control(which == 0 ? AboutControl::Label1 : AboutControl::Label2);
    SetControlFont(address, underlined ? m_underlinedFont : m_dialogFont);
}

void About::openLink(const Link& link)
{
    // The shell takes the verb and the target in the system's code page; both are ASCII. Its
    // answer is not used: with or without a handler, nothing changes here.
    ShellExecuteA(m_window, link.verb.c_str(), link.target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    [[maybe_unused]] const DWORD lastError = GetLastError(); // captured, never read
}

AboutControl About::controlAt(LPARAM clientPoint) const
{
    const int x = static_cast<short>(LOWORD(clientPoint));
    const int y = static_cast<short>(HIWORD(clientPoint));
    return AboutControlAtPixel(x, y, m_dpi);
}

LRESULT CALLBACK About::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = HandlerOf<About>(window, message, lParam);
    if (self && message == WM_NCCREATE)
        self->m_window = window;
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        // A creation that fails is undone by Create, once the constructor has returned.
        if (self->m_creating)
            self->m_window = nullptr;
        else
            delete self;
        return result;
    }
    return self->handle(window, message, wParam, lParam);
}

LRESULT About::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
        m_behaviour.pointerMoved(controlAt(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        m_pressed = controlAt(lParam);
        SetCapture(window);
        return 0;
    case WM_LBUTTONDBLCLK:
        m_pressed = AboutControl::Background; // the second half of a double-click opens nothing
        return 0;
    case WM_LBUTTONUP: {
        ReleaseCapture();
        const AboutControl released = controlAt(lParam);
        if (released == m_pressed && released != AboutControl::Background)
            m_behaviour.clicked(released);
        m_pressed = AboutControl::Background;
        return 0;
    }
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == window && LOWORD(lParam) == HTCLIENT) {
            POINT point;
            GetCursorPos(&point);
            ScreenToClient(window, &point);
            if (AboutBehaviour::showsHand(controlAt(MAKELPARAM(point.x, point.y)))) {
                SetCursor(m_hand);
                return TRUE;
            }
        }
        break;
    case kPictureKeyMessage:
        if (reinterpret_cast<HWND>(wParam) == control(AboutControl::PictureDon))
            m_behaviour.activatedByKey(AboutControl::PictureDon, lParam != 0);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kCommand1Id && HIWORD(wParam) == BN_CLICKED)
            m_behaviour.clicked(AboutControl::Command1);
        // The dialog keyboard turns Enter into IDOK: it presses OK only where OK has the focus.
        else if (LOWORD(wParam) == IDOK && HIWORD(wParam) == 0 && GetFocus() == control(AboutControl::Command1))
            m_behaviour.clicked(AboutControl::Command1);
        return 0;
    case WM_ACTIVATE:
        // Coming back to the window puts the focus where the user left it.
        if (m_focusKeeper.activated(m_window, wParam))
            return 0;
        break;
    case WM_CTLCOLORSTATIC: {
        const auto label = reinterpret_cast<HWND>(lParam);
        if (label == control(AboutControl::Label1) || label == control(AboutControl::Label2)) {
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, LinkColour());
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    }
    case WM_DPICHANGED:
        MoveToSuggestedRect(window, lParam);
        layOut(HIWORD(wParam));
        // Controls moved and resized keep parts of their old drawing, and the addresses draw
        // without erasing: all is drawn afresh at the new size.
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        m_lifetime.windowGone();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace tarvola::win32

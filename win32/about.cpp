#include "win32/about.h"

#include "app/accessible_names.h"
#include "app/window_fonts.h"
#include "app/window_texts.h"
#include "win32/open_link.h"
#include "win32/picture_control.h"
#include "win32/readable_colour.h"
#include "win32/wide_text.h"
#include "win32/window_placement.h"
#include "win32/window_procedure.h"

#include <utility>

namespace tarvola::win32 {

namespace {

constexpr FrameStyle kFrame {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT,
                             false}; // fixed, close box only
constexpr int kCommand1Id = 3;       // not IDOK: OK is neither default nor cancel button

std::size_t Index(AboutControl control)
{
    return static_cast<std::size_t>(control);
}

} // namespace

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
    return RegisterClassExW(&about) && PictureControl::Register(instance);
}

About::About(HINSTANCE instance, HWND owner, AboutLifetime& lifetime)
    : m_instance(instance)
    , m_lifetime(lifetime)
    , m_artwork(instance)
{
    // The system's default place needs an overlapped window, with x and y both CW_USEDEFAULT.
    m_creating = true;
    m_window = CreateWindowExW(kFrame.exStyle, kClassName, Widen(kAboutCaption).c_str(), kFrame.style, CW_USEDEFAULT,
                               CW_USEDEFAULT, 100, 100, owner, nullptr, instance, this);
    m_creating = false;
    if (!m_window)
        return;
    createControls();
    const int dpi = static_cast<int>(GetDpiForWindow(m_window));
    ResizeFrame(m_window, FrameSize(kFrame, kAboutClient, dpi));
    layOut(dpi);
}

About* About::Create(HINSTANCE instance, HWND owner, AboutLifetime& lifetime)
{
    auto* about = new About(instance, owner, lifetime);
    if (about->m_window)
        return about;
    delete about; // no window was left to delete it
    return nullptr;
}

void About::createControls()
{
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    const auto make = [&](AboutControl name, const wchar_t* windowClass, std::string_view text, DWORD style,
                          int id = 0) {
        m_controls[Index(name)] = CreateWindowExW(0, windowClass, Widen(text).c_str(), kChild | style, 0, 0, 0, 0,
                                                  m_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                                  m_instance, nullptr);
    };
    // Creation order is tab order: the controls that take the focus come first, in the layout's
    // tab order (the links do not take it here).
    for (AboutControl name : InTabOrder({AboutControl::Picture1, AboutControl::PictureDon, AboutControl::Command1})) {
        if (name == AboutControl::Command1)
            make(name, L"BUTTON", kOkText, WS_TABSTOP | BS_PUSHBUTTON, kCommand1Id);
        else // the pictures draw no text: theirs is the name screen readers give them
            make(name, PictureControl::kClassName,
                 name == AboutControl::PictureDon ? kDonationPictureName : kProgramIconName, WS_TABSTOP);
    }
    make(AboutControl::Image2, PictureControl::kClassName, {}, 0); // pictures are given at each resolution (layOut)
    make(AboutControl::Label2, L"STATIC", SiteAddressText(), SS_LEFT);
    make(AboutControl::Image1, PictureControl::kClassName, {}, 0);
    make(AboutControl::Label1, L"STATIC", kShownMailAddress, SS_LEFT);
    make(AboutControl::Label3, L"STATIC", kAboutTitle, SS_CENTER);
    make(AboutControl::Label5, L"STATIC", kAboutVersion, SS_CENTER);
}

void About::layOut(int dpi)
{
    m_dpi = dpi;
    // The controls take the new fonts before the old ones are deleted: none ever holds a
    // deleted font.
    WindowFont dialogFont(kDialogFont, dpi);
    WindowFont underlinedFont(kDialogFont, dpi, true);
    WindowFont titleFont(kTitleFont, dpi);
    WindowFont versionFont(kVersionFont, dpi);
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

    for (const AboutPlace& place : kAboutLayout) {
        HWND window = control(place.control);
        if (!window)
            continue; // the two frames have no window of their own
        Rect box = PixelsOf(WindowRectOf(place.control), dpi);
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
    // The artwork frees the icons of the resolution before: every picture takes its new one
    // here, before anything paints.
    m_artwork.useDpi(dpi);
    PictureControl::SetImage(control(AboutControl::PictureDon), m_artwork.donation());
    PictureControl::SetImage(control(AboutControl::Image2), m_artwork.banner());
    PictureControl::SetImage(control(AboutControl::Picture1), m_artwork.icon());
    PictureControl::SetImage(control(AboutControl::Image1), m_artwork.mailIcon());
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
    OpenLink(m_window, link);
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
    // Nothing may escape into Windows: a message whose handling fails gets the default handling.
    try {
        return self->handle(window, message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT About::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
        m_behaviour.pointerMoved(controlAt(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        m_clickRule.pressed(controlAt(lParam));
        SetCapture(window);
        return 0;
    case WM_LBUTTONDBLCLK:
        m_clickRule.doubleClicked();
        return 0;
    case WM_LBUTTONUP: {
        ReleaseCapture();
        const AboutControl clicked = m_clickRule.released(controlAt(lParam));
        if (clicked != AboutControl::Background)
            m_behaviour.clicked(clicked);
        return 0;
    }
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == window && LOWORD(lParam) == HTCLIENT) {
            POINT point;
            GetCursorPos(&point);
            ScreenToClient(window, &point);
            if (AboutBehaviour::showsHand(controlAt(MAKELPARAM(point.x, point.y)))) {
                SetCursor(m_artwork.hand());
                return TRUE;
            }
        }
        break;
    case PictureControl::kKeyMessage:
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
    case WM_DPICHANGED: {
        const int dpi = HIWORD(wParam);
        MoveToSuggestedRect(window, lParam, FrameSize(kFrame, kAboutClient, dpi));
        layOut(dpi);
        // Controls moved and resized keep parts of their old drawing, and the addresses draw
        // without erasing: all is drawn afresh at the new size.
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return 0;
    }
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

#include "win32/form_tarvola.h"

#include "app/form_fields.h"
#include "app/window_colours.h"
#include "app/window_fonts.h"
#include "app/window_texts.h"
#include "win32/pixels.h"
#include "win32/readable_colour.h"
#include "win32/resource_ids.h"
#include "win32/user_separators.h"
#include "win32/wide_text.h"
#include "win32/window_placement.h"
#include "win32/window_procedure.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace tarvola::win32 {

namespace {

constexpr FrameStyle kFrame {WS_CAPTION | WS_SYSMENU, WS_EX_CONTROLPARENT, true}; // fixed, close box only

// The field a control is, or null for a control that is not a field.
const FormField* FieldOf(FormControl control)
{
    const auto* field = std::find_if(kFormFields.begin(), kFormFields.end(),
                                     [&](const FormField& f) { return f.control == control; });
    return field == kFormFields.end() ? nullptr : field;
}

// The window class and styles of a control of the layout.
struct ControlClass {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(const FormPlace& place)
{
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    switch (place.kind) {
    case FormControlKind::Frame: return {L"BUTTON", kChild | BS_GROUPBOX, 0};
    case FormControlKind::Field: {
        const FormField* field = FieldOf(place.control);
        const DWORD readOnly = field && field->readOnly ? ES_READONLY : 0;
        return {L"EDIT", kChild | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL | readOnly, WS_EX_CLIENTEDGE};
    }
    case FormControlKind::Header:
    case FormControlKind::UnitMark: break;
    }
    return {L"STATIC", kChild | SS_LEFT, 0};
}

std::size_t IndexOf(FormControlKind kind)
{
    return static_cast<std::size_t>(kind);
}

} // namespace

bool FormTarvola::Register(HINSTANCE instance)
{
    WNDCLASSEXW main {};
    main.cbSize = sizeof main;
    main.lpfnWndProc = Procedure;
    main.hInstance = instance;
    main.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_ICON1));
    main.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_ICON1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    main.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    main.lpszClassName = kClassName;
    return KeepOutOfTaskbar::Register(instance) && RegisterClassExW(&main);
}

FormTarvola::FormTarvola(HINSTANCE instance, AboutCommands& about)
    : m_instance(instance)
    , m_about(about)
    , m_outOfTaskbar(instance)
    , m_resultBrush(CreateSolidBrush(ColourRefOf(kResultBackground)))
{
    m_window = CreateWindowExW(kFrame.exStyle, kClassName, Widen(kMainCaption).c_str(), kFrame.style, CW_USEDEFAULT,
                               CW_USEDEFAULT, 100, 100, m_outOfTaskbar.owner(), KeyboardMenuBar::Create(), instance,
                               this);
    if (!m_window)
        return;
    createControls();
    const int dpi = static_cast<int>(GetDpiForWindow(m_window));
    layOut(dpi);
    // Once the fields have their sizes and fonts: a write fits a result to its place and scrolls
    // a field's start into view.
    WriteDefaultTexts(refreshFields(), UserSeparators());
    CentreInWorkArea(m_window, FrameSize(kFrame, kFormClient, dpi));
    ShowWindow(m_window, SW_SHOWNORMAL);
    UpdateWindow(m_window);
    // The field the window opens in has its text selected, as after Tab: typing replaces the
    // default instead of meeting its length limit.
    SetFocus(control(kFormFields.front().control));
    SendMessageW(control(kFormFields.front().control), EM_SETSEL, 0, -1);
    startRefresh();
}

FormTarvola::~FormTarvola()
{
    if (m_window)
        DestroyWindow(m_window);
    DeleteObject(m_resultBrush);
}

void FormTarvola::createControls()
{
    // Creation order is tab order: the fields come in the order Text1 ... Text6.
    for (const FormPlace& place : kFormLayout) {
        // Screen readers name an edit after the static just before it, shown or not: a hidden
        // one carries the field's name, since the visible neighbours are a header or a unit.
        if (const FormField* field = FieldOf(place.control))
            CreateWindowExW(0, L"STATIC", Widen(field->accessibleName).c_str(), WS_CHILD | SS_LEFT, 0, 0, 0, 0, m_window,
                            nullptr, m_instance, nullptr);
        const ControlClass kind = ClassOf(place);
        m_controls[static_cast<std::size_t>(place.control)] =
            CreateWindowExW(kind.exStyle, kind.windowClass, Widen(TextOf(place.control)).c_str(), kind.style, 0, 0, 0, 0,
                            m_window, nullptr, m_instance, nullptr);
    }
    for (std::size_t i = 0; i < kFormFields.size(); ++i) {
        const FormField& field = kFormFields[i];
        HWND edit = control(field.control);
        if (field.defaults.maxLength)
            SendMessageW(edit, EM_SETLIMITTEXT, static_cast<WPARAM>(*field.defaults.maxLength), 0);
        m_fields[i] = std::make_unique<EditField>(edit, field.defaults.maxLength, field.readOnly);
    }
}

void FormTarvola::layOut(int dpi)
{
    // The controls take the new fonts before the old ones are deleted (when the new ones move
    // in): none ever holds a deleted font.
    std::array<WindowFont, 4> fonts;
    for (FormControlKind kind : {FormControlKind::Frame, FormControlKind::Header, FormControlKind::Field,
                                 FormControlKind::UnitMark})
        fonts[IndexOf(kind)] = WindowFont(FontOf(kind), dpi);
    for (const FormPlace& place : kFormLayout) {
        HWND window = control(place.control);
        const WindowFont& font = fonts[IndexOf(place.kind)];
        SetControlFont(window, font);
        RECT rect = PixelRect(WindowRectOf(place.control), dpi);
        // A text too wide for its place gets the room it needs, on one line: font sizes round up
        // faster than places scale, and a header that wrapped would lose "Result".
        if (place.kind == FormControlKind::Header || place.kind == FormControlKind::UnitMark)
            rect.right = std::max(rect.right, rect.left + TextWidth(window, font));
        SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        // The narrow fields hold their three digits only without the edit's inner margins.
        if (place.kind == FormControlKind::Field)
            SendMessageW(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    }
    m_fonts = std::move(fonts);
    for (const auto& field : m_fields)
        field->fitText(dpi);
}

RefreshFields FormTarvola::refreshFields() const
{
    return {*m_fields[0], *m_fields[1], *m_fields[2], *m_fields[3], *m_fields[4], *m_fields[5]};
}

void FormTarvola::startRefresh()
{
    m_paste.emplace(refreshFields());
    for (const FormField& field : kFormFields)
        m_paste->watch(control(field.control), field.control);
    Timer1.emplace(m_window, refreshFields());
    Timer1->start();
}

bool FormTarvola::isUnitMark(HWND window) const
{
    return std::any_of(kFormLayout.begin(), kFormLayout.end(), [&](const FormPlace& place) {
        return place.kind == FormControlKind::UnitMark && control(place.control) == window;
    });
}

LRESULT CALLBACK FormTarvola::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = HandlerOf<FormTarvola>(window, message, lParam);
    if (self && message == WM_NCCREATE)
        self->m_window = window;
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    // Nothing may escape into Windows: a message whose handling fails gets the default handling.
    try {
        return self->handle(window, message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT FormTarvola::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (Timer1)
            Timer1->timerFired(wParam);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDM_ABOUT && lParam == 0)
            m_about.showAbout();
        return 0; // Enter and Esc (IDOK, IDCANCEL) do nothing
    case WM_ENTERMENULOOP:
    case WM_MENUSELECT:
    case WM_EXITMENULOOP:
        m_menuBar.handle(window, message, wParam);
        break;
    case WM_CTLCOLORSTATIC: {
        // Read-only edits ask here: the two results get their light grey with dark text.
        const auto sender = reinterpret_cast<HWND>(lParam);
        if (sender == control(FormControl::Text4) || sender == control(FormControl::Text6)) {
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, ColourRefOf(kResultText));
            SetBkColor(dc, ColourRefOf(kResultBackground));
            return reinterpret_cast<LRESULT>(m_resultBrush);
        }
        // The unit marks draw their text only, in the system's colour: the '"' mark's place
        // overlaps Text3's frame by a pixel, which their filled background painted over.
        if (isUnitMark(sender)) {
            DefWindowProcW(window, message, wParam, lParam);
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        break;
    }
    case WM_ACTIVATE:
        // Coming back to the window puts the focus where the user left it.
        if (m_focusKeeper.activated(m_window, wParam))
            return 0;
        break;
    case WM_DPICHANGED: {
        const int dpi = HIWORD(wParam);
        MoveToSuggestedRect(window, lParam, FrameSize(kFrame, kFormClient, dpi));
        layOut(dpi);
        // The unit marks do not erase behind their text: all is drawn afresh at the new size.
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return 0;
    }
    case WM_CLOSE:
        // About goes first; the close is never refused.
        m_about.closeAbout();
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        if (Timer1)
            Timer1->stop();
        m_window = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace tarvola::win32

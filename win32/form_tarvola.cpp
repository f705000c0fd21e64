#include "win32/form_tarvola.h"

#include "app/accessible_names.h"
#include "app/field_defaults.h"
#include "app/refresh_cycle.h"
#include "app/window_texts.h"
#include "win32/resource_ids.h"
#include "win32/window_support.h"
#include "win32/user_separators.h"
#include "win32/wide_text.h"

#include <algorithm>
#include <utility>

namespace tarvola::win32 {

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimerIntervalMs = 100;
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU; // fixed frame, close box only
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr COLORREF kResultBackground = RGB(224, 224, 224);
constexpr const wchar_t* kOwnerClassName = L"TarvolaOwner";
constexpr const wchar_t* kClassicFace = L"Microsoft Sans Serif";

// What each control of the layout is.
struct ControlKind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
    const wchar_t* text;
};

ControlKind KindOf(FormControl control)
{
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    constexpr DWORD kEdit = kChild | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL;
    constexpr DWORD kLabel = kChild | SS_LEFT;
    switch (control) {
    case FormControl::Frame1: return {L"BUTTON", kChild | BS_GROUPBOX, 0, L"DegDMS to DegDeci"};
    case FormControl::Frame2: return {L"BUTTON", kChild | BS_GROUPBOX, 0, L"DegDeci to DegDMS"};
    case FormControl::Text4:
    case FormControl::Text6: return {L"EDIT", kEdit | ES_READONLY, WS_EX_CLIENTEDGE, L""};
    case FormControl::Text1:
    case FormControl::Text2:
    case FormControl::Text3:
    case FormControl::Text5: return {L"EDIT", kEdit, WS_EX_CLIENTEDGE, L""};
    case FormControl::Label1_0:
    case FormControl::Label1_3:
    case FormControl::Label1_4: return {L"STATIC", kLabel, 0, L"\u00B0"};
    case FormControl::Label1_1: return {L"STATIC", kLabel, 0, L"'"};
    case FormControl::Label1_2: return {L"STATIC", kLabel, 0, L" \""};
    case FormControl::Label3_0:
    case FormControl::Label3_1: return {L"STATIC", kLabel, 0, L""};
    }
    return {L"STATIC", kLabel, 0, L""};
}

// The six fields in tab order, with their defaults and the names screen readers give them.
struct FieldOf {
    FormControl control;
    const FieldDefault& field;
    std::string_view name;
};
const std::array<FieldOf, 6> kFields {{
    {FormControl::Text1, kText1Default, kText1Name},
    {FormControl::Text2, kText2Default, kText2Name},
    {FormControl::Text3, kText3Default, kText3Name},
    {FormControl::Text4, kText4Default, kText4Name},
    {FormControl::Text5, kText5Default, kText5Name},
    {FormControl::Text6, kText6Default, kText6Name},
}};

// The entry of a field, or null for a control that is not a field.
const FieldOf* FieldEntry(FormControl control)
{
    for (const FieldOf& field : kFields)
        if (field.control == control)
            return &field;
    return nullptr;
}

bool IsUnitMark(FormControl control)
{
    return control == FormControl::Label1_0 || control == FormControl::Label1_1 || control == FormControl::Label1_2
        || control == FormControl::Label1_3 || control == FormControl::Label1_4;
}

bool IsField(FormControl control)
{
    return FieldEntry(control) != nullptr;
}

RECT PixelRect(const Rect& rect, int dpi)
{
    const int left = TwipsToPixels(rect.left, dpi);
    const int top = TwipsToPixels(rect.top, dpi);
    return {left, top, left + TwipsToPixels(rect.width, dpi), top + TwipsToPixels(rect.height, dpi)};
}

// The window whose menu bar is open: one per thread, as a menu loop is.
FormTarvola* g_menuWindow = nullptr;

} // namespace

bool FormTarvola::Register(HINSTANCE instance)
{
    WNDCLASSEXW owner {};
    owner.cbSize = sizeof owner;
    owner.lpfnWndProc = DefWindowProcW;
    owner.hInstance = instance;
    owner.lpszClassName = kOwnerClassName;

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
    return RegisterClassExW(&owner) && RegisterClassExW(&main);
}

FormTarvola::FormTarvola(HINSTANCE instance, AboutCommands& about)
    : m_instance(instance)
    , m_about(about)
    , m_resultBrush(CreateSolidBrush(kResultBackground))
{
    // A window with a normal frame stays out of the taskbar when a hidden window owns it.
    m_owner = CreateWindowExW(0, kOwnerClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, IDM_ABOUT, L"About");
    m_window = CreateWindowExW(kExStyle, kClassName, kCaption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                               m_owner, menu, instance, this);
    if (!m_window)
        return;
    createControls();
    layOut(static_cast<int>(GetDpiForWindow(m_window)));
    placeFrameCentred(static_cast<int>(GetDpiForWindow(m_window)));
    ShowWindow(m_window, SW_SHOWNORMAL);
    UpdateWindow(m_window);
    SetFocus(m_controls[static_cast<std::size_t>(FormControl::Text1)]);
    SetTimer(m_window, kTimer1, kTimerIntervalMs, nullptr);
}

FormTarvola::~FormTarvola()
{
    if (m_window)
        DestroyWindow(m_window);
    if (m_owner)
        DestroyWindow(m_owner);
    DeleteObject(m_resultBrush);
}

void FormTarvola::createControls()
{
    const LocaleSeparators separators = UserSeparators();
    // Creation order is tab order: the fields come in the order Text1 ... Text6.
    for (const FormPlace& place : kFormLayout) {
        const ControlKind kind = KindOf(place.control);
        std::wstring text = kind.text;
        if (place.control == FormControl::Label3_0)
            text = Widen(TextOf(FormControl::Label3_0));
        else if (place.control == FormControl::Label3_1)
            text = Widen(TextOf(FormControl::Label3_1));
        // Screen readers name an edit after the static just before it, shown or not: a hidden
        // one carries the field's name, since the visible neighbours are a header or a unit.
        if (const FieldOf* field = FieldEntry(place.control))
            CreateWindowExW(0, L"STATIC", Widen(field->name).c_str(), WS_CHILD | SS_LEFT, 0, 0, 0, 0, m_window, nullptr,
                            m_instance, nullptr);
        HWND control = CreateWindowExW(kind.exStyle, kind.windowClass, text.c_str(), kind.style, 0, 0, 0, 0,
                                       m_window, nullptr, m_instance, nullptr);
        m_controls[static_cast<std::size_t>(place.control)] = control;
    }
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        HWND edit = m_controls[static_cast<std::size_t>(kFields[i].control)];
        SetWindowTextW(edit, Widen(LocalDefaultText(kFields[i].field, separators)).c_str());
        if (kFields[i].field.maxLength)
            SendMessageW(edit, EM_SETLIMITTEXT, static_cast<WPARAM>(*kFields[i].field.maxLength), 0);
        m_fields[i] = std::make_unique<EditField>(edit, kFields[i].field.maxLength);
    }
}

void FormTarvola::layOut(int dpi)
{
    // The controls take the new fonts before the old ones are deleted (when the new ones move
    // in): none ever holds a deleted font.
    WindowFont dialogFont(kClassicFace, 8.25, dpi);
    WindowFont fieldFont(kClassicFace, 9.75, dpi);
    WindowFont unitFont(kClassicFace, 12, dpi);
    for (const FormPlace& place : kFormLayout) {
        HWND control = m_controls[static_cast<std::size_t>(place.control)];
        const WindowFont& font = IsField(place.control) ? fieldFont : IsUnitMark(place.control) ? unitFont : dialogFont;
        SetControlFont(control, font);
        RECT rect = PixelRect(WindowRectOf(place.control), dpi);
        // A text too wide for its place gets the room it needs, on one line: font sizes round up
        // faster than places scale, and a header that wrapped would lose "Result".
        if (!IsField(place.control) && place.control != FormControl::Frame1 && place.control != FormControl::Frame2)
            rect.right = std::max(rect.right, rect.left + TextWidth(control, font));
        SetWindowPos(control, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        // The narrow fields hold their three digits only without the edit's inner margins.
        if (IsField(place.control))
            SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    }
    m_dialogFont = std::move(dialogFont);
    m_fieldFont = std::move(fieldFont);
    m_unitFont = std::move(unitFont);
}

SIZE FormTarvola::frameSize(int dpi) const
{
    RECT frame = PixelRect(kFormClient, dpi);
    AdjustWindowRectExForDpi(&frame, kStyle, TRUE, kExStyle, static_cast<UINT>(dpi));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void FormTarvola::placeFrameCentred(int dpi)
{
    const SIZE frame = frameSize(dpi);
    const int width = frame.cx;
    const int height = frame.cy;
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    SetWindowPos(m_window, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FormTarvola::isUnitMark(HWND control) const
{
    for (const FormPlace& place : kFormLayout)
        if (IsUnitMark(place.control) && m_controls[static_cast<std::size_t>(place.control)] == control)
            return true;
    return false;
}

void FormTarvola::tick()
{
    const RefreshFields fields {*m_fields[0], *m_fields[1], *m_fields[2], *m_fields[3], *m_fields[4], *m_fields[5]};
    RunRefreshTick(fields, UserSeparators());
}

LRESULT CALLBACK FormTarvola::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = HandlerOf<FormTarvola>(window, message, lParam);
    if (self && message == WM_NCCREATE)
        self->m_window = window;
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return self ? self->handle(window, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK FormTarvola::MenuKeys(int code, WPARAM wParam, LPARAM lParam)
{
    // The menu bar opens submenus with Down, and About is a command without one: Down on it
    // closes the menu and gives the command, as Return does. EndMenu ends the menu bar's loop;
    // the posted WM_CANCELMODE wakes the loop to see it (Wine ends it on that message alone).
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_MENU && g_menuWindow && g_menuWindow->m_aboutHighlighted && key && key->message == WM_KEYDOWN
        && key->wParam == VK_DOWN) {
        HWND window = g_menuWindow->m_window;
        EndMenu();
        PostMessageW(window, WM_CANCELMODE, 0, 0);
        PostMessageW(window, WM_COMMAND, IDM_ABOUT, 0);
        return TRUE; // Down itself is dropped
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT FormTarvola::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == kTimer1)
            tick();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDM_ABOUT && lParam == 0)
            m_about.showAbout();
        return 0; // Enter and Esc (IDOK, IDCANCEL) do nothing
    case WM_ENTERMENULOOP:
        g_menuWindow = this;
        m_menuKeys = SetWindowsHookExW(WH_MSGFILTER, MenuKeys, nullptr, GetCurrentThreadId());
        break;
    case WM_MENUSELECT:
        m_aboutHighlighted = LOWORD(wParam) == IDM_ABOUT && !(HIWORD(wParam) & (MF_POPUP | MF_SYSMENU));
        break;
    case WM_EXITMENULOOP:
        if (m_menuKeys)
            UnhookWindowsHookEx(m_menuKeys);
        m_menuKeys = nullptr;
        m_aboutHighlighted = false;
        g_menuWindow = nullptr;
        break;
    case WM_CTLCOLORSTATIC: {
        // Read-only edits ask here: the two results get their light grey with dark text.
        const auto control = reinterpret_cast<HWND>(lParam);
        if (control == m_controls[static_cast<std::size_t>(FormControl::Text4)]
            || control == m_controls[static_cast<std::size_t>(FormControl::Text6)]) {
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, kResultBackground);
            return reinterpret_cast<LRESULT>(m_resultBrush);
        }
        // The unit marks draw their text only, in the system's colour: the '"' mark's place
        // overlaps Text3's frame by a pixel, which their filled background painted over.
        if (isUnitMark(control)) {
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
        // Where Windows suggests, but at the layout's own size: the suggested rectangle scales
        // the old frame linearly, which rounds otherwise than the client area's twips.
        const int dpi = HIWORD(wParam);
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        const SIZE frame = frameSize(dpi);
        SetWindowPos(window, nullptr, suggested->left, suggested->top, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
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
        KillTimer(window, kTimer1);
        m_window = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace tarvola::win32

// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows API front end of a Form.
#include "Win32FormView.h"

#include "ControlPainter.h"
#include "ErrorText.h"
#include "FormOutline.h"
#include "PixelIcon.h"
#include "PixelLayout.h"
#include "TextBoxEdit.h"
#include "Utf16.h"

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <vector>

namespace kelvara {

namespace {

constexpr wchar_t formClass[] = L"KelvaraForm";
constexpr wchar_t controlClass[] = L"KelvaraControl";
constexpr DWORD formStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Ids 1 and 2 are what a dialog manager takes for OK and Cancel: none here.
constexpr int firstControlId = 100;
// Posted to the window itself: a size to ask for, and a size to take, once
// the message that wanted it is over.
constexpr UINT askForSizeMessage = WM_APP + 1;
constexpr UINT grantedMessage = WM_APP + 2;
constexpr UINT rewriteSizeMessage = WM_APP + 3;

bool underWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

WindowState toWindowState(WPARAM kind) {
    switch (kind) {
    case SIZE_MINIMIZED:
        return WindowState::Minimized;
    case SIZE_MAXIMIZED:
        return WindowState::Maximized;
    default:
        return WindowState::Normal;
    }
}

ScreenRoom roomOn(HMONITOR monitor, UINT dpi) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) {
        return {{}, static_cast<double>(dpi)};
    }
    const RECT& work = info.rcWork;
    return {{work.right - work.left, work.bottom - work.top}, static_cast<double>(dpi)};
}

ScreenRoom primaryRoom() {
    return roomOn(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), GetDpiForSystem());
}

void registerClass(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpszClassName = name;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    RegisterClassExW(&windowClass);
}

void setWindowText(HWND window, const std::wstring& text) {
    if (windowText(window) != text) {
        SetWindowTextW(window, text.c_str()); // tells assistive technology of a new name
    }
}

// A button's caption is shown as it stands: an ampersand marks no shortcut.
std::wstring buttonText(const std::string& caption) {
    std::wstring text;
    for (const wchar_t c : toUtf16(caption)) {
        text += c == L'&' ? L"&&" : std::wstring(1, c);
    }
    return text;
}

long roleOf(const Control& control) {
    if (control.accessibleRole() == AccessibleRole::Chart) {
        return ROLE_SYSTEM_CHART;
    }
    switch (control.kind()) {
    case ControlKind::Label:
        return ROLE_SYSTEM_STATICTEXT;
    case ControlKind::Frame:
        return ROLE_SYSTEM_GROUPING;
    case ControlKind::PictureBox:
    case ControlKind::Shape:
        return ROLE_SYSTEM_GRAPHIC;
    case ControlKind::CommandButton:
    case ControlKind::TextBox:
        break;
    }
    return 0; // the system's own control knows
}

// Where a control's window lies in its container, in the container's pixels.
RECT placeIn(const Form& form, const Control& control, const TwipScale& scale) {
    const PixelRect r = control.kind() == ControlKind::Label ? labelPlace(form, control, scale).area
                                                             : pixelRect(control, scale);
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

// A notification for screen readers that listen through UI Automation
// (Windows 10 1709 on); looked up by name, since older systems and Wine
// lack it, and then only the accessibility event speaks.
void notifyThroughAutomation(HWND where, const std::wstring& text) {
    // The provider is only passed on, so it is held as what it is first:
    // the API's own header does not compile as C++.
    using Raise = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);
    using Host = HRESULT(WINAPI*)(HWND, IUnknown**);
    HMODULE core = GetModuleHandleW(L"uiautomationcore.dll");
    if (core == nullptr) {
        core = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    if (core == nullptr) {
        return;
    }
    const auto raise = reinterpret_cast<Raise>(
        reinterpret_cast<void*>(GetProcAddress(core, "UiaRaiseNotificationEvent")));
    const auto host = reinterpret_cast<Host>(
        reinterpret_cast<void*>(GetProcAddress(core, "UiaHostProviderFromHwnd")));
    IUnknown* provider = nullptr;
    if (raise == nullptr || host == nullptr || FAILED(host(where, &provider))) {
        return;
    }
    BSTR display = SysAllocString(text.c_str());
    BSTR activity = SysAllocString(L"Kelvara.Serie");
    constexpr int actionCompleted = 2;     // NotificationKind_ActionCompleted
    constexpr int importantMostRecent = 1; // NotificationProcessing_ImportantMostRecent
    raise(provider, actionCompleted, importantMostRecent, display, activity);
    SysFreeString(activity);
    SysFreeString(display);
    provider->Release();
}

} // namespace

Win32FormView::Win32FormView(Form& form, std::span<const std::uint32_t> iconPixels)
    : m_form(form), m_host(form, *this, primaryRoom()), m_underWine(underWine()) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    registerClass(formClass, &Win32FormView::formProc,
                  reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    registerClass(controlClass, &Win32FormView::controlProc, nullptr); // each paints all of itself
    m_icon = iconFromPixels(iconPixels);
    RECT outer{0, 0, m_host.scale().toPixels(form.scaleWidth()),
               m_host.scale().toPixels(form.scaleHeight())};
    AdjustWindowRectExForDpi(&outer, formStyle, FALSE, 0,
                             static_cast<UINT>(m_host.scale().dotsPerInch()));
    m_window =
        CreateWindowExW(0, formClass, toUtf16(form.caption()).c_str(), formStyle, CW_USEDEFAULT,
                        CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, nullptr,
                        nullptr, GetModuleHandleW(nullptr), this);
    SendMessageW(m_window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageW(m_window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    createWindows();
    // The monitor the window opens on may have another DPI than the system's
    // (a second monitor; under Wine 10, a DPI set after its server started),
    // which syncs every window.
    readScreen();
    sync();
}

Win32FormView::~Win32FormView() {
    for (auto& [control, accessible] : m_accessibles) {
        accessible->detach();
        accessible->Release();
    }
    if (m_alert != nullptr) {
        m_alert->detach();
        m_alert->Release();
    }
    if (IsWindow(m_window)) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
    DeleteObject(m_font);
    DestroyIcon(m_icon);
    CoUninitialize();
}

void Win32FormView::start(int showCommand) {
    m_host.load();
    // Windows frames a window when it is made, so the first frame is known
    // before the window shows, and it shows at the size it keeps.
    readFrame();
    ShowWindow(m_window, showCommand);
    granted();
    const std::vector<const Control*> stops = tabStops(m_form);
    if (!stops.empty()) {
        SetFocus(m_windows.at(stops.front()));
    }
}

int Win32FormView::run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        const bool tab = message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
                         GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
        if (tab && (message.hwnd == m_window || IsChild(m_window, message.hwnd))) {
            moveFocus(GetKeyState(VK_SHIFT) < 0);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void Win32FormView::createWindows() {
    const std::vector<Control*>& controls = m_form.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& control = *controls[i];
        HWND parent = control.parent() != nullptr ? m_windows.at(control.parent()) : m_window;
        m_windows[&control] = createWindow(control, parent, firstControlId + static_cast<int>(i));
    }
    for (const Control* control : controls) {
        if (control->kind() == ControlKind::Label) {
            // Under every sibling: a label's box may reach over a text box.
            SetWindowPos(m_windows.at(control), HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

HWND Win32FormView::createWindow(const Control& control, HWND parent, int id) {
    const auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const DWORD child = WS_CHILD | WS_CLIPSIBLINGS | (takesFocus(control.kind()) ? WS_TABSTOP : 0);
    switch (control.kind()) {
    case ControlKind::CommandButton:
        return CreateWindowExW(0, WC_BUTTONW, buttonText(control.caption()).c_str(),
                               child | BS_PUSHBUTTON, 0, 0, 0, 0, parent, menu, instance, nullptr);
    case ControlKind::TextBox: {
        HWND edit =
            CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, toUtf16(control.text()).c_str(),
                            child | ES_AUTOHSCROLL, 0, 0, 0, 0, parent, menu, instance, nullptr);
        attachTextBox(
            edit, [this, &control](char32_t typed) { return m_host.keyTyped(control, typed); },
            [this, &control, edit](WPARAM flags, LPARAM objectId) {
                // The id is a 32-bit number, however wide the parameter.
                return static_cast<LONG>(objectId) == OBJID_CLIENT
                           ? accessibleObject(control, edit, flags)
                           : 0;
            });
        return edit;
    }
    case ControlKind::PictureBox:
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::Shape:
        break;
    }
    return CreateWindowExW(0, controlClass, toUtf16(control.accessibleName()).c_str(),
                           child | WS_CLIPCHILDREN, 0, 0, 0, 0, parent, menu, instance,
                           const_cast<Control*>(&control));
}

// Again whenever the window has moved to a monitor of another DPI.
void Win32FormView::syncFonts() {
    if (m_fontDpi == m_host.scale().dotsPerInch()) {
        return;
    }
    m_fontDpi = m_host.scale().dotsPerInch();
    HFONT old = m_font;
    m_font = createControlFont(Appearance{}, m_host.scale());
    for (const auto& [control, window] : m_windows) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    }
    DeleteObject(old);
}

void Win32FormView::sync() {
    syncFonts();
    for (const Control* control : m_form.controls()) {
        syncControl(*control);
    }
    setWindowText(m_window, toUtf16(m_form.caption()));
    askForModelSize();
}

void Win32FormView::syncControl(const Control& control) {
    HWND window = m_windows.at(&control);
    const RECT place = placeIn(m_form, control, m_host.scale());
    RECT now{};
    GetWindowRect(window, &now);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&now), 2);
    if (!EqualRect(&now, &place)) {
        SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    switch (control.kind()) {
    case ControlKind::CommandButton:
        setWindowText(window, buttonText(control.caption()));
        break;
    case ControlKind::TextBox:
        // Set only when it differs, so that the caret and selection stay.
        setWindowText(window, toUtf16(control.text()));
        break;
    case ControlKind::PictureBox:
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::Shape:
        setWindowText(window, toUtf16(control.accessibleName()));
        InvalidateRect(window, nullptr, FALSE);
        break;
    }
    const bool shown = (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != control.visible()) {
        ShowWindow(window, control.visible() ? SW_SHOWNA : SW_HIDE);
    }
}

SIZE Win32FormView::frameSize() const {
    RECT outer{};
    RECT inner{};
    GetWindowRect(m_window, &outer);
    GetClientRect(m_window, &inner);
    return {(outer.right - outer.left) - inner.right, (outer.bottom - outer.top) - inner.bottom};
}

PixelSize Win32FormView::innerSize() const {
    RECT inner{};
    GetClientRect(m_window, &inner);
    return {inner.right, inner.bottom};
}

void Win32FormView::readScreen() {
    m_monitor = MonitorFromWindow(m_window, MONITOR_DEFAULTTONEAREST);
    m_host.screenChanged(roomOn(m_monitor, GetDpiForWindow(m_window)));
}

void Win32FormView::readFrame() {
    const SIZE frame = frameSize();
    m_host.framed({frame.cx, frame.cy});
}

void Win32FormView::granted() {
    if (m_sizeAsked) {
        return; // the size now is about to change; the model learns it then
    }
    readFrame(); // the layout may write the window's outer size
    m_host.granted(innerSize());
}

void Win32FormView::askForModelSize() {
    const bool cameOutShort = m_host.askForModelSize(innerSize(), [this](PixelSize wanted) {
        if (m_inSizeMessage > 0) {
            // A size set while the desktop is still telling of the last one
            // does not reach it under Wine (8 at least): the X window keeps
            // the size the window manager gave it. Asked again afterwards,
            // which on Windows only moves the write a message later.
            m_sizeAsked = true;
            PostMessageW(m_window, askForSizeMessage, 0, 0);
            return innerSize();
        }
        const SIZE frame = frameSize();
        SetWindowPos(m_window, nullptr, 0, 0, wanted.width + frame.cx, wanted.height + frame.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return innerSize();
    });
    if (cameOutShort) {
        // Less than asked (the smallest window, the screen): the model
        // learns the size it really has once the event that asked is over.
        PostMessageW(m_window, grantedMessage, 0, 0);
    }
}

void Win32FormView::onSize(WPARAM kind) {
    m_host.stateChanged(toWindowState(kind));
    if (kind == SIZE_MINIMIZED) {
        return;
    }
    ++m_inSizeMessage;
    granted();
    --m_inSizeMessage;
    const PixelSize inner = innerSize();
    const PixelSize smallest = m_host.smallestSize();
    const bool held = inner.width == smallest.width || inner.height == smallest.height;
    if (kind == SIZE_RESTORED && held && m_underWine && !m_rewritingSize) {
        // Wine (8 at least) holds a size the window manager gives below the
        // window's smallest at the smallest (WM_GETMINMAXINFO is no X
        // minimum there) but leaves the X window at the size it had: the
        // screen shows less than the window lays out until its size is
        // written once more.
        PostMessageW(m_window, rewriteSizeMessage, 0, 0);
    }
}

void Win32FormView::onDpiChanged(WPARAM dpi, const RECT& suggested) {
    // The window keeps its size in twips: the model's size in the new
    // pixels, where the system suggests, not the size it suggests.
    m_monitor = MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST);
    m_host.screenChanged(roomOn(m_monitor, LOWORD(dpi)));
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FormView::onCommand(WPARAM wParam) {
    const auto index = static_cast<std::size_t>(LOWORD(wParam) - firstControlId);
    if (LOWORD(wParam) < firstControlId || index >= m_form.controls().size()) {
        return;
    }
    Control& control = *m_form.controls()[index];
    if (control.kind() == ControlKind::CommandButton && HIWORD(wParam) == BN_CLICKED) {
        readFrame(); // a click may write the window's outer size
        m_host.click(control);
    } else if (control.kind() == ControlKind::TextBox && HIWORD(wParam) == EN_CHANGE) {
        HWND edit = m_windows.at(&control);
        const std::wstring shown = toUtf16(m_host.textChanged(control, toUtf8(windowText(edit))));
        if (shown != windowText(edit)) {
            SetWindowTextW(edit, shown.c_str()); // comes back here, and the core keeps it
            SendMessageW(edit, EM_SETSEL, shown.size(), static_cast<LPARAM>(shown.size()));
        }
    }
}

void Win32FormView::moveFocus(bool backwards) {
    std::vector<const Control*> stops = tabStops(m_form);
    std::erase_if(stops, [this](const Control* c) { return !IsWindowVisible(m_windows.at(c)); });
    if (stops.empty()) {
        return;
    }
    if (backwards) {
        std::reverse(stops.begin(), stops.end());
    }
    HWND focus = GetFocus();
    const auto at = std::find_if(stops.begin(), stops.end(),
                                 [&](const Control* c) { return m_windows.at(c) == focus; });
    const auto next = at == stops.end() || at + 1 == stops.end() ? stops.begin() : at + 1;
    HWND to = m_windows.at(*next);
    SetFocus(to);
    if ((*next)->kind() == ControlKind::TextBox) {
        SendMessageW(to, EM_SETSEL, 0, -1); // as a dialog does: the whole text, to type over
    }
}

AccessibleFacts Win32FormView::factsOf(const Control& control) const {
    AccessibleFacts facts{toUtf16(control.accessibleName()), roleOf(control), {}};
    if (control.accessibleRole() != AccessibleRole::Chart) {
        return facts;
    }
    for (const Control* held : chartContents(m_form, control)) {
        HWND window = m_windows.at(held);
        AccessibleFacts::Item item{toUtf16(held->accessibleName()), {}, held->visible()};
        GetWindowRect(window, &item.onScreen);
        facts.items.push_back(item);
    }
    return facts;
}

LRESULT Win32FormView::accessibleObject(const Control& control, HWND window, WPARAM flags) {
    ControlAccessible*& accessible = m_accessibles[&control];
    if (accessible == nullptr) {
        accessible = new ControlAccessible(window, [this, &control] { return factsOf(control); });
    }
    return LresultFromObject(IID_IAccessible, flags, accessible);
}

void Win32FormView::mousePointerChanged(int pointer) {
    m_busy = pointer == MousePointer::Hourglass;
    SetCursor(LoadCursorW(nullptr, m_busy ? IDC_WAIT : IDC_ARROW));
}

void Win32FormView::showError(const RuntimeError& error) {
    MessageBoxW(m_window, toUtf16(errorText(error)).c_str(), toUtf16(m_form.messageTitle()).c_str(),
                MB_OK | MB_ICONERROR);
}

void Win32FormView::announce(const std::string& text) {
    m_announcement = toUtf16(text);
    // An alert that MSAA clients (and through them any screen reader) see,
    // its object named with the sentence; and where the system has them,
    // a notification of UI Automation at the control with the focus.
    NotifyWinEvent(EVENT_SYSTEM_ALERT, m_window, OBJID_ALERT, CHILDID_SELF);
    HWND focus = GetFocus();
    notifyThroughAutomation(focus != nullptr ? focus : m_window, m_announcement);
}

LRESULT CALLBACK Win32FormView::formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        auto* view = static_cast<Win32FormView*>(create->lpCreateParams);
        view->m_window = window;
    }
    auto* view = reinterpret_cast<Win32FormView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (view == nullptr || view->m_windows.empty()) {
        return DefWindowProcW(window, message, wParam, lParam); // still being made, or gone
    }
    return view->onFormMessage(message, wParam, lParam);
}

LRESULT Win32FormView::onFormMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        onCommand(wParam);
        return 0;
    case WM_SIZE:
        onSize(wParam);
        return 0;
    case WM_MOVE:
        readFrame();
        if (MonitorFromWindow(m_window, MONITOR_DEFAULTTONEAREST) != m_monitor) {
            readScreen();
        }
        return 0;
    case WM_DISPLAYCHANGE:
        readScreen();
        return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA) {
            readScreen();
        }
        break;
    case WM_DPICHANGED:
        onDpiChanged(wParam, *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_GETMINMAXINFO: {
        const SIZE frame = frameSize();
        const PixelSize smallest = m_host.smallestSize();
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = {smallest.width + frame.cx, smallest.height + frame.cy};
        return 0;
    }
    case askForSizeMessage:
        m_sizeAsked = false;
        askForModelSize();
        return 0;
    case rewriteSizeMessage: {
        RECT outer{};
        GetWindowRect(m_window, &outer);
        m_rewritingSize = true;
        SetWindowPos(m_window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        m_rewritingSize = false;
        return 0;
    }
    case grantedMessage:
        granted();
        return 0;
    case WM_SETCURSOR:
        if (m_busy) {
            SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case WM_ACTIVATE:
        // Without a dialog manager the focus is the window's to keep.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            m_lastFocus = IsChild(m_window, focus) ? focus : m_lastFocus;
        } else if (m_lastFocus != nullptr && IsWindow(m_lastFocus)) {
            SetFocus(m_lastFocus);
        }
        return 0;
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == OBJID_ALERT) {
            if (m_alert == nullptr) {
                m_alert = new ControlAccessible(m_window, [this] {
                    return AccessibleFacts{m_announcement, ROLE_SYSTEM_ALERT, {}};
                });
            }
            return LresultFromObject(IID_IAccessible, wParam, m_alert);
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

LRESULT CALLBACK Win32FormView::controlProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    const auto* control =
        reinterpret_cast<const Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    auto* view = reinterpret_cast<Win32FormView*>(
        GetWindowLongPtrW(GetAncestor(window, GA_ROOT), GWLP_USERDATA));
    if (control == nullptr || view == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return view->onControlMessage(window, *control, message, wParam, lParam);
}

LRESULT Win32FormView::onControlMessage(HWND window, const Control& control, UINT message,
                                        WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        RECT client{};
        GetClientRect(window, &client);
        paintControl(dc, client, control, {m_form, m_host.scale(), m_font, GetFocus() == window});
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_NCCALCSIZE:
        // A picture box has a border of one pixel, grey, so that it shows
        // against a black inside; what it holds is placed inside it.
        if (control.kind() == ControlKind::PictureBox) {
            auto* area = reinterpret_cast<RECT*>(lParam); // the first rectangle either way
            InflateRect(area, -1, -1);
            return 0;
        }
        break;
    case WM_NCPAINT:
        if (control.kind() == ControlKind::PictureBox) {
            HDC dc = GetWindowDC(window);
            RECT all{};
            GetWindowRect(window, &all);
            OffsetRect(&all, -all.left, -all.top);
            FrameRect(dc, &all, GetSysColorBrush(COLOR_BTNSHADOW));
            ReleaseDC(window, dc);
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
        if (takesFocus(control.kind())) {
            SetFocus(window);
        }
        return 0;
    case WM_NCHITTEST:
        // Labels and shapes let the mouse through to what holds them.
        if (control.kind() == ControlKind::Label || control.kind() == ControlKind::Shape) {
            return HTTRANSPARENT;
        }
        break;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // A container's controls report to the window, which knows them all.
        return SendMessageW(m_window, message, wParam, lParam);
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
            return accessibleObject(control, window, wParam);
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace kelvara

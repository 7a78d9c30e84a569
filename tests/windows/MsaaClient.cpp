// SPDX-License-Identifier: GPL-3.0-or-later
// A client of MSAA, as a screen reader is one, run beside the program under
// Wine: it finds the window, reads what assistive technology reads, and
// prints it in UTF-8, a line each:
//   msaa_client chart    the chart's name, then each of its items: "item: NAME"
//   msaa_client box      the text box's name and value: "box: NAME = VALUE"
//   msaa_client alert    "listening", then waits for the program's next alert
//                        and prints "alert: NAME", then the chart as above
// Controls are found by their accessible role, never by a caption.
#include <windows.h>

#include <oleacc.h>

#include <string>

namespace {

std::string utf8(const wchar_t* text) {
    if (text == nullptr) {
        return "(none)";
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back();
    return out;
}

void print(const std::string& line) {
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()),
              &written, nullptr);
}

std::string property(IAccessible* object, long child,
                     HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    VARIANT id{};
    id.vt = VT_I4;
    id.lVal = child;
    BSTR value = nullptr;
    const HRESULT result = (object->*get)(id, &value);
    std::string out = result == S_OK ? utf8(value) : "(none)";
    SysFreeString(value);
    return out;
}

long role(IAccessible* object) {
    VARIANT self{};
    self.vt = VT_I4;
    VARIANT answer{};
    return SUCCEEDED(object->get_accRole(self, &answer)) && answer.vt == VT_I4 ? answer.lVal : 0;
}

struct Search {
    long role;
    IAccessible* found;
};

BOOL CALLBACK visit(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(child, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object)))) {
        return TRUE;
    }
    if (role(object) == search->role) {
        search->found = object;
        return FALSE;
    }
    object->Release();
    return TRUE;
}

// The client object of the first child window that has this role.
IAccessible* findByRole(HWND window, long wanted) {
    Search search{wanted, nullptr};
    EnumChildWindows(window, visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND programWindow() {
    for (int tries = 0; tries < 1200; ++tries) {
        if (HWND window = FindWindowW(L"KelvaraForm", nullptr)) {
            return window;
        }
        Sleep(100);
    }
    return nullptr;
}

int printChart(HWND window) {
    IAccessible* chart = findByRole(window, ROLE_SYSTEM_CHART);
    if (chart == nullptr) {
        print("no chart");
        return 1;
    }
    print("chart: " + property(chart, CHILDID_SELF, &IAccessible::get_accName));
    long count = 0;
    chart->get_accChildCount(&count);
    for (long i = 1; i <= count; ++i) {
        print("item: " + property(chart, i, &IAccessible::get_accName));
    }
    chart->Release();
    return 0;
}

int printBox(HWND window) {
    IAccessible* box = findByRole(window, ROLE_SYSTEM_TEXT);
    if (box == nullptr) {
        print("no box");
        return 1;
    }
    print("box: " + property(box, CHILDID_SELF, &IAccessible::get_accName) + " = " +
          property(box, CHILDID_SELF, &IAccessible::get_accValue));
    box->Release();
    return 0;
}

void CALLBACK onAlert(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    IAccessible* alert = nullptr;
    VARIANT id{};
    if (SUCCEEDED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object),
                                            static_cast<DWORD>(child), &alert, &id))) {
        print("alert: " + property(alert, id.lVal, &IAccessible::get_accName));
        alert->Release();
    }
    PostQuitMessage(0);
}

int waitForAlert(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, onAlert,
                                         process, 0, WINEVENT_OUTOFCONTEXT);
    print("listening");
    SetTimer(nullptr, 0, 120000, nullptr);
    MSG message{};
    bool heard = false;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER) {
            print("no alert");
            break;
        }
        DispatchMessageW(&message);
    }
    heard = message.message == WM_QUIT;
    UnhookWinEvent(hook);
    return heard ? printChart(window) : 1;
}

} // namespace

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::string command = argc > 1 ? argv[1] : "";
    HWND window = programWindow();
    int status = 2;
    if (window == nullptr) {
        print("no window");
    } else if (command == "chart") {
        status = printChart(window);
    } else if (command == "box") {
        status = printBox(window);
    } else if (command == "alert") {
        status = waitForAlert(window);
    }
    CoUninitialize();
    return status;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The edit control's characters through the key filter, and its paste.
#include "TextBoxEdit.h"

#include "Utf16.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>

namespace kelvara {

namespace {

struct TextBox {
    KeyFilter filter;
    ObjectRequest object;
    wchar_t highSurrogate = 0; // the first half of a character outside the 16-bit range
};

std::wstring clipboardText(HWND owner) {
    std::wstring text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// A single-line edit pastes only up to the first line break and drops the
// rest; here the whole text goes in, and the core takes the breaks out.
void paste(HWND edit) {
    const std::wstring pasted = clipboardText(edit);
    if (pasted.empty()) {
        return;
    }
    const std::wstring text = windowText(edit);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring after = text.substr(std::min<std::size_t>(end, text.size()));
    std::wstring composed(text, 0, std::min<std::size_t>(start, text.size()));
    composed += pasted + after;
    SetWindowTextW(edit, composed.c_str());
    const auto caret = static_cast<WPARAM>(GetWindowTextLengthW(edit)) - after.size();
    SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

LRESULT typeCharacter(HWND edit, TextBox& box, WPARAM unit, LPARAM keyData) {
    if (IS_HIGH_SURROGATE(unit)) {
        box.highSurrogate = static_cast<wchar_t>(unit);
        return 0;
    }
    const wchar_t high = std::exchange(box.highSurrogate, 0);
    const bool pair = high != 0 && IS_LOW_SURROGATE(unit);
    const char32_t typed =
        pair ? 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (unit - 0xDC00)
             : static_cast<char32_t>(unit);
    const char32_t kept = box.filter(typed);
    if (kept == typed) {
        if (pair) {
            DefSubclassProc(edit, WM_CHAR, high, keyData);
        }
        return DefSubclassProc(edit, WM_CHAR, unit, keyData);
    }
    if (kept != 0) {
        // The handler typed another character in its place: one of 16 bits.
        return DefSubclassProc(edit, WM_CHAR, static_cast<WPARAM>(kept), keyData);
    }
    return 0;
}

LRESULT CALLBACK textBoxProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                             DWORD_PTR data) {
    auto* box = reinterpret_cast<TextBox*>(data);
    switch (message) {
    case WM_CHAR:
        return typeCharacter(edit, *box, wParam, lParam);
    case WM_PASTE:
        paste(edit);
        return 0;
    case WM_KEYDOWN:
        // Wine's edit (8 at least) pastes Shift+Insert at once, up to the
        // line break, without a WM_PASTE: taken here, the key pastes the
        // whole text whatever the system's edit does with it.
        if (wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0) {
            paste(edit);
            return 0;
        }
        break;
    case WM_GETOBJECT:
        if (const LRESULT answer = box->object(wParam, lParam)) {
            return answer;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, textBoxProc, 0);
        delete box;
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace

void attachTextBox(HWND edit, KeyFilter filter, ObjectRequest object) {
    auto* box = new TextBox{std::move(filter), std::move(object)};
    SetWindowSubclass(edit, textBoxProc, 0, reinterpret_cast<DWORD_PTR>(box));
}

} // namespace kelvara

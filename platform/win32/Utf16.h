// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where text crosses between the core's UTF-8 and the Windows
// API's UTF-16. A malformed sequence becomes U+FFFD either way, never a cut.
// Also a window's own text, as the API holds it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace kelvara {

std::wstring toUtf16(std::string_view text);
std::string toUtf8(std::wstring_view text);

// The text of a window: a caption, or what an edit control holds.
std::wstring windowText(HWND window);

} // namespace kelvara

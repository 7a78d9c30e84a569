// SPDX-License-Identifier: GPL-3.0-or-later
// The text of a run-time error as the user reads it.
#include "ErrorText.h"

namespace kelvara {

namespace {

constexpr std::size_t longestQuote = 24;

std::string quoted(const std::string& subject, const LetterCut& cut) {
    const std::size_t kept = cut(subject, longestQuote);
    std::string shown = subject.substr(0, kept);
    if (kept < subject.size()) {
        shown += "…";
    }
    return "„" + shown + "“";
}

} // namespace

std::size_t cutBetweenCodePoints(std::string_view text, std::size_t letters) {
    std::size_t at = 0;
    for (std::size_t count = 0; at < text.size(); ++at) {
        // A code point starts at every byte but a continuation byte (10xxxxxx).
        if ((static_cast<unsigned char>(text[at]) & 0xC0U) != 0x80U && count++ == letters) {
            break;
        }
    }
    return at;
}

std::string errorText(const RuntimeError& error, const LetterCut& cut) {
    std::string detail = error.detail();
    if (const auto at = detail.find("%1"); at != std::string::npos) {
        detail.replace(at, 2, quoted(error.subject(), cut));
    }
    std::string text = std::string("Laufzeitfehler – ") + RuntimeError::nameOf(error.kind());
    if (!detail.empty()) {
        text += ": " + detail;
    }
    return text;
}

} // namespace kelvara

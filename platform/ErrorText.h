// SPDX-License-Identifier: GPL-3.0-or-later
// The German text the user reads when a run-time error ends a handler:
// "Laufzeitfehler – ", the error's name and its detail. What the user typed
// or pasted (the error's subject) is quoted „so“ and cut after 24 letters.
//
// What counts as one letter (an accent on its base, a flag, a syllable
// block) is the toolkit's knowledge; a front end passes its own cut, and
// without one the text is cut between code points.
#pragma once

#include "RuntimeError.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace kelvara {

// The length in bytes of the first `letters` letters of a UTF-8 text, or of
// the whole text if it has no more.
using LetterCut = std::function<std::size_t(std::string_view text, std::size_t letters)>;

std::size_t cutBetweenCodePoints(std::string_view text, std::size_t letters);

std::string errorText(const RuntimeError& error, const LetterCut& cut = cutBetweenCodePoints);

} // namespace kelvara

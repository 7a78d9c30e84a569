// SPDX-License-Identifier: GPL-3.0-or-later
// Letters as the toolkit finds them, for quoting what the user typed in an
// error's text (ErrorText.h): an accent, a flag or a syllable block stays whole.
#pragma once

#include <cstddef>
#include <string_view>

namespace kelvara {

// The length in bytes of the first `letters` grapheme clusters of a UTF-8 text.
std::size_t cutBetweenLetters(std::string_view text, std::size_t letters);

} // namespace kelvara

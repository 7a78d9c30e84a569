// SPDX-License-Identifier: GPL-3.0-or-later
// The number a text stands for as the bound of a counted loop, read as a
// German writes it.
//
// Blanks (space, tab) around an optional sign, digits whose thousands may be
// grouped by points ("5.000", "1.000.000"), an optional decimal comma with a
// fraction of zero or more digits ("2,5", ",5", "5,"), at least one digit in
// all, and an optional exponent ('e' or 'E', optional sign, digits). A point
// that does not group thousands ("5.5", "1.00") is no number: it would read
// differently to an English reader. The value is not limited to 16 bits.
// Anything else, the empty text included, and a number too large for double
// precision are the type-mismatch error, which names the text as typed.
#pragma once

#include <string_view>

namespace kelvara::numeric {

double toLoopBound(std::string_view text);

} // namespace kelvara::numeric

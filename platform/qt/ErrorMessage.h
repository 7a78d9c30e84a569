// SPDX-License-Identifier: GPL-3.0-or-later
// The German text the user reads when a run-time error ends a handler.
#pragma once

#include "RuntimeError.h"

#include <QString>

namespace kelvara {

// "Laufzeitfehler – " with the error's name and detail. What the user typed
// or pasted is quoted as plain text and cut after 24 letters, between whole
// letters as the toolkit finds them (an accent, a flag or a syllable block
// stays whole).
QString errorMessage(const RuntimeError& error);

} // namespace kelvara

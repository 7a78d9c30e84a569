// SPDX-License-Identifier: GPL-3.0-or-later
// The window frmMain as it is created: every control, in creation order, with
// the properties it starts with.
#pragma once

#include "FormDescription.h"

namespace kelvara {

const FormDescription& frmMainDescription();

} // namespace kelvara

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform's colour identifiers ("clRed", "clBtnFace", "clNone", ...), as mark-up and stored
// forms name colours.
#include "platform/Color.h"

#include <optional>
#include <string_view>

namespace platform {

// The colour an identifier names, ignoring letter case; none for an unknown identifier.
std::optional<TColor> colorFromName(std::string_view name);

} // namespace platform

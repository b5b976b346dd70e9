// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform's default beep, which signals a refused keystroke. Tests count beeps through
// platform/TestHooks.h instead of hearing them.

namespace controls {

void beep();

} // namespace controls

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// The platform's MulDiv: a * b / c rounded to the nearest integer, halves away from zero, without
// intermediate overflow; -1 when c is 0.
int MulDiv(int a, int b, int c);

} // namespace platform

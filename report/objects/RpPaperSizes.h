// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform's standard paper sizes by paper code. Code 256 is a custom size and is never
// looked up.
namespace report {

constexpr int customPaperSize = 256;

// Width and height in millimetres (portrait) of a paper code; leaves them untouched and returns
// false when the table does not know the code.
bool PaperSizeOf(int code, double& width, double& height);

} // namespace report

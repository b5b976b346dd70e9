// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Makes the fonts the program asks for available. Wine's Tahoma (fonts-wine installs it into
// a folder fontconfig does not scan) is registered with the program alone when fontconfig does
// not know Tahoma, so nothing of the system's font set changes. Then the Windows font names are
// mapped onto the fonts installed here: "MS Sans Serif" (the windows' default font) onto Tahoma,
// its closest relative, the Central European "CE" family names onto the plain families, which
// hold the same letters in Unicode, and the form code's "Franklin Gothic Medium" onto Arial.
// Arial and Times New Roman are aliased by fontconfig to metric-compatible fonts already.
void installFontSubstitutes();

} // namespace platform

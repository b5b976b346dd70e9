#pragma once

namespace platform {

// Maps the Windows font names the program asks for onto the fonts installed here: "MS Sans Serif"
// (the windows' default font) onto Tahoma, its closest relative, and the Central European "CE"
// family names onto the plain families, which hold the same letters in Unicode, and the form
// code's "Franklin Gothic Medium" onto Arial. Arial and Times
// New Roman are aliased by fontconfig to metric-compatible fonts already.
void installFontSubstitutes();

} // namespace platform

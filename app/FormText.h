// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The form text: the window's field values as lines "Name_value" after a marker line, the text that
// Save encrypts and Load decrypts.
#include <QObject>
#include <string_view>
#include <vector>

namespace controls {
class TRichEdit;
}

namespace app {

// The first line of every form text; finding it after decryption proves the pass phrase right.
inline constexpr std::string_view kFormTextMarker = "hegym\xE1sz\xF3";

// Builds the form text of the components (in component-list order) into `second`; `first` is the
// scratch buffer of the first pass. Both buffers are cleared first.
void ComposeFormText(const std::vector<QObject*>& components, controls::TRichEdit& first,
                     controls::TRichEdit& second);

// Whether text has the exact shape of a form text that ComposeFormText writes for these components:
// the marker line, then lines "Name_value" with a value, of the components' names (in any letter
// case), each at most as often as the components write it and in their order, continuation lines
// "$Name_value" only where a component can hold several lines, every line ended by CR LF, no
// character that a field cannot hold, and the line of every numeric edit (never empty, so always
// written). Load checks this before it sets a single field: a damaged
// save file that decrypts to meaningless bytes in a line is refused instead of loaded.
bool IsWellFormedFormText(const std::vector<QObject*>& components, std::string_view text);

// Sets the components from the lines of `second` after its marker line. A number that does not read
// as an integer raises platform::ConvertError; the lines before it keep their effect.
void RestoreFormText(const std::vector<QObject*>& components, const controls::TRichEdit& second);

} // namespace app

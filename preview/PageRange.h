// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page-range text of the print dialog ("1,3,5-12", "5-") turned into page numbers.
#include <string>
#include <vector>

namespace preview {

// Blanks are ignored, a trailing "-" runs to the last page, items are separated by commas, "a-b"
// lists a..b (nothing when b < a; a second dash restarts the range), a number lists itself.
// Entries are decimal strings without leading zeros; duplicates are kept. An empty result means
// every page. A token that is not an integer raises platform::ConvertError.
//
// Numbers outside 1..pageCount select nothing, so a range lists only its numbers within the pages;
// a range lying wholly outside keeps its first number, so that it still selects nothing rather
// than everything ("1-2000000000" must not list two billion entries).
std::vector<std::string> ExpandPageRange(const std::string& text, int pageCount);

} // namespace preview

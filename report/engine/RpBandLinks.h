// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks, before output, that the data, group and header/footer bands of a page can be linked: a
// data band with the header directly above and the footer directly below it, a group header with
// the data band below it, a group footer with its header, a detail band with the master above it.
#include <string>
#include <vector>

namespace report {

class TrpPage;

// Appends one line per band that cannot be linked: "Független fej-, lábléc", "A csoportnak nincs
// adatsávja", "Nincs fejléc " or "Hibás sávpozició:", a blank and the band's name. A page without
// bands adds nothing.
void LinkBands(const TrpPage& page, std::vector<std::string>& errors);

} // namespace report

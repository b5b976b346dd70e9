// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user is told when text of the prepared certificate does not fit its place: the lost
// lines themselves, which the clerk recognises, rather than the template's object names.
#include "report/objects/RpTextOverflow.h"

#include <QString>
#include <vector>

namespace app {

// The Print command's warning before the preview opens.
QString TextOverflowWarning(const std::vector<report::TrpTextOverflow>& overflows);
// The command line's error, which names the option that accepts the loss.
QString TextOverflowError(const std::vector<report::TrpTextOverflow>& overflows);

} // namespace app

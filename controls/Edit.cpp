// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Edit.h"

#include "controls/Cp1250Validator.h"

namespace controls {

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
    restrictToCp1250(this);
}

} // namespace controls

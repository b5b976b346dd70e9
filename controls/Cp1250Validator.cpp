// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Cp1250Validator.h"

#include "controls/Beep.h"
#include "platform/Cp1250.h"

#include <QLineEdit>

namespace controls {

QValidator::State Cp1250Validator::validate(QString& input, int&) const {
    return platform::isCp1250Representable(input) ? Acceptable : Invalid;
}

void restrictToCp1250(QLineEdit* edit) {
    edit->setValidator(new Cp1250Validator(edit));
    QObject::connect(edit, &QLineEdit::inputRejected, edit, [] { beep(); });
}

} // namespace controls

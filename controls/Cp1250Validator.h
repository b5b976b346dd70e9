// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps an edit box to what code page 1250 can hold, so that nothing is silently changed when its
// text is stored as code page 1250 bytes.
#include <QValidator>

class QLineEdit;

namespace controls {

class Cp1250Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Installs the validator on edit: a typed or pasted text with a character outside code page 1250
// is refused whole, and every refused input (also one past the length limit) sounds the
// platform's beep.
void restrictToCp1250(QLineEdit* edit);

} // namespace controls

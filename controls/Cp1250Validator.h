#pragma once
// Lets an edit hold only characters that code page 1250 can store, so nothing typed or pasted is
// silently changed on Save. A refused keystroke or paste sounds the default beep.
#include <QValidator>

class QLineEdit;

namespace controls {

class Cp1250Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;

    // Installs the validator on the edit and connects the beep to its refusals.
    static void install(QLineEdit* edit);
};

} // namespace controls

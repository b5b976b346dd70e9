#include "controls/Edit.h"

#include "controls/Cp1250Validator.h"

namespace controls {

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
    Cp1250Validator::install(this);
}

} // namespace controls

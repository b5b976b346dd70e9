#include "app/StandInNumEdit.h"

#include "controls/Cp1250Validator.h"

namespace app {

TNumEdit::TNumEdit(QWidget* parent) : QLineEdit(QStringLiteral("0"), parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    controls::restrictToCp1250(this);
}

} // namespace app

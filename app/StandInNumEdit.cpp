#include "app/StandInNumEdit.h"

#include "controls/Cp1250Validator.h"

namespace app {

TNumEdit::TNumEdit(QWidget* parent) : QLineEdit(QStringLiteral("0"), parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    controls::Cp1250Validator::install(this);
}

} // namespace app

#pragma once
// Stands in for the numeric edit on the certificate window until the real control is placed: a
// right-aligned line edit starting at "0".
#include <QLineEdit>

namespace app {

class TNumEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumEdit(QWidget* parent = nullptr);
};

} // namespace app

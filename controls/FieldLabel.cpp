#include "controls/FieldLabel.h"

#include <QLabel>

namespace controls {

void labelField(QLabel& label, QWidget& field) {
    if (!label.text().contains(u'&'))
        label.setBuddy(&field);
    QString name = label.text().trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    field.setAccessibleName(name.trimmed());
}

} // namespace controls
